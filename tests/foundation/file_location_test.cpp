#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

class FileLocationTest : public testing::Test {
protected:
    void SetUp() override
    {
        start.make_dir("s");
        program.make_dir("p");
        test_support::reset_globals_to(program.path());
        start_directory = start.path();
    }
    test_support::temp_dir cwd, start, program;
};

TEST_F(FileLocationTest, FindFileTriesNameThenStartThenProgramDirectory)
{
    test_support::current_directory_change in_cwd(cwd.path());
    program.write("only-in-program.txt", "p");
    start.write("both.txt", "s");
    program.write("both.txt", "p");
    cwd.write("here.txt", "c");

    auto found = find_file("only-in-program.txt", 0);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.path, program.file("only-in-program.txt"));
    EXPECT_EQ(find_file("BOTH.TXT", 0).path, start.file("both.txt"));
    EXPECT_EQ(find_file("here.txt", 0).path, cwd.file("here.txt"));
    EXPECT_FALSE(find_file("here.txt", find_skip_name_itself).found);
    EXPECT_FALSE(find_file("only-in-program.txt", find_skip_program_directory).found);
    EXPECT_FALSE(find_file("p", 0).found) << "a directory is no file";
}

TEST_F(FileLocationTest, AbsoluteNamesAreTriedOnlyAsThemselves)
{
    program.write("x.txt", "p");
    EXPECT_FALSE(find_file(cwd.file("x.txt"), 0).found);
    EXPECT_TRUE(find_file(program.file("X.TXT"), 0).found);
}

TEST_F(FileLocationTest, FileStatusSearchAcceptsOnlyDirectories)
{
    test_support::current_directory_change in_cwd(cwd.path());
    program.make_dir("RESULTS");
    auto status = file_status("results", true);
    EXPECT_EQ(status.status, file_is_directory);
    EXPECT_EQ(status.path, program.file("RESULTS"));

    cwd.write("DATA", "a file");
    program.write("DATA", "a file too");
    status = file_status("data", true);
    EXPECT_EQ(status.status, file_is_file);
    EXPECT_EQ(status.path, cwd.file("DATA"));

    start.make_dir("DATA");
    EXPECT_EQ(file_status("data", true).path, start.file("DATA"));

    status = file_status("nothing", true);
    EXPECT_EQ(status.status, file_not_found);
    EXPECT_EQ(status.path, cwd.file("NOTHING"));
    EXPECT_EQ(file_status("results", false).status, file_not_found);
    EXPECT_EQ(file_status(cwd.path(), false).status, file_is_directory);
}

TEST(FileLocation, PrefixAndDefaultExtension)
{
    EXPECT_EQ(prefix_if_relative("a.obj", "/d/").path, "/d/a.obj");
    EXPECT_TRUE(prefix_if_relative("a.obj", "/d/").relative);
    EXPECT_FALSE(prefix_if_relative("/x/a.obj", "/d/").relative);
    EXPECT_EQ(prefix_if_relative("/x/a.obj", "/d/").path, "/x/a.obj");
    std::string name = "guid1";
    add_default_extension(name, ".TXT");
    EXPECT_EQ(name, "guid1.TXT");
    add_default_extension(name, ".obj");
    EXPECT_EQ(name, "guid1.TXT");
    name = "dir.d/file";
    add_default_extension(name, ".obj");
    EXPECT_EQ(name, "dir.d/file.obj");
}
