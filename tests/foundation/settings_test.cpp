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

TEST_F(SettingsTest, ValuesAreCutAt200AndMissingKeysGiveTheDefault)
{
    dir.write("WinTola.ini", "[general]\nLong=" + std::string(300, 'v') + "\nshort=abc\n");
    EXPECT_EQ(read_setting("", "GENERAL", "long", "d"), std::string(200, 'v'));
    EXPECT_EQ(read_setting("", "General", "SHORT", "d"), "abc");
    EXPECT_EQ(read_setting("", "GENERAL", "none", "d"), "d");
    EXPECT_EQ(read_setting(dir.file("other.ini"), "GENERAL", "short", "d"), "d");
}

TEST_F(SettingsTest, YesNoReadsOnlyTheFirstCharacter)
{
    dir.write("WinTola.ini", "[G]\na=true\nb=Yes\nc=1\nd=no\ne=\nf=t\ng=yyy-and-more\n");
    EXPECT_TRUE(read_yes_no_setting("", "G", "a", false));
    EXPECT_TRUE(read_yes_no_setting("", "G", "b", false));
    EXPECT_FALSE(read_yes_no_setting("", "G", "c", true));
    EXPECT_FALSE(read_yes_no_setting("", "G", "d", true));
    EXPECT_FALSE(read_yes_no_setting("", "G", "e", true));
    EXPECT_TRUE(read_yes_no_setting("", "G", "f", false));
    EXPECT_TRUE(read_yes_no_setting("", "G", "g", false));
    EXPECT_TRUE(read_yes_no_setting("", "G", "missing", true));
    EXPECT_FALSE(read_yes_no_setting("", "G", "missing", false));
}

TEST_F(SettingsTest, WriteKeepsOtherLinesAndTheFileIsFoundWithoutRegardToCase)
{
    dir.write("wintola.INI", "; teacher's note\n[GENERAL]\nText File=A.TXT\n[OBJECT FILES]\nFile1=cube\n");
    ASSERT_TRUE(write_setting("", "general", "text file", "B.TXT"));
    EXPECT_EQ(dir.read("wintola.INI"), "; teacher's note\n[GENERAL]\nText File=B.TXT\n[OBJECT FILES]\nFile1=cube\n");
    EXPECT_EQ(read_setting("", "GENERAL", "Text File", ""), "B.TXT");
    settings_on_cd_rom = true;
    EXPECT_FALSE(write_setting("", "GENERAL", "Text File", "C.TXT"));
    EXPECT_EQ(read_setting("", "GENERAL", "Text File", ""), "B.TXT");
}

TEST_F(SettingsTest, MissingSettingsFileIsReportedAndFatalOnlyWhenAsked)
{
    platform::scripted_responder responder;
    check_settings_file(false);
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "There is a problem with the file " + platform::ascii_upper(dir.file("WinTola.ini")));
    EXPECT_EQ(responder.last().flags, 16u);

    platform::throwing_exit_guard guard;
    EXPECT_THROW(check_settings_file(true), platform::program_stopped);

    dir.write("WinTola.ini", "[GENERAL]\n");
    responder.clear();
    check_settings_file(true);
    EXPECT_EQ(responder.count(), 0u);
}
