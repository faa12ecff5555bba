#include "platform/core/binary_file.h"
#include "platform/core/file_write.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

using namespace platform;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> entries_of(const std::string& directory)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(directory))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(FileWrite, AnExclusiveCreationNeverReplacesWhatStandsThere)
{
    test_support::temp_dir dir;
    dir.write("taken", "old");
    fs::create_symlink(dir.file("elsewhere"), dir.file("dangling"));
    for (const char* name : {"taken", "dangling"}) {
        errno = 0;
        EXPECT_FALSE(create_file_exclusively(dir.file(name), "new")) << name;
        EXPECT_EQ(errno, EEXIST) << name;
    }
    ASSERT_TRUE(create_file_exclusively(dir.file("fresh"), "contents"));
    EXPECT_EQ(std::tuple(dir.read("taken"), fs::exists(dir.file("elsewhere")), dir.read("fresh")), std::tuple("old", false, "contents"))
        << "the link is not followed";
    EXPECT_EQ(entries_of(dir.path()), (std::vector<std::string>{"dangling", "fresh", "taken"})) << "no temporary is left";
}

TEST(FileWrite, ATemporaryInUseIsNotTakenForALeftOver)
{
    test_support::temp_dir dir;
    const std::string name = ".students-manager-tmp-inuse";
    ASSERT_TRUE(is_temporary_name(name));
    dir.write(name, "x");
    binary_file in_use;
    ASSERT_TRUE(in_use.open_locked(dir.file(name), binary_file::mode::read_write));
    remove_stale_temporaries(dir.path());
    EXPECT_TRUE(fs::exists(dir.file(name))) << "in use";
    in_use.close();
    remove_stale_temporaries(dir.path());
    EXPECT_FALSE(fs::exists(dir.file(name)));
}

// A teacher's program running as an administrator must not take a pupil's
// file away from its owner: the tutor would then be refused it.
TEST(FileWrite, AReplacedFileKeepsAnotherUsersOwnership)
{
    test_support::temp_dir dir;
    dir.write("f", "old");
    if (std::system(("chown 65534:65534 '" + dir.file("f") + "' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "only a user who may give files away can set this up";
    ASSERT_TRUE(replace_file_atomically(dir.file("f"), "new"));
    EXPECT_EQ(dir.read("f"), "new");
    EXPECT_EQ(std::system(("test \"$(stat -c %u:%g '" + dir.file("f") + "')\" = 65534:65534").c_str()), 0);
}
