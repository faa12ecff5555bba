#include "tutor/windows/PracticeForm.h"

#include "foundation/widgets/form_helpers.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/textfile_handler.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/engine/guidance.h"
#include "tutor/windows/guidance_menu.h"
#include "tutor/windows/practice_main_window.h"
#include "tutor/windows/practice_status_bar.h"

#include <QAction>
#include <QFontMetrics>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <random>

using namespace foundation;
using namespace foundation::widgets;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

QString qt_text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TPracticeForm::TPracticeForm(practice_main_window* main_window, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      main_(main_window), drawer_([](int n) {
          static std::mt19937 generator{std::random_device{}()};
          return std::uniform_int_distribution<int>(0, std::max(n, 0))(generator);
      })
{
    client_ = new platform::canvas_widget(this);
    client_->setObjectName("client_area");
    setCentralWidget(client_);
    StatusBar = new practice_status_bar(this);
    StatusBar->draw_panel = [this](QPainter& painter, int panel, const QRect& rect) {
        StatusBarDrawPanel(painter, panel, rect);
    };
    setStatusBar(StatusBar);
    timer_start_exercise_when_this_one_closed = new QTimer(this);
    timer_start_exercise_when_this_one_closed->setObjectName("timer_start_exercise_when_this_one_closed");
    timer_start_exercise_when_this_one_closed->setInterval(50);
    connect(timer_start_exercise_when_this_one_closed, &QTimer::timeout, this,
            &TPracticeForm::timer_start_exercise_when_this_one_closedTimer);
    create_menu();
    create_buttons();
    end_of_exercise_messages_ = read_yes_no_setting("", "GENERAL", "End of Exercise Messages", true);
}

void TPracticeForm::create_menu()
{
    QMenu* menu = menuBar()->addMenu(qt_text(main_ ? main_->guidance_menu_caption() : ""));
    guidance_menu_item = menu->menuAction();
    guidance_menu_item->setObjectName("guidance_menu_item");
    guidance_menu_item->setProperty("tag", guidance_menu_tag);
    switch_guidance_on_off_menu_item = menu->addAction(qt_text(main_ ? main_->switch_guidance_caption() : ""));
    switch_guidance_on_off_menu_item->setObjectName("switch_guidance_on_off_menu_item");
    switch_guidance_on_off_menu_item->setProperty("tag", guidance_menu_tag_1);
    start_guidance_again_menu_item = menu->addAction(qt_text(main_ ? main_->start_guidance_again_caption() : ""));
    start_guidance_again_menu_item->setObjectName("start_guidance_again_menu_item");
    start_guidance_again_menu_item->setProperty("tag", guidance_menu_tag_2);
    menu->addSeparator();
    exit_program_menu_item = menu->addAction(qt_text(text_of(text_names::guidance_menu_exit_program::exit_program)));
    exit_program_menu_item->setObjectName("exit_program_menu_item");
    connect(switch_guidance_on_off_menu_item, &QAction::triggered, this,
            &TPracticeForm::switch_guidance_on_off_menu_itemClick);
    connect(start_guidance_again_menu_item, &QAction::triggered, this,
            &TPracticeForm::start_guidance_again_menu_itemClick);
    connect(exit_program_menu_item, &QAction::triggered, this, &TPracticeForm::exit_program_menu_itemClick);
}

// All six as wide as the widest caption with three letters more.
void TPracticeForm::create_buttons()
{
    static const char* const names[6] = {"ready_button", "show_button", "previous_exercise_button",
                                         "next_exercise_button", "OK_button", "show_ready_button"};
    int width = 0;
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(qt_text(text_of(text_names::practice_buttons::ready, i)), client_);
        button->setObjectName(names[i]);
        button->setAutoDefault(true);
        width = std::max(width, QFontMetrics(button->font()).horizontalAdvance(button->text() + "abc"));
        buttons_[static_cast<std::size_t>(i)] = button;
    }
    ready_button = buttons_[0];
    show_button = buttons_[1];
    previous_exercise_button = buttons_[2];
    next_exercise_button = buttons_[3];
    OK_button = buttons_[4];
    show_ready_button = buttons_[5];
    for (QPushButton* button : buttons_)
        button->resize(width, button->sizeHint().height());
    show_ready_button->hide();
    make_default(ready_button);
    connect(ready_button, &QPushButton::clicked, this, &TPracticeForm::ready_buttonClick);
    connect(show_button, &QPushButton::clicked, this, &TPracticeForm::show_buttonClick);
    connect(previous_exercise_button, &QPushButton::clicked, this, &TPracticeForm::previous_exercise_buttonClick);
    connect(next_exercise_button, &QPushButton::clicked, this, &TPracticeForm::next_exercise_buttonClick);
    connect(OK_button, &QPushButton::clicked, this, &TPracticeForm::OK_buttonClick);
    connect(show_ready_button, &QPushButton::clicked, this, &TPracticeForm::show_ready_buttonClick);
}

