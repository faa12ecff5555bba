#include "manager/ResultsForm.h"

#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/textfile_handler.h"
#include "manager/printed_list.h"
#include "platform/widgets/clipboard.h"
#include "platform/widgets/painter_canvas.h"
#include "platform/widgets/printing.h"
#include "student_files/student_data_files.h"
#include "tutor/windows/ExerciseDForm.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

using namespace foundation;
using namespace foundation::widgets;
using namespace student_files;
using namespace geometry::model;
using namespace tutor::windows;

namespace manager {

namespace {

const platform::font_choice window_font{"Courier New", 10, 13, false};
const platform::font_choice printer_font{"Courier New", 10, 0, false};
constexpr int window_width = 560;

// Headings bold, with the font regular again after them, as on screen so on paper.
void draw_line(platform::Canvas& canvas, const results_line& line, int y)
{
    if (line.style == results_line::blank)
        return;
    if (line.style == results_line::heading) {
        platform::font_choice font = canvas.font();
        font.bold = true;
        canvas.set_font(font);
        canvas.text_out(10, y, line.text);
        font.bold = false;
        canvas.set_font(font);
    } else {
        canvas.text_out(10, y, line.text);
    }
}

class results_view : public QWidget {
public:
    explicit results_view(TResultsForm& form) : QWidget(&form), form_(form) { setObjectName("results_view"); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        platform::painter_canvas canvas(*this, window_font);
        form_.FormPaint(canvas);
    }

private:
    TResultsForm& form_;
};

} // namespace

TResultsForm::TResultsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("ResultsForm");
    view_ = new results_view(*this);
    VertScrollBar_ = new QScrollBar(Qt::Vertical, this);
    VertScrollBar_->setObjectName("VertScrollBar");
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(view_, 1);
    row->addWidget(VertScrollBar_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    connect(VertScrollBar_, &QScrollBar::valueChanged, view_, [this] { view_->update(); });
    view_->installEventFilter(this);
    FormCreate();
}

void TResultsForm::FormCreate()
{
    using menu_text = text_names::results_window_menus;
    auto* menu_bar = new QMenuBar(this);
    layout()->setMenuBar(menu_bar);
    QMenu* file_menu = menu_bar->addMenu(qt(menu_texts_[menu_text::file_menu]));
    file_menu->menuAction()->setObjectName("file_menu_item");
    QAction* print = file_menu->addAction(qt(menu_texts_[menu_text::print]));
    print->setObjectName("print_menu_item");
    connect(print, &QAction::triggered, this, [this] { print_menu_itemClick(); });
    QAction* exit = file_menu->addAction(qt(menu_texts_[menu_text::exit]));
    exit->setObjectName("exit_menu_item");
    exit->setShortcut(Qt::Key_Escape);
    connect(exit, &QAction::triggered, this, [this] { exit_menu_itemClick(); });
    QMenu* edit_menu = menu_bar->addMenu(qt(menu_texts_[menu_text::edit_menu]));
    edit_menu->menuAction()->setObjectName("edit_menu_item");
    QAction* copy = edit_menu->addAction(qt(menu_texts_[menu_text::copy]));
    copy->setObjectName("copy_menu_item");
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copy, &QAction::triggered, this, [this] { copy_menu_itemClick(); });
    // Shortcuts of actions in a dialog's menus work only when the dialog holds the actions.
    addActions({print, exit, copy});

    QPalette colours = view_->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    view_->setPalette(colours);
    view_->setAutoFillBackground(true);
    line_height_ = std::max(1, QFontMetrics(platform::qt_font(window_font)).ascent()
                                   + QFontMetrics(platform::qt_font(window_font)).descent());
    resize(window_width, 20 * line_height_);
}

void TResultsForm::wire_windows(const TExerciseDForm& exercise_titles)
{
    exercise_titles_ = &exercise_titles;
}

void TResultsForm::tell_pupil_name_before_FormShow(const std::string& name)
{
    pupil_name_ = name;
}

void TResultsForm::show_results_of(const std::string& pupil_name)
{
    tell_pupil_name_before_FormShow(pupil_name);
    exec();
}

int TResultsForm::client_height() const
{
    return view_->height();
}

void TResultsForm::showEvent(QShowEvent* event)
{
    FormShow();
    QDialog::showEvent(event);
    shown_before_ = true;
}

void TResultsForm::FormShow()
{
    build_lines();
    size_window();
}

