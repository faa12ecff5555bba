// Filled pictures of every sample object, whole and cut, checked pixel by
// pixel against rays cast towards the viewer: each pixel away from the
// lines shows the surface a ray meets nearest there, and a section shows
// its hatching on the background, nothing of what lies behind it.
#include "geometry/drawing/picture_drawing.h"
#include "geometry/model/kernel.h"
#include "geometry/model/palette.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "platform/widgets/painter_canvas.h"
#include "tests/geometry/ray_visibility.h"
#include "tests/geometry/sample_solids.h"
#include "tests/support/gui_app.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

using namespace test_objects;

namespace {

constexpr int width = 110, height = 100;
constexpr long double scale = 0.6L;

// Which surface a ray meets nearest at each pixel decides what the pixel
// shows; within two pixels of a change of surface lie the lines, and within
// five of a corner the sides of a sharp tip run closer than a pixel: not judged.
class picture_judge {
public:
    picture_judge(const Tsolid& solid, const view& t) : solid_(seen_in(solid, t))
    {
        const ray_check::ray_caster rays(solid_);
        for (int py = 0; py < height; ++py)
            for (int px = 0; px < width; ++px)
                nearest_[index(px, py)] = rays.nearest_surface((px - width / 2) / (scale * pixels_per_unit_x),
                                                               -(py - height / 2) / (scale * pixels_per_unit_y));
        for (int v = 1; v <= solid_.vertex_count; ++v) {
            const long double cx = width / 2 + scale * pixels_per_unit_x * solid_.vertices[v].x;
            const long double cy = height / 2 - scale * pixels_per_unit_y * solid_.vertices[v].y;
            for (int py = std::max(0, static_cast<int>(cy - 5)); py < std::min(height, static_cast<int>(cy + 6)); ++py)
                for (int px = std::max(0, static_cast<int>(cx - 5)); px < std::min(width, static_cast<int>(cx + 6)); ++px)
                    near_corner_[index(px, py)] = near_corner_[index(px, py)] || std::hypot(px - cx, py - cy) <= 5;
        }
    }

    static Tpicture picture_of(const Tsolid& solid, const view& t)
    {
        Tpicture picture;
        make_picture(solid, t.angle_x, t.angle_y, picture, t.perspective, width / 2, height / 2, scale, t.angle_z);
        return picture;
    }
    static platform::image_canvas drawn(const Tpicture& picture)
    {
        platform::image_canvas canvas(width, height);
        draw_picture(canvas, picture, 1, false, true, false, false);
        return canvas;
    }

    // The judged pixels that show something else, at most a few.
    std::vector<std::string> faults(const platform::image_canvas& canvas) const
    {
        std::vector<std::string> found;
        for (int py = 0; py < height; ++py)
            for (int px = 0; px < width; ++px)
                if (judged(px, py) && !right_at(canvas, px, py) && found.size() < 4)
                    found.push_back("pixel " + std::to_string(px) + "," + std::to_string(py) + ": surface " +
                                    std::to_string(nearest_[index(px, py)]) + " is nearest");
        return found;
    }

    bool judged(int px, int py) const
    {
        if (near_corner_[index(px, py)])
            return false;
        for (int y = py - 2; y <= py + 2; ++y)
            for (int x = px - 2; x <= px + 2; ++x)
                if (x < 0 || y < 0 || x >= width || y >= height || nearest_[index(x, y)] != nearest_[index(px, py)])
                    return false;
        return true;
    }

    bool right_at(const platform::image_canvas& canvas, int px, int py) const
    {
        const platform::colour_ref got = canvas.pixel(px, py), background = platform::window_background_colour();
        const int s = nearest_[index(px, py)];
        const int colour = s == 0 ? -1 : solid_.surface_colour[static_cast<std::size_t>(s)];
        if (colour == cut_surface_colour)
            return got == navy || got == background;
        return got == (s == 0 ? background : display_colour(colour));
    }

private:
    static std::size_t index(int px, int py) { return static_cast<std::size_t>(py * width + px); }

    Tsolid solid_;
    std::vector<int> nearest_ = std::vector<int>(width * height);
    std::vector<bool> near_corner_ = std::vector<bool>(width * height);
};

class SamplePictures : public testing::Test {
protected:
    void SetUp() override { test_support::gui_app(); }
    static void expect_as_rays_say(const Tsolid& solid, const std::string& name, const view& t)
    {
        EXPECT_EQ(picture_judge(solid, t).faults(picture_judge::drawn(picture_judge::picture_of(solid, t))),
                  std::vector<std::string>{}) << name << ", " << describe(t);
    }
};

} // namespace

