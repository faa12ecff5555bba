#include "tutor/engine/guidance_compiler.h"
#include "tutor/engine/guidance_error_text.h"
#include "tutor/engine/guidance_resolver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tutor::engine::guidance_records;
using namespace tutor::engine;

namespace {

guidance_compilation compiled(std::string_view text, int theory_chapters = 4)
{
    return compile_guidance(split_guidance_text(text, "test.txt").text, theory_chapters);
}

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
    std::int32_t count_value = 0, score_value = 65, time_value = 12, total_value = 70000;
    int last_window = -1;
    std::int32_t count() override { return count_value; }
    std::int32_t score(int window) override { return last_window = window, score_value; }
    std::int32_t exercise_minutes() override { return time_value; }
    std::int32_t total_minutes() override { return total_value; }
};

// A line and the fault found in it; empty: it compiles.
const std::pair<const char*, const char*> faulty_lines[] = {
    {"TH;", "digit expected"}, {"TH 5;", "value out of range"}, {"EX 0;", "value out of range"},
    {"EX 10;", "value out of range"}, {"TE 1 /L=4;", "value out of range"}, {"EX 1 /L=256;", "value out of range"},
    {"GOTO 65535;", ""}, {"GOTO 65536;", "value out of range"},
    {"HALT 99999999999999999999999;", "value out of range"}, {"0: TH 1;", "wrong label value"},
    {"10 TH 1;", "wrong character = \"T\""}, {"EX 1 /Q;", "wrong character = \"Q\""},
    {"EX 1 /EXIT:(COUNT > 1);", "wrong character = \":\""}, {"IF (COUNT ! 3) GOTO 1;", "wrong character = \"!\""},
    {"IF (TEN > 3) GOTO 1;", "wrong character = \"E\""}, {"IF (COUNT > X) GOTO 1;", "digit expected"},
    {"IF COUNT > 5 GOTO 20;", "wrong character = \"C\""}, {"TX 1;", "wrong character = \"X\""},
    {"IF ((COUNT > 1) AND 5) GOTO 1;", "wrong operands/operator combination"},
    {"IF (COUNT AND SCORE) GOTO 1;", "wrong operands/operator combination"},
    {"IF (1 < (COUNT > 1)) GOTO 1;", "wrong operands/operator combination"},
};

} // namespace

TEST(GuidanceCompiler, SmallLettersBlanksCommentsAndRemarksCompileAlike)
{
    const auto capitals = compiled("EX 3 /L=2 /EXIT_OK=(SCORE(5) >= 80);");
    for (const char* text : {"ex 3 /l=2 /exit_ok=(score(5)>=80);", "E X3/ L =\t2/EXIT_ OK=(SC ORE ( 5) > = 8 0)\n;",
                             "* a comment\n\f another\nEX 3 /L=2 /EXIT_OK=(SCORE(5) >= 80); # TH 7; /L=9"}) {
        const auto c = compiled(text);
        ASSERT_EQ(c.table.count(), 1) << text;
        EXPECT_EQ(c.table.statement(1).bytes(), capitals.table.statement(1).bytes()) << text;
        EXPECT_EQ(c.table.condition(1).bytes(), capitals.table.condition(1).bytes()) << text;
    }
    EXPECT_EQ(compiled("TH 1;;; ;\n;TH 2 # ; a remark hides this semicolon\n;").table.count(), 2);
    EXPECT_THROW(compiled("TH 1;").table.condition(1), std::out_of_range);
    EXPECT_THROW(compiled("TH 1;").table.statement(2), std::out_of_range);
}

// Checking a course: every faulty line is found in one pass, and the
// statements between them compile as alone.
TEST(GuidanceCompiler, EveryFaultIsNamedAndCollectingFindsThemAllAndCompilesTheRest)
{
    std::string text;
    std::vector<std::pair<int, std::string>> expected, found;
    for (std::size_t k = 0; k < std::size(faulty_lines); ++k) {
        const auto& [line, detail] = faulty_lines[k];
        EXPECT_EQ(error_of(line), *detail ? message(line, detail) : "") << line;   // alone: the error names both
        text += std::string(line) + "\n* a comment line\nEX 4 /L=2 /EXIT=(COUNT > 3);\n";
        if (*detail)
            expected.emplace_back(2 * k, detail);
    }
    const guidance_reading reading = split_guidance_text(text, "test.txt");
    const guidance_check_compilation c = compile_guidance_collecting(reading.text, 4);
    for (const guidance_fault& f : c.faults)
        found.emplace_back(f.line, f.detail);
    EXPECT_EQ(found, expected);
    const auto alone = compiled("EX 4 /L=2 /EXIT=(COUNT > 3);");
    ASSERT_EQ(c.table.count(), 2 * static_cast<int>(std::size(faulty_lines)));
    for (int k = 2; k <= c.table.count(); k += 2) {
        const int line = c.statement_lines[static_cast<std::size_t>(k)];
        EXPECT_EQ(reading.text.source_line(line), 3 * k / 2);   // comment lines count in the file's numbering
        EXPECT_EQ(c.table.condition(c.table.statement(k).exit_condition()).bytes(), alone.table.condition(1).bytes());
    }
    const guidance_check_compilation labelled =
        compile_guidance_collecting(split_guidance_text("TH 1;\n20: TH 6;\nGOTO 20;\nEX 2", "t").text, 5);
    ASSERT_EQ(labelled.faults.size(), 2u);   // the last without its end
    EXPECT_EQ(labelled.faults[0].theory_chapter, 6);
    EXPECT_EQ(labelled.table.statement(2).label(), 20);
    EXPECT_EQ(error_of("TH 5;", 5), "");
    // At the end of the text the current character is a blank.
    EXPECT_EQ(error_of("TH 1;\nTH 2\n\n"), message("TH 2", "wrong character = \" \""));
    EXPECT_EQ(error_of("TH 1;\nEX 1 /L=1\n /L=7;\nTH 3;"), message(" /L=7;", "value out of range"));
}

