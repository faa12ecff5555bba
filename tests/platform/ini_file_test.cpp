#include "platform/ini_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

TEST(IniFile, SectionsAndKeysMatchWithoutRegardToCaseAndBlanksAreDropped)
{
    const std::string text = "; comment\n[General]\n  Text File = other.txt \r\nkey=1\n[Second]\nkey=2\n";
    EXPECT_EQ(ini_find(text, "GENERAL", "text file"), "other.txt");
    EXPECT_EQ(ini_find(text, "second", "KEY"), "2");
    EXPECT_EQ(ini_find(text, "general", "key"), "1");
    EXPECT_FALSE(ini_find(text, "general", "missing"));
    EXPECT_FALSE(ini_find(text, "missing", "key"));
    EXPECT_FALSE(ini_find("[A]\n;key=1\n", "A", ";key"));
    EXPECT_EQ(ini_find("[A]\nempty=\n", "A", "empty"), "");
}

TEST(IniFile, UpdateReplacesInsertsOrAppendsAndKeepsEveryOtherLine)
{
    const std::string text = "; keep me\n[A]\nx=1\n\n; note\n[B]\ny=2\n";
    EXPECT_EQ(ini_update(text, "a", "X", "5"), "; keep me\n[A]\nx=5\n\n; note\n[B]\ny=2\n");
    EXPECT_EQ(ini_update(text, "A", "z", "3"), "; keep me\n[A]\nx=1\nz=3\n\n; note\n[B]\ny=2\n");
    EXPECT_EQ(ini_update(text, "C", "w", "4"), text + "[C]\nw=4\n");
    EXPECT_EQ(ini_update("", "S", "k", "v"), "[S]\nk=v\n");
    EXPECT_EQ(ini_update("[E]\n", "E", "k", "v"), "[E]\nk=v\n");
    // A file with CR LF line ends keeps them on the lines written.
    EXPECT_EQ(ini_update("[A]\r\nx=1\r\n", "A", "x", "2"), "[A]\r\nx=2\r\n");
    EXPECT_EQ(ini_update("[A]\r\nx=1\r\n", "B", "y", "3"), "[A]\r\nx=1\r\n[B]\r\ny=3\r\n");
}

TEST(IniFile, WriteCreatesAndRewritesTheFileAndLeavesNoTemporaryBehind)
{
    test_support::temp_dir dir;
    ASSERT_TRUE(ini_write(dir.file("s.ini"), "GENERAL", "Key", "one"));
    ASSERT_TRUE(ini_write(dir.file("s.ini"), "general", "key", "two"));
    EXPECT_EQ(dir.read("s.ini"), "[GENERAL]\nKey=two\n");
    EXPECT_EQ(ini_read(dir.file("s.ini"), "GENERAL", "KEY"), "two");
    EXPECT_FALSE(ini_write(dir.file("no-such-dir/s.ini"), "A", "b", "c"));
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}