const std::string& TPracticeForm::get_exercise_title(int k) const
{
    return exercises_.title(k);
}

const std::string& TPracticeForm::get_exercise_instruction(int k, int line) const
{
    return exercises_.instruction(k, line);
}

void TPracticeForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TPracticeForm::FormShow()
{
    const bool menu_wanted = guidance && guidance->file_ok() && guidance->is_on();
    menuBar()->setVisible(menu_wanted);
    if (menu_wanted) {
        if (main_)
            switch_guidance_on_off_menu_item->setText(qt_text(main_->switch_guidance_caption()));
        enable_guidance_menu(this);
    }
    place_window();
    for (QPushButton* button : {ready_button, show_button, previous_exercise_button, next_exercise_button, OK_button})
        button->show();
    previous_next_allowed_ = !guidance_is_on() && !(test_mode_ && end_of_exercise_messages_);
    place_buttons();
    show_ready_button->hide();
    showing_solution_ = false;
    switch_requested_ = false;
    closed_by_guidance_ = false;
    refresh_OK_button();
    refresh_exercise_buttons();
    refresh_status_bar();
}

// Inside the main window, a margin of two letters' width all round.
void TPracticeForm::place_window()
{
    if (!main_)
        return;
    const int w = QFontMetrics(font()).horizontalAdvance("ab");
    const QRect main_rect = main_->window_rect();
    setFixedSize(std::max(main_rect.width() - 2 * w, 1), std::max(main_rect.height() - 2 * w, 1));
    move(main_rect.left() + w, main_rect.top() + w);
}

// At the right edge, stacked upwards from the status bar.
void TPracticeForm::place_buttons()
{
    if (layout())
        layout()->activate();
    for (QPushButton* button : buttons_)
        button->move(client_->width() - button->width() * 21 / 20, button->y());
    const int s = OK_button->height() * 5 / 4;
    const auto set_top = [](QPushButton* button, int top) { button->move(button->x(), top); };
    set_top(OK_button, client_->height() - s);
    set_top(next_exercise_button, OK_button->y() - s);
    set_top(previous_exercise_button, next_exercise_button->y() - s);
    set_top(show_button, previous_exercise_button->y() - s);
    set_top(ready_button, show_button->y() - s);
    if (!previous_next_allowed_) {
        previous_exercise_button->hide();
        next_exercise_button->hide();
        set_top(ready_button, previous_exercise_button->y());
        set_top(show_button, next_exercise_button->y());
    }
    set_top(show_ready_button, show_button->y());
}

void TPracticeForm::refresh_exercise_buttons()
{
    if (previous_next_allowed_) {
        previous_exercise_button->setVisible(exercise_ >= 2);
        next_exercise_button->setVisible(exercise_ <= 8);
    }
    make_default(ready_button);
    ready_button->setFocus();
}

void TPracticeForm::refresh_OK_button()
{
    OK_button->setVisible(!(guidance_is_on() && !guidance->exit_ok_holds()));
}

void TPracticeForm::make_default(QPushButton* button)
{
    for (QPushButton* other : buttons_)
        other->setDefault(other == button);
}

std::array<std::string, 3> TPracticeForm::status_lines(int panel) const
{
    if (panel != 0) {
        if (exercise_ < 1 || exercise_ > exercise_count)
            return {};
        return {exercises_.instruction(exercise_, 1), exercises_.instruction(exercise_, 2),
                exercises_.instruction(exercise_, 3)};
    }
    using status = text_names::practice_status;
    return {status_texts_[test_mode_ ? status::test_mode : status::exercise_mode],
            status_texts_[status::level] + " " + std::to_string(level_),
            status_texts_[status::object] + " " + std::to_string(count() + 1) + " (" + std::to_string(correct()) + " "
                + status_texts_[status::correct] + ")"};
}

void TPracticeForm::refresh_status_bar()
{
    QStringList lines;
    for (const std::string& line : status_lines(0))
        lines << qt_text(" " + line);
    StatusBar->fit_left_panel(lines);
    StatusBar->update();
}

// Three lines from the panel's top left, each after one blank.
void TPracticeForm::StatusBarDrawPanel(QPainter& painter, int panel, const QRect& rect)
{
    const int h = QFontMetrics(painter.font()).height();
    const int ascent = QFontMetrics(painter.font()).ascent();
    const std::array<std::string, 3> lines = status_lines(panel);
    for (int i = 0; i < 3; ++i)
        painter.drawText(rect.left(), rect.top() + i * h + ascent, qt_text(" " + lines[static_cast<std::size_t>(i)]));
}

} // namespace tutor::windows