TEST(GuidanceErrorText, QuotesTheLineAroundThePlaceWithoutSplittingALetter)
{
    const std::string letters = "abcdefghijklmnopqrstuvwxyz";
    std::string accents;
    for (int k = 0; k < 13; ++k)
        accents += "\xC3\xA9";
    const std::tuple<std::string, std::size_t, std::string> cases[] = {
        {"EX 1;", 3, "EX 1;"}, {letters, 0, "abcdefghij..."}, {letters, 13, "...ijklmnopqr..."},
        {letters, 100, "...qrstuvwxyz"}, {accents, 12, "..." + accents.substr(8, 10) + "..."}};
    for (const auto& [line, column, quoted] : cases)
        EXPECT_EQ(quoted_around(line, column, 10), quoted) << line << " at " << column;
}

TEST(GuidanceCompiler, LimitsOnNestingAndStatementCount)
{
    std::string condition = "(COUNT > 1)";
    for (int depth = 1; depth < max_condition_nesting; ++depth)
        condition = "(" + condition + " AND (COUNT > 1))";
    EXPECT_EQ(error_of("IF " + condition + " GOTO 1;"), "");
    EXPECT_NE(error_of("IF (" + condition + " AND (COUNT > 1)) GOTO 1;").find("conditions nested too deeply"),
              std::string::npos);
    std::string many;
    for (int k = 0; k < statement_table::max_statements; ++k)
        many += k % 100 == 99 ? "TH1;\n" : "TH1;";
    EXPECT_EQ(compiled(many).table.count(), statement_table::max_statements);
    EXPECT_EQ(error_of(many + "TH 1;"), message("TH 1;", "more than 4000 statements"));
}

TEST(GuidanceResolver, JumpsAreFollowedToWhereTheyFinish)
{
    const auto c = compiled("1: IF (COUNT > 5) GOTO 20;\nEX 1;\n20: EX 2;\nGOTO 99;\nGOTO 0;\n6: ;\n5: EX 3;\nTH 1;");
    fixed_values v;
    v.count_value = 6;
    const std::pair<int, int> cases[] = {{1, 3}, {4, 9}, {5, 2}, {6, 7}, {0, 0}, {-3, 0}, {9, 9}, {30, 30}};
    for (const auto& [from, to] : cases)
        EXPECT_EQ(resolve_statement(c.table, from, v).statement, to) << from;
    EXPECT_TRUE(resolve_statement(compiled("TH 1;\n10: GOTO 10;").table, 2, v).endless_jumps);
    // The longest chain without a circle is still followed to its end.
    EXPECT_EQ(resolve_statement(compiled("GOTO 2;\n3: GOTO 4;\n2: GOTO 3;\n4: TH 1;").table, 1, v).statement, 4);
}

TEST(GuidanceResolver, ConditionsCompareSigned32BitValues)
{
    const std::pair<const char*, bool> cases[] = {
        {"(COUNT = 7)", true}, {"(COUNT <> 7)", false}, {"(COUNT < 8)", true}, {"(COUNT <= 7)", true},
        {"(COUNT > 7)", false}, {"(COUNT >= 8)", false}, {"(SCORE = 65)", true}, {"(TIME = 12)", true},
        {"(TOTAL_TIME > 65535)", true}, {"(65535 >= 65535)", true}, {"((COUNT = 7) AND (TIME = 11))", false},
        {"(((COUNT = 6) OR (TIME = 11)) OR ((SCORE > 64) AND (0 = 0)))", true}};
    fixed_values v;
    v.count_value = 7;
    for (const auto& [condition, holds] : cases) {
        const auto program = compiled(std::string("IF ") + condition + " GOTO 0; TH 1;");
        // The outermost condition is completed last.
        const auto outermost = static_cast<condition_ref>(program.table.condition_count());
        EXPECT_EQ(program.table.statement(1).jump_condition(), outermost);
        EXPECT_EQ(condition_holds(program.table, outermost, v), holds) << condition;
    }
    const auto score_window = compiled("IF (SCORE(50) > 0) GOTO 1; IF (SCORE(0) > 0) GOTO 1;");
    condition_holds(score_window.table, 1, v);
    EXPECT_EQ(v.last_window, 30);   // SCORE(50) looks at 30 answers
    condition_holds(score_window.table, 2, v);
    EXPECT_EQ(v.last_window, 0);
}
