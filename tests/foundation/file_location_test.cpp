#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

// The current, start and program directories, each with files of its own.
class FileLocationTest : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::reset_globals_to(program.path());
        start_directory = start.path();
    }
    test_support::temp_dir cwd, start, program;
    test_support::current_directory_change in_cwd{cwd.path()};
};

TEST_F(FileLocationTest, FindFileTriesNameThenStartThenProgramDirectory)
{
    program.write("only-in-program.txt", "p");
    start.write("both.txt", "s");
    program.write("both.txt", "p");
    cwd.write("here.txt", "c");
    program.make_dir("p");
    EXPECT_EQ(find_file("only-in-program.txt", 0).path, program.file("only-in-program.txt"));
    EXPECT_EQ(find_file("BOTH.TXT", 0).path, start.file("both.txt"));
    EXPECT_EQ(find_file("here.txt", 0).path, cwd.file("here.txt"));
    EXPECT_FALSE(find_file("here.txt", find_skip_name_itself).found);
    EXPECT_FALSE(find_file("only-in-program.txt", find_skip_program_directory).found);
    EXPECT_FALSE(find_file("p", 0).found) << "a directory is no file";
    EXPECT_FALSE(find_file(cwd.file("both.txt"), 0).found) << "an absolute name is tried only as itself";
    EXPECT_TRUE(find_file(program.file("BOTH.TXT"), 0).found);
}

TEST_F(FileLocationTest, FileStatusSearchAcceptsOnlyDirectories)
{
    program.make_dir("RESULTS");
    EXPECT_EQ(file_status("results", true).path, program.file("RESULTS"));
    EXPECT_EQ(file_status("results", false).status, file_not_found);
    EXPECT_EQ(file_status(cwd.path(), false).status, file_is_directory);
    cwd.write("DATA", "a file");
    program.write("DATA", "a file too");
    const auto status = file_status("data", true);
    EXPECT_EQ(std::tuple(status.status, status.path), std::tuple(file_is_file, cwd.file("DATA")));
    start.make_dir("DATA");
    EXPECT_EQ(file_status("data", true).path, start.file("DATA"));
    const auto nothing = file_status("nothing", true);
    EXPECT_EQ(std::tuple(nothing.status, nothing.path), std::tuple(file_not_found, cwd.file("NOTHING")));
}

TEST(FileLocation, PrefixAndDefaultExtension)
{
    EXPECT_EQ(prefix_if_relative("a.obj", "/d/").path, "/d/a.obj");
    EXPECT_EQ(prefix_if_relative("/x/a.obj", "/d/").path, "/x/a.obj");
    for (const auto& [name, extended] : {std::pair{"guid1", "guid1.TXT"}, {"guid1.t", "guid1.t"}, {"d.d/f", "d.d/f.TXT"}}) {
        std::string s = name;
        add_default_extension(s, ".TXT");
        EXPECT_EQ(s, extended);
    }
}
