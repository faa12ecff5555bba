#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/widgets/clipboard.h"
#include "tests/manager/gui_fixture.h"

#include <QPlainTextEdit>

using namespace student_files;
using namespace manager;

using ConciseDialogTest = gui_fixture;

TEST_F(ConciseDialogTest, ItemsAreSplitIntoLinesAndCopiedWithCrLf)
{
    make("Alpha1", 0);
    make("Bravo2", 1);
    TRFM_MainForm form;
    form.show();
    TConciseResultsForAllStudentsDialog dialog;
    form.wire_windows({.concise_dialog = &dialog});
    QString memo;
    modal_opened_by([&] { form.findChild<QPushButton*>("concise_results_for_all_Button")->click(); }, [&](QWidget&) {
        memo = dialog.findChild<QPlainTextEdit*>("Memo")->toPlainText();
        dialog.copy_to_clipboard_buttonClick();
    });
    // The item of two line feeds between students gives three empty lines.
    const std::string expected = "Alpha1\n\n" + student_data_files->concise_results_text("Alpha1").value
        + "\n\n\n\nBravo2\n\n" + student_data_files->concise_results_text("Bravo2").value;
    EXPECT_EQ(memo.toStdString(), expected);
    EXPECT_EQ(QString::fromStdString(platform::clipboard_text()), QString::fromStdString(expected).replace("\n", "\r\n"));
}

TEST_F(ConciseDialogTest, EveryLineIsPrintedInOrderAfterTheCaption)
{
    TConciseResultsForAllStudentsDialog dialog;
    make("Carla", 0);
    const std::string text = student_data_files->concise_results_text("Carla").value;
    std::vector<std::string> items;
    for (int k = 1; k <= 40; ++k)
        items.insert(items.end(), {"\n\n", "Student" + std::to_string(100 + k), "", text});
    items.erase(items.begin());   // the separators stand between students
    dialog.tell_parameters_before_show("All pupils", items);
    const std::vector<std::string> pages = printed([&] { dialog.print_buttonClick(); });
    ASSERT_GT(pages.size(), 1u);
    EXPECT_EQ(pages[0].find("All pupils"), pages[0].find_first_not_of(" \n")) << "the caption heads the first page";
    std::string all;
    for (const std::string& page : pages)
        all += page;
    std::string::size_type at = 0;
    for (const QString& line : dialog.findChild<QPlainTextEdit*>("Memo")->toPlainText().split('\n'))
        if (!line.trimmed().isEmpty()) {
            ASSERT_NE(at = all.find(line.simplified().section(' ', 0, 0).toStdString(), at), std::string::npos);
        }
}

TEST_F(ConciseDialogTest, AnUnreadableFileIsReported)
{
    program.write("RESULTS/Broken.results", "x");
    TRFM_MainForm form;
    form.show();
    TConciseResultsForAllStudentsDialog dialog;
    form.wire_windows({.concise_dialog = &dialog});
    modal_opened_by([&] { form.findChild<QPushButton*>("concise_results_for_all_Button")->click(); });
    EXPECT_EQ(responder.count(), 1u);
}
