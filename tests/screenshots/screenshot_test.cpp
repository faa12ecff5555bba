#include "foundation/date_time.h"
#include "foundation/textfile_handler.h"
#include "student_files/concise_results.h"
#include "tests/program_shell/program_fixture.h"
#include "tests/screenshots/screen_picture.h"
#include "tutor/windows/ExerciseForm.h"
#include "tutor/windows/LoginDialog.h"
#include "tutor/windows/TheoryForm.h"
#include "tutor/windows/exercise_windows.h"

#include <QLabel>

using namespace geometry::drawing;
using namespace manager;

using namespace foundation;
using namespace student_files;
using namespace geometry::model;
using namespace tutor::engine;
using namespace tutor::windows;
using namespace program_shell;

namespace {

const std::vector<std::string> students{"Anna Jansen", "Eva Visser", "Smith, John"};

// A window made ready to be looked at, and the name of its picture.
struct window_case {
    const char* name;
    std::function<QWidget&(application& w)> show;
};

void PrintTo(const window_case& c, std::ostream* out)
{
    *out << c.name;
}

QWidget& shown(QWidget& window)
{
    window.show();
    QApplication::processEvents();
    return window;
}

// The exercise's window with its first object, every chance taking the first choice.
QWidget& exercise(application& w, int k)
{
    TPracticeForm* window = w.exercises.window_for(k);
    window->set_random_source([](int) { return 0; });
    if (auto* drawing = dynamic_cast<TExerciseForm*>(window))
        drawing->set_choice_source([](int) { return 0; });
    window->set_up_exercise(k, exercise_served_by(k).variant, 1, false);
    window->install_first_object();
    return shown(*window);
}

QWidget& manager_main_window(application& w)
{
    shown(w.main_form);
    w.main_form.TimerTimer();
    w.main_form.TimerTimer();
    // The student files directory lies in a fresh temporary folder each run.
    auto* directory = w.main_form.findChild<QLabel*>("directory_is_label");
    directory->setText(directory->text().replace(QString::fromStdString(program_directory), "/home/teacher/"));
    return w.main_form;
}

QWidget& concise_results(application& w)
{
    w.concise_dialog.tell_parameters_before_show(without_mnemonic(text_handler->read_entry("STUDENTS_MANAGER", 6)),
                                                 concise_results_items(*student_data_files, students).items);
    return shown(w.concise_dialog);
}

QWidget& tutor_main_window(application& w)
{
    shown(w.tutor_main_form).findChild<QTimer*>("wait_until_ready_timer")->stop();   // no login over it
    return w.tutor_main_form;
}

QWidget& theory_window(application& w)
{
    auto* theory = w.tutor_main_form.findChild<TTheoryForm*>();
    theory->tell_chapter_before_show(2);
    theory->tell_object_before_show(w.tutor_main_form.solid());
    return shown(*theory);
}

const window_case windows[] = {
    {"students_manager_main_window", manager_main_window},
    {"create_results_file_dialog", [](application& w) -> QWidget& { return shown(w.create_dialog); }},
    {"edit_results_file_dialog",
     [](application& w) -> QWidget& { return w.edit_dialog.tell_file_name("Anna Jansen"), shown(w.edit_dialog); }},
    {"results_window",
     [](application& w) -> QWidget& { return w.results_form.tell_pupil_name_before_FormShow("Anna Jansen"), shown(w.results_form); }},
    {"concise_results_dialog", concise_results},
    {"about_box", [](application& w) -> QWidget& { return shown(w.about_form); }},
    {"tutor_main_window", tutor_main_window},
    {"pupil_login_dialog",
     [](application& w) -> QWidget& { return shown(*w.tutor_main_form.findChild<TPupilLoginDialog*>()); }},
    {"theory_window", theory_window},
    {"exercise_1_colouring", [](application& w) -> QWidget& { return exercise(w, 1); }},
    {"exercise_3_indicating_an_edge", [](application& w) -> QWidget& { return exercise(w, 3); }},
    {"exercise_5_adding_lines", [](application& w) -> QWidget& { return exercise(w, 5); }},
    {"exercise_8_constructing_views", [](application& w) -> QWidget& { return exercise(w, 8); }},
};

} // namespace

class Screenshot : public program_fixture<testing::TestWithParam<window_case>> {
protected:
    void SetUp() override
    {
        program_fixture::SetUp();
        QApplication::setCursorFlashTime(0);   // a text cursor that does not blink
        add_student("Anna Jansen", 3);
        add_student("Eva Visser", 0);
        add_student("Smith, John", 1);
        windows = std::make_unique<application>();
    }
    // Results of exercises 1, 2, ... on fixed days, each 4 minutes and 7 seconds long.
    static void add_student(const std::string& name, int results)
    {
        ASSERT_TRUE(student_data_files->create_results_file(name, "secret", true, true, false, true));
        for (int i = 0; i < results; ++i) {
            const Tdate_time start = encode_date_time({2024, 3, 4 + i, 9, 30, 0});
            ASSERT_TRUE(student_data_files->add_result(name, 1 + i, start, start + 247.0 / 86400, 1 + i % 3, 10, 7 + i));
        }
    }
};

TEST_P(Screenshot, TheWindowLooksAsReviewed)
{
    QWidget& window = GetParam().show(*windows);
    EXPECT_EQ(screen_picture::check(window.grab().toImage(), GetParam().name), "");
    EXPECT_EQ(responder.count(), 0u) << responder.last().text;
}

INSTANTIATE_TEST_SUITE_P(Windows, Screenshot, testing::ValuesIn(windows),
                         [](const testing::TestParamInfo<window_case>& info) { return std::string(info.param.name); });
