#include "platform/core/file_system.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(FileSystem, NamesAreFoundWithoutRegardToCase)
{
    test_support::temp_dir dir;
    dir.make_dir("Results");
    dir.write("Results/Smith.results", "x");
    EXPECT_EQ(resolve_ignoring_case(dir.file("RESULTS/SMITH.RESULTS")), dir.file("Results/Smith.results"));
    EXPECT_EQ(resolve_ignoring_case(dir.file("results/NEW.results")), dir.file("Results/NEW.results"));
    EXPECT_EQ(resolve_ignoring_case(dir.file("Results")), dir.file("Results"));
}

TEST(FileSystem, StatusListingAndFullPaths)
{
    test_support::temp_dir dir;
    dir.make_dir("sub");
    dir.write("a.txt", "1");
    dir.write(".hidden", "1");
    EXPECT_EQ(path_status(dir.file("sub")).kind, entry_kind::directory);
    EXPECT_EQ(path_status(dir.file("a.txt")).kind, entry_kind::file);
    EXPECT_EQ(path_status(dir.file("none")).kind, entry_kind::missing);
    EXPECT_EQ(list_files(dir.path()), std::vector<std::string>{"a.txt"});
    EXPECT_EQ(full_path("/x/y/../z/./w"), "/x/z/w");
    EXPECT_TRUE(is_absolute_path("/a"));
    EXPECT_FALSE(is_absolute_path("a/b"));
    EXPECT_EQ(current_directory().back(), '/');
}

TEST(FileSystem, AtomicReplaceWritesWholeContentsOrNothing)
{
    test_support::temp_dir dir;
    ASSERT_TRUE(replace_file_atomically(dir.file("f"), "new contents"));
    EXPECT_EQ(read_whole_file(dir.file("f")), "new contents");
    EXPECT_FALSE(replace_file_atomically(dir.file("missing/f"), "x"));
    EXPECT_FALSE(read_whole_file(dir.file("missing/f")));
}

TEST(FileSystem, ReadingTellsOpeningFromReadingFailures)
{
    test_support::temp_dir dir;
    const std::string big(200000, 'x');   // more than one buffer
    ASSERT_TRUE(replace_file_atomically(dir.file("big"), big));
    const file_contents read = read_file_contents(dir.file("big"));
    EXPECT_EQ(read.outcome, read_outcome::read);
    EXPECT_EQ(read.text, big);
    EXPECT_EQ(read_file_contents(dir.file("missing")).outcome, read_outcome::cannot_open);
    // This file opens, but reading its first bytes fails with an input/output error.
    const file_contents failed = read_file_contents("/proc/self/mem");
    EXPECT_EQ(failed.outcome, read_outcome::read_error);
    EXPECT_EQ(failed.text, "");
    EXPECT_FALSE(read_whole_file("/proc/self/mem"));
}
