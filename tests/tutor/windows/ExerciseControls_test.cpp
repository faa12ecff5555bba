#include "geometry/model/palette.h"
#include "platform/widgets/canvas_widget.h"
#include "resources/resources.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/ExerciseControls.h"

#include <QImage>

#include <fstream>
#include <gtest/gtest.h>

using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::windows;

using platform::pixel_point;
using platform::rgb;

namespace {

const platform::colour_ref marker = rgb(1, 2, 3);

// The text drawing a resource was made from, its comment lines left out.
std::vector<std::string> drawing_rows(const std::string& name)
{
    std::ifstream in(std::string(WINTOLA_SOURCE_DIR) + "/resources/bitmaps/" + name + ".txt");
    std::vector<std::string> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("# ", 0) != 0)
            rows.push_back(line);
    }
    return rows;
}

platform::colour_ref palette_colour(char c)
{
    if (c == '.')
        return palette[15];
    if (c == '#')
        return palette[0];
    return palette[static_cast<std::size_t>(c >= 'a' ? c - 'a' + 10 : c - '0')];
}

bool shows_picture(platform::canvas_widget& window, const Tresource_bitmap& picture, int left, int top)
{
    for (int y = 0; y < picture.picture.height; ++y)
        for (int x = 0; x < picture.picture.width; ++x)
            if (window.canvas().pixel(left + x, top + y) != picture.picture.at(x, y))
                return false;
    return true;
}

} // namespace

class ExerciseControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
    }
    const TExerciseControls::tool& tool(int index) { return controls.tool_of(index); }
    // Paints the marker over a button, so a redraw of it shows.
    void mark(int index)
    {
        const platform::pixel_rect& r = tool(index).rectangle;
        window.canvas().set_pixel(r.left + 30, r.top + 30, marker);
    }
    bool marked(int index)
    {
        const platform::pixel_rect& r = tool(index).rectangle;
        return window.canvas().pixel(r.left + 30, r.top + 30) == marker;
    }

    QApplication& application = test_support::widget_app();   // before any widget
    platform::canvas_widget window;
    TExerciseControls controls{window};
};

TEST_F(ExerciseControlsTest, DrawingShowsEachAvailableToolsPresentPicture)
{
    controls.set_available_tools(solid_line_tool | dashed_line_tool | rubout_tool, solid_line_tool);
    controls.place_tools(100, 50);
    controls.draw_tools();
    EXPECT_TRUE(shows_picture(window, *tool(1).active_picture, 100, 50));
    EXPECT_TRUE(shows_picture(window, *tool(2).normal_picture, 172, 50));
    EXPECT_TRUE(shows_picture(window, *tool(4).normal_picture, 136, 122)) << "alone in its row";
    EXPECT_EQ(window.canvas().pixel(130, 150), platform::window_background_colour()) << "the surface tool is not drawn";
}

TEST_F(ExerciseControlsTest, AClickOnTheActiveToolRedrawsNothingAndAnotherSwitchesTwoButtons)
{
    controls.set_available_tools(solid_line_tool | dashed_line_tool | surface_tool | rubout_tool, solid_line_tool);
    controls.place_tools(0, 0);
    controls.draw_tools();
    for (int i = 1; i <= 4; ++i)
        mark(i);

    EXPECT_TRUE(controls.tool_at({5, 5}));
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(marked(i)) << "nothing redrawn, tool " << i;

    EXPECT_TRUE(controls.tool_at({140, 140}));
    EXPECT_EQ(controls.current_tool(), rubout_tool);
    EXPECT_FALSE(marked(1)) << "solid line: now inactive";
    EXPECT_TRUE(shows_picture(window, *tool(1).normal_picture, 0, 0));
    EXPECT_TRUE(marked(2));
    EXPECT_TRUE(marked(3));
    EXPECT_TRUE(shows_picture(window, *tool(4).active_picture, 72, 72));

    EXPECT_FALSE(controls.tool_at({200, 10})) << "outside every button";
    EXPECT_EQ(controls.current_tool(), rubout_tool);

    EXPECT_TRUE(controls.tool_at({71, 71}));
    EXPECT_EQ(controls.current_tool(), solid_line_tool) << "the last pixel of the first button is its own";
    controls.select_tool(surface_tool);
    EXPECT_EQ(controls.current_tool(), surface_tool) << "the first pixel of a button belongs to it";
    EXPECT_TRUE(tool(3).active);
    EXPECT_FALSE(tool(4).active);

    controls.set_available_tools(solid_line_tool | rubout_tool, rubout_tool);
    controls.place_tools(0, 0);
    controls.select_tool(dashed_line_tool);
    EXPECT_EQ(controls.current_tool(), rubout_tool) << "a tool that is not available cannot be selected";
    EXPECT_FALSE(controls.tool_at({35, 0})) << "a lone tool in the middle of its row";
    EXPECT_TRUE(controls.tool_at({36, 0}));
    EXPECT_EQ(controls.current_tool(), solid_line_tool);
    controls.set_available_tools(solid_line_tool, surface_tool);
    EXPECT_EQ(controls.current_tool(), 0) << "an initial tool that is not available leaves none current";
}

TEST(ToolPictures, AreSixteenColourButtonsDrawnFromTheirTextDrawings)
{
    test_support::widget_app();
    for (const char* base : {"SOLID_LINE", "DASHED_LINE", "SURFACE", "RUBOUT"})
        for (const std::string suffix : {"", "_ACTIVE"}) {
            const std::string name = base + suffix;
            Tresource_bitmap record = load_resource_bitmap(name, true);
            ASSERT_FALSE(record.resource.empty()) << name;
            EXPECT_EQ(record.colours, 16);
            ASSERT_EQ(record.picture.width, 72) << name;
            ASSERT_EQ(record.picture.height, 72) << name;
            const std::vector<std::string> rows = drawing_rows(name);
            ASSERT_EQ(rows.size(), 72u) << name;
            for (int y = 0; y < 72; ++y)
                for (int x = 0; x < 72; ++x)
                    ASSERT_EQ(record.picture.at(x, y), palette_colour(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]))
                        << name << " " << x << "," << y;
            free_resource_bitmap(record);
        }
}