void TResultsForm::build_lines()
{
    listing_ = {};
    if (!student_data_files)
        return;
    std::array<std::string, listed_exercises> titles;
    for (int k = 1; k <= listed_exercises; ++k)
        titles[static_cast<std::size_t>(k - 1)] = exercise_titles_ ? exercise_titles_->get_exercise_title(k) : "";
    using window_text = text_names::results_window;
    const std::array<std::string, 5> labels{texts_[window_text::started_at], texts_[window_text::duration],
                                            texts_[window_text::practice_level], texts_[window_text::objects_done],
                                            texts_[window_text::done_correctly]};
    const std::string path = student_data_files->results_file_name(pupil_name_);
    result_chains chains = student_data_files->read_result_chains(path, listed_exercises);
    show_if_failed(chains.status);
    listing_ = build_results_lines(std::move(chains), titles, labels);
}

void TResultsForm::size_window()
{
    setWindowTitle(qt(texts_[text_names::results_window::results_of] + pupil_name_));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int frame = frame_height();
    const int around_view = height() - view_->height();   // the menu bar
    const int full_screen_client = screen.height() - frame - around_view;
    const int range = line_count() * line_height_;
    const int client = std::max(0, std::min(range, full_screen_client));
    resize(window_width, client + around_view);
    move(x(), std::max(screen.top(), std::min(y(), screen.bottom() + 1 - frame - height())));
    VertScrollBar_->setSingleStep(line_height_);
    VertScrollBar_->setPageStep(std::max(1, client));
    VertScrollBar_->setRange(0, std::max(0, range - client));
    VertScrollBar_->setValue(0);
}

// The title bar and borders the window system adds. Before the first showing
// they are not known yet (the frame equals the client area): then a title
// bar and two borders as the style draws them are reckoned with.
int TResultsForm::frame_height() const
{
    const int known = frameGeometry().height() - geometry().height();
    if (shown_before_)
        return known;
    const int title_bar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return std::max(known, title_bar + 2 * border);
}

// The wheel over the lines scrolls them as it scrolls the scroll bar.
bool TResultsForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::Wheel)
        return QCoreApplication::sendEvent(VertScrollBar_, event);
    return QDialog::eventFilter(watched, event);
}

void TResultsForm::FormPaint(platform::Canvas& canvas)
{
    const int p = VertScrollBar_->value();
    const int h = line_height_;
    const int first = std::max(p / h, 1);
    const int last = std::min(first + client_height() / h + 1, line_count());
    for (int i = first; i <= last; ++i)
        draw_line(canvas, listing_.line(i), i * h - p);
}

bool TResultsForm::FormKeyDown(int key)
{
    const int step = VertScrollBar_->singleStep();
    const int p = VertScrollBar_->value();
    switch (key) {
    case Qt::Key_PageUp: VertScrollBar_->setValue(p - 10 * step); break;
    case Qt::Key_PageDown: VertScrollBar_->setValue(p + 10 * step); break;
    case Qt::Key_Up: VertScrollBar_->setValue(p - step); break;
    case Qt::Key_Down: VertScrollBar_->setValue(p + step); break;
    case Qt::Key_Home: VertScrollBar_->setValue(0); break;
    case Qt::Key_End: VertScrollBar_->setValue(line_count() * line_height_); break;
    default: return false;
    }
    return true;
}

void TResultsForm::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyDown(event->key()))
        QDialog::keyPressEvent(event);
}

void TResultsForm::print_menu_itemClick()
{
    if (!platform::run_print_dialog(this))
        return;
    platform::printer_canvas canvas(platform::program_printer(), printer_font);
    if (canvas.started()) {
        print_caption(canvas, windowTitle().toStdString());
        print_lines(canvas);
    }
    if (!canvas.end())
        report_print_failure();
}

// A line that would cross the foot of a page starts the next page instead,
// so no line is ever cut in two.
void TResultsForm::print_lines(platform::printer_canvas& canvas)
{
    const int h = canvas.text_height(line_height_sample);
    const int page_height = canvas.page_height();
    int page_top = 0;
    for (int i = 1; i <= line_count(); ++i) {
        int y = i * h + 2 * h - page_top;
        if (y > 0 && y + h > page_height) {
            canvas.new_page();
            page_top += y;
            y = 0;
        }
        draw_line(canvas, listing_.line(i), y);
    }
}

void TResultsForm::copy_menu_itemClick()
{
    platform::set_clipboard_text(results_copy_text(listing_));
}

void TResultsForm::exit_menu_itemClick()
{
    close();
}

void TResultsForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TResultsForm::FormClose()
{
    listing_ = {};
}

} // namespace manager
