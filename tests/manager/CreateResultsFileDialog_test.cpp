#include "manager/CreateResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/core/file_system.h"
#include "tests/manager/gui_fixture.h"

#include <QTest>

using namespace foundation;
using namespace student_files;
using namespace manager;

class CreateDialogTest : public gui_fixture {
protected:
    void SetUp() override
    {
        gui_fixture::SetUp();
        form = std::make_unique<TRFM_MainForm>();
        dialog_ = std::make_unique<TCreateResultsFileDialog>(*form);
        dialog_->show();
        name = dialog_->findChild<QLineEdit*>("student_name_edit_control");
        password = dialog_->findChild<QLineEdit*>("password_edit_control");
    }
    std::string entry(int k) { return text_handler->read_entry("NEW_STUDENT_DIALOG", k); }
    void type(const char* n, const char* p)
    {
        name->setText(n);
        password->setText(p);
    }
    QCheckBox* box(const char* n) { return dialog_->findChild<QCheckBox*>(n); }

    std::unique_ptr<TRFM_MainForm> form;
    std::unique_ptr<TCreateResultsFileDialog> dialog_;
    QLineEdit *name = nullptr, *password = nullptr;
};

TEST_F(CreateDialogTest, RefusalsInTheirOrderLeaveNothingOnDiskAndTheDialogOpen)
{
    const std::tuple<const char*, const char*, std::string> refusals[] = {
        {"Short", "secret", entry(2)}, {"Sixsix", "", entry(6)}, {"Sixsix", "abcd", entry(2)},
        {"Bad/name", "abcde", student_name_problem("Bad/name")}};
    for (const auto& [n, p, message] : refusals) {
        type(n, p);
        dialog_->OKBtnClick();
        EXPECT_EQ(std::tuple(responder.last().text, responder.last().flags, dialog_->isVisible()), std::tuple(message, 16u, true));
    }
    EXPECT_TRUE(platform::list_files(program.file("RESULTS")).empty());
    EXPECT_EQ(std::tuple(name->text(), password->maxLength()), std::tuple(QString("Bad/name"), 17));
}

TEST_F(CreateDialogTest, CreatesTheFileWithTheCheckBoxStatesAndRefusesATwin)
{
    box("guidance_is_on_CheckBox")->click();
    box("guidance_is_switchable_CheckBox")->click();
    auto* restart = box("restart_guidance_enabled_CheckBox");
    EXPECT_EQ(std::tuple(restart->isEnabled(), restart->isChecked()), std::tuple(false, true));
    type("Six ch", "abcde");
    dialog_->findChild<QPushButton*>("OKBtn")->click();
    EXPECT_FALSE(dialog_->isVisible());
    results_format::settings s;
    ASSERT_TRUE(student_data_files->read_settings("Six ch", s));
    EXPECT_EQ(std::tuple(s.guidance_is_on, s.guidance_is_switchable, s.restart_guidance_enabled, s.test_results_are_stored),
              std::tuple(false, false, true, true)) << "the disabled box's mark is stored";
    EXPECT_TRUE(student_data_files->check_results_file(student_data_files->results_file_name("Six ch"), "ABCDE").value);

    dialog_->show();
    EXPECT_EQ(std::tuple(name->text().isEmpty(), box("guidance_is_on_CheckBox")->isChecked()), std::tuple(true, false));
    responder.clear();
    type("SIX CH", "other");
    dialog_->OKBtnClick();
    EXPECT_EQ(std::tuple(responder.count(), responder.last().text, dialog_->isVisible()), std::tuple(1u, entry(5), true));
}

// The name is checked once, at OK: leaving the name field for Cancel says nothing.
TEST_F(CreateDialogTest, LeavingTheNameFieldChecksNothing)
{
    make("Taken1", 0);
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    type("Taken1", "abcde");
    name->setFocus();
    QTest::mouseClick(dialog_->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(responder.count(), dialog_->isVisible(), dialog_->result()), std::tuple(0u, false, QDialog::Rejected));
}
