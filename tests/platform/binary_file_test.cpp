#include "platform/binary_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>

using platform::binary_file;

class BinaryFileTest : public testing::Test {
protected:
    void TearDown() override { platform::fail_write_after(-1, 0); }
    test_support::temp_dir dir;
};

TEST_F(BinaryFileTest, CreateWriteReadAtOffsets)
{
    binary_file f;
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::create));
    EXPECT_EQ(f.size(), 0u);
    ASSERT_TRUE(f.write_at(10, "xyz", 3));
    EXPECT_EQ(f.size(), 13u);
    char got[3] = {};
    ASSERT_TRUE(f.read_at(10, got, 3));
    EXPECT_EQ(std::string(got, 3), "xyz");
    EXPECT_TRUE(f.sync());
    f.close();
    EXPECT_EQ(f.take_error(), 0);
    EXPECT_EQ(dir.read("a.bin"), std::string(10, '\0') + "xyz");
}

TEST_F(BinaryFileTest, ModesKeepOrTruncateTheFile)
{
    dir.write("a.bin", "hello world");
    binary_file f;
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::read_only));
    EXPECT_EQ(f.size(), 11u);
    EXPECT_FALSE(f.write_at(0, "J", 1)) << "read-only";
    EXPECT_EQ(f.take_error(), EBADF);
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::read_write));
    ASSERT_TRUE(f.write_at(0, "J", 1));
    ASSERT_TRUE(f.truncate(5));
    f.close();
    EXPECT_EQ(dir.read("a.bin"), "Jello");
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::create));
    EXPECT_EQ(f.size(), 0u);
}

TEST_F(BinaryFileTest, ErrorsStayPendingUntilTaken)
{
    binary_file f;
    EXPECT_FALSE(f.open(dir.file("missing.bin"), binary_file::mode::read_write));
    EXPECT_FALSE(f.is_open());
    EXPECT_EQ(f.pending_error(), ENOENT);
    char c;
    EXPECT_FALSE(f.read_at(0, &c, 1));
    EXPECT_EQ(f.take_error(), ENOENT) << "the first error of a group is kept";
    EXPECT_EQ(f.take_error(), 0);

    dir.write("short.bin", "ab");
    ASSERT_TRUE(f.open(dir.file("short.bin"), binary_file::mode::read_only));
    char buf[4];
    EXPECT_FALSE(f.read_at(0, buf, 4)) << "reading past the end";
    EXPECT_EQ(f.take_error(), EIO);

    dir.make_dir("folder");
    EXPECT_FALSE(f.open(dir.file("folder"), binary_file::mode::read_only));
    EXPECT_EQ(f.take_error(), EISDIR);
}

TEST_F(BinaryFileTest, AnInjectedFailureHitsExactlyTheChosenWrite)
{
    binary_file f;
    ASSERT_TRUE(f.open(dir.file("a.bin"), binary_file::mode::create));
    platform::fail_write_after(2, ENOSPC);
    EXPECT_TRUE(f.write_at(0, "a", 1));
    EXPECT_TRUE(f.write_at(1, "b", 1));
    EXPECT_FALSE(f.write_at(2, "c", 1));
    EXPECT_EQ(f.take_error(), ENOSPC);
    EXPECT_TRUE(f.write_at(3, "d", 1)) << "only one write fails";
    f.close();
    EXPECT_EQ(dir.read("a.bin"), std::string("ab\0d", 4));
}
