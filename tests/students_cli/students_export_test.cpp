#include "foundation/date_time.h"
#include "student_files/student_list.h"
#include "tests/students_cli/students_tool_fixture.h"
#include "students_cli/csv/csv.h"
#include "tutor/engine/exercise_texts.h"

using namespace foundation;

using namespace student_files;
using namespace tutor::engine;
using namespace students_cli::csv;

using StudentsExportTest = StudentsToolTest;

TEST_F(StudentsExportTest, TheDemoFolderReadsBackRowForResult)
{
    make_demo();
    const tool_run exported = run({"export", "--out", "results.csv"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    const csv_table table = read_csv(program.read("results.csv"));
    ASSERT_FALSE(table.error);
    std::map<std::string, std::pair<long, long>> sums;   // objects, correct per student
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const std::vector<std::string>& row = table.rows[i].cells;
        ASSERT_EQ(row.size(), 9u);
        sums[row[0]].first += std::stol(row[7]);
        sums[row[0]].second += std::stol(row[8]);
    }
    std::size_t results = 0;
    for (const listed_student& s : list_students(files->directory())) {
        const results_sums expected = files->sum_results(s.name);
        EXPECT_EQ(sums[s.name], std::pair(expected.total_objects, expected.total_correct)) << s.name;
        for (const auto& chain : files->read_result_chains(files->results_file_name(s.name), 14).exercises)
            results += chain.size();
    }
    EXPECT_EQ(table.rows.size() - 1, results);
    EXPECT_EQ(exported.out, "exported " + std::to_string(results) + " results of 4 students to "
                                + program.file("results.csv") + "\n");
}

TEST_F(StudentsExportTest, NamesWithCommasAndQuotesSurviveAndTimesAreLocal)
{
    const std::string name = "Smith, \"Jo\" Anne";
    ASSERT_TRUE(files->create_results_file(name, "secret", true, true, true, true));
    ASSERT_TRUE(files->add_result(name, 9, when(5, 23, 58, 30), when(6, 0, 3, 10), 3, 12, 11));
    ASSERT_TRUE(files->add_result(name, 12, when(7, 8, 0, 0), when(7, 8, 0, 20), 1, 1, 0));
    const tool_run exported = run({"export"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, "student,exercise,title,level,start,end,duration_seconds,objects,correct\r\n"
                            "\"Smith, \"\"Jo\"\" Anne\",9," + exercise_texts().title(9) + ",3,2026-03-05T23:58:30,2026-03-06T00:03:10,280,12,11\r\n"
                            "\"Smith, \"\"Jo\"\" Anne\",12,,1,2026-03-07T08:00:00,2026-03-07T08:00:20,20,1,0\r\n");
    EXPECT_EQ(read_csv(exported.out).rows[1].cells[0], name);

    program.make_dir("folder.csv");
    EXPECT_EQ(run({"export", "--out", "folder.csv"}).code, 1);
}

TEST_F(StudentsExportTest, NamesASpreadsheetWouldTakeForFormulasAreWrittenAsText)
{
    const std::pair<std::string, bool> cases[] = {{"=HYPERLINK(\"x\")", true}, {"+cmd, run", true}, {"-2+3 Smith", true},
                                                  {"@Jansen", true}, {"Kim =Jansen", false}};   // name, guarded
    for (const auto& [name, guarded] : cases) {
        ASSERT_TRUE(files->create_results_file(name, "secret", true, true, true, true)) << name;
        ASSERT_TRUE(files->add_result(name, 1, when(5, 9, 0, 0), when(5, 9, 5, 0), 1, 5, 4)) << name;
    }
    const tool_run exported = run({"export"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    std::set<std::string> student_cells;
    for (const csv_row& row : read_csv(exported.out).rows)
        student_cells.insert(row.cells[0]);
    for (const auto& [name, guarded] : cases) {
        EXPECT_EQ(student_cells.count(guarded ? "'" + name : name), 1u) << name;
        EXPECT_NE(exported.out.find((guarded ? "\r\n\"'" : "\r\n") + name.substr(0, 1)), std::string::npos) << "in quotes: " << name;
    }
}
