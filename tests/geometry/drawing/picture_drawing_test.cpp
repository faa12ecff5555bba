#include "geometry/drawing/geometry_startup.h"
#include "geometry/model/kernel.h"
#include "geometry/model/palette.h"
#include "geometry/drawing/picture_drawing.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "platform/core/message_box.h"
#include "tests/geometry/object_bytes.h"
#include "tests/support/gui_app.h"

#include <gtest/gtest.h>

#include <map>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

using platform::image_canvas;
using test_objects::cube;
using test_objects::solid_of;

namespace {

// The centre of the k-th drawn surface's corners.
Tinteger_point centre_of(const Tpicture& picture, int k)
{
    long long x = 0, y = 0;
    const int corners = picture.surface_length[k] - 1;
    for (int i = 1; i <= corners; ++i) {
        x += picture.points[picture.surface_vertices[k][i]].x;
        y += picture.points[picture.surface_vertices[k][i]].y;
    }
    return {static_cast<int>(x / corners), static_cast<int>(y / corners)};
}

std::map<platform::colour_ref, int> colour_counts(const image_canvas& canvas)
{
    std::map<platform::colour_ref, int> counts;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ++counts[canvas.pixel(x, y)];
    return counts;
}

class PictureDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::gui_app();
        aspect = 1.0L;
        start_up_kernel();
        make_picture(box, 25, -35, picture, false, 100, 100, 1.5L, 0);
    }

    Tsolid box = solid_of(cube());
    Tpicture picture;
    image_canvas canvas{200, 200};
};

} // namespace

TEST_F(PictureDrawing, FilledCubeShowsItsThreeFrontFacesInTheirColoursWithBlackOutlines)
{
    draw_picture(canvas, picture, 1, false, true, false, false);
    ASSERT_EQ(picture.surface_count, 3);
    for (int k = 1; k <= 3; ++k) {
        const Tinteger_point c = centre_of(picture, k);
        EXPECT_EQ(canvas.pixel(c.x, c.y), palette[picture.surface_colour[k]]) << k;
        for (int i = 1; i < picture.surface_length[k]; ++i) {
            const Tinteger_point corner = picture.points[picture.surface_vertices[k][i]];
            EXPECT_EQ(canvas.pixel(corner.x, corner.y), platform::black) << "corner " << i << " of " << k;
        }
    }
    const auto counts = colour_counts(canvas);
    EXPECT_EQ(counts.count(palette[8]), 0u) << "the hidden back face is not drawn";
    EXPECT_EQ(counts.size(), 5u) << "three face colours, black and the background";
    EXPECT_EQ(canvas.pixel(0, 0), platform::white);
    EXPECT_EQ(canvas.pixel(199, 199), platform::white);
}

TEST_F(PictureDrawing, WithoutColoursFacesAreBackgroundAndDashedEdgesShowTheHiddenOnes)
{
    draw_picture(canvas, picture, 1, false, false, false, true);
    const auto counts = colour_counts(canvas);
    EXPECT_EQ(counts.size(), 2u);
    // The three hidden edges meet in the hidden corner, vertex 1, drawn dashed over the faces.
    const Tinteger_point hidden = picture.points[1];
    EXPECT_EQ(canvas.pixel(hidden.x, hidden.y), platform::black);
    image_canvas plain(200, 200);
    draw_picture(plain, picture, 1, false, false, false, false);
    EXPECT_EQ(plain.pixel(hidden.x, hidden.y), platform::white);
    EXPECT_LT(colour_counts(plain)[platform::black], counts.at(platform::black));
}

TEST_F(PictureDrawing, CutSurfacesAreHatchedNavyWhenColoursOrHatchingAreOn)
{
    box.surface_colour[1] = cut_surface_colour;   // the front face
    make_picture(box, 25, -35, picture, false, 100, 100, 1.5L, 0);
    int front = 0;
    for (int k = 1; k <= picture.surface_count; ++k)
        if (picture.surface_colour[k] == cut_surface_colour)
            front = k;
    ASSERT_NE(front, 0);
    platform::polygon_region region;
    platform::colour_ref colour = 0;
    ASSERT_TRUE(surface_region(picture, front, region, colour));
    const auto inside_colours = [&](const image_canvas& c) {
        std::map<platform::colour_ref, int> counts;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                if (region.contains(x, y) && c.pixel(x, y) != platform::black)
                    ++counts[c.pixel(x, y)];
        return counts;
    };
    for (const auto& [colours, hatch] : {std::pair{true, false}, std::pair{false, true}}) {
        image_canvas hatched(200, 200);
        draw_picture(hatched, picture, 1, false, colours, hatch, false);
        const auto counts = inside_colours(hatched);
        EXPECT_GT(counts.at(navy), 50);
        EXPECT_EQ(counts.size(), 2u) << "navy lines on the background";
    }
    image_canvas plain(200, 200);
    draw_picture(plain, picture, 1, false, false, false, false);
    EXPECT_EQ(inside_colours(plain).count(navy), 0u);
}

TEST_F(PictureDrawing, LinesAreThickAboveScaleHalf)
{
    image_canvas thin(200, 200), thick(200, 200);
    show_solid(thin, box, 25, -35, false, false, false, false, false, 100, 100, 0.5L, 0);
    show_solid(thick, box, 25, -35, false, false, false, false, false, 100, 100, 0.51L, 0);
    EXPECT_GT(colour_counts(thick)[platform::black], 2 * colour_counts(thin)[platform::black]);
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
        EXPECT_EQ(field.background_mode(), platform::text_background::transparent);
    }
}

TEST_F(PictureDrawing, SurfaceRegionsCoverTheDrawnSurfacesOnly)
{
    platform::polygon_region region;
    platform::colour_ref colour = 0;
    platform::scripted_responder responder;
    EXPECT_FALSE(surface_region(picture, 0, region, colour));
    EXPECT_FALSE(surface_region(picture, 4, region, colour));
    EXPECT_TRUE(region.empty());
    EXPECT_EQ(responder.count(), 0u) << "asking past the last surface is no fault";
    draw_picture(canvas, picture, 1, false, true, false, false);
    for (int k = 1; k <= 3; ++k) {
        ASSERT_TRUE(surface_region(picture, k, region, colour));
        EXPECT_EQ(colour, palette[picture.surface_colour[k]]);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                if (region.contains(x, y)) {
                    ASSERT_TRUE(canvas.pixel(x, y) == colour || canvas.pixel(x, y) == platform::black) << x << "," << y;
                }
            }
    }
    picture.surface_length[2] = 2;
    EXPECT_FALSE(surface_region(picture, 2, region, colour));
    ASSERT_EQ(responder.count(), 1u);
    EXPECT_EQ(responder.last().text, "Could not create Region!");
}

TEST(GeometryStartUp, AspectFromThePrimaryScreenThenThePixelScales)
{
    test_support::gui_app();
    aspect = 2.0L;
    start_up_screen_drawing();
    start_up_kernel();
    EXPECT_EQ(aspect, 1.0L) << "the test screen's pixels are square";
    EXPECT_EQ(pixels_per_unit_x, pixels_per_unit_y);
    EXPECT_EQ(nearest_colours, palette);
}
