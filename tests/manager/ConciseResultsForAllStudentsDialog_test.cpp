#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/widgets/clipboard.h"
#include "platform/widgets/printing.h"
#include "tests/support/pdf_text.h"
#include "tests/manager/gui_fixture.h"

#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

using namespace student_files;
using namespace manager;

class ConciseDialogTest : public gui_fixture {};

TEST_F(ConciseDialogTest, ItemsAreSplitIntoLinesAndCopiedWithCrLf)
{
    ASSERT_TRUE(student_data_files->create_results_file("Alpha1", "secret", true, true, true, true));
    ASSERT_TRUE(student_data_files->create_results_file("Bravo2", "secret", true, true, true, true));
    TRFM_MainForm form;
    form.show();
    TConciseResultsForAllStudentsDialog dialog;
    form.wire_windows({.concise_dialog = &dialog});
    QString memo;
    QTimer::singleShot(0, [&] {
        memo = dialog.findChild<QPlainTextEdit*>("Memo")->toPlainText();
        dialog.copy_to_clipboard_buttonClick();
        dialog.accept();
    });
    form.findChild<QPushButton*>("concise_results_for_all_Button")->click();
    // The item of two line feeds between students gives three empty lines.
    const std::string expected = "Alpha1\n\n" + student_data_files->concise_results_text("Alpha1").value
        + "\n\n\n\nBravo2\n\n" + student_data_files->concise_results_text("Bravo2").value;
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

class ConciseDialogPrintTest : public ConciseDialogTest {
protected:
    void TearDown() override
    {
        platform::set_print_dialog_answer({});
        ConciseDialogTest::TearDown();
    }
    std::vector<std::string> print(TConciseResultsForAllStudentsDialog& dialog)
    {
        const std::string pdf = program.file("concise.pdf");
        platform::set_print_dialog_answer([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return true;
        });
        dialog.print_buttonClick();
        return test_support::pdf_page_texts(pdf);
    }
};

TEST_F(ConciseDialogPrintTest, WithoutStudentsOnlyTheCaptionIsPrinted)
{
    TConciseResultsForAllStudentsDialog dialog;
    dialog.tell_parameters_before_show("All pupils", {});
    const std::vector<std::string> pages = print(dialog);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(QString::fromStdString(pages[0]).simplified().toStdString(), "All pupils");
}

TEST_F(ConciseDialogPrintTest, EveryMemoLineIsPrintedInOrderOnAsManyPagesAsNeeded)
{
    ASSERT_TRUE(student_data_files->create_results_file("Carla", "secret", true, true, true, true));
    const std::string text = student_data_files->concise_results_text("Carla").value;
    std::vector<std::string> items;
    for (int k = 1; k <= 40; ++k) {
        if (k > 1)
            items.push_back("\n\n");
        for (const std::string& item : {"Student" + std::to_string(100 + k), std::string(), text})
            items.push_back(item);
    }
    TConciseResultsForAllStudentsDialog dialog;
    dialog.tell_parameters_before_show("All pupils", items);
    const std::vector<std::string> pages = print(dialog);
    ASSERT_GT(pages.size(), 1u);
    EXPECT_EQ(pages[0].find("All pupils"), pages[0].find_first_not_of(" \n")) << "the caption heads the first page";
    std::string all;
    for (const std::string& page : pages)
        all += page;
    std::string::size_type at = 0;
    for (const QString& line : dialog.findChild<QPlainTextEdit*>("Memo")->toPlainText().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        at = all.find(line.simplified().section(' ', 0, 0).toStdString(), at);
        ASSERT_NE(at, std::string::npos) << line.toStdString();
    }
}
