#include "student_files/results_check.h"
#include "tests/student_files/student_files_fixture.h"

using namespace student_files;

using namespace results_format;

class ResultsCheckTest : public StudentFilesTest {
protected:
    void SetUp() override
    {
        StudentFilesTest::SetUp();
        test_support::use_shipped_texts();   // the problems are named in the shipped words
    }
    // A student with `count` results of the exercise (records 4, 5, ...).
    void make(const std::string& name, int count, int exercise = 3)
    {
        ASSERT_TRUE(files->create_results_file(name, "secret", true, false, true, false));
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(files->add_result(name, exercise, at(1, 9, i, 0), at(1, 9, i, 30), 2, 7, 5));
    }
    void link(const std::string& name, int k, std::uint16_t next) { put_u16_at(name, k * record_size + result_field::next_result, next); }
    void set_head(const std::string& name, int exercise, std::uint16_t head)
    {
        put_u16_at(name, head_record_of(exercise) * record_size + head_offset_of(exercise), head);
    }
    results_file_report check(const std::string& name) { return check_results_file_at(path(name)); }
    std::vector<std::string> problem_texts(const std::string& name)
    {
        std::vector<std::string> texts;
        for (const results_problem& problem : check(name).problems)
            texts.push_back(problem.text());
        return texts;
    }
};

// Each damage named with its records; every problem of the file, no more.
TEST_F(ResultsCheckTest, FaultsAreNamedWithTheirRecords)
{
    const struct {
        const char* name;
        std::function<void()> damage;
        std::vector<std::string> problems;
    } cases[] = {
        {"Marker2", [this] { make("Marker2", 1); link("Marker2", 4, 5); },
         {"chain of exercise 3: it points to record 5, outside the result records (4 to 4)"}},
        {"Backward",
         [this] { make("Backward", 3); set_head("Backward", 3, 5); link("Backward", 5, 4); link("Backward", 4, 0); },
         {"chain of exercise 3: it links back from record 5 to record 4; appended results only ever link forward",
          "records no chain reaches: 1 (record 6)"}},
        {"Shared", [this] { make("Shared", 1, 1); ASSERT_TRUE(add("Shared", 2)); set_head("Shared", 2, 4); },
         {"chain of exercise 2: record 4 is also in the chain of exercise 1", "records no chain reaches: 1 (record 5)"}},
        {"Orphans", [this] { make("Orphans", 14); link("Orphans", 5, 8); link("Orphans", 9, 11); },
         {"records no chain reaches: 3 (record 6 to 7, 10)"}},
        {"Marker", [this] { make("Marker", 1); put_u16_at("Marker", 5 * record_size + 13, 0xFD); },
         {"end marker: the last record does not end in the end marker (FD FF at byte 13)"}},
        {"Named2",
         [this] { make("Named1", 2); std::filesystem::rename(path("Named1"), path("Named2")); },
         {"name check: the file was made under another name (renamed or copied)"}},
        {"Sized1", [this] { make("Sized1", 0); put_bytes("Sized1", bytes("Sized1").substr(0, 74)); },
         {"size: the file is 74 bytes long, not a whole number of 15-byte records"}},
    };
    for (const auto& c : cases) {
        c.damage();
        EXPECT_EQ(problem_texts(c.name), c.problems) << c.name;
    }
    EXPECT_TRUE(check("Sized1").settings) << "record 3 is still there";
    EXPECT_FALSE(check("Sized1").results);
    EXPECT_EQ(check("Named2").results, 2u) << "a renamed file's records are still counted";
    for (const auto& [size, words] : {std::pair{45, "fewer than the 4 records"}, {0, "0 bytes long"}}) {
        put_bytes("Sized1", bytes("Named2").substr(0, static_cast<std::size_t>(size)));
        EXPECT_NE(problem_texts("Sized1").front().find(words), std::string::npos) << words;
    }
    const results_file_report missing = check("Nobody");
    EXPECT_NE(missing.error_number, 0);
    EXPECT_NE(missing.problems.front().text().find("cannot be read"), std::string::npos);
}
