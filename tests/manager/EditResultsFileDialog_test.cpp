#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/EditResultsFileDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/core/file_system.h"
#include "tests/manager/gui_fixture.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace foundation;
using namespace student_files;
using namespace manager;

class EditDialogTest : public gui_fixture {
protected:
    void SetUp() override
    {
        gui_fixture::SetUp();
        ASSERT_TRUE(student_data_files->create_results_file("Johnny", "secret", true, true, true, true));
        ASSERT_TRUE(student_data_files->store_guidance_state("Johnny", true, 3, 1234));
        ASSERT_TRUE(student_data_files->add_result("Johnny", 2, 46000.5, 46000.51, 1, 5, 4));
        form = std::make_unique<TRFM_MainForm>();
        dialog = std::make_unique<TEditResultsFileDialog>(*form);
        dialog->tell_file_name("Johnny");
        dialog->show();
        password = dialog->findChild<QLineEdit*>("password_edit_control");
    }
    std::string entry(int k) { return text_handler->read_entry("STUDENTS_MANAGER_EDIT_STUDENT_DIALOG", k); }
    QCheckBox* box(const char* n) { return dialog->findChild<QCheckBox*>(n); }
    std::string file() { return program.read("RESULTS/Johnny.results"); }

    std::unique_ptr<TRFM_MainForm> form;
    std::unique_ptr<TEditResultsFileDialog> dialog;
    QLineEdit* password = nullptr;
};

TEST_F(EditDialogTest, EmptyPasswordKeepsTheCodesAndRestartStoresZero)
{
    EXPECT_EQ(dialog->windowTitle(), "Johnny");
    EXPECT_FALSE(box("guidance_starts_with_first_statement_CheckBox")->isChecked()) << "statement 3 is stored";
    EXPECT_TRUE(box("guidance_is_on_CheckBox")->isChecked());
    box("guidance_starts_with_first_statement_CheckBox")->setChecked(true);
    box("store_test_results_CheckBox")->setChecked(false);
    const std::string identity = file().substr(30, 15);
    dialog->OKBtnClick();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(file().substr(30, 15), identity);
    results_format::settings s;
    ASSERT_TRUE(student_data_files->read_settings("Johnny", s));
    EXPECT_EQ(s.guidance_statement, 0);
    EXPECT_EQ(s.guidance_time, 0u);
    EXPECT_FALSE(s.test_results_are_stored);
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(EditDialogTest, ShortPasswordAndRenamedFileAreRefusedUnchanged)
{
    const std::string before = file();
    password->setText("abcd");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, entry(5));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(file(), before);

    std::filesystem::rename(program.file("RESULTS/Johnny.results"), program.file("RESULTS/Jonny.results"));
    dialog->tell_file_name("Jonny");
    password->setText("newpass");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, entry(4));
    EXPECT_EQ(program.read("RESULTS/Jonny.results"), before);

    dialog->tell_file_name("Nobody");
    dialog->OKBtnClick();
    EXPECT_EQ(responder.last().text, entry(3));
}

TEST_F(EditDialogTest, RemovedResultsStayRemovedAfterCancel)
{
    ASSERT_EQ(file().size(), 90u);
    dialog->remove_results_ButtonClick();
    dialog->reject();
    EXPECT_EQ(file().size(), 75u);
    EXPECT_EQ(student_data_files->sum_results("Johnny").total_objects, 0);
    password->setText("newpass");
    dialog->show();
    EXPECT_TRUE(password->text().isEmpty()) << "every showing loads the dialog afresh";
}
