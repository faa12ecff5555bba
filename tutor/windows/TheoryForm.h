#pragma once
// The theory window: one chapter, told before each showing. Chapters 1 to 4
// are the tutor's own (perspective, isometric, normal projection, hidden
// lines); 5 to 14 are the additional chapters 1 to 10 that the settings
// name. It shows the chapter's title and a short text from the text-section
// file, and for the own chapters the object of the workbench as the chapter
// shows it: in perspective, isometrically, in three normal views, or as a
// line drawing with its hidden edges dashed.

#include "geometry/model/solid.h"

#include <QDialog>

class QLabel;
class QPushButton;
namespace platform {
class Canvas;
class canvas_widget;
}

namespace tutor::windows {

class TTheoryForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int chapter_count = 14;

    explicit TTheoryForm(QWidget* parent = nullptr);

    // Chapter 1..14; another number shows nothing but the close button.
    void tell_chapter_before_show(int chapter);
    // The object the pupil has on the workbench.
    void tell_object_before_show(const geometry::model::Tsolid& solid);

    int chapter() const { return chapter_; }
    // The title and the text of chapter k (empty outside 1..14).
    static std::string chapter_title(int k);
    static std::string chapter_text(int k);
    // The chapter's picture in an area of width w and height h.
    void paint_picture(platform::Canvas& canvas, int w, int h) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    int chapter_ = 0;
    geometry::model::Tsolid solid_{};
    QLabel* chapter_title_label;
    QLabel* chapter_text_label;
    platform::canvas_widget* chapter_picture;
    QPushButton* close_button;
};

} // namespace tutor::windows
