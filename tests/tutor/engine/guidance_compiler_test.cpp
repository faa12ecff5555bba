#include "tests/tutor/engine/guidance_fixture.h"
#include "tutor/engine/guidance_error_text.h"
#include "tutor/engine/guidance_resolver.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace tutor::engine::guidance_records;
using namespace tutor::engine;

namespace {

std::string error_of(std::string_view text, int theory_chapters = 4)
{
    return compiled(text, theory_chapters).error;
}

std::string message(const std::string& line, const std::string& detail)
{
    return "Error in Guidance Order, Line = \"" + line + "\", error is: " + detail;
}

// Fixed values for COUNT, SCORE, TIME and TOTAL_TIME; remembers the SCORE window asked for.
struct fixed_values : condition_values {
    std::int32_t count_value = 0, score_value = 0, time_value = 0, total_value = 0;
    int last_window = -1;
    std::int32_t count() override { return count_value; }
    std::int32_t score(int window) override
    {
        last_window = window;
        return score_value;
    }
    std::int32_t exercise_minutes() override { return time_value; }
    std::int32_t total_minutes() override { return total_value; }
};

struct faulty_line {
    const char* text;
    const char* detail;   // empty: it compiles
};
const faulty_line faulty_lines[] = {
    {"TH;", "digit expected"},
    {"TH 5;", "value out of range"},
    {"EX 0;", "value out of range"},
    {"EX 10;", "value out of range"},
    {"EX 300;", "value out of range"},
    {"TE 1 /L=4;", "value out of range"},
    {"EX 1 /L=256;", "value out of range"},
    {"GOTO 65535;", ""},
    {"GOTO 65536;", "value out of range"},
    {"HALT 99999999999999999999999;", "value out of range"},
    {"0: TH 1;", "wrong label value"},
    {"10 TH 1;", "wrong character = \"T\""},
    {"EX 1 /Q;", "wrong character = \"Q\""},
    {"EX 1 /EXIT:(COUNT > 1);", "wrong character = \":\""},
    {"IF (COUNT ! 3) GOTO 1;", "wrong character = \"!\""},
    {"IF (TEN > 3) GOTO 1;", "wrong character = \"E\""},
    {"IF (COUNT > X) GOTO 1;", "digit expected"},
    {"IF COUNT > 5 GOTO 20;", "wrong character = \"C\""},
};

} // namespace

TEST(GuidanceCompiler, SmallLettersAndBlanksCompileLikeCapitals)
{
    const auto capitals = compiled("EX 3 /L=2 /EXIT_OK=(SCORE(5) >= 80);");
    EXPECT_EQ(capitals.table.statement(1).level(), 2);
    for (const char* text : {"ex 3 /l=2 /exit_ok=(score(5)>=80);", "E X3/ L =\t2/EXIT_ OK=(SC ORE ( 5) > = 8 0)\n;"}) {
        const auto c = compiled(text);
        ASSERT_EQ(c.table.count(), 1) << text;
        EXPECT_EQ(c.table.statement(1).bytes(), capitals.table.statement(1).bytes()) << text;
        EXPECT_EQ(c.table.condition(1).bytes(), capitals.table.condition(1).bytes()) << text;
    }
}

TEST(GuidanceCompiler, SemicolonRunsCommentsAndRemarks)
{
    EXPECT_EQ(compiled(";;;").table.count(), 1);
    EXPECT_EQ(compiled("TH 1;;; ;\n;TH 2;").table.count(), 2);
    const auto comments = compiled("* a comment\n\f another\n*TH 1;");
    EXPECT_EQ(comments.error, "");
    EXPECT_EQ(comments.table.count(), 0);
    const auto remark = compiled("EX 4 /L=3;   # TH 7; /L=9\nTH 2 # ; a remark hides this semicolon\n;");
    ASSERT_EQ(remark.error, "");
    ASSERT_EQ(remark.table.count(), 2);
    EXPECT_EQ(remark.table.statement(1).level(), 3);
    EXPECT_EQ(remark.table.statement(2).number(), 2);
    EXPECT_EQ(compiled("").table.count(), 0);
    EXPECT_THROW(compiled("TH 1;").table.statement(2), std::out_of_range);
    EXPECT_THROW(compiled("TH 1;").table.condition(1), std::out_of_range);
    EXPECT_EQ(compiled("  \t\n\n").table.count(), 0);
    EXPECT_EQ(compiled(std::string(300, ' ') + "TH 1;").table.count(), 1) << "long lines are kept whole";
}

