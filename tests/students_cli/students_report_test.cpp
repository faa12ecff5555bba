// students report end to end on the demo students and a class large enough
// for several pages: the PDF's pages, its table read back as text, and the
// PNG charts' bars measured against the numbers of the results files.
#include "class_overview/class_overview_charts.h"
#include "student_files/student_list.h"
#include "tests/support/pdf_text.h"
#include "tests/students_cli/students_tool_fixture.h"

#include <QImage>

#include <map>
#include <regex>
#include <set>

using namespace foundation;
using namespace student_files;
using namespace class_overview;

namespace {

struct sums {
    long results = 0, objects = 0, correct = 0;
};

// What the files hold, summed here from their chains: [student][exercise 1..9], and per exercise and level.
struct expected_numbers {
    std::map<std::string, std::array<sums, 10>> students;
    std::array<std::array<sums, 3>, 10> levels{};
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

// Bars of a colour as runs across a baseline: their lengths, in the order along it.
std::vector<int> bars(const QImage& image, QRgb colour, bool upright)
{
    const int across = upright ? image.width() : image.height(), along = upright ? image.height() : image.width();
    const auto at = [&](int a, int b) { return upright ? image.pixel(a, b) : image.pixel(b, a); };
    // Upright bars stand on the lowest row of the colour, lying ones start at its leftmost column.
    int base = upright ? -1 : along;
    for (int a = 0; a < across; ++a)
        for (int b = 0; b < along; ++b)
            if (at(a, b) == colour)
                base = upright ? std::max(base, b) : std::min(base, b);
    std::vector<int> lengths;
    for (int a = 0; a < across; ++a) {
        const bool starts = at(a, base) == colour && (a == 0 || at(a - 1, base) != colour);
        if (!starts)
            continue;
        int length = 0;
        for (int b = base; b >= 0 && b < along && at(a, b) == colour; b += upright ? -1 : 1)
            ++length;
        lengths.push_back(length);
    }
    return lengths;
}

// Lengths proportional to the percentages: each within two pixels of its share of the longest.
void expect_proportional(const std::vector<int>& lengths, const std::vector<long>& percents)
{
    ASSERT_EQ(lengths.size(), percents.size());
    const auto longest = std::max_element(percents.begin(), percents.end()) - percents.begin();
    const double full = lengths[static_cast<std::size_t>(longest)] * 100.0 / percents[static_cast<std::size_t>(longest)];
    for (std::size_t i = 0; i < lengths.size(); ++i)
        EXPECT_NEAR(lengths[i], full * static_cast<double>(percents[i]) / 100.0, 2.0) << "bar " << i;
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
                    for (sums* to : {&per_exercise[e + 1], &per_exercise[0], &n.levels[e + 1][r.level - 1u]}) {
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
            EXPECT_NEAR(std::stod(m[3]), static_cast<double>(s.results) / n, 0.05) << line;
            EXPECT_NEAR(std::stod(m[4]), static_cast<double>(s.objects) / n, 0.05) << line;
            EXPECT_NEAR(std::stod(m[5]), static_cast<double>(s.correct) / n, 0.05) << line;
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

TEST_F(StudentsReportTest, TheChartsBarsStandForTheNumbers)
{
    make_class();
    const tool_run report = run({"report", "--png", "charts"});
    ASSERT_EQ(report.code, 0) << report.err;
    const expected_numbers expected = numbers();

    const QImage exercises(QString::fromStdString(program.file("charts-exercises.png")));
    ASSERT_FALSE(exercises.isNull());
    std::vector<int> lengths;
    std::vector<long> percents;
    std::vector<std::pair<int, int>> order;   // (exercise, level) of each bar
    for (int l = 0; l < 3; ++l) {
        const QRgb colour = qRgb(platform::red_of(level_colours[l]), platform::green_of(level_colours[l]),
                                 platform::blue_of(level_colours[l]));
        const std::vector<int> found = bars(exercises, colour, true);
        std::vector<long> wanted;
        for (int e = 1; e <= 9; ++e)
            if (const sums& s = expected.levels[static_cast<std::size_t>(e)][static_cast<std::size_t>(l)];
                s.correct > 0)   // a bar of 0 % has no pixels
                wanted.push_back(percent(s));
        expect_proportional(found, wanted);
    }

    const QImage students(QString::fromStdString(program.file("charts-students.png")));
    ASSERT_FALSE(students.isNull());
    std::vector<long> student_percents;
    for (const listed_student& s : list_students(files->directory()))
        if (expected.students.at(s.name)[0].correct > 0)
            student_percents.push_back(percent(expected.students.at(s.name)[0]));
    expect_proportional(bars(students, qRgb(230, 150, 30), false), student_percents);
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
