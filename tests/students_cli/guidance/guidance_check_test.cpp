// The guidance check in the process: what conditions can come to, and what
// the check finds in small courses, with the shipped texts.
#include "tests/students_cli/students_tool_fixture.h"
#include "students_cli/guidance/condition_outcomes.h"
#include "students_cli/guidance/guidance_check.h"
#include "foundation/texts.h"
#include "tutor/engine/guidance_compiler.h"

using namespace student_files;

using namespace tutor::engine::guidance_records;
using namespace foundation;
using namespace tutor::engine;
using namespace students_cli::guidance;

namespace {

guidance_compilation compiled_condition(const std::string& condition)
{
    const guidance_reading reading = split_guidance_text("IF " + condition + " GOTO 1;", "test.txt");
    return compile_guidance(reading.text, 4);
}

// A condition, whether it can hold and fail, and the least COUNT it is asked at.
const std::tuple<const char*, bool, bool, int> outcome_cases[] = {
    {"(COUNT >= 5)", true, true, 0},
    {"(SCORE > 100)", false, true, 0},
    {"(100 >= SCORE(5))", true, false, 0},
    {"(COUNT < 0)", false, true, 0},
    {"(COUNT = 0)", false, true, 1},
    {"(TIME <> TIME)", false, true, 0},
    {"(1 = 1)", true, false, 0},
    {"((COUNT > 5) AND (COUNT < 3))", false, true, 0},
    {"((SCORE > 50) AND (SCORE(5) < 20))", true, true, 0},
    {"((TIME > 10) AND ((TIME < 5) OR (COUNT < 0)))", false, true, 0},
    {"((COUNT <> 4) OR (COUNT <> 5))", true, false, 0},
    {"((TOTAL_TIME < 3) AND (TOTAL_TIME > 2))", false, true, 0},
};

struct expected_finding {
    int line;
    int entry;   // of "GUIDANCE_CHECK"; 0: the compiler's detail below
    std::vector<std::string> values;
};

const std::pair<const char*, std::vector<expected_finding>> course_cases[] = {   // a course and its findings
    {"TH 1;\n5: TH 2;\nHALT;", {{2, 4, {"5"}}}},
    {"GOTO 9;\nTH 1;", {{1, 6, {"9"}}, {2, 7, {"2"}}}},
    {"TH 1;\n3: GOTO 4;\n\n4: GOTO 3;\nTH 2;\nTH 3;", {{2, 9, {"2, 3"}}, {5, 8, {"4", "5"}}}},
    {"10: EX 1;\nGOTO 10;\nHALT;", {{1, 10, {"1, 2"}}, {3, 7, {"3"}}}},
    {"EX 1 /EXIT=(SCORE > 100) /EXIT_OK=(COUNT < 0);", {{1, 13, {}}, {1, 14, {}}}},
    {"IF (COUNT < 0) GOTO 5;\n5: TH 1;", {{1, 11, {}}}},
    {"IF (1 = 1) GOTO 5;\nTH 2;\n5: TH 1;", {{1, 12, {}}, {2, 7, {"2"}}}},
    {"5: TH 1;\n5: TH 2;\nIF (TIME < 9) GOTO 5;", {{2, 5, {"5", "1"}}}},
    {"EX 2 /L=3;\nTE 2 /L=2;", {{1, 15, {"2", "3"}}}},
    {"TH 1;\nEX 12;\n9: GOTO 9;", {{2, 0, {"value out of range"}}, {0, 17, {}}}},
};

} // namespace

TEST(GuidanceConditionOutcomes, NumbersAndOperandRangesDecideWhatCanHold)
{
    for (const auto& [condition, can_hold, can_fail, least_count] : outcome_cases) {
        const guidance_compilation program = compiled_condition(condition);
        ASSERT_EQ(program.error, "") << condition;
        const auto outermost = static_cast<condition_ref>(program.table.condition_count());
        const condition_outcomes o = possible_outcomes(program.table, outermost, least_count);
        EXPECT_EQ(std::pair(o.can_hold, o.can_fail), std::pair(can_hold, can_fail)) << condition;
    }
}

using GuidanceCheckTest = StudentsToolTest;

TEST_F(GuidanceCheckTest, EachCourseGetsItsFindingsAtTheirLines)
{
    guidance_check_settings settings;
    settings.has_objects = [](int exercise, int level) { return !(exercise == 2 && level == 3); };
    for (const auto& [text, findings] : course_cases) {
        const guidance_reading reading = split_guidance_text(text, "test.txt");
        std::vector<std::pair<int, std::string>> found, expected;
        for (const guidance_finding& f : check_guidance_text(reading.text, settings))
            found.emplace_back(f.line, f.text);
        for (const expected_finding& e : findings)
            expected.emplace_back(e.line, e.entry == 0 ? e.values.front() : text_with(static_cast<text_names::guidance_check>(e.entry), e.values));
        EXPECT_EQ(found, expected) << text;
    }
}
