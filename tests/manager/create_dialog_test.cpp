#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/CreateResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/file_system.h"
#include "tests/manager/gui_fixture.h"

#include <QTest>

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
    // The message OK gives for a name and password, or "" when the dialog closed.
    std::string ok_with(const char* n, const char* p)
    {
        name->setText(n);
        password->setText(p);
        responder.clear();
        dialog->OKBtnClick();
        return responder.count() == 0 ? std::string() : responder.last().text;
    }
    QCheckBox* box(const char* n) { return dialog->findChild<QCheckBox*>(n); }

    std::unique_ptr<TRFM_MainForm> form;
    std::unique_ptr<TCreateResultsFileDialog> dialog;
    QLineEdit* name = nullptr;
    QLineEdit* password = nullptr;
};

TEST_F(CreateDialogTest, RefusalsInTheirOrderLeaveNothingOnDisk)
{
    EXPECT_EQ(ok_with("Short", "secret"), entry(2));
    EXPECT_EQ(responder.last().flags, 16u);
    EXPECT_EQ(ok_with("Sixsix", ""), entry(6));
    EXPECT_EQ(ok_with("Sixsix", "abcd"), entry(2));
    EXPECT_EQ(ok_with("Bad/name", "abcde"), student_name_problem("Bad/name"));
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
    EXPECT_EQ(ok_with("Six ch", "abcde"), "");
    EXPECT_FALSE(dialog->isVisible());
    results_format::settings s;
    ASSERT_TRUE(student_data_files->read_settings("Six ch", s));
    EXPECT_EQ(std::tuple(s.guidance_is_on, s.guidance_is_switchable, s.restart_guidance_enabled, s.test_results_are_stored),
              std::tuple(false, false, true, true)) << "the disabled box's mark is stored";
    EXPECT_TRUE(student_data_files->check_results_file(student_data_files->results_file_name("Six ch"), "ABCDE"));
    dialog->show();
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_FALSE(box("guidance_is_on_CheckBox")->isChecked()) << "boxes keep their state between showings";
    EXPECT_EQ(ok_with("SIX CH", "other"), entry(5));
    EXPECT_TRUE(dialog->isVisible());
}

// The name is checked once, at OK: leaving the name field says nothing,
// whether Enter has just created the file or Cancel is clicked.
TEST_F(CreateDialogTest, LeavingTheNameFieldChecksNothing)
{
    ASSERT_TRUE(student_data_files->create_results_file("Taken1", "abcde", true, true, true, true));
    for (const auto& [student, by_enter] : {std::pair{"Newcomer", true}, {"Taken1", false}}) {
        responder.clear();
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        name->setText(student);
        password->setText("abcde");
        name->setFocus();
        if (by_enter)
            QTest::keyClick(name, Qt::Key_Return);
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        EXPECT_EQ(std::tuple(responder.count(), dialog->isVisible(), dialog->result()),
                  std::tuple(0u, false, by_enter ? QDialog::Accepted : QDialog::Rejected)) << student;
    }
    EXPECT_TRUE(std::filesystem::exists(program.file("RESULTS/Newcomer.results")));
}
