#include "platform/core/child_process.h"
#include "platform/core/file_system.h"
#include "platform/core/ini_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

TEST(IniFile, UpdateReplacesInsertsOrAppendsAndKeepsEveryOtherLine)
{
    const std::string text = "; keep me\n[A]\nx=1\n\n; note\n[B]\ny=2\n";
    // A file with CR LF line ends keeps them on the lines written.
    const std::tuple<std::string, const char*, const char*, std::string> cases[] = {
        {text, "a", "X", "; keep me\n[A]\nx=5\n\n; note\n[B]\ny=2\n"},
        {text, "A", "z", "; keep me\n[A]\nx=1\nz=5\n\n; note\n[B]\ny=2\n"},
        {text, "C", "w", text + "[C]\nw=5\n"},
        {"[A]\r\nx=1\r\n", "B", "y", "[A]\r\nx=1\r\n[B]\r\ny=5\r\n"}};
    for (const auto& [before, section, key, after] : cases)
        EXPECT_EQ(ini_update(before, section, key, "5"), after) << before;
}

// Written whole or not at all, through a link with its mode kept, never
// over a file that could not be read.
TEST(IniFile, WritesReplaceTheWholeFileOrNothing)
{
    test_support::temp_dir dir;
    dir.make_dir("real");
    ASSERT_TRUE(ini_write(dir.file("real/s.ini"), "GENERAL", "Key", "one").written);
    ASSERT_TRUE(ini_write(dir.file("real/s.ini"), "general", "key", "two").written);
    EXPECT_EQ(std::pair(dir.read("real/s.ini"), ini_read(dir.file("real/s.ini"), "GENERAL", "KEY")),
              std::pair(std::string("[GENERAL]\nKey=two\n"), std::optional<std::string>("two")));
    EXPECT_FALSE(ini_write(dir.file("no-such-dir/s.ini"), "A", "b", "c").written);
    std::filesystem::permissions(dir.file("real/s.ini"), std::filesystem::perms(0640));
    std::filesystem::create_symlink("real/s.ini", dir.file("s.ini"));
    ASSERT_TRUE(ini_write(dir.file("s.ini"), "GENERAL", "y", "2").written);
    EXPECT_EQ(std::tuple(std::filesystem::is_symlink(dir.file("s.ini")), dir.read("real/s.ini"),
                         std::filesystem::status(dir.file("real/s.ini")).permissions()),
              std::tuple(true, "[GENERAL]\nKey=two\ny=2\n", std::filesystem::perms(0640)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("real")), {}), 1) << "no temporary left";
    fail_next_file_open();
    const file_update update = ini_write(dir.file("s.ini"), "GENERAL", "d", "4");
    EXPECT_TRUE(!update.written && update.unreadable && update.error_number != 0);
    EXPECT_EQ(dir.read("real/s.ini"), "[GENERAL]\nKey=two\ny=2\n");
}

TEST(IniFile, WritersInSeveralProcessesKeepEachOthersKeys)
{
    test_support::temp_dir dir;
    const std::string path = dir.file("s.ini");
    constexpr int writers = 4, keys = 15;
    std::vector<int> children;
    for (int w = 0; w < writers; ++w)
        children.push_back(start_child([&, w] {
            for (int k = 0; k < keys; ++k)
                if (!ini_write(path, "S", "w" + std::to_string(w) + "k" + std::to_string(k), "v").written)
                    return 1;
            return 0;
        }));
    for (const int child : children)
        EXPECT_EQ(wait_for_child(child), 0);
    const std::string text = dir.read("s.ini");
    for (int w = 0; w < writers; ++w)
        for (int k = 0; k < keys; ++k)
            EXPECT_EQ(ini_find(text, "S", "w" + std::to_string(w) + "k" + std::to_string(k)), "v") << w << " " << k;
}
