#include "foundation/settings.h"
#include "tests/support/temp_dir.h"
#include "tutor/engine/workbench_rules.h"
#include "tutor/engine/workbench_settings.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace tutor::engine;

TEST(WorkbenchSettings, LettersAnywhereInTheTextSwitchTheOptions)
{
    const oblique_view_settings pxc = parse_non_technical_view_settings("PXC");
    EXPECT_TRUE(pxc.shown);
    EXPECT_TRUE(pxc.perspective);
    EXPECT_TRUE(pxc.cut);
    EXPECT_TRUE(pxc.colours);
    EXPECT_FALSE(pxc.hidden_lines);
    EXPECT_FALSE(parse_non_technical_view_settings("").shown);
    EXPECT_FALSE(parse_non_technical_view_settings("HCX").shown) << "options alone show nothing";
    const oblique_view_settings iso = parse_non_technical_view_settings("xH I");
    EXPECT_TRUE(iso.shown);
    EXPECT_FALSE(iso.perspective);
    EXPECT_TRUE(iso.hidden_lines);
    EXPECT_FALSE(iso.cut) << "small letters are not the options";

    const normal_view_settings e = parse_technical_views_settings("E");
    EXPECT_TRUE(e.shown);
    EXPECT_FALSE(e.american);
    EXPECT_FALSE(e.three_views);
    EXPECT_FALSE(e.colours);
    EXPECT_FALSE(e.indications);
    const normal_view_settings a = parse_technical_views_settings("N3A");
    EXPECT_TRUE(a.shown && a.american && a.three_views && a.indications);
    EXPECT_FALSE(a.colours);
    EXPECT_FALSE(parse_technical_views_settings("3CN").shown);
}

TEST(WorkbenchSettings, WrittenBackInTheirOwnLettersAndReadAgainAlike)
{
    EXPECT_EQ(non_technical_view_settings_text({true, true, false, true, true}), "PCX");
    EXPECT_EQ(non_technical_view_settings_text({true, false, true, true, false}), "IHC");
    EXPECT_EQ(non_technical_view_settings_text({false, true, true, false, true}), "HX") << "hidden: no P or I";
    EXPECT_EQ(technical_views_settings_text({true, true, false, true, true}), "ACN");
    EXPECT_EQ(technical_views_settings_text({true, false, true, false, false}), "E3");
    EXPECT_EQ(technical_views_settings_text({false, true, true, true, true}), "3CN");
    for (const char* text : {"PHCX", "I", "IC", "H"}) {
        const std::string written = non_technical_view_settings_text(parse_non_technical_view_settings(text));
        EXPECT_EQ(non_technical_view_settings_text(parse_non_technical_view_settings(written)), written);
    }
}

TEST(WorkbenchSettings, DefaultsAndThePracticeLevelFromTheSettingsFile)
{
    test_support::temp_dir program;
    test_support::reset_globals_to(program.path());
    const oblique_view_settings oblique = read_non_technical_view_settings();
    EXPECT_TRUE(oblique.shown && oblique.hidden_lines && oblique.colours);
    EXPECT_FALSE(oblique.perspective || oblique.cut);
    const normal_view_settings normal = read_technical_views_settings();
    EXPECT_TRUE(normal.shown && normal.american && normal.colours && normal.indications);
    EXPECT_FALSE(normal.three_views);
    EXPECT_EQ(initial_practice_level(), 1);
    const std::pair<const char*, int> levels[] = {{"2", 2}, {"3 (hard)", 3}, {"4", 1}, {"x2", 1}, {"", 1}};
    for (const auto& [value, level] : levels) {
        write_setting("", "GENERAL", "Initial Practice Level", value);
        EXPECT_EQ(initial_practice_level(), level) << value;
    }
    write_view_settings({true, true, false, false, true}, {true, false, true, false, false});
    EXPECT_EQ(read_setting("", "GENERAL", "Initial Non-Technical View Settings", "?"), "PX");
    EXPECT_EQ(read_setting("", "GENERAL", "Initial Technical Views Settings", "?"), "E3");
}

