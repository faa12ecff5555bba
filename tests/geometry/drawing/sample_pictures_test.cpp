// Filled pictures of every sample object, whole and cut, checked pixel by
// pixel against rays cast towards the viewer: each pixel away from the
// lines shows the surface a ray meets nearest there, and a section shows
// its hatching on the background, nothing of what lies behind it.
#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"
#include "geometry/model/palette.h"
#include "geometry/drawing/picture_drawing.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/image_canvas.h"
#include "platform/widgets/painter_canvas.h"
#include "platform/core/message_box.h"
#include "tests/geometry/ray_visibility.h"
#include "tests/geometry/sample_solids.h"
#include "tests/geometry/sample_views.h"
#include "tests/support/gui_app.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace geometry::model;
using namespace geometry::drawing;

using turn = test_objects::view;

namespace {

// An oblique turn every object gets and two of its own, the same on every run.
std::vector<turn> turns_of(std::size_t object)
{
    std::mt19937 random(static_cast<unsigned>(object) * 7919u + 3u);
    std::uniform_int_distribution<int> angle(-180, 180);
    std::vector<turn> turns{{30, -40, 0, object % 2 == 0}};
    for (int i = 0; i < 2; ++i)
        turns.push_back({angle(random), angle(random), angle(random), (object + static_cast<std::size_t>(i)) % 2 == 1});
    return turns;
}

constexpr int width = 110, height = 100;
constexpr long double scale = 0.6L;
constexpr int line_reach = 2;   // pixels: lines and rounded corners lie within it of a region's border

// Which surface a ray meets nearest at each pixel decides what the pixel
// shows; within reach of a change of surface lie the lines, not judged.
class picture_judge {
public:
    picture_judge(const Tsolid& solid, const turn& t) : transformed_(solid)
    {
        rotate_solid(transformed_, t.angle_x, t.angle_y, true, t.angle_z);
        if (t.perspective)
            perspective_transform(transformed_);
        const ray_check::ray_caster rays(transformed_);
        for (int py = 0; py < height; ++py)
            for (int px = 0; px < width; ++px)
                nearest_[index(px, py)] = rays.nearest_surface((px - width / 2) / (scale * pixels_per_unit_x),
                                                               -(py - height / 2) / (scale * pixels_per_unit_y));
        mark_corners();
    }

    static Tpicture picture_of(const Tsolid& solid, const turn& t)
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
                    found.push_back("pixel " + std::to_string(px) + "," + std::to_string(py) + " shows " +
                                    std::to_string(canvas.pixel(px, py)) + " where surface " +
                                    std::to_string(nearest_[index(px, py)]) + " is nearest");
        return found;
    }

    // Inside one surface's region (or the background), away from its lines.
    bool judged(int px, int py) const
    {
        if (near_corner_[index(px, py)])
            return false;
        for (int dy = -line_reach; dy <= line_reach; ++dy)
            for (int dx = -line_reach; dx <= line_reach; ++dx) {
                const int x = px + dx, y = py + dy;
                if (x < 0 || y < 0 || x >= width || y >= height || nearest_[index(x, y)] != nearest_[index(px, py)])
                    return false;
            }
        return true;
    }

    bool right_at(const platform::image_canvas& canvas, int px, int py) const
    {
        const platform::colour_ref got = canvas.pixel(px, py);
        const platform::colour_ref background = platform::window_background_colour();
        const int s = nearest_[index(px, py)];
        if (s == 0)
            return got == background;
        const int colour = transformed_.surface_colour[static_cast<std::size_t>(s)];
        if (colour == cut_surface_colour)
            return got == navy || got == background;
        return got == display_colour(colour);
    }

private:
    static std::size_t index(int px, int py) { return static_cast<std::size_t>(py * width + px); }

    // Near a corner the sides of a sharp tip run closer than a pixel: its
    // lines show where no pixel's ray meets its surface.
    void mark_corners()
    {
        for (int v = 1; v <= transformed_.vertex_count; ++v) {
            const long double cx = width / 2 + scale * pixels_per_unit_x * transformed_.vertices[v].x;
            const long double cy = height / 2 - scale * pixels_per_unit_y * transformed_.vertices[v].y;
            const int left = std::max(0, static_cast<int>(std::floor(cx - corner_reach)));
            const int top = std::max(0, static_cast<int>(std::floor(cy - corner_reach)));
            for (int py = top; py < std::min(height, static_cast<int>(cy + corner_reach) + 1); ++py)
                for (int px = left; px < std::min(width, static_cast<int>(cx + corner_reach) + 1); ++px)
                    if (std::hypot(px - cx, py - cy) <= corner_reach)
                        near_corner_[index(px, py)] = true;
        }
    }

    static constexpr long double corner_reach = 5;   // pixels

    Tsolid transformed_;
    std::vector<int> nearest_ = std::vector<int>(static_cast<std::size_t>(width * height));
    std::vector<bool> near_corner_ = std::vector<bool>(static_cast<std::size_t>(width * height));
};

