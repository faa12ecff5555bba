#include "foundation/text_names.h"
#include "foundation/textfile_handler.h"
#include "platform/core/file_system.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

TEST(ShippedTexts, EverySectionTheProgramReadsIsThereWithItsEntries)
{
    const auto contents = platform::read_whole_file(test_support::shipped_data_file("WINTOLA.TXT"));
    ASSERT_TRUE(contents);
    std::string problem;
    const auto texts = Ttextfile_handler::from_text(*contents, problem);
    ASSERT_EQ(problem, "");
    for (const auto& use : text_names::every_section_used()) {
        const std::string name(use.name);
        EXPECT_TRUE(texts.has_section(name)) << name;
        EXPECT_GE(texts.entry_count(name), use.last) << name;
        for (int k = 1; k <= use.last; ++k)
            EXPECT_FALSE(texts.read_entry(name, k).empty()) << name << " entry " << k << " is empty";
    }
}