TEST(GuidanceCompiler, EveryErrorNamesTheLineAndTheFault)
{
    for (const auto& c : faulty_lines)
        EXPECT_EQ(error_of(c.text), *c.detail ? message(c.text, c.detail) : "") << c.text;
    EXPECT_EQ(error_of("TH 5;", 5), "") << "a fifth chapter with one additional subject";
    EXPECT_EQ(error_of("tx 1; # remark"), message("tx 1; ", "wrong character = \"X\""));
    // At the end of the text the current character is a blank.
    EXPECT_EQ(error_of("TH 1;\nTH 2\n\n"), message("TH 2", "wrong character = \" \""));
    EXPECT_EQ(error_of("TH 1;\nTH 2;\nEX 1 /L=1\n /L=7;\nTH 3;"), message(" /L=7;", "value out of range"));
}

// Checking a course: every faulty line is found in one pass, with the tutor's
// detail and its line, and the statements between them compile as alone.
TEST(GuidanceCompiler, CollectingFindsEveryFaultAndCompilesTheRest)
{
    std::string text;
    std::vector<std::pair<int, std::string>> expected;
    int kept = 0;
    for (const auto& c : faulty_lines) {
        text += std::string(c.text) + "\n* a comment line, not kept\nEX 4 /L=2 /EXIT=(COUNT > 3);\n";
        if (*c.detail)
            expected.emplace_back(kept, c.detail);
        kept += 2;
    }
    const guidance_reading reading = split_guidance_text(text, "test.txt");
    const guidance_check_compilation c = compile_guidance_collecting(reading.text, 4);
    std::vector<std::pair<int, std::string>> found;
    for (const guidance_fault& f : c.faults)
        found.emplace_back(f.line, f.detail);
    EXPECT_EQ(found, expected);
    const auto alone = compiled("EX 4 /L=2 /EXIT=(COUNT > 3);");
    ASSERT_EQ(c.table.count(), 2 * static_cast<int>(std::size(faulty_lines)));
    for (int k = 2; k <= c.table.count(); k += 2) {
        const int line = c.statement_lines[static_cast<std::size_t>(k)];
        EXPECT_EQ(reading.text.line(line), "EX 4 /L=2 /EXIT=(COUNT > 3);");
        EXPECT_EQ(reading.text.source_line(line), 3 * k / 2) << "comment lines count in the file's numbering";
        EXPECT_EQ(c.table.statement(k).level(), alone.table.statement(1).level());
        const auto exit = c.table.condition(c.table.statement(k).exit_condition()).bytes();
        EXPECT_EQ(exit, alone.table.condition(1).bytes());
    }
}

TEST(GuidanceCompiler, CollectingKeepsTheLabelOfAFaultyStatementAndNamesAChapterBeyondTheSettings)
{
    const guidance_reading reading = split_guidance_text("TH 1;\n20: TH 6;\nGOTO 20;\nEX 2", "test.txt");
    const guidance_check_compilation c = compile_guidance_collecting(reading.text, 5);
    ASSERT_EQ(c.faults.size(), 2u);
    EXPECT_EQ(c.faults[0].detail, "value out of range");
    EXPECT_EQ(c.faults[0].theory_chapter, 6);
    EXPECT_EQ(c.faults[1].detail, "wrong character = \" \"") << "a statement without its end";
    EXPECT_EQ(c.faults[1].line, 3);
    ASSERT_EQ(c.table.count(), 3);
    EXPECT_EQ(c.table.statement(2).label(), 20);
    EXPECT_EQ(c.table.statement(2).kind(), kind_empty);
    EXPECT_EQ(error_of("TH 1;\n20: TH 6;", 5), message("20: TH 6;", "value out of range")) << "the tutor's message is as before";
}

