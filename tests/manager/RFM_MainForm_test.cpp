#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/manager/gui_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <gtest/gtest.h>

using namespace foundation;
using namespace student_files;
using namespace manager;

namespace {

QStringList items_of(QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

} // namespace

class MainFormTest : public gui_fixture {
protected:
    void add(const std::string& name, bool guidance_on)
    {
        ASSERT_TRUE(student_data_files->create_results_file(name, "secret", guidance_on, false, false, true));
    }
    template <typename T> T* find(const char* name) { return form->findChild<T*>(name); }
    void open_form()
    {
        form = std::make_unique<TRFM_MainForm>();
        form->show();
        list = find<QListWidget>("students_ListBox");
        ASSERT_NE(list, nullptr);
    }

    std::unique_ptr<TRFM_MainForm> form;
    QListWidget* list = nullptr;
};

TEST_F(MainFormTest, CaptionsComeFromTheTextFile)
{
    open_form();
    EXPECT_EQ(form->windowTitle().toStdString(), text_handler->read_entry("STUDENTS_MANAGER", 1));
    EXPECT_EQ(find<QLabel>("directory_is_label")->text().toStdString(),
              text_handler->read_entry("STUDENTS_MANAGER", 7) + " " + student_data_files->directory());
    EXPECT_EQ(find<QLabel>("test_results_are_stored_label")->text().toStdString(),
              without_mnemonic(text_handler->read_entry("STUDENTS_MANAGER_SOME_OTHER_TEXTS", 5)));
    EXPECT_FALSE(find<QCheckBox>("guidance_is_on_CheckBox")->isEnabled());
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(MainFormTest, ListsResultsFilesSortedWithoutRegardToCase)
{
    add("bravo", false);
    add("Alpha", false);
    add("charlie", false);
    program.write("RESULTS/Delta.RESULTS", "");
    program.write("RESULTS/A.results.results", "");
    program.write("RESULTS/notes.txt", "");
    program.make_dir("RESULTS/Folder.results");
    open_form();
    EXPECT_EQ(items_of(list), (QStringList{"A.results", "Alpha", "bravo", "charlie", "Delta"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(form->shown_index(), -1);
}

TEST_F(MainFormTest, TheSelectionIsShownOneTickAfterItSettles)
{
    add("Alpha", false);
    add("Bravo", true);
    add("Charlie", false);
    open_form();
    auto* on = find<QCheckBox>("guidance_is_on_CheckBox");
    auto* done = find<QLabel>("tests_done_label");
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 0) << "the first student is shown at the first tick";
    list->setCurrentRow(1);
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 0);
    EXPECT_FALSE(on->isChecked());
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 1);
    EXPECT_TRUE(on->isChecked());
    EXPECT_EQ(done->text().toStdString(), student_data_files->concise_results_text("Bravo").value);
    // Moving on quickly shows nothing in between.
    list->setCurrentRow(2);
    form->TimerTimer();
    list->setCurrentRow(0);
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 1);
    EXPECT_TRUE(on->isChecked());
}

TEST_F(MainFormTest, DeleteAsksAndRemovesTheFile)
{
    add("Alpha", false);
    add("Bravo", false);
    open_form();
    responder.answer_next(platform::IDNO);
    QTest::keyClick(list, Qt::Key_Delete);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().flags, 3u);
    EXPECT_EQ(responder.last().text, text_handler->read_entry("STUDENTS_MANAGER", 8) + " Alpha "
                                         + text_handler->read_entry("STUDENTS_MANAGER", 9));
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Alpha.results")));

    responder.answer_next(platform::IDYES);
    form->delete_buttonClick();
    EXPECT_FALSE(std::filesystem::exists(program.file("RESULTS/Alpha.results")));
    EXPECT_EQ(items_of(list), QStringList{"Bravo"});
    EXPECT_EQ(list->currentRow(), 0);
    form->TimerTimer();
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 0);

    responder.answer_next(platform::IDYES);
    form->delete_buttonClick();
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(list->currentRow(), -1);
    responder.clear();
    form->delete_buttonClick();
    EXPECT_EQ(responder.count(), 0u) << "nothing selected, nothing asked";
}

TEST_F(MainFormTest, ResizeSetsTheGroupBoxAndListHeights)
{
    open_form();
    auto* group = find<QGroupBox>("GroupBox");
    form->centralWidget()->resize(form->centralWidget()->width(), 400);
    EXPECT_EQ(group->height(), 400 - group->y() - 10);
    EXPECT_EQ(list->y(), group->y() + 10);
    EXPECT_EQ(list->height(), group->height() - 15);
}

TEST_F(MainFormTest, EnterOpensTheEditDialogForTheSelectedStudent)
{
    add("Alpha", true);
    add("Bravo", false);
    open_form();
    TEditResultsFileDialog dialog(*form);
    form->wire_windows({.edit_dialog = &dialog});
    list->setCurrentRow(1);
    QString seen;
    QTimer::singleShot(0, [&] {
        seen = dialog.windowTitle();
        dialog.reject();
    });
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(seen, "Bravo");
}

