#include "foundation/globals.h"
#include "foundation/texts.h"
#include "foundation/textfile_handler.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>
#include <ostream>
#include <utility>

using namespace foundation;

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

TEST(TextfileHandler, EntriesCommentsRemarksAndBlankLines)
{
    const auto h = parse("$[A]\nx #note\n*comment\n\ny\n$[B]\nz\n");
    EXPECT_EQ(h.entry_count("A"), 3);
    EXPECT_EQ(h.read_entry("A", 1), "x ");
    EXPECT_EQ(h.read_entry("A", 2), "");
    EXPECT_EQ(h.read_entry("A", 3), "y");
    EXPECT_EQ(h.entry_count("B"), 1);
    EXPECT_EQ(h.read_entry("B", 1), "z");
    EXPECT_EQ(h.read_entry("A", 0), "");
    EXPECT_EQ(h.read_entry("A", 4), "");
    EXPECT_EQ(h.read_entry("C", 1), "");
}

TEST(TextfileHandler, NamesMatchWithoutRegardToCaseAndTheFirstBracketsCount)
{
    const auto h = parse("ignored\n$[lower] [second]\na\n$ [MiXeD]\r\nb\r\n");
    EXPECT_EQ(h.read_entry("LOWER", 1), "a");
    EXPECT_FALSE(h.has_section("SECOND"));
    EXPECT_EQ(h.read_entry("mixed", 1), "b") << "CR LF line ends are read as line ends";
}

TEST(TextfileHandler, InvalidDollarLinesEndASectionAndTheirLinesAreIgnored)
{
    const auto h = parse("$[A]\na1\n$]bad[\nlost\n$\nlost too\n$[B]\nb1\n\f form feed comment\n$[C]\n");
    EXPECT_EQ(h.entry_count("A"), 1);
    EXPECT_EQ(h.entry_count("B"), 1);
    EXPECT_TRUE(h.has_section("C"));
    EXPECT_EQ(h.entry_count("C"), 0);
}

TEST(TextfileHandler, LongLinesAreCut)
{
    const auto h = parse("$[A]\n" + std::string(300, 'q') + "\nsecond\n");
    EXPECT_EQ(h.read_entry("A", 1), std::string(255, 'q'));
    EXPECT_EQ(h.read_entry("A", 2), "second");
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
    const std::pair<std::string, std::string> cases[] = {
        {"&File", "File"}, {"E&xit", "Exit"}, {"Fish && Chips", "Fish & Chips"}, {"end&", "end"}, {"plain", "plain"}};
    for (const auto& [caption, title] : cases)
        EXPECT_EQ(without_mnemonic(caption), title) << caption;
}

TEST(TextfileHandler, DuplicateSectionIsReported)
{
    std::string problem;
    Ttextfile_handler::from_text("$[A]\n1\n$[a]\n2\n", problem);
    EXPECT_EQ(problem, "a");

    test_support::temp_dir dir;
    test_support::reset_globals_to(dir.path());
    dir.write("T.TXT", "$[A]\n$[A]\n");
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    bool found = false;
    EXPECT_THROW(Ttextfile_handler("T.TXT", found, true), platform::program_stopped);
    EXPECT_EQ(responder.last().text, "The text file \"T.TXT\" holds the section \"A\" more than once!");
}

TEST(TextfileHandler, MissingFileStopsOnlyWhenFatal)
{
    test_support::temp_dir dir;
    test_support::reset_globals_to(dir.path());
    platform::scripted_responder responder;
    bool found = true;
    Ttextfile_handler quiet("NONE.TXT", found, false);
    EXPECT_FALSE(found);
    EXPECT_EQ(responder.last().text, "The text file \"NONE.TXT\" was not found!");
    EXPECT_EQ(responder.last().flags, 16u);
    EXPECT_EQ(quiet.read_entry("A", 1), "");

    platform::throwing_exit_guard guard;
    try {
        Ttextfile_handler fatal("NONE.TXT", found, true);
        FAIL() << "a missing text file must stop the program";
    } catch (const platform::program_stopped& stop) {
        EXPECT_EQ(stop.code, 1);
    }
}

TEST(NamedTexts, AnOffsetReachesOnlyTheSectionsNamedEntries)
{
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(
        Ttextfile_handler::from_text("$[VIEW_LABELS]\nL\nT\nF\nB\nR\nRe\nunnamed\n", problem));
    using text_names::view_labels;
    const struct {
        int offset;
        const char* text;
    } cases[] = {{0, "L"}, {5, "Re"}, {6, ""}, {-1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(text_of(view_labels::left, c.offset), c.text) << c.offset;
    const text_section<view_labels> labels;
    EXPECT_EQ(labels[view_labels::rear], "Re");
    EXPECT_EQ(labels.at(view_labels::top, 1), "F");
    text_handler.reset();
    EXPECT_EQ(text_of(view_labels::left), "");
}
