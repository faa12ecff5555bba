#include "platform/core/file_system.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(FileSystem, StatusListingFullPathsAndWholeFiles)
{
    test_support::temp_dir dir;
    dir.make_dir("sub");
    dir.write(".hidden", "1");
    const std::string big(200000, 'x');   // more than one buffer
    ASSERT_TRUE(replace_file_atomically(dir.file("a.txt"), big));
    EXPECT_FALSE(replace_file_atomically(dir.file("missing/f"), "x"));
    EXPECT_EQ(std::tuple(path_status(dir.file("sub")).kind, path_status(dir.file("a.txt")).kind, path_status(dir.file("none")).kind),
              std::tuple(entry_kind::directory, entry_kind::file, entry_kind::missing));
    EXPECT_EQ(std::tuple(list_files(dir.path()), full_path("/x/y/../z/./w"), is_absolute_path("/a"), is_absolute_path("a/b"),
                         current_directory().back()),
              std::tuple(std::vector<std::string>{"a.txt"}, "/x/z/w", true, false, '/'));
    const file_contents read = read_file_contents(dir.file("a.txt"));
    EXPECT_EQ(std::tuple(read.outcome, read.text == big, read_file_contents(dir.file("none")).outcome),
              std::tuple(read_outcome::read, true, read_outcome::cannot_open));
    // This file opens, but reading its first bytes fails with an input/output error.
    const file_contents failed = read_file_contents("/proc/self/mem");
    EXPECT_EQ(std::tuple(failed.outcome, failed.text, read_whole_file("/proc/self/mem").has_value()),
              std::tuple(read_outcome::read_error, "", false));
}
