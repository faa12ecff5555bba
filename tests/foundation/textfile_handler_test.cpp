#include "foundation/globals.h"
#include "foundation/texts.h"
#include "foundation/textfile_handler.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

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

// Comments, remarks, blank lines, names in any case (the first brackets
// count), CR LF, invalid dollar lines ending a section, long lines cut.
TEST(TextfileHandler, SectionsAndEntriesAsWritten)
{
    const auto h = parse("ignored\n$[A] [second]\nx #note\n*comment\n\ny\n$[b]\r\nz\r\n$]bad[\nlost\n$ [C]\n$\nlost too\n"
                         "$[D]\n" + std::string(300, 'q') + "\n\f form feed comment\n");
    const std::tuple<const char*, int, std::string> entries[] = {
        {"A", 1, "x "}, {"A", 2, ""}, {"A", 3, "y"}, {"A", 0, ""}, {"A", 4, ""}, {"B", 1, "z"}, {"E", 1, ""},
        {"D", 1, std::string(255, 'q')}};
    for (const auto& [section, k, text] : entries)
        EXPECT_EQ(h.read_entry(section, k), text) << section << k;
    EXPECT_EQ(std::tuple(h.entry_count("A"), h.entry_count("b"), h.has_section("C"), h.entry_count("C"), h.has_section("SECOND"),
                         h.entry_count("D")),
              std::tuple(3, 1, true, 0, false, 1));
}

// Files in UTF-8 or in Windows-1252 (what is not UTF-8), cut at 255 characters.
TEST(TextfileHandler, TextsComeOutAsUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC"},
        {"Gr\xF6\xDF" "e \x80", "Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC"},
        {"\x81\xE9", "\xC2\x81\xC3\xA9"},             // an undefined byte is its control character
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},             // overlong
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},   // a surrogate
        {"x\xC3", "x\xC3\x83"},                       // a cut sequence
        {repeated("\xC3\xA9", 300), repeated("\xC3\xA9", 255)},
        {repeated("\xE9", 300), repeated("\xC3\xA9", 255)}};
    for (const auto& [file, entry] : cases)
        EXPECT_EQ(parse("$[A]\n" + file + "\n").read_entry("A", 1), entry) << file;
    EXPECT_EQ(parse("\xEF\xBB\xBF$[A]\nx").read_entry("A", 1), "x") << "the byte order mark is dropped";
}

TEST(TextfileHandler, ADuplicateSectionOrAMissingFileIsReportedAndStopsOnlyWhenFatal)
{
    std::string problem;
    Ttextfile_handler::from_text("$[A]\n1\n$[a]\n2\n", problem);
    EXPECT_EQ(problem, "a");
    test_support::temp_dir dir;
    test_support::reset_globals_to(dir.path());
    dir.write("T.TXT", "$[A]\n$[A]\n");
    platform::scripted_responder responder;
    bool found = true;
    const Ttextfile_handler quiet("NONE.TXT", found, false);
    EXPECT_EQ(std::tuple(found, responder.last().text, responder.last().flags, quiet.read_entry("A", 1)),
              std::tuple(false, "The text file \"NONE.TXT\" was not found!", 16u, ""));
    platform::throwing_exit_guard guard;
    EXPECT_THROW(Ttextfile_handler("T.TXT", found, true), platform::program_stopped);
    EXPECT_EQ(responder.last().text, "The text file \"T.TXT\" holds the section \"A\" more than once!");
}

TEST(NamedTexts, AnOffsetReachesOnlyTheSectionsNamedEntries)
{
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(
        Ttextfile_handler::from_text("$[VIEW_LABELS]\nL\nT\nF\nB\nR\nRe\nunnamed\n", problem));
    using text_names::view_labels;
    for (const auto& [offset, text] : {std::pair{0, "L"}, {5, "Re"}, {6, ""}, {-1, ""}})
        EXPECT_EQ(text_of(view_labels::left, offset), text) << offset;
    const text_section<view_labels> labels;
    EXPECT_EQ(std::pair(labels[view_labels::rear], labels.at(view_labels::top, 1)), std::pair(std::string("Re"), std::string("F")));
    text_handler.reset();
    EXPECT_EQ(text_of(view_labels::left), "");
}
