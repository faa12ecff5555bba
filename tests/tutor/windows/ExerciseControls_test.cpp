#include "geometry/model/palette.h"
#include "platform/widgets/canvas_widget.h"
#include "resources/resources.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/ExerciseControls.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

bool shows_picture(platform::canvas_widget& window, const Tresource_bitmap* picture, int left, int top)
{
    for (int y = 0; y < picture->picture.height; ++y)
        for (int x = 0; x < picture->picture.width; ++x)
            if (window.canvas().pixel(left + x, top + y) != picture->picture.at(x, y))
                return false;
    return true;
}

} // namespace

TEST(ExerciseControls, ClicksSwitchTheToolsAndRedrawTheirButtons)
{
    test_support::widget_app();
    platform::canvas_widget window;
    window.resize(400, 300);
    TExerciseControls controls{window};
    controls.set_available_tools(solid_line_tool | dashed_line_tool | rubout_tool, solid_line_tool);
    controls.place_tools(100, 50);
    controls.draw_tools();
    EXPECT_TRUE(shows_picture(window, controls.tool_of(1).active_picture, 100, 50));
    EXPECT_TRUE(shows_picture(window, controls.tool_of(4).normal_picture, 136, 122));   // alone in its row
    EXPECT_EQ(window.canvas().pixel(130, 150), platform::window_background_colour());   // no surface tool
    EXPECT_FALSE(controls.tool_at({135, 122}));   // beside the lone tool in the middle of its row
    EXPECT_TRUE(controls.tool_at({136, 122}));
    EXPECT_EQ(controls.current_tool(), rubout_tool);
    EXPECT_TRUE(shows_picture(window, controls.tool_of(1).normal_picture, 100, 50));
    EXPECT_TRUE(shows_picture(window, controls.tool_of(4).active_picture, 136, 122));
    EXPECT_TRUE(controls.tool_at({171, 121}));   // the last pixel of a button is its own
    EXPECT_EQ(controls.current_tool(), solid_line_tool);
    controls.select_tool(surface_tool);
    EXPECT_EQ(controls.current_tool(), solid_line_tool);   // not available
    controls.select_tool(dashed_line_tool);
    EXPECT_EQ(controls.current_tool(), dashed_line_tool);
    controls.set_available_tools(solid_line_tool, surface_tool);
    EXPECT_EQ(controls.current_tool(), 0);
}

TEST(ToolPictures, AreSixteenColourButtonsDrawnFromTheirTextDrawings)
{
    test_support::widget_app();
    const auto colour = [](char c) {
        return palette[static_cast<std::size_t>(c == '.' ? 15 : c == '#' ? 0 : c >= 'a' ? c - 'a' + 10 : c - '0')];
    };
    for (const std::string name : {"SOLID_LINE", "DASHED_LINE", "SURFACE", "RUBOUT", "SOLID_LINE_ACTIVE",
                                   "DASHED_LINE_ACTIVE", "SURFACE_ACTIVE", "RUBOUT_ACTIVE"}) {
        Tresource_bitmap record = load_resource_bitmap(name, true);
        ASSERT_EQ(std::tuple(record.colours, record.picture.width, record.picture.height), std::tuple(16, 72, 72));
        std::ifstream in(std::string(WINTOLA_SOURCE_DIR) + "/resources/bitmaps/" + name + ".txt");
        std::string row;
        for (int y = 0; y < 72 && std::getline(in, row);)
            if (row.rfind("# ", 0) != 0) {
                for (int x = 0; x < 72; ++x)
                    ASSERT_EQ(record.picture.at(x, y), colour(row.at(static_cast<std::size_t>(x)))) << name << x << "," << y;
                ++y;
            }
        free_resource_bitmap(record);
    }
}
