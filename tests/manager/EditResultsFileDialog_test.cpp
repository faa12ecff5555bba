#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "tests/manager/gui_fixture.h"

using namespace foundation;
using namespace student_files;
using namespace manager;

class EditDialogTest : public gui_fixture {
protected:
    void SetUp() override
    {
        gui_fixture::SetUp();
        make("Johnny", 1);
        ASSERT_TRUE(student_data_files->store_guidance_state("Johnny", true, 3, 1234));
        form = std::make_unique<TRFM_MainForm>();
        dialog_ = std::make_unique<TEditResultsFileDialog>(*form);
        dialog_->tell_file_name("Johnny");
        dialog_->show();
        password = dialog_->findChild<QLineEdit*>("password_edit_control");
    }
    std::string entry(int k) { return text_handler->read_entry("STUDENTS_MANAGER_EDIT_STUDENT_DIALOG", k); }
    QCheckBox* box(const char* n) { return dialog_->findChild<QCheckBox*>(n); }
    std::string file() { return program.read("RESULTS/Johnny.results"); }

    std::unique_ptr<TRFM_MainForm> form;
    std::unique_ptr<TEditResultsFileDialog> dialog_;
    QLineEdit* password = nullptr;
};

TEST_F(EditDialogTest, EmptyPasswordKeepsTheCodesAndRestartStoresZero)
{
    auto* restart = box("guidance_starts_with_first_statement_CheckBox");
    EXPECT_EQ(std::tuple(dialog_->windowTitle(), restart->isChecked(), box("guidance_is_on_CheckBox")->isChecked()),
              std::tuple(QString("Johnny"), false, true));
    restart->setChecked(true);
    box("store_test_results_CheckBox")->setChecked(false);
    const std::string identity = file().substr(30, 15);
    dialog_->OKBtnClick();
    results_format::settings s;
    ASSERT_TRUE(student_data_files->read_settings("Johnny", s));
    EXPECT_EQ(std::tuple(dialog_->isVisible(), file().substr(30, 15), s.guidance_statement, s.guidance_time,
                         s.test_results_are_stored, responder.count()),
              std::tuple(false, identity, 0, 0u, false, 0u));
}

TEST_F(EditDialogTest, ShortPasswordAndRenamedFileAreRefusedUnchanged)
{
    const std::string before = file();
    std::filesystem::copy_file(program.file("RESULTS/Johnny.results"), program.file("RESULTS/Jonny.results"));
    for (const auto& [student, new_password, refusal] :
         {std::tuple{"Johnny", "abcd", 5}, {"Jonny", "newpass", 4}, {"Nobody", "newpass", 3}}) {
        dialog_->tell_file_name(student);
        password->setText(new_password);
        dialog_->OKBtnClick();
        EXPECT_EQ(std::tuple(responder.last().text, dialog_->isVisible()), std::tuple(entry(refusal), true)) << student;
    }
    EXPECT_EQ(std::tuple(file(), program.read("RESULTS/Jonny.results")), std::tuple(before, before));
}

TEST_F(EditDialogTest, RemovedResultsStayRemovedAfterCancel)
{
    ASSERT_EQ(file().size(), 90u);
    dialog_->remove_results_ButtonClick();
    dialog_->reject();
    EXPECT_EQ(std::tuple(file().size(), student_data_files->sum_results("Johnny").total_objects), std::tuple(75ul, 0L));
    password->setText("newpass");
    dialog_->show();
    EXPECT_TRUE(password->text().isEmpty()) << "every showing loads the dialog afresh";
}
