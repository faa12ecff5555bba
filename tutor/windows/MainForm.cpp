// The tutor main window's creation: texts, menus, status bar, the catalogue
// and the first object.
#include "tutor/windows/MainForm.h"

#include "foundation/widgets/form_helpers.h"
#include "foundation/globals.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "geometry/model/object_files.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/BackGroundScreen.h"
#include "tutor/windows/LoginDialog.h"
#include "tutor/windows/TheoryForm.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_driver.h"
#include "tutor/windows/guidance_menu.h"
#include "tutor/engine/theory_chapters.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

using namespace foundation;
using namespace foundation::widgets;
using namespace geometry::model;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

using menu = text_names::main_menus;

// Items that open a window get three dots.
bool opens_a_window(menu entry)
{
    return entry == menu::pupil_login || entry == menu::change_password || entry == menu::settings
        || entry == menu::printer_settings || entry == menu::results || entry == menu::about;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("MainForm");
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate()
{
    setWindowIcon(QApplication::windowIcon());
    setWindowTitle(QCoreApplication::applicationName());
    resize(800, 600);
    keep_maximised_ = read_yes_no_setting("", "GENERAL", "Keep Main Window Maximized", false);
    if (keep_maximised_)
        setWindowState(Qt::WindowMaximized);
    setBackgroundRole(QPalette::Window);
    create_menus();
    create_status_bar();
    create_workbench();
    wait_until_ready_timer = new QTimer(this);
    wait_until_ready_timer->setObjectName("wait_until_ready_timer");
    wait_until_ready_timer->setInterval(100);
    connect(wait_until_ready_timer, &QTimer::timeout, this, &TMainForm::wait_until_ready_timerTimer);
    if (guidance)
        driver_ = std::make_unique<Tguidance_driver>(*this, *guidance);
    background_screen_ = std::make_unique<TBackGroundScreen>();
    login_dialog_ = new TPupilLoginDialog(this);
    theory_form_ = new TTheoryForm(this);
    load_catalogue();
    apply_view_settings();
    fill_object_classes();
    set_test_mode(false);
    set_practice_level(initial_practice_level());
    update_switch_guidance_caption();
}

std::string TMainForm::menu_text(menu entry) const
{
    const std::string& text = menu_texts_[entry];
    return opens_a_window(entry) ? text + "..." : text;
}

std::string TMainForm::menu_text(menu first, int offset) const
{
    return menu_text(static_cast<menu>(static_cast<int>(first) + offset));
}

QMenu* TMainForm::add_menu(const char* name, menu entry)
{
    QMenu* menu = menuBar()->addMenu(qt(menu_text(entry)));
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* TMainForm::add_item(QMenu* menu, const char* name, const std::string& caption)
{
    QAction* item = menu->addAction(qt(caption));
    item->setObjectName(name);
    return item;
}

void TMainForm::create_menus()
{
    create_file_and_theory_menus();
    create_practice_menu();
    create_guidance_and_help_menus();
}

void TMainForm::create_file_and_theory_menus()
{
    QMenu* file = add_menu("file_menu_item", menu::file_menu);
    connect(add_item(file, "pupil_menu_item", menu_text(menu::pupil_login)), &QAction::triggered, this, &TMainForm::pupil_menu_itemClick);
    connect(add_item(file, "change_password_menu_item", menu_text(menu::change_password)), &QAction::triggered, this,
            &TMainForm::change_password_menu_itemClick);
    connect(add_item(file, "settings_menu_item", menu_text(menu::settings)), &QAction::triggered, this,
            &TMainForm::settings_menu_itemClick);
    file->addSeparator();
    connect(add_item(file, "print_menu_item", menu_text(menu::print)), &QAction::triggered, this, &TMainForm::print_menu_itemClick);
    connect(add_item(file, "printer_settings_menu_item", menu_text(menu::printer_settings)), &QAction::triggered, this,
            &TMainForm::printer_settings_menu_itemClick);
    file->addSeparator();
    connect(add_item(file, "exit_menu_item", menu_text(menu::exit)), &QAction::triggered, this, &QWidget::close);

    QMenu* theory = add_menu("theory_menu_item", menu::theory_menu);
    static const char* const own_names[own_theory_chapters] = {
        "perspectivic_theory_menu_item", "isometric_theory_menu_item", "regular_projection_theory_menu_item",
        "hidden_lines_theory_menu_item"};
    for (int k = 1; k <= own_theory_chapters; ++k)
        theory_menu_items_[static_cast<std::size_t>(k - 1)]
            = add_item(theory, own_names[k - 1], menu_text(menu::perspective_chapter, k - 1));
    const int additional = additional_theory_subjects();
    for (int k = 1; k <= theory_text_count; ++k) {
        const std::string name = "additional_chapter_" + std::to_string(k) + "_theory_menu_item";
        QAction* item = add_item(theory, name.c_str(), theory_texts_.at(text_names::user_theory_menus::chapter_1, k - 1));
        item->setVisible(k <= additional);
        theory_menu_items_[static_cast<std::size_t>(own_theory_chapters + k - 1)] = item;
    }
    for (int chapter = 1; chapter <= static_cast<int>(theory_menu_items_.size()); ++chapter)
        connect(theory_menu_items_[static_cast<std::size_t>(chapter - 1)], &QAction::triggered, this,
                [this, chapter] { theory_menu_itemClick(chapter); });
}

void TMainForm::create_practice_menu()
{
    QMenu* practice = add_menu("practice_menu_item", menu::practice_menu);
    for (int k = 1; k <= exercise_count; ++k) {
        const std::string name = "exercise_" + std::to_string(k) + "_menu_item";
        QAction* item = add_item(practice, name.c_str(), menu_text(menu::exercise_1, k - 1));
        exercise_menu_items_[static_cast<std::size_t>(k - 1)] = item;
        connect(item, &QAction::triggered, this, [this, k] { exercise_menu_itemClick(k); });
    }
    practice->addSeparator();
    exercise_mode_menu_item = add_item(practice, "exercise_mode_menu_item", menu_text(menu::exercise_mode));
    test_mode_menu_item = add_item(practice, "test_mode_menu_item", menu_text(menu::test_mode));
    for (QAction* item : {exercise_mode_menu_item, test_mode_menu_item})
        item->setCheckable(true);
    connect(exercise_mode_menu_item, &QAction::triggered, this, [this] { set_test_mode(false); });
    connect(test_mode_menu_item, &QAction::triggered, this, [this] { set_test_mode(true); });
    practice->addSeparator();
    for (int level = 1; level <= 3; ++level) {
        const std::string name = "practice_level_" + std::to_string(level) + "_menu_item";
        QAction* item = add_item(practice, name.c_str(), menu_text(menu::level_1, level - 1));
        item->setCheckable(true);
        practice_level_menu_items_[static_cast<std::size_t>(level - 1)] = item;
        connect(item, &QAction::triggered, this, [this, level] { set_practice_level(level); });
    }
    practice->addSeparator();
    connect(add_item(practice, "results_menu_item", menu_text(menu::results)), &QAction::triggered, this,
            &TMainForm::results_menu_itemClick);
}

void TMainForm::create_guidance_and_help_menus()
{
    QMenu* guidance_menu = add_menu("guidance_menu_item", menu::guidance_menu);
    guidance_menu_item = guidance_menu->menuAction();
    guidance_menu_item->setProperty("tag", guidance_menu_tag);
    switch_guidance_on_off_menu_item = add_item(guidance_menu, "switch_guidance_on_off_menu_item", menu_text(menu::switch_guidance_on));
    switch_guidance_on_off_menu_item->setProperty("tag", guidance_menu_tag_1);
    start_guidance_again_menu_item = add_item(guidance_menu, "start_guidance_again_menu_item", menu_text(menu::start_guidance_again));
    start_guidance_again_menu_item->setProperty("tag", guidance_menu_tag_2);
    connect(switch_guidance_on_off_menu_item, &QAction::triggered, this, &TMainForm::switch_guidance_on_off_menu_itemClick);
    connect(start_guidance_again_menu_item, &QAction::triggered, this, &TMainForm::start_guidance_again_menu_itemClick);

    QMenu* help = add_menu("help_menu_item", menu::help_menu);
    connect(add_item(help, "about_menu_item", menu_text(menu::about)), &QAction::triggered, this, &TMainForm::about_menu_itemClick);
}

void TMainForm::create_status_bar()
{
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < status_panels_.size(); ++i) {
        status_panels_[i] = new QLabel(statusBar());
        status_panels_[i]->setObjectName(QString("status_panel_%1").arg(i + 1));
        statusBar()->addWidget(status_panels_[i], i == 0 ? 1 : 0);
    }
    status_panels_[0]->setText(qt(text_of(text_names::main_screen_status::choose_object)));
}

// The catalogue of every object file; the first object shown is the one the
// catalogue has selected (the theory object), else object 1 when there is one.
void TMainForm::load_catalogue()
{
    load_object_files(catalogue_);
    const int number = catalogue_.selected_thing ? catalogue_.selected_thing->object_number
                                                 : std::min(1, last_object_number);
    load_object(number, solid_);
}

std::string TMainForm::guidance_menu_caption() const
{
    return guidance_menu_item->text().toStdString();
}

std::string TMainForm::switch_guidance_caption() const
{
    return switch_guidance_on_off_menu_item->text().toStdString();
}

std::string TMainForm::start_guidance_again_caption() const
{
    return start_guidance_again_menu_item->text().toStdString();
}

void TMainForm::update_switch_guidance_caption()
{
    switch_guidance_on_off_menu_item->setText(qt(menu_text(guidance_is_on() ? menu::switch_guidance_off : menu::switch_guidance_on)));
    enable_guidance_menu(this);
}

void TMainForm::set_test_mode(bool test)
{
    test_mode_ = test;
    exercise_mode_menu_item->setChecked(!test);
    test_mode_menu_item->setChecked(test);
}

void TMainForm::set_practice_level(int level)
{
    practice_level_ = std::clamp(level, 1, 3);
    for (std::size_t i = 0; i < practice_level_menu_items_.size(); ++i)
        practice_level_menu_items_[i]->setChecked(static_cast<int>(i) + 1 == practice_level_);
}

void TMainForm::wire_windows(const wired_windows& windows)
{
    windows_ = windows;
}

} // namespace tutor::windows
