// The tool's show and concise against the windows' own copy texts.
#include "manager/ConciseResultsForAllStudentsDialog.h"
#include "manager/RFM_MainForm.h"
#include "manager/ResultsForm.h"
#include "platform/widgets/clipboard.h"
#include "tests/manager/gui_fixture.h"
#include "tests/students_cli/students_tool_fixture.h"
#include "tutor/windows/ExerciseDForm.h"

#include <QPushButton>
#include <QTimer>

using namespace foundation;
using namespace student_files;
using namespace tutor::windows;
using namespace manager;

namespace {

// The copy text with the platform's line ends and one after the last line.
std::string as_output(const std::string& copied)
{
    std::string text;
    for (std::size_t i = 0; i < copied.size(); ++i) {
        if (copied.compare(i, 2, "\r\n") == 0) {
            text += '\n';
            ++i;
        } else {
            text += copied[i];
        }
    }
    return copied.empty() ? text : text + '\n';
}

} // namespace

class StudentsWindowsTest : public gui_fixture {
protected:
    void make(const std::string& name, int results)
    {
        ASSERT_TRUE(student_data_files->create_results_file(name, "secret", true, true, false, true));
        for (int i = 0; i < results; ++i)
            ASSERT_TRUE(student_data_files->add_result(name, 1 + i % 9, when(3, 8 + i % 10, i, 2 * i),
                                                       when(4, 9, 0, 0), 1 + i % 3, 5 + i, i % 6));
        ASSERT_TRUE(student_data_files->store_guidance_state(name, true, 4, pack_duration(0.07)));
    }
    tool_run run(const std::vector<std::string>& words)
    {
        std::vector<std::string> all{"--settings", program.file("WinTola.ini")};
        all.insert(all.end(), words.begin(), words.end());
        return run_tool(program.path(), all);
    }
};

TEST_F(StudentsWindowsTest, ShowPrintsTheResultsWindowsCopyText)
{
    make("Anna Jansen", 12);
    make("Empty Pupil", 0);
    TExerciseDForm exercise_d;
    TResultsForm window;
    window.wire_windows(exercise_d);
    for (const char* name : {"Anna Jansen", "empty pupil"}) {
        window.tell_pupil_name_before_FormShow(name);
        window.show();
        window.copy_menu_itemClick();
        window.close();
        const tool_run shown = run({"show", name});
        EXPECT_EQ(shown.code, 0) << shown.err;
        EXPECT_EQ(shown.out, as_output(platform::clipboard_text())) << name;
        EXPECT_EQ(shown.err, "");
    }
    EXPECT_EQ(run({"show", "Nobody Here"}).code, 2);
}

TEST_F(StudentsWindowsTest, ConcisePrintsTheConciseDialogsCopyText)
{
    make("bravo Pupil", 5);
    make("Alpha Pupil", 30);
    make("Charlie, C.", 0);
    TRFM_MainForm form;
    form.show();
    TConciseResultsForAllStudentsDialog dialog;
    form.wire_windows({.concise_dialog = &dialog});
    QTimer::singleShot(0, [&] {
        dialog.copy_to_clipboard_buttonClick();
        dialog.accept();
    });
    form.findChild<QPushButton*>("concise_results_for_all_Button")->click();
    const tool_run concise = run({"concise"});
    EXPECT_EQ(concise.code, 0) << concise.err;
    EXPECT_EQ(concise.out, as_output(platform::clipboard_text()));
    EXPECT_EQ(concise.out.rfind("Alpha Pupil\n\n", 0), 0u);
}
