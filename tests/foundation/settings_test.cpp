#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/core/file_system.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { test_support::reset_globals_to(dir.path()); }
    test_support::temp_dir dir;
};

TEST_F(SettingsTest, ValuesAreCutAt200AndYesNoReadsTheFirstCharacter)
{
    dir.write("WinTola.ini", "[general]\nLong=" + std::string(300, 'v') + "\nshort=abc\n"
                             "a=true\nb=Yes\nc=1\nd=no\ne=\nf=t\n");
    EXPECT_EQ(std::tuple(read_setting("", "GENERAL", "long", "d"), read_setting("", "General", "SHORT", "d"),
                         read_setting("", "GENERAL", "none", "d"), read_setting(dir.file("other.ini"), "GENERAL", "short", "d")),
              std::tuple(std::string(200, 'v'), "abc", "d", "d"));
    std::string yes_no;
    for (const char* key : {"a", "b", "c", "d", "e", "f"})
        yes_no += read_yes_no_setting("", "GENERAL", key, true) ? 'y' : 'n';
    EXPECT_EQ(yes_no + (read_yes_no_setting("", "GENERAL", "missing", false) ? 'y' : 'n'), "yynnnyn");
}

TEST_F(SettingsTest, WriteKeepsOtherLinesAndTheFileIsFoundWithoutRegardToCase)
{
    dir.write("wintola.INI", "; teacher's note\n[GENERAL]\nText File=A.TXT\n[OBJECT FILES]\nFile1=cube\n");
    ASSERT_TRUE(write_setting("", "general", "text file", "B.TXT"));
    EXPECT_EQ(dir.read("wintola.INI"), "; teacher's note\n[GENERAL]\nText File=B.TXT\n[OBJECT FILES]\nFile1=cube\n");
    settings_on_cd_rom = true;
    EXPECT_FALSE(write_setting("", "GENERAL", "Text File", "C.TXT") || read_setting("", "GENERAL", "Text File", "") != "B.TXT");
}

TEST_F(SettingsTest, AMissingSettingsFileIsReportedAndStopsOnlyWhenFatal)
{
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    check_settings_file(false);
    EXPECT_THROW(check_settings_file(true), platform::program_stopped);
    EXPECT_EQ(responder.count(), 2u);
}
