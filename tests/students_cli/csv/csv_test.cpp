#include "students_cli/csv/class_list.h"
#include "students_cli/csv/csv.h"
#include "students_cli/csv/json.h"

#include <gtest/gtest.h>

#include <random>

using namespace students_cli::csv;

namespace {

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
    EXPECT_EQ(t.error, "");
    EXPECT_EQ(cells_of(t), (rows{{"name", "password"}, {"Smith, John", "a \"b\""}, {"two\nlines", "x"},
                                 {"last", ""}, {""}, {"", ""}}));
    EXPECT_EQ(t.rows[3].line, 5) << "a row counts from the line it starts on";
    EXPECT_EQ(cells_of(read_csv("a\"b,c\n")), (rows{{"a\"b", "c"}})) << "a quote inside a plain cell stays";
    EXPECT_TRUE(read_csv("\xEF\xBB\xBF").rows.empty());
    for (const auto& [text, error] : {std::pair{"a,b\n1,\"never\nclosed", "not closed"}, {"a\n\"x\"y,z\n", "must end"}}) {
        const csv_table faulty = read_csv(text);
        EXPECT_NE(faulty.error.find(error), std::string::npos) << faulty.error;
        EXPECT_EQ(faulty.error_line, 2);
    }
}

TEST(Csv, WrittenCellsReadBackWhateverTheyHold)
{
    EXPECT_EQ(csv_line({"plain", "a,b", "say \"hi\"", " padded", ""}), "plain,\"a,b\",\"say \"\"hi\"\"\",\" padded\",\r\n");
    std::mt19937 random(7);
    const std::string alphabet = "ab ,\"\r\n;\xC3\xA9";
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> cells(1 + random() % 4);
        for (std::string& cell : cells)
            for (std::size_t n = random() % 6; n > 0; --n)
                cell += alphabet[random() % alphabet.size()];
        const csv_table back = read_csv(csv_line(cells) + csv_line(cells));
        ASSERT_EQ(back.error, "");
        ASSERT_EQ(cells_of(back), (rows{cells, cells}));
    }
}

TEST(ClassList, HeaderColumnsAnyOrderAndFlagSpellings)
{
    const class_list list = read_class_list("\n Store_Results ,NAME,Guidance On,password,,\n"
                                            "yes,Anna Jansen,TRUE,tulip1\n"
                                            "0,Bram,, pw \n"
                                            ",,,\n"
                                            "maybe,Chris,no,pw,,extra\n");
    ASSERT_EQ(list.error, "");
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
    for (const auto& [text, error] : {std::pair{"name;password\nA;b\n", "semicolons"}, {"name,pass\n", "\"pass\""},
                                      {"name,password,Name\n", "twice"}, {"name\n", "name and password"}, {"\n\n", "empty"}})
        EXPECT_NE(read_class_list(text).error.find(error), std::string::npos) << text;
}

TEST(Json, StringsAreEscapedAndAlwaysUtf8)
{
    EXPECT_EQ(json_string("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\u000a\\u0001\"");
    EXPECT_EQ(json_string("\xC3\xA9t\xC3"), "\"\xC3\xA9t\\ufffd\"");
    EXPECT_EQ(json_string("\xC0\x80\xED\xA0\x80"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd\"");
}
