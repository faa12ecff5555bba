#include "tutor/TheoryForm.h"

#include "foundation/globals.h"
#include "foundation/qt_text.h"
#include "tutor/theory_chapters.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int first_own_chapter_entry = 12;   // of "MAIN_MENUS"

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
    close_button = new QPushButton(qt(text_entry("THEORY_WINDOW", 1)), this);
    close_button->setObjectName("close_button");
    close_button->setDefault(true);
    layout->addWidget(chapter_title_label);
    layout->addWidget(chapter_text_label);
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
        return text_entry("MAIN_MENUS", first_own_chapter_entry + k - 1);
    if (k > own_theory_chapters && k <= chapter_count)
        return text_entry("USER_THEORY_MENUS", k - own_theory_chapters);
    return {};
}

// Entries 2 to 5 of "THEORY_WINDOW" tell of the own chapters, entry 6 of every additional one.
std::string TTheoryForm::chapter_text(int k)
{
    if (k >= 1 && k <= own_theory_chapters)
        return text_entry("THEORY_WINDOW", k + 1);
    if (k > own_theory_chapters && k <= chapter_count)
        return text_entry("THEORY_WINDOW", own_theory_chapters + 2);
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
}
