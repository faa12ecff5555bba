// The tool's concise against the concise dialog's own copy text.
#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/RFM_MainForm.h"
#include "platform/widgets/clipboard.h"
#include "tests/manager/gui_fixture.h"
#include "tests/students_cli/students_tool_fixture.h"

using namespace foundation;
using namespace student_files;
using namespace manager;

using StudentsWindowsTest = gui_fixture;

TEST_F(StudentsWindowsTest, ConcisePrintsTheConciseDialogsCopyText)
{
    for (const auto& [name, results] : {std::pair{"bravo Pupil", 5}, {"Alpha Pupil", 30}, {"Charlie, C.", 0}}) {
        make(name, results);
        ASSERT_TRUE(student_data_files->store_guidance_state(name, true, 4, pack_duration(0.07)));
    }
    TRFM_MainForm form;
    form.show();
    TConciseResultsForAllStudentsDialog dialog;
    form.wire_windows({.concise_dialog = &dialog});
    modal_opened_by([&] { form.findChild<QPushButton*>("concise_results_for_all_Button")->click(); },
                    [&](QWidget&) { dialog.copy_to_clipboard_buttonClick(); });
    const tool_run concise = run_tool(program.path(), {"--settings", program.file("WinTola.ini"), "concise"});
    // The copy text with the platform's line ends and one after the last line.
    EXPECT_EQ(std::tuple(concise.code, concise.out, concise.out.rfind("Alpha Pupil\n\n", 0)),
              std::tuple(0, QString::fromStdString(platform::clipboard_text() + "\r\n").replace("\r\n", "\n").toStdString(), 0u));
}
