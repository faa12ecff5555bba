#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

struct section_use {
    const char* name;
    int highest_entry;
};

const section_use sections_read[] = {
#include "tests/text_sections.inc"
};

} // namespace

TEST(ShippedTexts, EverySectionTheProgramReadsIsThereWithItsEntries)
{
    const auto contents = platform::read_whole_file(test_support::shipped_data_file("WINTOLA.TXT"));
    ASSERT_TRUE(contents);
    std::string problem;
    const auto texts = Ttextfile_handler::from_text(*contents, problem);
    ASSERT_EQ(problem, "");
    for (const auto& use : sections_read) {
        EXPECT_TRUE(texts.has_section(use.name)) << use.name;
        EXPECT_GE(texts.entry_count(use.name), use.highest_entry) << use.name;
        for (int k = 1; k <= use.highest_entry; ++k)
            EXPECT_FALSE(texts.read_entry(use.name, k).empty()) << use.name << " entry " << k << " is empty";
    }
}
