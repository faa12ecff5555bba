// students guidance check and run, end to end on the built tool.
#include "tests/students_cli/students_tool_fixture.h"
#include "foundation/texts.h"

#include <regex>

using namespace student_files;

using namespace foundation;

namespace {

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The number after "NAME = " in a line of the run.
int value_after(const std::string& line, const std::string& name)
{
    std::smatch found;
    return std::regex_search(line, found, std::regex(name + " = (\\d+)")) ? std::stoi(found[1]) : -1;
}

// The text of an entry of the dry run's section up to its first place.
std::string run_text_start(int k)
{
    const std::string text = text_handler->read_entry("GUIDANCE_DRY_RUN", k);
    return text.substr(0, text.find('%'));
}

} // namespace

using StudentsGuidanceTest = StudentsToolTest;

TEST_F(StudentsGuidanceTest, TheShippedCourseChecksCleanAndAFaultyOneListsEveryProblem)
{
    const tool_run clean = run({"guidance", "check"});
    EXPECT_EQ(std::tuple(clean.code, clean.out), std::tuple(0, "GUID1.TXT: " + text_with(text_names::guidance_check::counts, {"0", "0"}) + "\n"));

    program.write("course.txt", "* two faults and a warning\nTH 1;\nEX 0;\n5: TH 2;\nIF (COUNT > ) GOTO 5;\n");
    const tool_run faulty = run({"guidance", "check", "course.txt"});
    EXPECT_EQ(faulty.code, 1);
    const std::vector<std::string> lines = lines_of(faulty.out);
    const std::string error = ": " + entry("GUIDANCE_CHECK", 1) + ": ";
    ASSERT_EQ(lines.size(), 4u) << faulty.out;
    EXPECT_EQ(lines[0], "course.txt:3" + error + "value out of range");
    EXPECT_EQ(lines[1], "course.txt:5" + error + "digit expected");
    EXPECT_EQ(lines[3], "course.txt: " + text_with(text_names::guidance_check::counts, {"2", "0"}));

    const tool_run missing = run({"guidance", "check", "nowhere.txt"});
    EXPECT_EQ(std::tuple(missing.code, missing.out), std::tuple(1, "nowhere.txt" + error + "Guidance file NOWHERE.TXT not found\n"));
}

// A strong pupil goes through the shipped course once; a weak one repeats its
// first part until 600 minutes under guidance let the course go on.
TEST_F(StudentsGuidanceTest, AStrongPupilPassesOnceAndAWeakOneRepeatsUntilTheTimeIsUp)
{
    const std::string course = test_support::shipped_data_file("GUID1.TXT");
    ASSERT_TRUE(files->create_results_file("Anna Jansen", "tulip", true, true, true, true));
    const std::string before = program.read("RESULTS/Anna Jansen.results");

    const auto strong_lines = lines_of(run({"guidance", "run", course, "--score", "100"}).out);
    std::set<std::string> opened;
    for (const std::string& line : strong_lines) {
        if (line.find(" GOTO ") != std::string::npos || line.find(": statement ") == std::string::npos)
            continue;
        EXPECT_TRUE(opened.insert(line.substr(0, line.find(": statement "))).second) << "opened twice: " << line;
    }
    EXPECT_EQ(strong_lines.back().rfind(course + ": " + run_text_start(12), 0), 0u) << strong_lines.back();

    int repeats = 0, last_total = -1;
    for (const std::string& line : lines_of(run({"guidance", "run", course, "--score", "40,9=100", "--minutes", "2"}).out)) {
        if (line.find("IF ((SCORE < 70) AND (TOTAL_TIME < 600)) GOTO 10") == std::string::npos)
            continue;
        const int score = value_after(line, "SCORE"), total = value_after(line, "TOTAL_TIME");
        const bool holds = line.find(": " + run_text_start(8)) != std::string::npos;
        EXPECT_EQ(holds, score < 70 && total < 600) << line;
        EXPECT_GT(total, last_total);
        last_total = total;
        repeats += holds;
    }
    EXPECT_TRUE(repeats > 5 && last_total >= 600) << repeats << " " << last_total;
    EXPECT_EQ(program.read("RESULTS/Anna Jansen.results"), before) << "a dry run writes to no pupil's file";
}

TEST_F(StudentsGuidanceTest, EndlessCoursesStopAtTheLimitAndBadScoresAreRefused)
{
    program.write("loop.txt", "10: EX 1 /EXIT=(COUNT >= 2);\nGOTO 10;\n");
    const tool_run looped = run({"guidance", "run", "loop.txt", "--steps", "5"});
    const auto lines = lines_of(looped.out);
    ASSERT_EQ(std::tuple(looped.code, lines.size()), std::tuple(1, 11ul)) << looped.out;   // five exercises, five jumps, the stop
    EXPECT_EQ(lines.back(), "loop.txt:1: " + text_with(text_names::guidance_dry_run::statement_word, {"1"}) + ": EX 1 /L=1: "
                                + text_with(text_names::guidance_dry_run::step_limit_reached, {"5"}));

    program.write("jumps.txt", "TH 1;\n7: GOTO 7;\n");
    EXPECT_EQ(run({"guidance", "run", "jumps.txt"}).code, 1);
    for (const char* score : {"101", "3=", "10=50", "x", "50,,60"})
        EXPECT_EQ(run({"guidance", "run", "loop.txt", "--score", score}).code, 2) << score;
    EXPECT_EQ(run({"guidance", "check", "loop.txt", "--score", "50"}).code, 2);
}
