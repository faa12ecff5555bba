#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

class StartUpTest : public testing::Test {
protected:
    test_support::temp_dir program, cwd;
    test_support::current_directory_change in_cwd{cwd.path()};
    platform::scripted_responder responder;
};

TEST_F(StartUpTest, ReadsSettingsAndTextsFromTheProgramDirectory)
{
    program.write("WinTola.ini", "[GENERAL]\nText File=my.txt\nStore Settings between Sessions=yes\n");
    program.write("MY.TXT", "$[MESSAGES_CAPTION]\nTutor\n$[OUT_OF_MEMORY]\nNo memory left\n");
    start_up_foundation(program.file("students_manager"));
    EXPECT_EQ(std::tuple(responder.count(), program_directory, start_directory, settings_file_path, store_settings_between_sessions,
                         message_caption, out_of_memory_message),
              std::tuple(0u, program.path(), cwd.path(), program.file("WinTola.ini"), true, "Tutor", "No memory left"));
}

TEST_F(StartUpTest, MissingSettingsFileGoesOnWithDefaultsAndMissingTextFileStops)
{
    platform::throwing_exit_guard guard;
    EXPECT_THROW(start_up_foundation(program.file("students_manager")), platform::program_stopped);
    ASSERT_EQ(responder.count(), 2u);
    EXPECT_EQ(std::tuple(responder.boxes()[0].text, responder.boxes()[1].text, store_settings_between_sessions),
              std::tuple("There is a problem with the file " + platform::ascii_upper(program.file("WinTola.ini")),
                         "The text file \"WINTOLA.TXT\" was not found!", false));
}
