#include "manager/RFM_MainForm.h"

#include "manager/AboutStudentsManagerForm.h"
#include "manager/ClassOverviewForm.h"
#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/ResultsForm.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "platform/widgets/printing.h"
#include "class_overview/class_overview_table.h"
#include "student_files/concise_results.h"
#include "student_files/student_data_files.h"
#include "student_files/student_list.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <initializer_list>

using namespace foundation;
using namespace foundation::widgets;
using namespace student_files;
using namespace class_overview;

namespace manager {

using text_names::students_manager;

namespace {

const char* const button_names[5] = {"add_student_button", "edit_button", "delete_button", "results_button",
                                     "concise_results_for_all_Button"};
const char* const check_box_names[5] = {"guidance_is_on_CheckBox", "guidance_is_switchable_CheckBox",
                                        "enable_restart_guidance_CheckBox",
                                        "guidance_starts_with_first_statement_CheckBox",
                                        "test_results_are_stored_CheckBox"};
const char* const label_names[5] = {"guidance_is_on_label", "guidance_is_switchable_label",
                                    "enable_restart_guidance_label", "guidance_starts_with_first_statement_label",
                                    "test_results_are_stored_label"};

// The least room each control gets, as the window was first laid out;
// longer captions widen it.
constexpr int margin = 8;
constexpr int least_group_top = 36;
constexpr int list_width = 190;
constexpr int least_group_width = 350;
constexpr int least_row_height = 26;
constexpr int least_button_width = 230, least_button_height = 30;
constexpr int least_height = 420;
constexpr int shown_concise_lines = 6;

int widest(std::initializer_list<QWidget*> widgets)
{
    int width = 0;
    for (const QWidget* widget : widgets)
        width = std::max(width, widget->sizeHint().width());
    return width;
}

} // namespace

TRFM_MainForm::TRFM_MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("RFM_MainForm");
    build_controls();
    FormCreate();
    lay_out_controls();
    enable_student_buttons();
}

void TRFM_MainForm::wire_windows(const wired_windows& windows)
{
    windows_ = windows;
}

void TRFM_MainForm::build_controls()
{
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    client->installEventFilter(this);

    directory_is_label_ = new QLabel(client);
    directory_is_label_->setObjectName("directory_is_label");

    students_ListBox_ = new QListWidget(client);
    students_ListBox_->setObjectName("students_ListBox");
    students_ListBox_->setSortingEnabled(false);
    students_ListBox_->installEventFilter(this);
    connect(students_ListBox_, &QListWidget::itemDoubleClicked, this, [this] { edit_results_file_buttonClick(); });
    connect(students_ListBox_, &QListWidget::currentRowChanged, this, [this] { enable_student_buttons(); });

    GroupBox_ = new QGroupBox(client);
    GroupBox_->setObjectName("GroupBox");
    for (int i = 0; i < 5; ++i) {
        check_boxes_[i] = new QCheckBox(GroupBox_);
        check_boxes_[i]->setObjectName(check_box_names[i]);
        check_boxes_[i]->setEnabled(false);
        labels_[i] = new QLabel(GroupBox_);
        labels_[i]->setObjectName(label_names[i]);
    }
    tests_done_label_ = new QLabel(GroupBox_);
    tests_done_label_->setObjectName("tests_done_label");
    tests_done_label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tests_done_label_->setWordWrap(true);

    for (int i = 0; i < 5; ++i) {
        buttons_[i] = new QPushButton(client);
        buttons_[i]->setObjectName(button_names[i]);
        // Enter on a focused button presses it, as in a dialog.
        buttons_[i]->setAutoDefault(true);
    }
    connect(buttons_[0], &QPushButton::clicked, this, [this] { add_student_buttonClick(); });
    connect(buttons_[1], &QPushButton::clicked, this, [this] { edit_results_file_buttonClick(); });
    connect(buttons_[2], &QPushButton::clicked, this, [this] { delete_buttonClick(); });
    connect(buttons_[3], &QPushButton::clicked, this, [this] { results_buttonClick(); });
    connect(buttons_[4], &QPushButton::clicked, this, [this] { concise_results_for_all_ButtonClick(); });

    setTabOrder(students_ListBox_, buttons_[0]);
    for (int i = 1; i < 5; ++i)
        setTabOrder(buttons_[i - 1], buttons_[i]);

    Timer_ = new QTimer(this);
    Timer_->setObjectName("Timer");
    Timer_->setInterval(100);
    connect(Timer_, &QTimer::timeout, this, [this] { TimerTimer(); });
}

