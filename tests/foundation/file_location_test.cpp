#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

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
    EXPECT_EQ(std::tuple(find_file("only-in-program.txt", 0).path, find_file("BOTH.TXT", 0).path, find_file("here.txt", 0).path),
              std::tuple(program.file("only-in-program.txt"), start.file("both.txt"), cwd.file("here.txt")));
    // Skipped places, a directory (no file), an absolute name (tried only as itself).
    EXPECT_EQ(std::tuple(find_file("here.txt", find_skip_name_itself).found, find_file("only-in-program.txt", find_skip_program_directory).found,
                         find_file("p", 0).found, find_file(cwd.file("both.txt"), 0).found, find_file(program.file("BOTH.TXT"), 0).found),
              std::tuple(false, false, false, false, true));
}

TEST_F(FileLocationTest, FileStatusSearchAcceptsOnlyDirectories)
{
    program.make_dir("RESULTS");
    EXPECT_EQ(std::tuple(file_status("results", true).path, file_status("results", false).status, file_status(cwd.path(), false).status),
              std::tuple(program.file("RESULTS"), file_not_found, file_is_directory));
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
    EXPECT_EQ(std::pair(prefix_if_relative("a.obj", "/d/").path, prefix_if_relative("/x/a.obj", "/d/").path),
              std::pair(std::string("/d/a.obj"), std::string("/x/a.obj")));
    for (const auto& [name, extended] : {std::pair{"guid1", "guid1.TXT"}, {"guid1.t", "guid1.t"}, {"d.d/f", "d.d/f.TXT"}}) {
        std::string s = name;
        add_default_extension(s, ".TXT");
        EXPECT_EQ(s, extended);
    }
}
