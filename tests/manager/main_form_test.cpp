#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/windows.h"
#include "platform/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/manager/gui_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <gtest/gtest.h>

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
              text_handler->read_entry("STUDENTS_MANAGER_SOME_OTHER_TEXTS", 5));
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
    EXPECT_EQ(done->text().toStdString(), student_data_files->concise_results_text("Bravo"));
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

TEST_F(MainFormTest, EnterOpensTheEditDialogForTheSelectedStudentAndAPictureIsWritten)
{
    add("Alpha", true);
    add("Bravo", false);
    open_form();
    TEditResultsFileDialog dialog(*form);
    EditResultsFileDialog = &dialog;
    list->setCurrentRow(1);
    QString seen;
    QTimer::singleShot(0, [&] {
        seen = dialog.windowTitle();
        dialog.reject();
    });
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(seen, "Bravo");
    EditResultsFileDialog = nullptr;

    // The look of the window, for a person to check.
    form->TimerTimer();
    form->TimerTimer();
    std::filesystem::create_directories(std::string(WINTOLA_BIN_DIR) + "/../screenshots");
    EXPECT_TRUE(form->grab().save(QString::fromStdString(std::string(WINTOLA_BIN_DIR) + "/../screenshots/main_window.png")));
}

TEST_F(MainFormTest, AddingAStudentFillsTheListAgainWithNothingSelected)
{
    add("Alpha", true);
    open_form();
    TCreateResultsFileDialog dialog(*form);
    CreateResultsFileDialog = &dialog;
    QTimer::singleShot(0, [&] {
        dialog.findChild<QLineEdit*>("student_name_edit_control")->setText("Charlotte");
        dialog.findChild<QLineEdit*>("password_edit_control")->setText("secret");
        dialog.OKBtnClick();
    });
    form->findChild<QPushButton*>("add_student_button")->click();
    CreateResultsFileDialog = nullptr;
    EXPECT_EQ(items_of(list), (QStringList{"Alpha", "Charlotte"}));
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Charlotte.results")));
    list->setCurrentRow(1);
    form->TimerTimer();
    form->TimerTimer();
    EXPECT_EQ(form->shown_index(), 1);
}
