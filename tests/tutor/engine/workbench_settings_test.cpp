#include "foundation/settings.h"
#include "tests/support/temp_dir.h"
#include "tutor/engine/workbench_settings.h"

#include <gtest/gtest.h>

TEST(WorkbenchSettings, CapitalLettersAnywhereSwitchTheOptionsAndAreWrittenBackAlike)
{
    const oblique_view_settings iso = parse_non_technical_view_settings("xH I");
    EXPECT_EQ(std::tuple(iso.shown, iso.perspective, iso.hidden_lines, iso.cut), std::tuple(true, false, true, false));
    EXPECT_FALSE(parse_non_technical_view_settings("HCX").shown);   // options alone show nothing
    const normal_view_settings a = parse_technical_views_settings("N3A");
    EXPECT_TRUE(a.shown && a.american && a.three_views && a.indications && !a.colours);
    EXPECT_EQ(non_technical_view_settings_text({false, true, true, false, true}), "HX");   // hidden: no P or I
    EXPECT_EQ(technical_views_settings_text({true, true, false, true, true}), "ACN");
}

TEST(WorkbenchSettings, DefaultsAndThePracticeLevelFromTheSettingsFile)
{
    test_support::temp_dir program;
    test_support::reset_globals_to(program.path());
    const oblique_view_settings oblique = read_non_technical_view_settings();
    EXPECT_TRUE(oblique.shown && oblique.hidden_lines && oblique.colours && !oblique.perspective && !oblique.cut);
    const normal_view_settings normal = read_technical_views_settings();
    EXPECT_TRUE(normal.shown && normal.american && normal.colours && normal.indications && !normal.three_views);
    const std::pair<const char*, int> levels[] = {{"2", 2}, {"3 (hard)", 3}, {"4", 1}, {"x2", 1}, {"", 1}};
    for (const auto& [value, level] : levels) {
        write_setting("", "GENERAL", "Initial Practice Level", value);
        EXPECT_EQ(initial_practice_level(), level) << value;
    }
}
