#include "students_cli/csv/class_list.h"
#include "students_cli/csv/csv.h"
#include "platform/core/file_name_text.h"
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
    std::vector<int> lines;
    for (const csv_row& r : t.rows)
        lines.push_back(r.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 5, 6, 7})) << "a row counts from the line it starts on";
    EXPECT_EQ(cells_of(read_csv("a\"b,c\n")), (rows{{"a\"b", "c"}})) << "a quote inside a plain cell stays";
    EXPECT_TRUE(read_csv("").rows.empty());
    EXPECT_TRUE(read_csv("\xEF\xBB\xBF").rows.empty());
}

TEST(Csv, FaultsNameTheirLine)
{
    const csv_table open = read_csv("a,b\n1,\"never\nclosed");
    EXPECT_NE(open.error.find("not closed"), std::string::npos);
    EXPECT_EQ(open.error_line, 2);
    const csv_table trailing = read_csv("a\n\"x\"y,z\n");
    EXPECT_NE(trailing.error.find("must end"), std::string::npos);
    EXPECT_EQ(trailing.error_line, 2);
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
    EXPECT_EQ(list.rows[0].name, "Anna Jansen");
    EXPECT_EQ(list.rows[0].flags, (std::array<bool, 4>{true, false, false, true}));
    EXPECT_EQ(list.rows[1].password, " pw ") << "names and passwords are taken as they stand";
    EXPECT_EQ(list.rows[1].flags, (std::array<bool, 4>{}));
    EXPECT_TRUE(list.rows[1].problems.empty());
    EXPECT_EQ(list.rows[2].line, 6);
    EXPECT_EQ(list.rows[2].problems, (std::vector<std::string>{
                                         "store-results: \"maybe\" is not 1 or 0, yes or no, true or false",
                                         "the row has a cell beyond the header's columns: \"extra\""}));
}

TEST(ClassList, FaultsOfTheWholeFile)
{
    EXPECT_NE(read_class_list("name;password\nA;b\n").error.find("semicolons"), std::string::npos);
    EXPECT_NE(read_class_list("name,pass\n").error.find("\"pass\""), std::string::npos);
    EXPECT_NE(read_class_list("name,password,Name\n").error.find("twice"), std::string::npos);
    EXPECT_NE(read_class_list("name\n").error.find("name and password"), std::string::npos);
    EXPECT_NE(read_class_list("\n\n").error.find("empty"), std::string::npos);
    const class_list open = read_class_list("name,password\n\"x,y\n");
    EXPECT_EQ(open.error_line, 2);
    EXPECT_TRUE(open.rows.empty());
}

TEST(Json, StringsAreEscapedAndAlwaysUtf8)
{
    EXPECT_EQ(json_string("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\u000a\\u0001\"");
    EXPECT_EQ(json_string("\xC3\xA9t\xC3"), "\"\xC3\xA9t\\ufffd\"");
    EXPECT_EQ(json_string("\xC0\x80\xED\xA0\x80"), "\"\\ufffd\\ufffd\\ufffd\\ufffd\\ufffd\"");
    EXPECT_TRUE(platform::is_utf8("\xF0\x9F\x98\x80 ok"));
    EXPECT_FALSE(platform::is_utf8("\xE9t\xE9"));
}
