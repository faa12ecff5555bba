#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

TEST(StartUp, ReadsSettingsAndTextsFromTheProgramDirectory)
{
    test_support::temp_dir program, cwd;
    test_support::current_directory_change in_cwd(cwd.path());
    program.write("WinTola.ini", "[GENERAL]\nText File=my.txt\nStore Settings between Sessions=yes\n");
    program.write("MY.TXT", "$[MESSAGES_CAPTION]\nTutor\n$[OUT_OF_MEMORY]\nNo memory left\n");
    platform::scripted_responder responder;
    start_up_foundation(program.file("students_manager"));
    EXPECT_EQ(responder.count(), 0u);
    EXPECT_EQ(program_directory, program.path());
    EXPECT_EQ(start_directory, cwd.path());
    EXPECT_EQ(settings_file_path, program.file("WinTola.ini"));
    EXPECT_TRUE(store_settings_between_sessions);
    EXPECT_EQ(message_caption, "Tutor");
    EXPECT_EQ(out_of_memory_message, "No memory left");
}

TEST(StartUp, MissingSettingsFileGoesOnWithDefaultsAndMissingTextFileStops)
{
    test_support::temp_dir program, cwd;
    test_support::current_directory_change in_cwd(cwd.path());
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    try {
        start_up_foundation(program.file("students_manager"));
        FAIL() << "start-up went on without a text file";
    } catch (const platform::program_stopped& stop) {
        EXPECT_EQ(stop.code, 1);
    }
    ASSERT_EQ(responder.count(), 2u);
    EXPECT_EQ(responder.boxes()[0].text,
              "There is a problem with the file " + platform::ascii_upper(program.file("WinTola.ini")));
    EXPECT_EQ(responder.boxes()[1].text, "The text file \"WINTOLA.TXT\" was not found!");
    EXPECT_FALSE(store_settings_between_sessions);
}

TEST(StartUp, TextFileIsAlsoFoundInTheStartDirectoryAndAnEmptyNameMeansTheDefault)
{
    test_support::temp_dir program, cwd;
    test_support::current_directory_change in_cwd(cwd.path());
    program.write("WinTola.ini", "[GENERAL]\nText File=\n");
    cwd.write("wintola.txt", "$[MESSAGES_CAPTION]\nFrom start\n");
    platform::scripted_responder responder;
    start_up_foundation(program.file("students_manager"));
    EXPECT_EQ(message_caption, "From start");
    EXPECT_EQ(out_of_memory_message, "") << "assigned even when the entry is empty";
}
