#pragma once
// Every stored result of one student, exercise by exercise, as a list of
// text lines to scroll through, print or copy. The file is read and its
// chains checked when the window is shown; a line's text is made only when
// it is painted, printed or copied, so even a full results file opens at
// once.

#include "platform/core/canvas.h"
#include "platform/widgets/printer_canvas.h"
#include "student_files/results_lines.h"

#include <QDialog>

#include <string>

class QAction;
class QScrollBar;
class QWidget;

class TResultsForm : public QDialog {
    Q_OBJECT
public:
    explicit TResultsForm(QWidget* parent = nullptr);

    // Must be called before each showing.
    void tell_pupil_name_before_FormShow(const std::string& name);

    int line_height() const { return line_height_; }
    int line_count() const { return listing_.line_count(); }
    int client_height() const;
    const results_listing& listing() const { return listing_; }

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

    std::string pupil_name_;
    std::string texts_[6];
    std::string menu_texts_[5];
    int line_height_ = 0;
    results_listing listing_;
    QWidget* view_ = nullptr;
    QScrollBar* VertScrollBar_ = nullptr;
    bool shown_before_ = false;   // the window system has given it its frame
};