TEST(GuidanceErrorText, QuotesTheLineAroundThePlace)
{
    struct quote_case {
        std::string line;
        std::size_t column;
        std::string quoted;
    };
    const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    const std::string e_acute = "\xC3\xA9";
    std::string accents;
    for (int k = 0; k < 13; ++k)
        accents += e_acute;
    const quote_case cases[] = {
        {"EX 1;", 3, "EX 1;"},
        {letters.substr(0, 10), 9, letters.substr(0, 10)},
        {letters, 0, "abcdefghij..."},
        {letters, 13, "...ijklmnopqr..."},
        {letters, 25, "...qrstuvwxyz"},
        {letters, 100, "...qrstuvwxyz"},
        {accents, 12, "..." + accents.substr(8, 10) + "..."},
    };
    for (const quote_case& c : cases)
        EXPECT_EQ(quoted_around(c.line, c.column, 10), c.quoted) << c.line << " at " << c.column;
}

TEST(GuidanceCompiler, OperatorsMustJoinTheirSortOfOperands)
{
    for (const char* line : {"IF ((COUNT > 1) AND 5) GOTO 1;", "IF (5 OR (COUNT > 1)) GOTO 1;",
                             "IF (COUNT AND SCORE) GOTO 1;", "IF (1 < (COUNT > 1)) GOTO 1;"})
        EXPECT_EQ(error_of(line), message(line, "wrong operands/operator combination"));
    EXPECT_EQ(error_of("IF (((COUNT>1) AND (SCORE>=50)) OR (TIME<3)) GOTO 1;"), "");
}

TEST(GuidanceCompiler, LimitsOnNestingAndStatementCount)
{
    std::string condition = "(COUNT > 1)";
    for (int depth = 1; depth < max_condition_nesting; ++depth)
        condition = "(" + condition + " AND (COUNT > 1))";
    EXPECT_EQ(error_of("IF " + condition + " GOTO 1;"), "");
    condition = "(" + condition + " AND (COUNT > 1))";
    const std::string too_deep = "IF " + condition + " GOTO 1;";
    // Found at the parenthesis one too deep, after "IF "; the long line is quoted around it.
    const std::size_t place = 3 + max_condition_nesting;
    EXPECT_EQ(error_of(too_deep),
              message("..." + too_deep.substr(place - 30, 60) + "...", "conditions nested too deeply"));

    std::string line;
    for (int k = 0; k < 100; ++k)
        line += "TH1;";
    std::string many;
    for (int k = 0; k < 40; ++k)
        many += line + "\n";
    const auto four_thousand = compiled(many);
    EXPECT_EQ(four_thousand.error, "");
    EXPECT_EQ(four_thousand.table.count(), statement_table::max_statements);
    EXPECT_EQ(error_of(many + "TH 1;"), message("TH 1;", "more than 4000 statements"));
}

TEST(GuidanceResolver, JumpsFallThroughAndFinish)
{
    const auto c = compiled("1: IF (COUNT > 5) GOTO 20;\nEX 1;\n20: EX 2;\nGOTO 99;\nGOTO 0;\n6: ;\n5: EX 3;\nTH 1;");
    ASSERT_EQ(c.error, "");
    fixed_values v;
    v.count_value = 5;
    EXPECT_EQ(resolve_statement(c.table, 1, v).statement, 2) << "five answers fall through";
    v.count_value = 6;
    EXPECT_EQ(resolve_statement(c.table, 1, v).statement, 3);
    EXPECT_EQ(resolve_statement(c.table, 4, v).statement, 9) << "a missing label finishes";
    EXPECT_EQ(resolve_statement(c.table, 5, v).statement, 2) << "label 0 is the first unlabelled statement";
    EXPECT_EQ(resolve_statement(c.table, 6, v).statement, 7);
    EXPECT_EQ(resolve_statement(c.table, 0, v).statement, 0);
    EXPECT_EQ(resolve_statement(c.table, -3, v).statement, 0);
    EXPECT_EQ(resolve_statement(c.table, 9, v).statement, 9);
    EXPECT_EQ(resolve_statement(c.table, 30, v).statement, 30);
    EXPECT_FALSE(resolve_statement(c.table, 1, v).endless_jumps);
}