TEST_F(MainFormTest, AddingAStudentFillsTheListAgainWithNothingSelected)
{
    add("Alpha", true);
    open_form();
    TCreateResultsFileDialog dialog(*form);
    form->wire_windows({.create_dialog = &dialog});
    QTimer::singleShot(0, [&] {
        dialog.findChild<QLineEdit*>("student_name_edit_control")->setText("Charlotte");
        dialog.findChild<QLineEdit*>("password_edit_control")->setText("secret");
        dialog.OKBtnClick();
    });
    form->findChild<QPushButton*>("add_student_button")->click();
    EXPECT_EQ(items_of(list), (QStringList{"Alpha", "Charlotte"}));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Charlotte.results")));
    list->setCurrentRow(1);
    form->TimerTimer();
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 1);
}

TEST_F(MainFormTest, TheStudentButtonsAreEnabledOnlyWithAStudentSelected)
{
    add("Alpha", false);
    open_form();
    const auto enabled = [&] {
        std::vector<bool> states;
        for (const char* name : {"edit_button", "delete_button", "results_button"})
            states.push_back(find<QPushButton>(name)->isEnabled());
        return states;
    };
    EXPECT_EQ(enabled(), std::vector<bool>(3, true));
    list->setCurrentRow(-1);
    EXPECT_EQ(enabled(), std::vector<bool>(3, false));
    list->setCurrentRow(0);
    EXPECT_EQ(enabled(), std::vector<bool>(3, true));
    responder.answer_next(platform::IDYES);
    form->delete_buttonClick();
    EXPECT_EQ(enabled(), std::vector<bool>(3, false)) << "the only student deleted";
    EXPECT_TRUE(find<QPushButton>("add_student_button")->isEnabled());
}

TEST_F(MainFormTest, EnterOnAFocusedButtonPressesIt)
{
    add("Alpha", false);
    open_form();
    responder.answer_next(platform::IDNO);
    auto* delete_button = find<QPushButton>("delete_button");
    delete_button->setFocus();
    QTest::keyClick(delete_button, Qt::Key_Return);
    EXPECT_EQ(responder.count(), 1u) << "the delete question";
}

TEST_F(MainFormTest, LongCaptionsFitAndTheWindowCannotHideAControl)
{
    const std::string long_caption = "A much longer caption than the window had room for, as in a translation";
    std::string texts = program.read("WINTOLA.TXT");
    for (const char* caption : {"&Add student...", "&Test results are stored"})
        texts.replace(texts.find(caption), std::string(caption).size(), long_caption);
    program.write("WINTOLA.TXT", texts);
    start_up_foundation(program.file("students_manager"));
    open_form();
    auto* group = find<QGroupBox>("GroupBox");
    auto* label = find<QLabel>("test_results_are_stored_label");
    for (QWidget* control : std::initializer_list<QWidget*>{find<QPushButton>("add_student_button"), label})
        EXPECT_GE(control->width(), control->sizeHint().width()) << control->objectName().toStdString();
    EXPECT_LE(label->geometry().right(), group->contentsRect().right());

    form->resize(50, 50);
    QApplication::processEvents();
    const QRect client = form->centralWidget()->rect();
    for (QWidget* control : form->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != find<QLabel>("directory_is_label")) {
            EXPECT_TRUE(client.contains(control->geometry())) << control->objectName().toStdString();
        }
    }
    auto* concise = find<QLabel>("tests_done_label");
    EXPECT_GE(concise->height(), 6 * concise->fontMetrics().lineSpacing()) << "room for the six lines";
}

// Alt reaches every menu, menu item and button by a letter of its own.
TEST_F(MainFormTest, EveryMenuAndButtonOfTheManagerHasAnAltKeyOfItsOwn)
{
    const auto expect_own_keys = [](const QStringList& captions, const QString& where) {
        QStringList keys;
        for (const QString& caption : captions) {
            keys << QKeySequence::mnemonic(caption).toString();
            EXPECT_FALSE(keys.back().isEmpty()) << where.toStdString() << ": " << caption.toStdString();
        }
        EXPECT_EQ(keys.removeDuplicates(), 0) << where.toStdString();
    };
    open_form();
    TEditResultsFileDialog edit(*form);
    TCreateResultsFileDialog create(*form);
    TResultsForm results;
    for (QWidget* window : std::initializer_list<QWidget*>{form.get(), &edit, &create, &results}) {
        QStringList window_keys;
        // OK and Cancel answer Enter and Esc.
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (!button->text().isEmpty() && button->objectName() != "OKBtn" && button->objectName() != "CancelBtn")
                window_keys << button->text();
        for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
            for (const QAction* menu : bar->actions()) {
                window_keys << menu->text();
                QStringList items;
                for (const QAction* item : menu->menu()->actions())
                    if (!item->isSeparator())
                        items << item->text();
                expect_own_keys(items, menu->objectName());
            }
        expect_own_keys(window_keys, window->objectName());
    }
}
