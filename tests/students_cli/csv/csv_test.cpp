#include "students_cli/csv/class_list.h"
#include "students_cli/csv/csv.h"
#include "students_cli/csv/json.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace students_cli::csv;

namespace {

using problem = class_list_problem_kind;

std::vector<std::vector<std::string>> cells_of(const csv_table& table)
{
    std::vector<std::vector<std::string>> cells;
    for (const csv_row& row : table.rows)
        cells.push_back(row.cells);
    return cells;
}

using rows = std::vector<std::vector<std::string>>;

} // namespace

TEST(Csv, ReadsQuotesLineEndsAndAByteOrderMark)
{
    const csv_table t = read_csv("\xEF\xBB\xBFname,password\r\n\"Smith, John\",\"a \"\"b\"\"\"\r\n"
                                 "\"two\nlines\",x\rlast,\n\n,\"\"");
    EXPECT_FALSE(t.error);
    EXPECT_EQ(cells_of(t), (rows{{"name", "password"}, {"Smith, John", "a \"b\""}, {"two\nlines", "x"},
                                 {"last", ""}, {""}, {"", ""}}));
    EXPECT_EQ(t.rows[3].line, 5) << "a row counts from the line it starts on";
    EXPECT_EQ(cells_of(read_csv("a\"b,c\n")), (rows{{"a\"b", "c"}})) << "a quote inside a plain cell stays";
    EXPECT_TRUE(read_csv("\xEF\xBB\xBF").rows.empty());
    for (const auto& [text, error] :
         {std::pair{"a,b\n1,\"never\nclosed", problem::quote_not_closed}, {"a\n\"x\"y,z\n", problem::quote_must_end}}) {
        const csv_table faulty = read_csv(text);
        EXPECT_EQ(std::pair(faulty.error->entry, faulty.error_line), std::pair(error, 2)) << text;
    }
}

TEST(Csv, WrittenCellsReadBackWhateverTheyHold)
{
    EXPECT_EQ(csv_line({"plain", "a,b", "say \"hi\"", " padded", ""}), "plain,\"a,b\",\"say \"\"hi\"\"\",\" padded\",\r\n");
    const std::vector<std::string> cells{"\xEF\xBB\xBF" "bom", "a,b", "say \"hi\"", "end ", "two\r\nlines", "", "\xC3\xA9;"};
    EXPECT_EQ(cells_of(read_csv(csv_line(cells) + csv_line(cells))), (rows{cells, cells}));
}

TEST(ClassList, HeaderColumnsAnyOrderAndFlagSpellings)
{
    test_support::use_shipped_texts();
    const class_list list = read_class_list("\n Store_Results ,NAME,Guidance On,password,,\n"
                                            "yes,Anna Jansen,TRUE,tulip1\n"
                                            "0,Bram,, pw \n"
                                            ",,,\n"
                                            "maybe,Chris,no,pw,,extra\n");
    ASSERT_FALSE(list.error);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(std::tuple(list.rows[0].name, list.rows[1].password, list.rows[2].line), std::tuple("Anna Jansen", " pw ", 6))
        << "names and passwords are taken as they stand";
    EXPECT_EQ(list.rows[0].flags, (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(list.rows[1].flags, (std::array<bool, 4>{}));
    EXPECT_EQ(list.rows[2].problems, (std::vector<std::string>{
                                         "store-results: \"maybe\" is not 1 or 0, yes or no, true or false",
                                         "the row has a cell beyond the header's columns: \"extra\""}));
}

TEST(ClassList, FaultsOfTheWholeFile)
{
    const struct {
        const char* text;
        problem error;
        std::vector<std::string> values;
    } cases[] = {{"name;password\nA;b\n", problem::semicolons, {}},
                 {"name,pass\n", problem::unknown_column, {"pass", foundation::text_of(problem::columns)}},
                 {"name,password,Name\n", problem::column_twice, {"Name"}},
                 {"name\n", problem::name_and_password, {foundation::text_of(problem::columns)}},
                 {"\n\n", problem::empty, {}}};
    for (const auto& c : cases) {
        const auto error = read_class_list(c.text).error;
        EXPECT_EQ(std::pair(error->entry, error->values), std::pair(c.error, c.values)) << c.text;
    }
}

TEST(Json, StringsAreEscapedAndAlwaysUtf8)
{
    EXPECT_EQ(json_string("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\u000a\\u0001\"");
    EXPECT_EQ(json_string("\xC3\xA9t\xC3"), "\"\xC3\xA9t\\ufffd\"");
    EXPECT_EQ(json_string("\xC0\x80\xED\xA0\x80"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd\"");
}
