#include "platform/core/binary_file.h"
#include "platform/core/file_lock.h"
#include "student_files/results_check.h"
#include "student_files/results_repair.h"
#include "tests/student_files/student_files_fixture.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

using namespace student_files::results_format;
using namespace foundation;
using namespace student_files;

class RecoveryTest : public StudentFilesTest {
protected:
    void SetUp() override
    {
        StudentFilesTest::SetUp();
        ASSERT_TRUE(files->create_results_file("Johnny", "secret", true, true, true, true));
        ASSERT_TRUE(files->add_result("Johnny", 3, at(1, 1, 0, 0), at(1, 1, 5, 0), 1, 4, 3));
    }
    void put_u16_at(std::string& b, std::size_t at, std::uint16_t v)
    {
        b[at] = static_cast<char>(v & 0xFF);
        b[at + 1] = static_cast<char>(v >> 8);
    }
    std::string path() { return program.file("RESULTS/Johnny.results"); }
};

TEST_F(RecoveryTest, TheWindowsTutorsStoppedAppendsAreTakenBack)
{
    const std::string sound = bytes("Johnny");
    std::string linked_only = sound;   // it links first: the head of exercise 5 names the end marker
    put_u16_at(linked_only, head_offset_of(5), 5);
    std::string fresh(75, '\0');   // the first result of a fresh file written, its end marker not
    std::copy_n(sound.begin() + 30, 30, fresh.begin() + 30);
    std::copy_n(sound.begin() + 60, 15, fresh.begin() + 60);
    put_u16_at(fresh, head_offset_of(3), 4);
    const struct {
        std::string damaged;
        long objects;
    } cases[] = {{linked_only, 4}, {fresh, 0}};
    for (const auto& c : cases) {
        program.write("RESULTS/Johnny.results", c.damaged);
        EXPECT_EQ(files->sum_results("Johnny").total_objects, c.objects);
        EXPECT_TRUE(check_results_file_at(path()).valid());
        EXPECT_TRUE(files->add_result("Johnny", 5, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 2, 1));
        EXPECT_TRUE(check_results_file_at(path()).valid());
    }
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(RecoveryTest, ABusyFileEndsInAMessageNotAHang)
{
    const auto limit = platform::lock_wait_limit();
    platform::set_lock_wait_limit(std::chrono::milliseconds(50));
    platform::binary_file holder;   // another process in the middle of an operation
    ASSERT_TRUE(holder.open_locked(path(), platform::binary_file::mode::read_write));
    const std::string before = bytes("Johnny");
    EXPECT_EQ(files->add_result("Johnny", 3, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 2, 1).message(),
              "IO " + std::to_string(EAGAIN) + ".      at " + path());
    holder.close();
    platform::set_lock_wait_limit(limit);
    EXPECT_EQ(bytes("Johnny"), before);
    EXPECT_TRUE(files->add_result("Johnny", 3, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 2, 1));
}

TEST_F(RecoveryTest, InputOutputMessagesAddTheSystemsWordsWhereTheTextsHaveThem)
{
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(
        std::string(student_files_texts) + "$[RESULTS_ERROR_DETAILS]\n (\n)\ndamaged\n", problem));
    files = std::make_unique<Tstudent_data_files_object>();
    settings s;
    EXPECT_EQ(files->read_settings("Nobody", s).message(),
              std::string("IO 2 (") + std::strerror(ENOENT) + ").      at " + program.file("RESULTS/NOBODY.results"));
    std::string b = bytes("Johnny");
    b[4 * record_size + result_field::next_result] = 4;   // a result that links to itself
    program.write("RESULTS/Johnny.results", b);
    EXPECT_EQ(files->add_result("Johnny", 3, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, 2, 1).message(),
              "IO 100 (damaged).      at " + path());
}

TEST_F(RecoveryTest, EmptyingKeepsTheFileItselfWithItsMode)
{
    std::filesystem::permissions(path(), std::filesystem::perms(0620));
    const auto inode_before = std::filesystem::hard_link_count(path());
    std::filesystem::create_hard_link(path(), program.file("second name"));
    ASSERT_TRUE(files->remove_results("Johnny"));
    EXPECT_EQ(std::filesystem::status(path()).permissions(), std::filesystem::perms(0620));
    EXPECT_EQ(std::filesystem::hard_link_count(path()), inode_before + 1) << "the same file, not a new one";
    EXPECT_EQ(program.read("second name"), bytes("Johnny"));
    EXPECT_EQ(bytes("Johnny").size(), 75u);
}

TEST_F(RecoveryTest, RepairKeepsEveryResultAChainReachesAndRemovesTheRest)
{
    for (const int e : {1, 2, 1, 2})
        ASSERT_TRUE(files->add_result("Johnny", e, at(2, 1, 0, 0), at(2, 1, 5, 0), 1, static_cast<int>(10 + e), 1));
    // Records 4 (exercise 3), 5 and 7 (exercise 1), 6 and 8 (exercise 2).
    std::string b = bytes("Johnny");
    put_u16_at(b, head_offset_of(3), 0);   // record 4 unreached, as an old stopped append left it
    put_u16_at(b, 8 * record_size + result_field::next_result, 6);         // exercise 2 loops back from record 8 to 6
    b += "xyz";                            // and a partial record
    program.write("RESULTS/Johnny.results", b);
    const repair_report report = repair_results_file(path());
    EXPECT_EQ(report.outcome.error_number, 0);
    std::vector<std::pair<mend_kind, std::uint32_t>> mends;
    for (const mend& m : report.mends)
        mends.emplace_back(m.kind, m.number);
    EXPECT_EQ(mends, (std::vector<std::pair<mend_kind, std::uint32_t>>{
                         {mend_kind::partial_record_cut, 0}, {mend_kind::chain_cut, 2},
                         {mend_kind::unreached_removed, 1}}));
    EXPECT_TRUE(check_results_file_at(path()).valid());
    const result_chains chains = files->read_result_chains(path(), 3);
    ASSERT_EQ(chains.exercises.size(), 3u);
    EXPECT_EQ(chains.exercises[0].size(), 2u);
    EXPECT_EQ(chains.exercises[1].size(), 2u) << "the loop is cut, both results kept";
    EXPECT_TRUE(chains.exercises[2].empty());
    EXPECT_TRUE(repair_results_file(path()).mends.empty()) << "a sound file needs nothing";
}
