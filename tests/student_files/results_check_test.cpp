#include "student_files/results_check.h"
#include "tests/student_files/student_files_fixture.h"

using namespace results_format;

class ResultsCheckTest : public StudentFilesTest {
protected:
    // A student with `count` results of one exercise (records 4, 5, ...).
    void make(const std::string& name, int count, int exercise = 3)
    {
        ASSERT_TRUE(files->create_results_file(name, "secret", true, false, true, false));
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(files->add_result(name, exercise, at(1, 9, i, 0), at(1, 9, i, 30), 2, 7, 5));
    }
    void link(const std::string& name, int k, std::uint16_t next) { put_u16_at(name, k * 15 + 13, next); }
    void set_head(const std::string& name, int e, std::uint16_t head)
    {
        put_u16_at(name, head_record_of(e) * 15 + head_offset_of(e), head);
    }
    results_file_report check(const std::string& name) { return check_results_file_at(path(name)); }
};

TEST_F(ResultsCheckTest, SoundFilesAreValidWithTheirSettingsAndCount)
{
    make("Fresh1", 0);
    make("Three3", 3);
    files->add_result("Three3", 9, at(2, 9, 0, 0), at(2, 9, 1, 0), 1, 1, 1);
    const results_file_report fresh = check("Fresh1"), three = check("Three3");
    EXPECT_TRUE(fresh.valid() && three.valid());
    ASSERT_TRUE(fresh.settings);
    EXPECT_EQ(switches_of(*fresh.settings), "1010");
    EXPECT_EQ(std::tuple(*fresh.results, *three.results, three.bytes), std::tuple(0u, 4u, 9u * 15));
    EXPECT_EQ(responder.count(), 0u) << "the check shows no message";
}

// Each damage, made to a fresh student, with the problems the check names.
TEST_F(ResultsCheckTest, EachFaultIsNamedWithItsRecords)
{
        const struct {
        const char* name;
        int results, exercise;
        std::function<void()> make_damage;
        std::vector<std::string> problems;
    } cases[] = {
        {"Sized1", 0, 3, [this] { put_bytes("Sized1", bytes("Sized1").substr(0, 74)); },
         {"size: the file is 74 bytes long, not a whole number of 15-byte records"}},
        {"Marker", 1, 3, [this] { put_bytes("Marker", bytes("Marker").substr(0, 89) + '\0'); },
         {"end marker: the last record does not end in the end marker (FD FF at byte 13)"}},
        {"Loops1", 2, 3, [this] { link("Loops1", 5, 4); }, {"chain of exercise 3: it loops back to record 4"}},
        {"Outside", 1, 2, [this] { set_head("Outside", 1, 200); },
         {"chain of exercise 1: it points to record 200, outside the result records (4 to 4)"}},
        {"Marker2", 1, 3, [this] { link("Marker2", 4, 5); },
         {"chain of exercise 3: it points to record 5, outside the result records (4 to 4)"}},
        {"Backward", 3, 3,
         [this] {
             set_head("Backward", 3, 5);
             link("Backward", 5, 4);
             link("Backward", 4, 0);
         },
         {"chain of exercise 3: it links back from record 5 to record 4; appended results only ever link forward",
          "records no chain reaches: 1 (record 6)"}},
        {"Shared", 1, 1,
         [this] {
             files->add_result("Shared", 2, at(1, 9, 0, 0), at(1, 9, 0, 30), 2, 7, 5);   // record 5
             set_head("Shared", 2, 4);
         },
         {"chain of exercise 2: record 4 is also in the chain of exercise 1", "records no chain reaches: 1 (record 5)"}},
        {"Orphans", 14, 3,
         [this] {
             link("Orphans", 5, 8);    // 6 and 7 fall out
             link("Orphans", 9, 11);   // 10 falls out
         },
         {"records no chain reaches: 3 (record 6 to 7, 10)"}},
    };
    for (const auto& c : cases) {
        make(c.name, c.results, c.exercise);
        c.make_damage();
        EXPECT_EQ(check(c.name).problems, c.problems) << c.name;
    }
    EXPECT_TRUE(check("Sized1").settings) << "record 3 is still there";
    EXPECT_FALSE(check("Sized1").results);
    EXPECT_EQ(responder.count(), 0u);
}

TEST_F(ResultsCheckTest, ShortRenamedAndMissingFilesAreNamed)
{
    const auto first_problem = [&](const std::string& name) {
        const results_file_report r = check(name);
        return r.problems.empty() ? std::string() : r.problems.front();
    };
    make("Sized1", 0);
    put_bytes("Sized1", bytes("Sized1").substr(0, 45));
    EXPECT_NE(first_problem("Sized1").find("fewer than the 4 records"), std::string::npos);
    put_bytes("Sized1", "");
    EXPECT_NE(first_problem("Sized1").find("0 bytes long"), std::string::npos);
    make("Named1", 2);
    std::filesystem::rename(path("Named1"), path("Named2"));
    EXPECT_NE(first_problem("Named2").find("name check"), std::string::npos);
    EXPECT_EQ(check("Named2").results, 2u) << "a renamed file's records are still counted";
    EXPECT_NE(check("Nobody").error_number, 0);
    EXPECT_NE(first_problem("Nobody").find("cannot be read"), std::string::npos);
}

TEST_F(ResultsCheckTest, AnyBytesEndWithAReport)
{
    // Every record a head, every link to itself or far away: still one quick report.
    std::string b(15 * 300, '\xFF');
    b[299 * 15 + 13] = '\xFD';
    const auto report = check_results_bytes(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), "X.results");
    std::string all;
    for (const std::string& problem : report.problems)
        all += problem + "\n";
    EXPECT_NE(all.find("name check"), std::string::npos) << all;
    EXPECT_NE(all.find("records no chain reaches: 295"), std::string::npos) << all;
}
