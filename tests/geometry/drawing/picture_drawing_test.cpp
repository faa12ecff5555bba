#include "geometry/drawing/geometry_startup.h"
#include "geometry/drawing/picture_drawing.h"
#include "geometry/model/kernel.h"
#include "geometry/model/palette.h"
#include "platform/core/message_box.h"
#include "platform/gui/image_canvas.h"
#include "tests/geometry/prisms.h"
#include "tests/support/gui_app.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

using platform::image_canvas;

namespace {

class PictureDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::gui_app();
        start_up_kernel();
        box.surface_colour[1] = cut_surface_colour;   // the front face
        make_picture(box, 25, -35, picture, false, 100, 100, 1.5L, 0);
    }

    Tsolid box = test_objects::coloured_cube();
    Tpicture picture;
};

} // namespace

// Inside the cut surface: navy lines on the background with colours or
// hatching on, nothing navy with both off.
TEST_F(PictureDrawing, CutSurfacesAreHatchedNavyWhenColoursOrHatchingAreOn)
{
    int front = 0;
    for (int k = 1; k <= picture.surface_count; ++k)
        front = picture.surface_colour[k] == cut_surface_colour ? k : front;
    platform::polygon_region region;
    platform::colour_ref colour = 0;
    ASSERT_TRUE(surface_region(picture, front, region, colour));
    for (const auto& [colours, hatch] : {std::pair{true, false}, std::pair{false, true}, std::pair{false, false}}) {
        image_canvas canvas(200, 200);
        draw_picture(canvas, picture, 1, false, colours, hatch, false);
        std::map<platform::colour_ref, int> inside;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                if (region.contains(x, y) && canvas.pixel(x, y) != platform::black)
                    ++inside[canvas.pixel(x, y)];
        EXPECT_EQ(inside.size(), colours || hatch ? 2u : 1u);
        EXPECT_EQ(inside[navy] > 50, colours || hatch);
    }
}

// Over the background an arrow is drawn solid; over the object (yellow,
// right of x = 100) dashed three on, three off when it points away.
TEST_F(PictureDrawing, ArrowPointingAwayIsDashedOverTheObjectOnly)
{
    for (const bool behind : {true, false}) {
        image_canvas field(200, 100);
        field.set_brush({platform::brush_style::solid, platform::rgb(255, 255, 0)});
        field.rectangle(100, 0, 200, 100);
        draw_view_arrows(field, {Tarrow_mark{20, 50, 180, 50, behind, 0, 0}, Tarrow_mark{}});
        int over_background = 0, over_object = 0;
        for (int x = 0; x < 180; ++x)
            (x < 100 ? over_background : over_object) += field.pixel(x, 50 + 16) == platform::black;   // the shaft's lower side
        EXPECT_EQ(over_background, 80);
        EXPECT_NEAR(over_object, behind ? 40 : 80, 3) << behind;
    }
}

TEST_F(PictureDrawing, OnlyADegenerateSurfaceFailsToGiveARegion)
{
    platform::polygon_region region;
    platform::colour_ref colour = 0;
    platform::scripted_responder responder;
    EXPECT_FALSE(surface_region(picture, 0, region, colour) || surface_region(picture, 4, region, colour));
    EXPECT_EQ(responder.count(), 0u);   // asking past the last surface is no fault
    picture.surface_length[2] = 2;
    EXPECT_FALSE(surface_region(picture, 2, region, colour));
    EXPECT_EQ(responder.count() ? responder.last().text : "", "Could not create Region!");
}
