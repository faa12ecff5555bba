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

namespace {

// The copy text with the platform's line ends and one after the last line.
std::string as_output(const std::string& copied)
{
    return copied.empty() ? "" : QString::fromStdString(copied + "\r\n").replace("\r\n", "\n").toStdString();
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
    tool_run run(std::vector<std::string> words)
    {
        words.insert(words.begin(), {"--settings", program.file("WinTola.ini")});
        return run_tool(program.path(), words);
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
        EXPECT_EQ(std::tuple(shown.code, shown.out, shown.err), std::tuple(0, as_output(platform::clipboard_text()), ""));
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
    modal_opened_by([&] { form.findChild<QPushButton*>("concise_results_for_all_Button")->click(); },
                    [&](QWidget&) { dialog.copy_to_clipboard_buttonClick(); });
    const tool_run concise = run({"concise"});
    EXPECT_EQ(std::tuple(concise.code, concise.out, concise.out.rfind("Alpha Pupil\n\n", 0)),
              std::tuple(0, as_output(platform::clipboard_text()), 0u));
}
