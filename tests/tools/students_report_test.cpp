// students report end to end on the demo students and a class large enough
// for several pages: the PDF's pages and its table read back as text against
// the numbers of the results files; the charts as pictures.
#include "student_files/class_overview_charts.h"
#include "student_files/student_list.h"
#include "tests/support/pdf_text.h"
#include "tests/tools/students_tool_fixture.h"

#include <QImage>

#include <map>
#include <regex>
#include <set>

namespace {

struct sums {
    long results = 0, objects = 0, correct = 0;
};

// What the files hold, summed here from their chains: [student][exercise 1..9], 0 for all.
struct expected_numbers {
    std::map<std::string, std::array<sums, 10>> students;
};

long percent(const sums& s)
{
    return s.correct * 100 / s.objects;
}

sums class_sums(const expected_numbers& n, std::size_t exercise)
{
    sums all;
    for (const auto& [name, per_exercise] : n.students) {
        all.results += per_exercise[exercise].results;
        all.objects += per_exercise[exercise].objects;
        all.correct += per_exercise[exercise].correct;
    }
    return all;
}

} // namespace

class StudentsReportTest : public StudentsToolTest {
protected:
    // The demo students and 30 more, so the table and the student chart need several pages.
    void make_class()
    {
        make_demo();
        for (int k = 0; k < 30; ++k) {
            const std::string name = "Pupil number " + std::to_string(100 + k);
            ASSERT_TRUE(files->create_results_file(name, "secret", false, false, false, true));
            for (int r = 0; r <= k % 4; ++r)
                ASSERT_TRUE(files->add_result(name, 1 + (k + r) % 9, when(3, 9, r, 0), when(3, 9, r + 7, 0), 1 + r % 3,
                                              4 + k % 7, (4 + k % 7) * (k % 5) / 4));
        }
    }

    expected_numbers numbers()
    {
        expected_numbers n;
        for (const listed_student& s : list_students(files->directory())) {
            auto& per_exercise = n.students[s.name];
            const auto chains = files->read_result_chains(results_path(files->directory(), s), 9);
            for (std::size_t e = 0; e < chains.exercises.size(); ++e)
                for (const auto& r : chains.exercises[e]) {
                    for (sums* to : {&per_exercise[e + 1], &per_exercise[0]}) {
                        ++to->results;
                        to->objects += r.objects;
                        to->correct += r.correct;
                    }
                }
        }
        return n;
    }
};

TEST_F(StudentsReportTest, ThePdfTableReadsBackTheNumbersOnNumberedPages)
{
    make_class();
    const tool_run report = run({"report", "--pdf", "class.pdf"});
    ASSERT_EQ(report.code, 0) << report.err;
    const std::vector<std::string> pages = test_support::pdf_page_texts(program.file("class.pdf"));
    ASSERT_GT(pages.size(), 4u);
    EXPECT_EQ(report.out, "wrote " + std::to_string(pages.size()) + " pages to class.pdf\n");
    const std::regex row(R"(^(\S.*?)?\s+(\d|all)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+(\d+ %|-)\s+(\d+:\d\d:\d\d)$)");
    const expected_numbers expected = numbers();
    std::map<std::string, int> rows_of;
    std::vector<std::size_t> rows_per_page;
    std::string student;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::istringstream lines(pages[p]);
        std::size_t rows = 0;
        bool footed = false;
        for (std::string line; std::getline(lines, line);) {
            footed |= line.find("Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size())) != std::string::npos;
            std::smatch m;
            if (!std::regex_match(line, m, row))
                continue;
            ++rows;
            if (m[1].matched)
                student = m[1];
            ++rows_of[student];
            const std::size_t exercise = m[2] == "all" ? 0u : std::stoul(m[2]);
            const bool average = student == "Class average";
            const sums s = average ? class_sums(expected, exercise) : expected.students.at(student)[exercise];
            const double n = average ? static_cast<double>(expected.students.size()) : 1.0;
            for (const auto& [column, value] : {std::pair{3, s.results}, {4, s.objects}, {5, s.correct}})
                EXPECT_NEAR(std::stod(m[column]), static_cast<double>(value) / n, 0.05) << line;
            EXPECT_EQ(m[6], s.objects > 0 ? std::to_string(percent(s)) + " %" : "-") << line;
        }
        EXPECT_TRUE(footed) << "page " << p + 1;
        if (rows > 0)
            rows_per_page.push_back(rows);
    }
    EXPECT_EQ(rows_of.size(), expected.students.size() + 1);
    for (const auto& [name, count] : rows_of)
        EXPECT_EQ(count, 10) << name;
    ASSERT_GT(rows_per_page.size(), 1u);
    for (std::size_t p = 1; p + 1 < rows_per_page.size(); ++p)
        EXPECT_EQ(rows_per_page[p], rows_per_page[0]) << "every table page but the last is full";
    std::size_t named_on_chart_pages = 0;
    for (std::size_t p = rows_per_page.size(); p < pages.size(); ++p)
        for (const auto& [name, numbers] : expected.students)
            named_on_chart_pages += pages[p].find(name + " ") != std::string::npos;
    EXPECT_EQ(named_on_chart_pages, expected.students.size()) << "each student once in the student chart";
}

// The charts as pictures: each of the level colours and the students' bars drawn.
TEST_F(StudentsReportTest, TheChartsAreWrittenAsPictures)
{
    make_class();
    const tool_run report = run({"report", "--png", "charts"});
    ASSERT_EQ(report.code, 0) << report.err;
    const QImage exercises(QString::fromStdString(program.file("charts-exercises.png")));
    const QImage students(QString::fromStdString(program.file("charts-students.png")));
    const auto has = [](const QImage& image, platform::colour_ref c) {
        const QRgb colour = qRgb(platform::red_of(c), platform::green_of(c), platform::blue_of(c));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour)
                    return true;
        return false;
    };
    for (const platform::colour_ref c : level_colours)
        EXPECT_TRUE(has(exercises, c));
    EXPECT_TRUE(has(students, student_bar_colour));
}

TEST_F(StudentsReportTest, WithoutAFileToWriteItIsRefusedAndAFileThatCannotBeWrittenIsNotHalfWritten)
{
    EXPECT_EQ(run({"report"}).code, 2);
    program.make_dir("taken.pdf");
    const tool_run blocked = run({"report", "--pdf", "taken.pdf"});
    EXPECT_EQ(blocked.code, 1);
    EXPECT_EQ(blocked.err, "students: cannot write " + program.file("taken.pdf") + "\n");
    EXPECT_TRUE(std::filesystem::is_directory(program.file("taken.pdf")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(program.path()), {}), 4) << "no temporary file left";
}
