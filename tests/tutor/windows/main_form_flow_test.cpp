// A pupil's session under guidance, from the login to the guidance's HALT,
// through the tutor main window's timer: once with a practice window whose
// pupil is always right, once with the real window of an exercise.
#include "tests/tutor/windows/main_form_fixture.h"
#include "tests/tutor/windows/pupil_clicks.h"
#include "tutor/engine/guidance_driver.h"

#include <QLabel>

#include <algorithm>

using namespace student_files;
using namespace tutor::engine;
using namespace tutor::windows;

class GuidedSession : public MainFormTest {
protected:
    // Shown and logged in as Anna through the login the timer opens.
    void start_session(const char* course)
    {
        make_guidance(course, true);
        make_form();
        wire_exercise_windows(nullptr, true);
        form->show();
        ASSERT_EQ(form->timer_tag(), TMainForm::login_timer_tag);
        when_modal([](QWidget& login) { log_in_as(login, "Anna", "tulip"); });
        form->wait_until_ready_timerTimer();
        ASSERT_TRUE(guidance->is_on());
        ASSERT_EQ(form->timer_tag(), tag_continue);
    }
    // The timer's next step, done in the window it opens.
    void step(std::function<void(QWidget&)> pupil)
    {
        when_modal(std::move(pupil));
        form->wait_until_ready_timerTimer();
        ASSERT_EQ(form->timer_tag(), tag_next_statement);
    }
    // The timer's next step, which is to reach a HALT: its code.
    int code_of_halt()
    {
        try {
            form->wait_until_ready_timerTimer();
        } catch (const platform::program_stopped& stop) {
            return stop.code;
        }
        return -1;
    }
    // Anna's one stored test: exercise, objects, correct, level.
    void expect_one_test(std::size_t exercise, int objects, int correct, int level)
    {
        const result_chains chains =
            student_data_files->read_result_chains(student_data_files->results_file_name("Anna"), 9);
        ASSERT_TRUE(chains.status);
        for (std::size_t k = 0; k < chains.exercises.size(); ++k)
            EXPECT_EQ(chains.exercises[k].size(), k + 1 == exercise ? 1u : 0u) << "exercise " << k + 1;
        const results_format::result& test = chains.exercises[exercise - 1].at(0);
        EXPECT_EQ(test.objects, objects);
        EXPECT_EQ(test.correct, correct);
        EXPECT_EQ(test.level, level);
    }
};

TEST_F(GuidedSession, AShortGuidanceFromTheLoginToItsHaltLeavesTheTestResultInThePupilsFile)
{
    start_session("TH 1;\nTE 1 /L=2 /EXIT=(COUNT >= 3);\nHALT 7;");
    recording_exercise_window exercise_window(form.get());
    exercise_window.setObjectName("exercise_window");
    wire_exercise_windows(&exercise_window, false);
    std::string chapter;
    step([&](QWidget& theory) {
        chapter = child<QLabel>(theory, "chapter_title_label")->text().toStdString();
        click(theory, "close_button");
    });
    EXPECT_EQ(chapter, "Perspective projection");
    step([](QWidget& exercise) {
        for (int answer = 0; answer < 3 && exercise.isVisible(); ++answer)
            click(exercise, "ready_button");
    });
    EXPECT_FALSE(exercise_window.isVisible()) << "the guidance's EXIT ended the test after three answers";
    EXPECT_TRUE(form->test_mode());
    EXPECT_EQ(form->practice_level(), 2);
    EXPECT_EQ(code_of_halt(), 7);
    EXPECT_EQ(modal_windows, (std::vector<std::string>{"PupilLoginDialog", "TheoryForm", "exercise_window"}));
    EXPECT_EQ(responder.last().text, "The guidance program ends the tutor here.\nPlease ask your teacher what to do next.\n"
                                     "The tutor will now close.");
    expect_one_test(1, 3, 3, 2);
    results_format::settings stored;
    ASSERT_TRUE(student_data_files->read_settings("Anna", stored));
    EXPECT_EQ(stored.guidance_statement, 3) << "the pupil's place: the HALT";
    EXPECT_TRUE(stored.guidance_is_on);
}

// The same with the real window of the exercise: the pupil constructs the
// three views of two objects by mouse, and the guidance stores the test.
TEST_F(GuidedSession, AGuidedTestOfThreeViewsConstructedByMouseIsStoredInThePupilsFile)
{
    start_session("TE 8 /L=1 /EXIT=(COUNT >= 2);\nHALT 3;");
    step([](QWidget& window) {
        ASSERT_EQ(window.objectName(), "construction_window");
        auto& exercise = dynamic_cast<TExerciseForm&>(window);
        for (int object = 0; object < 2 && exercise.isVisible(); ++object) {
            for (int k = 1; k <= exercise.area_count(); ++k)
                pupil::draw_wanted(exercise, k);
            pupil::press(exercise, "ready_button");
        }
    });
    const auto right = std::count_if(responder.boxes().begin(), responder.boxes().end(), [](const auto& box) {
        return box.text == "Well done! Your construction is correct.";
    });
    EXPECT_EQ(right, 2);
    EXPECT_EQ(responder.last().text, "Objects done: 2     Done correctly: 2      \nExcellent work!")
        << "the guidance's EXIT closed the test after two objects";
    EXPECT_EQ(code_of_halt(), 3);
    expect_one_test(8, 2, 2, 1);
}
