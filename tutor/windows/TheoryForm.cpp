#include "tutor/windows/TheoryForm.h"

#include "foundation/globals.h"
#include "foundation/widgets/qt_text.h"
#include "foundation/texts.h"
#include "geometry/model/projection_convention.h"
#include "geometry/drawing/views.h"
#include "geometry/model/workbench_layout.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/engine/theory_chapters.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace foundation;
using namespace foundation::widgets;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

constexpr int perspective_chapter = 1;
constexpr int normal_projection_chapter = 3;
constexpr int hidden_lines_chapter = 4;
constexpr int picture_width = 480;
constexpr int picture_height = 360;

} // namespace

TTheoryForm::TTheoryForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("TheoryForm");
    auto* layout = new QVBoxLayout(this);
    chapter_title_label = new QLabel(this);
    chapter_title_label->setObjectName("chapter_title_label");
    QFont title_font = chapter_title_label->font();
    title_font.setBold(true);
    title_font.setPointSize(title_font.pointSize() + 4);
    chapter_title_label->setFont(title_font);
    chapter_text_label = new QLabel(this);
    chapter_text_label->setObjectName("chapter_text_label");
    chapter_text_label->setWordWrap(true);
    close_button = new QPushButton(qt(text_of(text_names::theory_window::close_button)), this);
    close_button->setObjectName("close_button");
    close_button->setDefault(true);
    layout->addWidget(chapter_title_label);
    layout->addWidget(chapter_text_label);
    chapter_picture = new platform::canvas_widget(this);
    chapter_picture->setObjectName("chapter_picture");
    chapter_picture->setFixedSize(picture_width, picture_height);
    chapter_picture->paint = [this](platform::Canvas& canvas) { paint_picture(canvas, picture_width, picture_height); };
    layout->addWidget(chapter_picture, 0, Qt::AlignHCenter);
    layout->addWidget(close_button, 0, Qt::AlignRight);
    connect(close_button, &QPushButton::clicked, this, &QDialog::accept);
}

void TTheoryForm::tell_chapter_before_show(int chapter)
{
    chapter_ = chapter;
}

void TTheoryForm::tell_object_before_show(const Tsolid& solid)
{
    solid_ = solid;
}

std::string TTheoryForm::chapter_title(int k)
{
    if (k >= 1 && k <= own_theory_chapters)
        return without_mnemonic(text_of(text_names::main_menus::perspective_chapter, k - 1));
    if (k > own_theory_chapters && k <= chapter_count)
        return without_mnemonic(text_of(text_names::user_theory_menus::chapter_1, k - own_theory_chapters - 1));
    return {};
}

// Every additional chapter has the same text.
std::string TTheoryForm::chapter_text(int k)
{
    if (k >= 1 && k <= own_theory_chapters)
        return text_of(text_names::theory_window::perspective_chapter, k - 1);
    if (k > own_theory_chapters && k <= chapter_count)
        return text_of(text_names::theory_window::additional_chapter);
    return {};
}

void TTheoryForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TTheoryForm::FormShow()
{
    setWindowTitle(qt(chapter_title(chapter_)));
    chapter_title_label->setText(qt(chapter_title(chapter_)));
    chapter_text_label->setText(qt(chapter_text(chapter_)));
    chapter_picture->setVisible(chapter_ >= 1 && chapter_ <= own_theory_chapters);
    chapter_picture->repaint_picture();
    adjustSize();
}

// Placed as the workbench places one kind of projection alone.
void TTheoryForm::paint_picture(platform::Canvas& canvas, int w, int h) const
{
    if (chapter_ < 1 || chapter_ > own_theory_chapters)
        return;
    Tviews views;
    if (chapter_ == normal_projection_chapter) {
        const Tworkbench_layout layout = workbench_layout(w, h, false, true, false);
        views.layout_views(layout.views_origin, layout.cell_height, three_view_mode);
        views.draw_views(canvas, false, true, true, true, true, false, solid_);
        return;
    }
    const Tworkbench_layout layout = workbench_layout(w, h, true, false, false);
    views.set_oblique_frame(layout.frame_origin, layout.frame_height);
    const bool perspective = chapter_ == perspective_chapter;
    const bool hidden_lines = chapter_ == hidden_lines_chapter;
    views.draw_oblique(canvas, false, solid_, false, true, false, perspective, hidden_lines, true, true, false);
}

} // namespace tutor::windows