class SamplePictures : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::gui_app();
        aspect = 1.0L;
        compute_pixel_scales();
    }

    static void expect_as_rays_say(const Tsolid& solid, const std::string& name, const turn& t)
    {
        const picture_judge judge(solid, t);
        EXPECT_EQ(judge.faults(picture_judge::drawn(picture_judge::picture_of(solid, t))), std::vector<std::string>{})
            << name << ", " << describe(t);
    }
};

} // namespace

TEST_F(SamplePictures, EveryPixelShowsTheSurfaceNearestAlongItsRay)
{
    const auto& samples = test_objects::sample_solids();
    for (std::size_t n = 0; n < samples.size(); ++n)
        for (const turn& t : turns_of(n))
            expect_as_rays_say(samples[n].solid, samples[n].name, t);
}

TEST_F(SamplePictures, CutSamplesShowTheirSectionsOpaqueAndWithoutBridges)
{
    const auto& samples = test_objects::sample_solids();
    for (std::size_t n = 0; n < samples.size(); ++n)
        for (const turn& before : {turn{0, 0, 0, false}, turns_of(n + 1)[1]}) {
            Tsolid solid = samples[n].solid;
            rotate_solid(solid, before.angle_x, before.angle_y, false, before.angle_z);
            bool success = false, bridged = false;
            std::int32_t sections = 0;
            platform::scripted_responder responder;
            cut_solid(solid, success, sections, bridged);
            for (const turn& t : {turn{30, -40, 0, false}, turn{-20, 50, 0, true}})
                expect_as_rays_say(solid, samples[n].name + " cut after " + describe(before), t);
        }
}

// On paper the section is as opaque: the printer draws through a painter,
// here one on an image of the same size.
TEST_F(SamplePictures, TheHoledBlockCutIsOpaqueOnPaperToo)
{
    Tsolid solid = test_objects::sample_named("Block with a through hole");
    bool success = false, bridged = false;
    std::int32_t sections = 0;
    platform::scripted_responder responder;
    cut_solid(solid, success, sections, bridged);
    ASSERT_TRUE(success && bridged);
    const turn t{30, -40, 0, false};
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

std::vector<int> order_by(const Tsolid& solid, const turn& t, hiding_rule rule)
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
        const auto at = std::find(from.begin(), from.end(), to[k]) - from.begin();
        const std::size_t into = k + 1, out = static_cast<std::size_t>(at) + 1;
        picture.surface_length[into] = source.surface_length[out];
        picture.surface_vertices[into] = source.surface_vertices[out];
        picture.surface_colour[into] = source.surface_colour[out];
    }
    return picture;
}

// The reported case first (the hole's walls over the holed block's solid
// left face), then many turns of every sample.
std::vector<turn> order_turns(std::size_t object)
{
    std::mt19937 random(static_cast<unsigned>(object) + 101u);
    std::uniform_int_distribution<int> angle(-180, 180);
    std::vector<turn> turns{{-134, 92, 162, true}};
    for (int i = 0; i < 24; ++i)
        turns.push_back({angle(random), angle(random), angle(random), i % 2 == 0});
    return turns;
}

} // namespace

// Where containment changes the painter's order of the edge crossings
// alone, the picture changes only at pixels the old order painted wrong,
// as rays judge them; and some pictures are mended. (An order may also
// change where the overlap is less than a pixel: nothing shows it.)
TEST_F(SamplePictures, ContainmentChangesPicturesOnlyWhereTheyWereWrong)
{
    int mended = 0;
    const auto& samples = test_objects::sample_solids();
    for (std::size_t n = 0; n < samples.size(); ++n)
        for (const turn& t : order_turns(n)) {
            const Tsolid& solid = samples[n].solid;
            const std::vector<int> now = order_by(solid, t, hiding_rule::crossings_and_containment);
            const std::vector<int> before = order_by(solid, t, hiding_rule::edge_crossings_only);
            if (now == before)
                continue;
            const std::string where = samples[n].name + ", " + describe(t);
            const picture_judge judge(solid, t);
            const Tpicture picture = picture_judge::picture_of(solid, t);
            const platform::image_canvas right = picture_judge::drawn(picture);
            const platform::image_canvas old = picture_judge::drawn(reordered(picture, now, before));
            EXPECT_EQ(judge.faults(right), std::vector<std::string>{}) << where;
            for (int py = 0; py < height; ++py)
                for (int px = 0; px < width; ++px)
                    if (judge.judged(px, py) && right.pixel(px, py) != old.pixel(px, py)) {
                        ASSERT_FALSE(judge.right_at(old, px, py)) << where << ": pixel " << px << "," << py << " changed, yet was right";
                    }
            mended += !judge.faults(old).empty();
        }
    EXPECT_GT(mended, 0);
}