// Columns left to right: the list, the group box, the buttons; each as wide
// as it was first laid out or as its captions need. The heights follow the
// window (FormResize); the window is never made smaller than all of it.
void TRFM_MainForm::lay_out_controls()
{
    const int label_height = directory_is_label_->sizeHint().height();
    directory_is_label_->move(margin, margin);
    const int group_top = std::max(least_group_top, 2 * margin + label_height);
    students_ListBox_->setGeometry(margin, group_top + 10, list_width, 300);

    const int row_height = std::max(least_row_height, std::max(labels_[0]->sizeHint().height(),
                                                                check_boxes_[0]->sizeHint().height()) + 6);
    const int box_width = check_boxes_[0]->sizeHint().width();
    const int label_left = 10 + box_width + 4;
    const int group_width = std::max(least_group_width, label_left + widest({labels_[0], labels_[1], labels_[2],
                                                                               labels_[3], labels_[4]}) + 10);
    for (int i = 0; i < 5; ++i) {
        check_boxes_[i]->setGeometry(10, 20 + i * row_height, box_width, row_height - 6);
        labels_[i]->setGeometry(label_left, 20 + i * row_height, group_width - label_left - 10, row_height - 6);
    }
    tests_done_label_->move(10, 20 + 5 * row_height + 10);
    tests_done_label_->resize(group_width - 20, tests_done_label_->height());
    const int group_left = margin + list_width + margin;
    const int concise_height = shown_concise_lines * tests_done_label_->fontMetrics().lineSpacing();
    const int group_height = tests_done_label_->y() + concise_height + 10;
    GroupBox_->setGeometry(group_left, group_top, group_width, group_height);

    const int button_left = group_left + group_width + margin;
    const int button_width = std::max(least_button_width, widest({buttons_[0], buttons_[1], buttons_[2], buttons_[3],
                                                                    buttons_[4]}) + 16);
    const int button_height = std::max(least_button_height, buttons_[0]->sizeHint().height());
    for (int i = 0; i < 5; ++i)
        buttons_[i]->setGeometry(button_left, group_top + 10 + i * (button_height + margin), button_width,
                                 button_height);

    const int width = button_left + button_width + 12;
    const int lowest = std::max(group_top + group_height, buttons_[4]->geometry().bottom() + 1) + 10;
    centralWidget()->setMinimumSize(width, lowest);
    resize(width, std::max(least_height, minimumSizeHint().height()));
}

void TRFM_MainForm::enable_student_buttons()
{
    const bool selected = students_ListBox_->currentRow() >= 0;
    for (QPushButton* button : {buttons_[1], buttons_[2], buttons_[3]})
        button->setEnabled(selected);
}

void TRFM_MainForm::FormCreate()
{
    using menu_text = text_names::students_manager_main_menu;
    setWindowTitle(qt(manager_texts_[students_manager::caption]));
    for (int i = 0; i < 5; ++i) {
        buttons_[i]->setText(qt(manager_texts_.at(students_manager::add_student_button, i)));
        labels_[i]->setText(qt(without_mnemonic(other_texts_.at(text_names::guidance_settings_texts::guidance_is_on, i))));
    }
    QMenu* file_menu = menuBar()->addMenu(qt(menu_texts_[menu_text::file_menu]));
    file_menu->menuAction()->setObjectName("file_menu_item");
    QAction* overview = file_menu->addAction(qt(text_of(text_names::class_overview::caption) + "..."));
    overview->setObjectName("class_overview_menu_item");
    connect(overview, &QAction::triggered, this, [this] { class_overview_menu_itemClick(); });
    QAction* printer = file_menu->addAction(qt(menu_texts_[menu_text::printer_settings] + "..."));
    printer->setObjectName("printer_settings_menu_item");
    connect(printer, &QAction::triggered, this, [this] { printer_settings_menu_itemClick(); });
    QAction* exit_item = file_menu->addAction(qt(menu_texts_[menu_text::exit]));
    exit_item->setObjectName("exit_program_menu_item");
    connect(exit_item, &QAction::triggered, this, &QWidget::close);
    QMenu* help_menu = menuBar()->addMenu(qt(menu_texts_[menu_text::help_menu]));
    help_menu->menuAction()->setObjectName("help_menu_item");
    QAction* about = help_menu->addAction(qt(menu_texts_[menu_text::about] + "..."));
    about->setObjectName("about_menu_item");
    connect(about, &QAction::triggered, this, [this] { about_menu_itemClick(); });
    previous_index_ = 0;
}

void TRFM_MainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TRFM_MainForm::FormShow()
{
    if (student_data_files)
        directory_is_label_->setText(qt(manager_texts_[students_manager::directory_label] + " " + student_data_files->directory()));
    fill_student_list();
    if (students_ListBox_->count() > 0)
        students_ListBox_->setCurrentRow(0);
    students_ListBox_->setFocus();
    Timer_->start();
}

