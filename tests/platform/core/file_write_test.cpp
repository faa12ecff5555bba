#include "platform/core/binary_file.h"
#include "platform/core/child_process.h"
#include "platform/core/file_system.h"
#include "platform/core/file_write.h"
#include "platform/core/write_faults.h"
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

TEST(FileWrite, ACreationStoppedAtAnyStepLeavesTheWholeFileOrNone)
{
    test_support::temp_dir dir;
    clear_write_fault();
    ASSERT_TRUE(create_file_exclusively(dir.file("probe"), "0123456789"));
    const int steps = write_steps_seen();
    for (int k = 0; k < steps; ++k) {
        for (const write_fault_kind kind : {write_fault_kind::fail, write_fault_kind::tear_and_exit}) {
            const std::string path = dir.file("f" + std::to_string(k) + "_" + std::to_string(static_cast<int>(kind)));
            const int child = start_child([&] {
                inject_write_fault({kind, k, 4, EIO});
                return create_file_exclusively(path, "0123456789") ? 0 : 1;
            });
            const int code = wait_for_child(child);
            EXPECT_TRUE(code == 1 || code == fault_exit_code) << k;
            if (fs::exists(path)) {
                EXPECT_EQ(read_whole_file(path), "0123456789") << "step " << k;
            }
        }
    }
    remove_stale_temporaries(dir.path());
    for (const std::string& name : entries_of(dir.path()))
        EXPECT_FALSE(is_temporary_name(name)) << name;
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
