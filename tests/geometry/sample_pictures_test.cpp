// Filled pictures of every sample object, whole and cut, checked pixel by
// pixel against rays cast towards the viewer: each pixel away from the
// lines shows the surface a ray meets nearest there, and a section shows
// its hatching on the background, nothing of what lies behind it.
#include "geometry/cutting.h"
#include "geometry/kernel.h"
#include "geometry/palette.h"
#include "geometry/picture_drawing.h"
#include "geometry/screen_metrics.h"
#include "platform/image_canvas.h"
#include "platform/message_box.h"
#include "tests/geometry/ray_visibility.h"
#include "tests/geometry/sample_solids.h"
#include "tests/support/gui_app.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

namespace {

struct turn {
    int x, y, z;
    bool perspective;
};

std::string describe(const turn& t)
{
    std::ostringstream text;
    text << "angles " << t.x << " " << t.y << " " << t.z << (t.perspective ? " in perspective" : "");
    return text.str();
}

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
    picture_judge(const Tsolid& solid, const turn& t) : transformed_(solid), canvas_(width, height)
    {
        rotate_solid(transformed_, t.x, t.y, true, t.z);
        if (t.perspective)
            perspective_transform(transformed_);
        Tpicture picture;
        make_picture(solid, t.x, t.y, picture, t.perspective, width / 2, height / 2, scale, t.z);
        draw_picture(canvas_, picture, 1, false, true, false, false);
        const ray_check::ray_caster rays(transformed_);
        for (int py = 0; py < height; ++py)
            for (int px = 0; px < width; ++px)
                nearest_[index(px, py)] = rays.nearest_surface((px - width / 2) / (scale * pixels_per_unit_x),
                                                               -(py - height / 2) / (scale * pixels_per_unit_y));
    }

    // The pixels inside a surface's region that show something else, at most a few.
    std::vector<std::string> faults() const
    {
        std::vector<std::string> found;
        for (int py = line_reach; py < height - line_reach; ++py)
            for (int px = line_reach; px < width - line_reach; ++px) {
                const int s = nearest_[index(px, py)];
                const platform::colour_ref got = canvas_.pixel(px, py);
                if (inside_region(px, py) && !shows(s, got) && found.size() < 4)
                    found.push_back("pixel " + std::to_string(px) + "," + std::to_string(py) + " shows " +
                                    std::to_string(got) + " where surface " + std::to_string(s) + " is nearest");
            }
        return found;
    }

private:
    static std::size_t index(int px, int py) { return static_cast<std::size_t>(py * width + px); }

    bool inside_region(int px, int py) const
    {
        for (int dy = -line_reach; dy <= line_reach; ++dy)
            for (int dx = -line_reach; dx <= line_reach; ++dx)
                if (nearest_[index(px + dx, py + dy)] != nearest_[index(px, py)])
                    return false;
        return true;
    }

    bool shows(int s, platform::colour_ref got) const
    {
        const platform::colour_ref background = platform::window_background_colour();
        if (s == 0)
            return got == background;
        const int colour = transformed_.surface_colour[static_cast<std::size_t>(s)];
        if (colour == cut_surface_colour)
            return got == navy || got == background;
        return got == display_colour(colour);
    }

    Tsolid transformed_;
    platform::image_canvas canvas_;
    std::vector<int> nearest_ = std::vector<int>(static_cast<std::size_t>(width * height));
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
        picture_judge judge(solid, t);
        EXPECT_EQ(judge.faults(), std::vector<std::string>{}) << name << ", " << describe(t);
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
            rotate_solid(solid, before.x, before.y, false, before.z);
            bool success = false, bridged = false;
            std::int32_t sections = 0;
            platform::scripted_responder responder;
            cut_solid(solid, success, sections, bridged);
            for (const turn& t : {turn{30, -40, 0, false}, turn{-20, 50, 0, true}})
                expect_as_rays_say(solid, samples[n].name + " cut after " + describe(before), t);
        }
}
