#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/windows.h"
#include "platform/clipboard.h"
#include "tests/manager/gui_fixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

class ConciseDialogTest : public gui_fixture {};

TEST_F(ConciseDialogTest, ItemsAreSplitIntoLinesAndCopiedWithCrLf)
{
    ASSERT_TRUE(student_data_files->create_results_file("Alpha1", "secret", true, true, true, true));
    ASSERT_TRUE(student_data_files->create_results_file("Bravo2", "secret", true, true, true, true));
    TRFM_MainForm form;
    form.show();
    TConciseResultsForAllStudentsDialog dialog;
    ConciseResultsForAllStudentsDialog = &dialog;
    QString memo;
    QTimer::singleShot(0, [&] {
        memo = dialog.findChild<QPlainTextEdit*>("Memo")->toPlainText();
        dialog.copy_to_clipboard_buttonClick();
        dialog.accept();
    });
    form.findChild<QPushButton*>("concise_results_for_all_Button")->click();
    ConciseResultsForAllStudentsDialog = nullptr;
    // The item of two line feeds between students gives three empty lines.
    const std::string expected = "Alpha1\n\n" + student_data_files->concise_results_text("Alpha1") + "\n\n\n\nBravo2\n\n"
        + student_data_files->concise_results_text("Bravo2");
    EXPECT_EQ(memo.toStdString(), expected);
    std::string crlf;
    for (char c : expected)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(platform::clipboard_text(), crlf);
}

TEST_F(ConciseDialogTest, WideningMovesTheButtonsByHalf)
{
    TConciseResultsForAllStudentsDialog dialog;
    dialog.show();
    auto* ok = dialog.findChild<QPushButton*>("OKBtn");
    const int x = ok->x();
    const int memo_width = dialog.findChild<QPlainTextEdit*>("Memo")->width();
    dialog.resize(dialog.width() + 40, dialog.height());
    EXPECT_EQ(ok->x(), x + 20);
    EXPECT_EQ(dialog.findChild<QPlainTextEdit*>("Memo")->width(), memo_width + 40);
    EXPECT_EQ(ok->y(), dialog.height() - ok->height() * 11 / 10);
}
