#include "student_files/results_check.h"
#include "tests/student_files/student_files_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace student_files::results_format;
using namespace student_files;

namespace {

bool mentions(const results_file_report& report, const std::string& words)
{
    for (const std::string& problem : report.problems)
        if (problem.find(words) != std::string::npos)
            return true;
    return false;
}

} // namespace

class ResultsCheckTest : public StudentFilesTest {
protected:
    // A student with `count` results of exercise 3 (records 4, 5, ...).
    void make(const std::string& name, int count, int exercise = 3)
    {
        ASSERT_TRUE(files->create_results_file(name, "secret", true, false, true, false));
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(files->add_result(name, exercise, at(1, 9, i, 0), at(1, 9, i, 30), 2, 7, 5));
    }
    void put_record(const std::string& name, int k, const record& r)
    {
        std::string b = bytes(name);
        std::copy(r.begin(), r.end(), b.begin() + k * 15);
        program.write("RESULTS/" + name + ".results", b);
    }
    void link(const std::string& name, int k, std::uint16_t next)
    {
        record r = record_of(name, k);
        put_u16(r, result_field::next_result, next);
        put_record(name, k, r);
    }
    void set_head(const std::string& name, int exercise, std::uint16_t head)
    {
        record r = record_of(name, head_record_of(exercise));
        put_u16(r, head_offset_of(exercise), head);
        put_record(name, head_record_of(exercise), r);
    }
    results_file_report check(const std::string& name) { return check_results_file_at(program.file("RESULTS/" + name + ".results")); }
};

TEST_F(ResultsCheckTest, SoundFilesAreValidWithTheirSettingsAndCount)
{
    make("Fresh1", 0);
    make("Three3", 3);
    ASSERT_TRUE(files->add_result("Three3", 9, at(2, 9, 0, 0), at(2, 9, 1, 0), 1, 1, 1));
    const results_file_report fresh = check("Fresh1");
    EXPECT_TRUE(fresh.valid());
    EXPECT_EQ(fresh.results, 0u);
    ASSERT_TRUE(fresh.settings);
    EXPECT_TRUE(fresh.settings->guidance_is_on);
    EXPECT_FALSE(fresh.settings->guidance_is_switchable);
    EXPECT_TRUE(fresh.settings->restart_guidance_enabled);
    EXPECT_FALSE(fresh.settings->test_results_are_stored);
    const results_file_report three = check("Three3");
    EXPECT_TRUE(three.valid()) << three.problems.front();
    EXPECT_EQ(three.results, 4u);
    EXPECT_EQ(three.bytes, 9u * 15);
    EXPECT_EQ(responder.count(), 0u) << "the check shows no message";
}

TEST_F(ResultsCheckTest, SizeMarkerAndNameFaultsAreNamed)
{
    make("Sized1", 0);
    program.write("RESULTS/Sized1.results", bytes("Sized1").substr(0, 74));
    const results_file_report cut = check("Sized1");
    ASSERT_EQ(cut.problems.size(), 1u);
    EXPECT_TRUE(mentions(cut, "74 bytes long, not a whole number")) << cut.problems.front();
    EXPECT_TRUE(cut.settings) << "record 3 is still there";
    EXPECT_FALSE(cut.results);

    program.write("RESULTS/Sized1.results", bytes("Sized1").substr(0, 45));
    EXPECT_TRUE(mentions(check("Sized1"), "fewer than the 4 records"));
    program.write("RESULTS/Sized1.results", "");
    EXPECT_TRUE(mentions(check("Sized1"), "0 bytes long"));

    make("Marker", 1);
    record last = record_of("Marker", 5);
    last[14] = 0;
    put_record("Marker", 5, last);
    const results_file_report unmarked = check("Marker");
    EXPECT_EQ(unmarked.problems, std::vector<std::string>{
        "end marker: the last record does not end in the end marker (FD FF at byte 13)"});

    make("Named1", 2);
    std::filesystem::rename(program.file("RESULTS/Named1.results"), program.file("RESULTS/Named2.results"));
    const results_file_report renamed = check("Named2");
    ASSERT_EQ(renamed.problems.size(), 1u);
    EXPECT_TRUE(mentions(renamed, "name check"));
    EXPECT_EQ(renamed.results, 2u) << "a renamed file's records are still counted";

    const results_file_report missing = check("Nobody");
    EXPECT_NE(missing.error_number, 0);
    EXPECT_TRUE(mentions(missing, "cannot be read"));
}

TEST_F(ResultsCheckTest, ChainFaultsAreNamedWithTheirRecords)
{
    make("Loops1", 2);   // records 4 -> 5
    link("Loops1", 5, 4);
    const results_file_report loop = check("Loops1");
    EXPECT_EQ(loop.problems, std::vector<std::string>{"chain of exercise 3: it loops back to record 4"});

    make("Outside", 1, 2);
    set_head("Outside", 1, 200);
    const results_file_report outside = check("Outside");
    EXPECT_EQ(outside.problems,
              std::vector<std::string>{"chain of exercise 1: it points to record 200, outside the result records (4 to 4)"});

    make("Marker2", 1);
    link("Marker2", 4, 5);   // the end marker
    EXPECT_TRUE(mentions(check("Marker2"), "points to record 5"));

    make("Backward", 3);   // 4 -> 5 -> 6
    set_head("Backward", 3, 5);
    link("Backward", 5, 4);
    link("Backward", 4, 0);
    const results_file_report back = check("Backward");
    EXPECT_EQ(back.problems, (std::vector<std::string>{
                                 "chain of exercise 3: it links back from record 5 to record 4; appended results only "
                                 "ever link forward",
                                 "records no chain reaches: 1 (record 6)"}));

    make("Shared", 1, 1);
    ASSERT_TRUE(files->add_result("Shared", 2, at(1, 9, 0, 0), at(1, 9, 0, 30), 2, 7, 5));   // record 5
    set_head("Shared", 2, 4);
    const results_file_report shared = check("Shared");
    EXPECT_EQ(shared.problems, (std::vector<std::string>{"chain of exercise 2: record 4 is also in the chain of exercise 1",
                                                          "records no chain reaches: 1 (record 5)"}));

    make("Orphans", 14);   // records 4 .. 17
    link("Orphans", 5, 8);   // 6 and 7 fall out
    link("Orphans", 9, 11);   // 10 falls out
    const results_file_report orphans = check("Orphans");
    EXPECT_EQ(orphans.problems, std::vector<std::string>{"records no chain reaches: 3 (record 6 to 7, 10)"});
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ResultsCheckTest, AnyBytesEndWithAReport)
{
    // Every record a head, every link to itself or far away: still one quick report.
    std::string b(15 * 300, '\xFF');
    b[299 * record_size + result_field::next_result] = '\xFD';
    const auto report = check_results_bytes(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), "X.results");
    EXPECT_FALSE(report.valid());
    EXPECT_TRUE(mentions(report, "name check"));
    EXPECT_TRUE(mentions(report, "records no chain reaches: 295"));
}