bool TRFM_MainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        FormResize();
    if (watched == students_ListBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            edit_results_file_buttonClick();
            return true;
        }
        if (key == Qt::Key_Delete) {
            buttons_[2]->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TRFM_MainForm::FormResize()
{
    const int client_height = centralWidget()->height();
    const QRect group = GroupBox_->geometry();
    GroupBox_->setGeometry(group.left(), group.top(), group.width(), client_height - group.top() - 10);
    const QRect list = students_ListBox_->geometry();
    students_ListBox_->setGeometry(list.left(), GroupBox_->y() + 10, list.width(), GroupBox_->height() - 15);
    // Inside the group box the concise results take the room it has; the path takes the width there is.
    tests_done_label_->resize(tests_done_label_->width(), std::max(0, GroupBox_->height() - tests_done_label_->y() - 5));
    directory_is_label_->resize(std::max(0, centralWidget()->width() - 2 * margin),
                                directory_is_label_->sizeHint().height());
}

void TRFM_MainForm::fill_student_list()
{
    students_ListBox_->clear();
    shown_index_ = -1;
    if (student_data_files)
        for (const listed_student& student : list_students(student_data_files->directory()))
            students_ListBox_->addItem(qt(student.name));
    show_selected_student();
}

std::string TRFM_MainForm::selected_name() const
{
    const QListWidgetItem* item = students_ListBox_->currentRow() >= 0 ? students_ListBox_->currentItem() : nullptr;
    return item ? item->text().toStdString() : std::string();
}

void TRFM_MainForm::show_selected_student()
{
    const std::string name = selected_name();
    if (name.empty() || !student_data_files)
        return;
    results_format::settings s;
    show_if_failed(student_data_files->read_settings(name, s));
    check_boxes_[0]->setChecked(s.guidance_is_on);
    check_boxes_[1]->setChecked(s.guidance_is_switchable);
    check_boxes_[2]->setChecked(s.restart_guidance_enabled);
    check_boxes_[3]->setChecked(s.guidance_statement <= 0);
    check_boxes_[4]->setChecked(s.test_results_are_stored);
    const read_outcome<std::string> concise = student_data_files->concise_results_text(name);
    show_if_failed(concise.status);
    tests_done_label_->setText(qt(concise.value));
}

void TRFM_MainForm::TimerTimer()
{
    const int i = students_ListBox_->currentRow();
    if (i != shown_index_ && i != -1 && i == previous_index_) {
        show_selected_student();
        shown_index_ = i;
    }
    previous_index_ = i;
}

void TRFM_MainForm::delete_buttonClick()
{
    const std::string name = selected_name();
    if (name.empty())
        return;
    const int answer = show_message(manager_texts_[students_manager::delete_question_start] + " " + name + " "
                                        + manager_texts_[students_manager::delete_question_end],
                                    platform::MB_YESNOCANCEL);
    if (answer != platform::IDYES)
        return;
    if (!platform::remove_file(student_data_files->results_file_name(name))) {
        show_message(manager_texts_[students_manager::delete_failed], platform::MB_OK);
        return;
    }
    fill_student_list();
    if (students_ListBox_->count() > 0)
        students_ListBox_->setCurrentRow(0);
}

void TRFM_MainForm::printer_settings_menu_itemClick()
{
    platform::run_printer_setup(this);
}

void TRFM_MainForm::add_student_buttonClick()
{
    if (!windows_.create_dialog)
        return;
    windows_.create_dialog->exec();
    fill_student_list();
}

void TRFM_MainForm::edit_results_file_buttonClick()
{
    const std::string name = selected_name();
    if (name.empty() || !windows_.edit_dialog)
        return;
    windows_.edit_dialog->tell_file_name(name);
    windows_.edit_dialog->exec();
    show_selected_student();
}

void TRFM_MainForm::results_buttonClick()
{
    const std::string name = selected_name();
    if (!windows_.results_form || name.empty())
        return;
    windows_.results_form->tell_pupil_name_before_FormShow(name);
    windows_.results_form->exec();
}

void TRFM_MainForm::concise_results_for_all_ButtonClick()
{
    if (!windows_.concise_dialog || !student_data_files)
        return;
    std::vector<std::string> names;
    for (int i = 0; i < students_ListBox_->count(); ++i)
        names.push_back(students_ListBox_->item(i)->text().toStdString());
    concise_results_list concise = concise_results_items(*student_data_files, names);
    for (const outcome& problem : concise.problems)
        show_if_failed(problem);
    windows_.concise_dialog->tell_parameters_before_show(without_mnemonic(manager_texts_[students_manager::concise_results_button]),
        std::move(concise.items));
    windows_.concise_dialog->exec();
}

void TRFM_MainForm::about_menu_itemClick()
{
    if (windows_.about_form)
        windows_.about_form->exec();
}

void TRFM_MainForm::class_overview_menu_itemClick()
{
    std::vector<std::string> names;
    for (int i = 0; i < students_ListBox_->count(); ++i)
        names.push_back(students_ListBox_->item(i)->text().toStdString());
    TClassOverviewForm form(this);
    form.tell_students_before_show(names);
    form.exec();
}

} // namespace manager
