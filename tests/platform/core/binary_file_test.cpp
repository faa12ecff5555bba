#include "platform/core/binary_file.h"
#include "platform/core/child_process.h"
#include "platform/core/file_lock.h"
#include "platform/core/write_faults.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

using platform::binary_file;

class BinaryFileTest : public testing::Test {
protected:
    void TearDown() override
    {
        platform::clear_write_fault();
        platform::set_lock_wait_limit(saved_limit);
    }
    test_support::temp_dir dir;
    std::chrono::milliseconds saved_limit = platform::lock_wait_limit();
};

TEST_F(BinaryFileTest, ModesKeepOrTruncateTheFile)
{
    binary_file f;
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::create));
    ASSERT_TRUE(f.write_at(10, "xyz", 3));
    char got[3] = {};
    ASSERT_TRUE(f.read_at(10, got, 3));
    EXPECT_EQ(std::tuple(f.size(), std::string(got, 3), f.sync()), std::tuple(13u, "xyz", true));
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::read_only));
    EXPECT_EQ((std::pair{f.write_at(0, "J", 1), f.take_error()}), std::pair(false, EBADF)) << "read-only";
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::read_write));
    ASSERT_TRUE(f.write_at(0, "J", 1) && f.truncate(5));
    f.close();
    EXPECT_EQ(dir.read("a.bin"), std::string("J\0\0\0\0", 5));
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::create));
    EXPECT_EQ(f.size(), 0u);

    // The first error of a group is kept until taken.
    char buf[4];
    EXPECT_FALSE(f.open(dir.file("missing.bin"), binary_file::mode::read_write) || f.read_at(0, buf, 1));
    EXPECT_EQ((std::pair{f.take_error(), f.take_error()}), std::pair(ENOENT, 0));
    dir.write("short.bin", "ab");
    ASSERT_TRUE(f.open(dir.file("short.bin"), binary_file::mode::read_only));
    EXPECT_FALSE(f.read_at(0, buf, 4)) << "reading past the end";
    EXPECT_EQ(f.take_error(), EIO);
}

TEST_F(BinaryFileTest, AnInjectedFaultHitsExactlyTheChosenStep)
{
    using platform::write_fault_kind;
    struct fault_case {
        write_fault_kind kind;
        std::size_t torn;
        int exit_code;         // -1: in this process
        std::string written;   // what the file holds after the four steps
    };
    const fault_case cases[] = {
        {write_fault_kind::fail, 0, -1, std::string("ab\0d", 4)},
        {write_fault_kind::tear_and_fail, 2, -1, "abxyd"},
        {write_fault_kind::tear_and_exit, 1, platform::fault_exit_code, "abx"},
        {write_fault_kind::exit_after, 0, platform::fault_exit_code, "abxyz"},
    };
    for (const fault_case& c : cases) {
        dir.write("a.bin", "");
        const auto steps = [&] {
            binary_file f;
            f.open(dir.file("a.bin"), binary_file::mode::read_write);
            platform::inject_write_fault({c.kind, 2, c.torn, ENOSPC});
            const bool first = f.write_at(0, "a", 1) && f.write_at(1, "b", 1);
            const bool third = f.write_at(2, "xyz", 3);
            const int error = f.take_error();
            const bool fourth = f.write_at(c.written.size() - 1, "d", 1);
            return first && !third && error == ENOSPC && fourth && platform::write_steps_seen() == 4 ? 0 : 1;
        };
        if (c.exit_code < 0)
            EXPECT_EQ(steps(), 0);
        else
            EXPECT_EQ(platform::wait_for_child(platform::start_child(steps)), c.exit_code);
        platform::clear_write_fault();
        EXPECT_EQ(dir.read("a.bin"), c.written) << static_cast<int>(c.kind);
    }
}

TEST_F(BinaryFileTest, OpensByNameInAHeldDirectoryAreLockedOpensByPath)
{
    dir.write("a.bin", "xyz");
    dir.make_dir("sub");
    std::filesystem::create_symlink(dir.file("a.bin"), dir.file("link.bin"));
    platform::set_lock_wait_limit(std::chrono::milliseconds(50));
    const platform::open_directory held(dir.path());
    binary_file by_name, by_path;
    ASSERT_TRUE(by_name.open_locked(held, "a.bin", binary_file::mode::read_write));
    EXPECT_EQ(by_name.size_when_locked(), 3u);
    EXPECT_EQ((std::pair{by_path.open_locked(dir.file("a.bin"), binary_file::mode::read_only), by_path.take_error()}),
              std::pair(false, EAGAIN)) << "the same file, the same lock";
    by_name.close();
    for (const auto& [name, error] : {std::pair{"link.bin", ELOOP}, {"sub", EISDIR}, {"none.bin", ENOENT}}) {
        EXPECT_FALSE(by_name.open_locked(held, name, binary_file::mode::read_only)) << name;
        EXPECT_FALSE(by_path.open_locked(dir.file(name), binary_file::mode::read_only)) << name;
        EXPECT_EQ(std::pair(by_name.take_error(), by_path.take_error()), std::pair(error, error)) << name;
    }
    // A directory that cannot be held: its files are opened by whole paths.
    const platform::open_directory not_held(dir.file("a.bin"));
    EXPECT_EQ((std::pair{by_name.open_locked(not_held, "x", binary_file::mode::read_only), by_name.take_error()}),
              std::pair(false, ENOTDIR));
}
