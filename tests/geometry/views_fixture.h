#pragma once
// A cube, a Tviews and a 640 x 480 image canvas on a 4:3 screen, with the
// symbols loaded and English view labels; and counting what was drawn.

#include "geometry/drawing/geometry_startup.h"
#include "geometry/drawing/projection_symbols.h"
#include "geometry/drawing/views.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "tests/geometry/prisms.h"
#include "tests/support/gui_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace test_support {

inline constexpr platform::colour_ref background = platform::window_background_colour();

// How many pixels of each colour the canvas has in a rectangle (right and bottom excluded).
inline std::map<platform::colour_ref, int> colours_in(const platform::image_canvas& canvas, const platform::pixel_rect& r)
{
    std::map<platform::colour_ref, int> found;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, canvas.height()); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, canvas.width()); ++x)
            ++found[canvas.pixel(x, y)];
    return found;
}

class views_fixture : public testing::Test {
protected:
    void SetUp() override
    {
        gui_app();
        geometry::model::aspect = 1.0L;
        geometry::drawing::start_up_kernel();
        geometry::drawing::load_projection_symbols();
        geometry::model::set_view_labels({"Left", "Top", "Front", "Bottom", "Right", "Rear"});
    }
    void TearDown() override
    {
        geometry::model::aspect = 1.0L;
        geometry::model::compute_pixel_scales();
        geometry::model::set_projection_convention(false);
    }

    platform::pixel_rect frame() const { return {views.frame_left, views.frame_top, views.frame_right, views.frame_bottom}; }
    platform::pixel_rect cell(int k) const
    {
        return {views.view_x[k], views.view_y[k], views.view_x[k] + views.cell_width, views.view_y[k] + views.cell_height};
    }
    int count_of(platform::colour_ref colour, const platform::pixel_rect& r = {0, 0, 640, 480}) const
    {
        const auto found = colours_in(canvas, r);
        return found.count(colour) ? found.at(colour) : 0;
    }
    void fill(platform::colour_ref colour) { canvas = platform::image_canvas(640, 480, colour); }

    geometry::model::Tsolid cube = test_objects::coloured_cube();
    geometry::drawing::Tviews views;
    platform::image_canvas canvas{640, 480};
};

} // namespace test_support
