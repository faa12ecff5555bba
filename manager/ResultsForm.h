#pragma once
// Every stored result of one student, exercise by exercise, as a list of
// text lines to scroll through, print or copy. The file is read and its
// chains checked when the window is shown; a line's text is made only when
// it is painted, printed or copied, so even a full results file opens at
// once.

#include "foundation/texts.h"
#include "platform/core/canvas.h"
#include "platform/widgets/printer_canvas.h"
#include "student_files/results_lines.h"
#include "tutor/windows/pupil_results_window.h"
#include <QDialog>

#include <string>

class QAction;
class QScrollBar;
class QWidget;

namespace tutor::windows {
class TExerciseDForm;
}

namespace manager {

class TResultsForm : public QDialog, public tutor::windows::pupil_results_window {
    Q_OBJECT
public:
    explicit TResultsForm(QWidget* parent = nullptr);

    // The exercise D window, created after it, supplies the exercise
    // titles; without it the headings carry no title.
    void wire_windows(const tutor::windows::TExerciseDForm& exercise_titles);

    // Must be called before each showing.
    void tell_pupil_name_before_FormShow(const std::string& name);
    // Told the name, then shown modally: as the tutor main window opens it.
    void show_results_of(const std::string& pupil_name) override;

    int line_height() const { return line_height_; }
    int line_count() const { return listing_.line_count(); }
    int client_height() const;
    const student_files::results_listing& listing() const { return listing_; }

    void FormShow();
    void FormPaint(platform::Canvas& canvas);
    // True when the key is one of the scrolling keys.
    bool FormKeyDown(int key);
    void print_menu_itemClick();
    void copy_menu_itemClick();
    void exit_menu_itemClick();
    void FormClose();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void build_lines();
    void size_window();
    int frame_height() const;
    void print_lines(platform::printer_canvas& canvas);

    const tutor::windows::TExerciseDForm* exercise_titles_ = nullptr;
    std::string pupil_name_;
    foundation::text_section<foundation::text_names::results_window> texts_;
    foundation::text_section<foundation::text_names::results_window_menus> menu_texts_;
    int line_height_ = 0;
    student_files::results_listing listing_;
    QWidget* view_ = nullptr;
    QScrollBar* VertScrollBar_ = nullptr;
    bool shown_before_ = false;   // the window system has given it its frame
};

} // namespace manager
