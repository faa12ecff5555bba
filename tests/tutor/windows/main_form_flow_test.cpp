// A pupil's session under guidance, from the login to the guidance's HALT,
// through the tutor main window's timer: once with a practice window whose
// pupil is always right, once with the real window of an exercise.
#include "tests/tutor/windows/main_form_fixture.h"
#include "tests/tutor/windows/pupil_clicks.h"
#include "tutor/windows/PracticeForm.h"
#include "tutor/engine/guidance_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

class always_right_window : public TPracticeForm {
public:
    using TPracticeForm::TPracticeForm;
    void install_next_object(int, bool) override { ++objects_installed; }
    bool construction_OK() override { return true; }
    bool construction_incomplete() override { return false; }
    void show_wanted_parts() override {}
    int objects_installed = 0;
};

template <class T>
T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_TRUE(found) << name;
    return found;
}

} // namespace

class GuidedSession : public MainFormTest {
protected:
    // The login the main window's timer opens, answered as Anna.
    void log_in_anna()
    {
        when_modal([](QWidget& login) {
            child<QLineEdit>(login, "pupil_name_edit")->setText("Anna");
            child<QLineEdit>(login, "password_edit")->setText("tulip");
            child<QPushButton>(login, "OK_button")->click();
        });
        form->wait_until_ready_timerTimer();
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
    result_chains results_of_anna()
    {
        return student_data_files->read_result_chains(student_data_files->results_file_name("Anna"), 9);
    }
};

TEST_F(GuidedSession, AShortGuidanceFromTheLoginToItsHaltLeavesTheTestResultInThePupilsFile)
{
    make_guidance("TH 1;\nTE 1 /L=2 /EXIT=(COUNT >= 3);\nHALT 7;", true);
    make_form();
    always_right_window exercise_window(form.get());
    exercise_window.setObjectName("exercise_window");
    wire_exercise_windows(&exercise_window, false);

    form->show();
    ASSERT_EQ(form->timer_tag(), TMainForm::login_timer_tag);
    log_in_anna();
    ASSERT_TRUE(guidance->is_on());
    ASSERT_EQ(form->timer_tag(), tag_continue);

    std::string chapter;
    when_modal([&](QWidget& theory) {
        chapter = child<QLabel>(theory, "chapter_title_label")->text().toStdString();
        child<QPushButton>(theory, "close_button")->click();
    });
    form->wait_until_ready_timerTimer();
    EXPECT_EQ(chapter, "Perspective projection");
    ASSERT_EQ(form->timer_tag(), tag_next_statement);

    when_modal([](QWidget& exercise) {
        for (int answer = 0; answer < 3 && exercise.isVisible(); ++answer)
            child<QPushButton>(exercise, "ready_button")->click();
    });
    form->wait_until_ready_timerTimer();
    EXPECT_FALSE(exercise_window.isVisible()) << "the guidance's EXIT ended the test after three answers";
    EXPECT_TRUE(form->test_mode());
    EXPECT_EQ(form->practice_level(), 2);
    EXPECT_EQ(exercise_window.count(), 3);
    ASSERT_EQ(form->timer_tag(), tag_next_statement);

    const int code = code_of_halt();
    EXPECT_EQ(code, 7) << "the HALT's code";
    EXPECT_EQ(modal_windows, (std::vector<std::string>{"PupilLoginDialog", "TheoryForm", "exercise_window"}));
    EXPECT_EQ(responder.last().text, "The guidance program ends the tutor here.\nPlease ask your teacher what to do next.\n"
                                     "The tutor will now close.");

    const result_chains chains = results_of_anna();
    ASSERT_TRUE(chains.status);
    ASSERT_EQ(chains.exercises[0].size(), 1u) << "one test of exercise 1";
    EXPECT_EQ(chains.exercises[0][0].objects, 3);
    EXPECT_EQ(chains.exercises[0][0].correct, 3);
    EXPECT_EQ(chains.exercises[0][0].level, 2);
    for (std::size_t k = 1; k < chains.exercises.size(); ++k)
        EXPECT_TRUE(chains.exercises[k].empty()) << "exercise " << k + 1;
    results_format::settings stored;
    ASSERT_TRUE(student_data_files->read_settings("Anna", stored));
    EXPECT_EQ(stored.guidance_statement, 3) << "the pupil's place: the HALT";
    EXPECT_TRUE(stored.guidance_is_on);
}

// The same with the real window of the exercise: the pupil constructs the
// three views of two objects by mouse, and the guidance stores the test.
TEST_F(GuidedSession, AGuidedTestOfThreeViewsConstructedByMouseIsStoredInThePupilsFile)
{
    make_guidance("TE 8 /L=1 /EXIT=(COUNT >= 2);\nHALT 3;", true);
    make_form();
    wire_exercise_windows(nullptr, true);
    form->show();
    log_in_anna();
    ASSERT_EQ(form->timer_tag(), tag_continue);

    when_modal([&](QWidget& window) {
        auto* exercise = dynamic_cast<TExerciseForm*>(&window);
        ASSERT_TRUE(exercise);
        for (int object = 0; object < 2 && exercise->isVisible(); ++object) {
            for (int k = 1; k <= exercise->area_count(); ++k)
                pupil::draw_wanted(*exercise, k);
            pupil::press(*exercise, "ready_button");
        }
    });
    form->wait_until_ready_timerTimer();
    EXPECT_EQ(modal_windows, (std::vector<std::string>{"PupilLoginDialog", "construction_window"}));
    const auto right = std::count_if(responder.boxes().begin(), responder.boxes().end(), [](const auto& box) {
        return box.text == "Well done! Your construction is correct.";
    });
    EXPECT_EQ(right, 2);
    EXPECT_EQ(responder.last().text, "Objects done: 2     Done correctly: 2      \nExcellent work!")
        << "the guidance's EXIT closed the test after two objects";
    ASSERT_EQ(form->timer_tag(), tag_next_statement);
    const int code = code_of_halt();
    EXPECT_EQ(code, 3);

    const result_chains chains = results_of_anna();
    ASSERT_TRUE(chains.status);
    ASSERT_EQ(chains.exercises[7].size(), 1u) << "one test of exercise 8";
    EXPECT_EQ(chains.exercises[7][0].objects, 2);
    EXPECT_EQ(chains.exercises[7][0].correct, 2);
    EXPECT_EQ(chains.exercises[7][0].level, 1);
}