// Cut, the sections show opaque and without their bridges.
TEST_F(SamplePictures, EveryPixelShowsTheSurfaceNearestAlongItsRayWholeOrCut)
{
    const auto& samples = sample_solids();
    for (std::size_t n = 0; n < samples.size(); ++n) {
        std::vector<view> turns = random_views(static_cast<unsigned>(n) * 7919u + 3u, 2, false);
        turns[0].perspective = n % 2 == 1;
        turns[1].perspective = n % 2 == 0;
        turns.push_back({30, -40, 0, n % 2 == 0});
        for (const view& t : turns)
            expect_as_rays_say(samples[n].solid, samples[n].name, t);
        for (const view& before : {view{0, 0, 0, false}, random_views(static_cast<unsigned>(n + 1) * 7919u + 3u, 1, false)[0]})
            for (const view& t : {view{30, -40, 0, false}, view{-20, 50, 0, true}})
                expect_as_rays_say(cut_sample(samples[n].solid, before), samples[n].name + " cut after " + describe(before), t);
    }
}

// On paper the section is as opaque: the printer draws through a painter,
// here one on an image of the same size.
TEST_F(SamplePictures, TheHoledBlockCutIsOpaqueOnPaperToo)
{
    const Tsolid solid = cut_sample(sample_named("Block with a through hole"), {});   // its section bridged to the hole
    const view t{30, -40, 0, false};
    QImage paper(width, height, QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        platform::painter_canvas printer(paper);
        draw_picture(printer, picture_judge::picture_of(solid, t), 1, false, true, false, false);
    }
    platform::image_canvas seen(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            seen.set_pixel(x, y, platform::rgb(qRed(paper.pixel(x, y)), qGreen(paper.pixel(x, y)), qBlue(paper.pixel(x, y))));
    EXPECT_EQ(picture_judge(solid, t).faults(seen), std::vector<std::string>{});
}

namespace {

std::vector<int> order_by(const Tsolid& solid, const view& t, hiding_rule rule)
{
    Tvisibility front{};
    const Tsolid turned = turned_for_view(solid, t.angle_x, t.angle_y, t.angle_z, t.perspective, front);
    Tdrawing_order order{};
    const int end = order_surfaces(turned, front, order, rule);
    return std::vector<int>(order.begin() + 1, order.begin() + end);
}

// The picture with its surfaces drawn in another order.
Tpicture reordered(Tpicture picture, const std::vector<int>& from, const std::vector<int>& to)
{
    const Tpicture source = picture;
    for (std::size_t k = 0; k < to.size(); ++k) {
        const auto out = static_cast<std::size_t>(std::find(from.begin(), from.end(), to[k]) - from.begin()) + 1;
        picture.surface_length[k + 1] = source.surface_length[out];
        picture.surface_vertices[k + 1] = source.surface_vertices[out];
        picture.surface_colour[k + 1] = source.surface_colour[out];
    }
    return picture;
}

} // namespace

// Where containment changes the painter's order of the edge crossings
// alone, the picture changes only at pixels the old order painted wrong,
// as rays judge them; and some pictures are mended, the reported case among
// them: the hole's walls over the holed block's solid left face.
TEST_F(SamplePictures, ContainmentChangesPicturesOnlyWhereTheyWereWrong)
{
    int mended = 0;
    const auto& samples = sample_solids();
    for (std::size_t n = 0; n < samples.size(); ++n) {
        std::vector<view> turns = random_views(static_cast<unsigned>(n) + 101u, 24, true);
        turns.push_back({-134, 92, 162, true});
        for (const view& t : turns) {
            const Tsolid& solid = samples[n].solid;
            const std::vector<int> now = order_by(solid, t, hiding_rule::crossings_and_containment);
            const std::vector<int> before = order_by(solid, t, hiding_rule::edge_crossings_only);
            if (now == before)
                continue;
            const picture_judge judge(solid, t);
            const Tpicture picture = picture_judge::picture_of(solid, t);
            const platform::image_canvas right = picture_judge::drawn(picture), old = picture_judge::drawn(reordered(picture, now, before));
            EXPECT_EQ(judge.faults(right), std::vector<std::string>{}) << samples[n].name << ", " << describe(t);
            for (int py = 0; py < height; ++py)
                for (int px = 0; px < width; ++px)
                    if (judge.judged(px, py) && right.pixel(px, py) != old.pixel(px, py)) {
                        ASSERT_FALSE(judge.right_at(old, px, py)) << samples[n].name << ", " << describe(t);
                    }
            mended += !judge.faults(old).empty();
        }
    }
    EXPECT_GT(mended, 0);
}
