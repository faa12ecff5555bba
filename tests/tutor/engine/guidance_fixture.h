#pragma once
// A program folder with a student files directory, the guidance's texts, a
// scripted responder, an intercepted exit and a clock the test moves.

#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tutor/engine/guidance.h"
#include "tutor/engine/guidance_compiler.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

inline const char* const guidance_texts =
    "$[END_OF_GUIDANCE]\nThe end.\n"
    "$[FORCED_END_OF_GUIDANCE]\nStopped\nby\nHALT\n"
    "$[OTHER_GUIDANCE_FINISHED_MESSAGES]\nE1\nE2\nE3\nE4\nE5\n"
    "$[RESULTS_ERROR_MESSAGES]\nQ1 \n Q2\nCannot use it\nIO \n at \n-\n";

inline constexpr double one_minute = 1.0 / 1440;

// The compiled table of a guidance text, or the compile error.
inline tutor::engine::guidance_compilation compiled(std::string_view text, int theory_chapters = 4)
{
    const tutor::engine::guidance_reading reading = tutor::engine::split_guidance_text(text, "test.txt");
    return compile_guidance(reading.text, theory_chapters);
}

// The exit code of the program's end inside f; -1 (and a failure) when it did not end.
template <class F>
int exit_code_of(F&& f)
{
    try {
        f();
    } catch (const platform::program_stopped& stop) {
        return stop.code;
    }
    ADD_FAILURE() << "the program did not stop";
    return -1;
}

class GuidanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::reset_globals_to(program.path());
        std::string problem;
        foundation::text_handler = std::make_unique<foundation::Ttextfile_handler>(foundation::Ttextfile_handler::from_text(guidance_texts, problem));
        program.make_dir("RESULTS");
        student_files::student_data_files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    void TearDown() override
    {
        student_files::student_data_files.reset();
        foundation::text_handler.reset();
    }

    // A guidance object of the text, on the test's clock.
    std::unique_ptr<tutor::engine::Tguidance_object> make_guidance(std::string_view text)
    {
        auto g = std::make_unique<tutor::engine::Tguidance_object>(text, "test.txt");
        g->set_clock([this] { return now; });
        return g;
    }

    // A pupil with a fresh results file, logged in.
    void log_in(tutor::engine::Tguidance_object& g, const std::string& pupil, bool on, bool switchable, bool restart)
    {
        ASSERT_TRUE(student_files::student_data_files->create_results_file(pupil, "secret", on, switchable, restart, true));
        student_files::results_format::settings s;
        ASSERT_TRUE(student_files::student_data_files->read_settings(pupil, s));
        g.restore_state(pupil, s);
    }

    student_files::results_format::settings stored_settings(const std::string& pupil)
    {
        student_files::results_format::settings s;
        EXPECT_TRUE(student_files::student_data_files->read_settings(pupil, s));
        return s;
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    platform::throwing_exit_guard exit_guard;
    double now = 45000.5;
};
