#include "platform/core/file_lock.h"
#include "student_files/results_check.h"
#include "student_files/results_repair.h"
#include "tests/student_files/student_files_fixture.h"

#include <cerrno>
#include <cstring>

using namespace student_files::results_format;
using namespace student_files;

class RecoveryTest : public StudentFilesTest {
protected:
    void SetUp() override
    {
        StudentFilesTest::SetUp();
        ASSERT_TRUE(files->create_results_file("Johnny", "secret", true, true, true, true));
        ASSERT_TRUE(add("Johnny", 3));
    }
    bool valid() { return check_results_file_at(path("Johnny")).valid(); }
};

TEST_F(RecoveryTest, TheWindowsTutorsStoppedAppendsAreTakenBack)
{
    const std::string sound = bytes("Johnny");
    put_u16_at("Johnny", head_offset_of(5), 5);   // it links first: the head of exercise 5 names the end marker
    const std::string linked_only = bytes("Johnny");
    // The first result of a fresh file written, its end marker not.
    put_bytes("Johnny", std::string(30, '\0') + sound.substr(30, 45));
    put_u16_at("Johnny", head_offset_of(3), 4);
    for (const auto& [damaged, objects] : {std::pair{linked_only, 4L}, {bytes("Johnny"), 0L}}) {
        put_bytes("Johnny", damaged);
        EXPECT_EQ(files->sum_results("Johnny").total_objects, objects);
        EXPECT_TRUE(valid());
        EXPECT_TRUE(add("Johnny", 5, 2, 1, 2, 1));
        EXPECT_TRUE(valid());
    }
}

TEST_F(RecoveryTest, ABusyFileEndsInAMessageNotAHang)
{
    const auto limit = platform::lock_wait_limit();
    platform::set_lock_wait_limit(std::chrono::milliseconds(50));
    platform::binary_file holder;   // another process in the middle of an operation
    ASSERT_TRUE(holder.open_locked(path("Johnny"), platform::binary_file::mode::read_write));
    const std::string before = bytes("Johnny");
    EXPECT_EQ(add("Johnny", 3, 2).message(), "IO " + std::to_string(EAGAIN) + ".      at " + path("Johnny"));
    holder.close();
    platform::set_lock_wait_limit(limit);
    EXPECT_EQ(bytes("Johnny"), before);
    EXPECT_TRUE(add("Johnny", 3, 2));
}

TEST_F(RecoveryTest, InputOutputMessagesAddTheSystemsWordsWhereTheTextsHaveThem)
{
    use_texts(std::string(student_files_texts) + "$[RESULTS_ERROR_DETAILS]\n (\n)\ndamaged\n");
    files = std::make_unique<Tstudent_data_files_object>();
    settings s;
    EXPECT_EQ(files->read_settings("Nobody", s).message(),
              std::string("IO 2 (") + std::strerror(ENOENT) + ").      at " + path("NOBODY"));
}

// Changes of password and settings are checked by the edit dialog's and the
// several writers' tests.
TEST_F(RecoveryTest, EmptyingKeepsTheFileItselfWithItsModeIdentityAndSettings)
{
    const std::string before = bytes("Johnny");
    std::filesystem::permissions(path("Johnny"), std::filesystem::perms(0620));
    std::filesystem::create_hard_link(path("Johnny"), program.file("second name"));
    ASSERT_TRUE(files->remove_results("Johnny"));
    EXPECT_EQ(std::tuple(std::filesystem::status(path("Johnny")).permissions(), std::filesystem::hard_link_count(path("Johnny")),
                         program.read("second name"), bytes("Johnny").size(), bytes("Johnny").substr(0, 60)),
              std::tuple(std::filesystem::perms(0620), 2u, bytes("Johnny"), 75u, std::string(30, '\0') + before.substr(30, 30)))
        << "the same file, not a new one; the identity and settings kept";
    EXPECT_TRUE(valid());
}

TEST_F(RecoveryTest, RepairKeepsEveryResultAChainReachesAndRemovesTheRest)
{
    for (const int e : {1, 2, 1, 2})
        ASSERT_TRUE(add("Johnny", e, 2, 1, 10 + e, 1));
    // Records 4 (exercise 3), 5 and 7 (exercise 1), 6 and 8 (exercise 2).
    put_u16_at("Johnny", head_offset_of(3), 0);   // record 4 unreached, as an old stopped append left it
    put_u16_at("Johnny", 8 * record_size + result_field::next_result, 6);   // exercise 2 loops back from record 8 to 6
    put_bytes("Johnny", bytes("Johnny") + "xyz");   // and a partial record
    const repair_report report = repair_results_file(path("Johnny"));
    std::vector<std::pair<mend_kind, std::uint32_t>> mends;
    for (const mend& m : report.mends)
        mends.emplace_back(m.kind, m.number);
    EXPECT_EQ(report.outcome.error_number, 0);
    EXPECT_EQ(mends, (std::vector<std::pair<mend_kind, std::uint32_t>>{
                         {mend_kind::partial_record_cut, 0}, {mend_kind::chain_cut, 2}, {mend_kind::unreached_removed, 1}}));
    EXPECT_TRUE(valid());
    const result_chains chains = files->read_result_chains(path("Johnny"), 3);
    ASSERT_EQ(chains.exercises.size(), 3u);
    EXPECT_EQ(std::tuple(chains.exercises[0].size(), chains.exercises[1].size(), chains.exercises[2].size()),
              std::tuple(2u, 2u, 0u)) << "the loop is cut, both results kept";
    EXPECT_TRUE(repair_results_file(path("Johnny")).mends.empty()) << "a sound file needs nothing";
}