TEST(GuidanceResolver, JumpCyclesAreFoundNotFollowedForever)
{
    const auto self = compiled("TH 1;\n10: GOTO 10;");
    fixed_values v;
    const resolution r = resolve_statement(self.table, 2, v);
    EXPECT_TRUE(r.endless_jumps);
    EXPECT_EQ(r.statement, 2);

    const auto loop = compiled("1: GOTO 2;\n2: IF (COUNT < 100) GOTO 1;\nEX 1;");
    EXPECT_TRUE(resolve_statement(loop.table, 1, v).endless_jumps);
    v.count_value = 100;
    const resolution out = resolve_statement(loop.table, 1, v);
    EXPECT_FALSE(out.endless_jumps);
    EXPECT_EQ(out.statement, 3);

    // The longest chain without a circle is still followed to its end.
    const auto chain = compiled("GOTO 2;\n3: GOTO 4;\n2: GOTO 3;\n4: TH 1;");
    EXPECT_EQ(resolve_statement(chain.table, 1, v).statement, 4);
}

TEST(GuidanceResolver, AnObserverSeesEveryJumpPassed)
{
    const auto c = compiled("IF (COUNT > 5) GOTO 9;\n5: ;\n9: GOTO 7;\n7: IF (COUNT < 5) GOTO 9;\nTH 1;");
    fixed_values v;
    v.count_value = 5;
    std::vector<std::array<int, 3>> seen;
    const resolution r = resolve_statement(c.table, 1, v, [&](int from, int to, bool jumped) {
        seen.push_back({from, to, jumped ? 1 : 0});
    });
    EXPECT_EQ(r.statement, 5);
    EXPECT_EQ(seen, (std::vector<std::array<int, 3>>{{1, 2, 0}, {3, 4, 1}, {4, 5, 0}}));
}

TEST(GuidanceResolver, ConditionsCompareSigned32BitValues)
{
    struct expectation {
        const char* condition;
        bool holds;
    };
    const expectation cases[] = {
        {"(COUNT = 7)", true},         {"(COUNT <> 7)", false}, {"(COUNT < 8)", true},
        {"(COUNT <= 7)", true},        {"(COUNT > 7)", false},  {"(COUNT >= 8)", false},
        {"(SCORE = 65)", true},        {"(TIME = 12)", true},   {"(TOTAL_TIME > 65535)", true},
        {"(0 < 1)", true},             {"(65535 >= 65535)", true},
        {"((COUNT = 7) AND (TIME = 11))", false},
        {"((COUNT = 7) OR (TIME = 11))", true},
        {"(((COUNT = 6) OR (TIME = 11)) OR ((SCORE > 64) AND (0 = 0)))", true},
    };
    fixed_values v;
    v.count_value = 7;
    v.score_value = 65;
    v.time_value = 12;
    v.total_value = 70000;
    for (const auto& c : cases) {
        const auto program = compiled(std::string("IF ") + c.condition + " GOTO 0; TH 1;");
        ASSERT_EQ(program.error, "") << c.condition;
        // The outermost condition is completed last.
        const auto outermost = static_cast<condition_ref>(program.table.condition_count());
        EXPECT_EQ(program.table.statement(1).jump_condition(), outermost);
        EXPECT_EQ(condition_holds(program.table, outermost, v), c.holds) << c.condition;
    }
    const auto score_window = compiled("IF (SCORE(50) > 0) GOTO 1; IF (SCORE(0) > 0) GOTO 1;");
    condition_holds(score_window.table, 1, v);
    EXPECT_EQ(v.last_window, 30) << "SCORE(50) looks at 30 answers";
    condition_holds(score_window.table, 2, v);
    EXPECT_EQ(v.last_window, 0);
}
