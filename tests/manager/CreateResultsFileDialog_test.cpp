#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "student_files/student_data_files.h"
#include "tests/manager/gui_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <gtest/gtest.h>

using namespace foundation;
using namespace student_files;
using namespace manager;

class CreateDialogTest : public gui_fixture {
protected:
    void SetUp() override
    {
        gui_fixture::SetUp();
        form = std::make_unique<TRFM_MainForm>();
        dialog = std::make_unique<TCreateResultsFileDialog>(*form);
        dialog->show();
        name = dialog->findChild<QLineEdit*>("student_name_edit_control");
        password = dialog->findChild<QLineEdit*>("password_edit_control");
    }
    std::string entry(int k) { return text_handler->read_entry("NEW_STUDENT_DIALOG", k); }
    void type(const char* n, const char* p)
    {
        name->setText(n);
        password->setText(p);
    }
    QCheckBox* box(const char* n) { return dialog->findChild<QCheckBox*>(n); }

    std::unique_ptr<TRFM_MainForm> form;
    std::unique_ptr<TCreateResultsFileDialog> dialog;
    QLineEdit* name = nullptr;
    QLineEdit* password = nullptr;
};

TEST_F(CreateDialogTest, RefusalsInTheirOrderLeaveNothingOnDisk)
{
    type("Short", "secret");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, entry(2));
    EXPECT_EQ(responder.last().flags, 16u);
    type("Sixsix", "");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, entry(6));
    type("Sixsix", "abcd");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, entry(2));
    type("Bad/name", "abcde");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, student_name_problem("Bad/name"));
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());
    EXPECT_TRUE(dialog->isVisible()) << "a refusal keeps the dialog open";
    EXPECT_EQ(name->text(), "Bad/name");
    EXPECT_EQ(password->maxLength(), 17);
}

TEST_F(CreateDialogTest, CreatesTheFileWithTheCheckBoxStatesAndRefusesATwin)
{
    box("guidance_is_on_CheckBox")->click();
    box("guidance_is_switchable_CheckBox")->click();
    EXPECT_FALSE(box("restart_guidance_enabled_CheckBox")->isEnabled());
    EXPECT_TRUE(box("restart_guidance_enabled_CheckBox")->isChecked());
    type("Six ch", "abcde");
    dialog->OKBtnClick();
    EXPECT_FALSE(dialog->isVisible());
    results_format::settings s;
    ASSERT_TRUE(student_data_files->read_settings("Six ch", s));
    EXPECT_FALSE(s.guidance_is_on);
    EXPECT_FALSE(s.guidance_is_switchable);
    EXPECT_TRUE(s.restart_guidance_enabled) << "the disabled box's mark is stored";
    EXPECT_TRUE(s.test_results_are_stored);
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Six ch.results")));
    EXPECT_TRUE(student_data_files->check_results_file(student_data_files->results_file_name("Six ch"), "ABCDE").value);

    dialog->show();
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_FALSE(box("guidance_is_on_CheckBox")->isChecked()) << "boxes keep their state between showings";
    responder.clear();
    type("SIX CH", "other");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, entry(5));
    EXPECT_TRUE(dialog->isVisible());
}

// The name is checked once, at OK: leaving the name field says nothing,
// whether Enter has just created the file or Cancel is clicked.
TEST_F(CreateDialogTest, LeavingTheNameFieldChecksNothing)
{
    ASSERT_TRUE(student_data_files->create_results_file("Taken1", "abcde", true, true, true, true));
    struct leaving {
        const char* name;
        bool by_enter;   // else a mouse click on Cancel
        bool created;
    };
    for (const leaving& c : {leaving{"Newcomer", true, true}, leaving{"Taken1", false, false}}) {
        responder.clear();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        type(c.name, "abcde");
        name->setFocus();
        if (c.by_enter)
            QTest::keyClick(name, Qt::Key_Return);
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        EXPECT_EQ(responder.count(), 0u) << c.name;
        EXPECT_FALSE(dialog->isVisible()) << c.name;
        EXPECT_EQ(dialog->result(), c.created ? QDialog::Accepted : QDialog::Rejected) << c.name;
    }
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Newcomer.results")));
}
