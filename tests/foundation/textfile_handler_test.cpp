#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <ostream>
#include <utility>

namespace {

Ttextfile_handler parse(const std::string& text)
{
    std::string problem;
    Ttextfile_handler handler = Ttextfile_handler::from_text(text, problem);
    EXPECT_EQ(problem, "");
    return handler;
}

std::string repeated(const std::string& text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

} // namespace

// Remarks, comments, blank lines, names in any case, CR LF, invalid $ lines
// that end a section, long lines cut.
TEST(TextfileHandler, EntriesSectionsAndTheirLines)
{
    const auto h = parse("ignored\n$[A]\nx #note\n*comment\n\ny\n$]bad[\nlost\n$[b] [second]\nz\n\f form feed\n"
                         "$ [MiXeD]\r\n" + std::string(300, 'q') + "\r\nsecond\n$[E]\n");
    EXPECT_EQ(h.entry_count("A"), 3);
    std::vector<std::string> entries;
    for (const auto& [section, k] : {std::pair{"A", 1}, {"A", 2}, {"A", 3}, {"B", 1}, {"mixed", 2}, {"A", 0}, {"A", 4},
                                     {"C", 1}})
        entries.push_back(h.read_entry(section, k));
    EXPECT_EQ(entries, (std::vector<std::string>{"x ", "", "y", "z", "second", "", "", ""}));
    EXPECT_EQ(h.read_entry("MIXED", 1), std::string(255, 'q'));
    EXPECT_EQ(std::tuple(h.entry_count("B"), h.has_section("SECOND"), h.has_section("E"), h.entry_count("E")),
              std::tuple(1, false, true, 0));
    std::string texts[3] = {"old", "old", "old"};
    h.read_section("MIXED", texts, 3);
    EXPECT_EQ(std::tuple(texts[1], texts[2]), std::tuple("second", ""));
    h.read_section("MISSING", texts, 3);
    EXPECT_EQ(texts[0], "");
}

struct encoding_case {
    const char* what;
    std::string file;         // the bytes of the file
    std::string first_entry;  // entry 1 of section A, UTF-8
};

void PrintTo(const encoding_case& c, std::ostream* out)
{
    *out << c.what;
}

class TextfileEncoding : public testing::TestWithParam<encoding_case> {};

TEST_P(TextfileEncoding, TextsComeOutAsUtf8)
{
    EXPECT_EQ(parse(GetParam().file).read_entry("A", 1), GetParam().first_entry);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TextfileEncoding,
    testing::Values(
        encoding_case{"utf8", "$[A]\nGr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC\n", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC"},
        encoding_case{"windows1252", "$[A]\nGr\xF6\xDF" "e \x80\n", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC"},
        encoding_case{"undefinedByteIsItsControl", "$[A]\n\x81\xE9\n", "\xC2\x81\xC3\xA9"},
        encoding_case{"overlongIsNotUtf8", "$[A]\n\xC0\xAF\n", "\xC3\x80\xC2\xAF"},
        encoding_case{"surrogateIsNotUtf8", "$[A]\n\xED\xA0\x80\n", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        encoding_case{"cutSequenceIsNotUtf8", "$[A]\nx\xC3", "x\xC3\x83"},
        encoding_case{"byteOrderMarkDropped", "\xEF\xBB\xBF$[A]\nx\n", "x"},
        encoding_case{"utf8CutAt255Characters", "$[A]\n" + repeated("\xC3\xA9", 300), repeated("\xC3\xA9", 255)},
        encoding_case{"windows1252CutAt255Characters", "$[A]\n" + repeated("\xE9", 300),
                      repeated("\xC3\xA9", 255)}),
    [](const testing::TestParamInfo<encoding_case>& info) { return std::string(info.param.what); });

TEST(TextfileHandler, CaptionsLoseTheirAltKeyMarkWhereTheyServeAsTitles)
{
    EXPECT_EQ(without_mnemonic("E&xit Fish && Chips&"), "Exit Fish & Chips");
}

// A duplicate section is a problem of the text; a missing file stops only when fatal.
TEST(TextfileHandler, DuplicateSectionsAndMissingFilesAreReported)
{
    std::string problem;
    Ttextfile_handler::from_text("$[A]\n1\n$[a]\n2\n", problem);
    EXPECT_EQ(problem, "a");
    test_support::temp_dir dir;
    test_support::reset_globals_to(dir.path());
    dir.write("T.TXT", "$[A]\n$[A]\n");
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    bool found = true;
    EXPECT_THROW(Ttextfile_handler("T.TXT", found, true), platform::program_stopped);
    EXPECT_EQ(responder.last().text, "The text file \"T.TXT\" holds the section \"A\" more than once!");
    Ttextfile_handler quiet("NONE.TXT", found, false);
    EXPECT_FALSE(found);
    EXPECT_EQ(std::tuple(responder.last().text, responder.last().flags),
              std::tuple("The text file \"NONE.TXT\" was not found!", 16u));
    EXPECT_THROW(Ttextfile_handler("NONE.TXT", found, true), platform::program_stopped);
}
