// students report end to end on the demo students and a class large enough
// for several pages: the PDF's pages and its table read back as text against
// the numbers of the results files.
#include "student_files/student_list.h"
#include "tests/support/pdf_text.h"
#include "tests/students_cli/students_tool_fixture.h"

#include <regex>

using namespace foundation;
using namespace student_files;

namespace {

struct sums {
    long results = 0, objects = 0, correct = 0;
    long percent() const { return correct * 100 / objects; }
};

} // namespace

class StudentsReportTest : public StudentsToolTest {
protected:
    // The demo students and 30 more, so the table and the student chart need
    // several pages; what their files hold, summed here from their chains.
    void SetUp() override
    {
        StudentsToolTest::SetUp();
        make_demo();
        for (int k = 0; k < 30; ++k) {
            const std::string name = "Pupil number " + std::to_string(100 + k);
            ASSERT_TRUE(files->create_results_file(name, "secret", false, false, false, true));
            for (int r = 0; r <= k % 4; ++r)
                ASSERT_TRUE(files->add_result(name, 1 + (k + r) % 9, when(3, 9, r, 0), when(3, 9, r + 7, 0), 1 + r % 3,
                                              4 + k % 7, (4 + k % 7) * (k % 5) / 4));
        }
        for (const listed_student& s : list_students(files->directory())) {
            const auto chains = files->read_result_chains(results_path(files->directory(), s), 9);
            auto& own = students[s.name];
            for (std::size_t e = 0; e < chains.exercises.size(); ++e)
                for (const auto& r : chains.exercises[e])
                    for (sums* to : {&own[e + 1], &own[0], &all[e + 1], &all[0]})
                        *to = {to->results + 1, to->objects + r.objects, to->correct + r.correct};
        }
    }
    std::map<std::string, std::array<sums, 10>> students;   // [student][all, exercise 1..9]
    std::array<sums, 10> all{};                             // the class's
};

TEST_F(StudentsReportTest, ThePdfTableReadsBackTheNumbersOnNumberedPages)
{
    const tool_run report = run({"report", "--pdf", "class.pdf"});
    ASSERT_EQ(report.code, 0) << report.err;
    const std::vector<std::string> pages = test_support::pdf_page_texts(program.file("class.pdf"));
    ASSERT_GT(pages.size(), 4u);
    EXPECT_EQ(report.out, "wrote " + std::to_string(pages.size()) + " pages to class.pdf\n");
    const std::regex row(R"(^(\S.*?)?\s+(\d|all)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+(\d+ %|-)\s+(\d+:\d\d:\d\d)$)");
    std::map<std::string, int> rows_of;
    std::vector<std::size_t> rows_per_page;
    std::string student;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::istringstream lines(pages[p]);
        std::size_t rows = 0;
        EXPECT_NE(pages[p].find("Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size())), std::string::npos);
        for (std::string line; std::getline(lines, line);) {
            std::smatch m;
            if (!std::regex_match(line, m, row))
                continue;
            ++rows;
            student = m[1].matched ? m[1].str() : student;
            ++rows_of[student];
            const std::size_t exercise = m[2] == "all" ? 0u : std::stoul(m[2]);
            const bool average = student == "Class average";
            const sums s = average ? all[exercise] : students.at(student)[exercise];
            const double n = average ? static_cast<double>(students.size()) : 1.0;
            for (const auto& [cell, value] : {std::pair{3, s.results}, {4, s.objects}, {5, s.correct}})
                EXPECT_NEAR(std::stod(m[cell]), static_cast<double>(value) / n, 0.05) << line;
            EXPECT_EQ(m[6], s.objects > 0 ? std::to_string(s.percent()) + " %" : "-") << line;
        }
        if (rows > 0)
            rows_per_page.push_back(rows);
    }
    EXPECT_EQ(rows_of.size(), students.size() + 1);
    for (const auto& [name, count] : rows_of)
        EXPECT_EQ(count, 10) << name;
    ASSERT_GT(rows_per_page.size(), 1u);
    for (std::size_t p = 1; p + 1 < rows_per_page.size(); ++p)
        EXPECT_EQ(rows_per_page[p], rows_per_page[0]) << "every table page but the last is full";
    std::size_t named_on_chart_pages = 0;
    for (std::size_t p = rows_per_page.size(); p < pages.size(); ++p)
        for (const auto& [name, numbers] : students)
            named_on_chart_pages += pages[p].find(name + " ") != std::string::npos;
    EXPECT_EQ(named_on_chart_pages, students.size()) << "each student once in the student chart";
}

TEST_F(StudentsToolTest, AReportWithoutAFileToWriteIsRefusedAndOneThatCannotBeWrittenIsNotHalfWritten)
{
    EXPECT_EQ(run({"report"}).code, 2);
    program.make_dir("taken.pdf");
    const tool_run blocked = run({"report", "--pdf", "taken.pdf"});
    EXPECT_EQ(std::tuple(blocked.code, blocked.err), std::tuple(1, "students: cannot write " + program.file("taken.pdf") + "\n"));
    EXPECT_TRUE(std::filesystem::is_directory(program.file("taken.pdf")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 4) << "no temporary file left";
}
