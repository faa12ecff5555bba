// A pupil's session under guidance, from the login to the guidance's HALT,
// through the tutor main window's timer.
#include "tests/tutor/windows/main_form_fixture.h"
#include "tests/tutor/windows/pupil_clicks.h"
#include "tutor/engine/guidance_driver.h"


#include <algorithm>

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

// A guided test in the real window of the exercise: the pupil constructs the
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
