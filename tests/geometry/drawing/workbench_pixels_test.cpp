#include "geometry/model/workbench_layout.h"
#include "tests/geometry/sample_solids.h"
#include "tests/geometry/views_fixture.h"
#include "tests/support/per_pixel_canvas.h"

using namespace foundation;

using namespace test_support;
using namespace geometry::model;
using namespace geometry::drawing;

namespace {

struct workbench_options {
    bool six, european, colours, dashed, perspective, hidden_lines, cut;
};

// The main window's arrangement and its neighbours: every option on and off.
constexpr workbench_options options[] = {
    {true, false, true, true, false, false, false},  {false, false, true, true, false, false, false},
    {true, true, true, false, true, false, true},    {true, false, false, true, false, true, false},
    {false, true, true, true, true, false, true},    {false, false, false, false, false, true, true},
};

// As the tutor main window repaints: the area cleared, the isometric frame,
// then every view with its hidden edges dashed, labels and symbol.
void paint_workbench(platform::Canvas& canvas, const Tsolid& solid, const workbench_options& o)
{
    set_projection_convention(o.european);
    canvas.set_brush({platform::brush_style::solid, background});
    canvas.set_pen({background, 1, platform::pen_style::none});
    canvas.rectangle(0, 0, 640, 480);
    canvas.set_pen({});
    const Tworkbench_layout place = workbench_layout(620, 440, true, true, o.six);
    Tviews views;
    views.set_oblique_frame(place.frame_origin, place.frame_height);
    views.layout_views(place.views_origin, place.cell_height,
                       o.european ? (o.six ? european_six_views : european_three_views)
                                  : (o.six ? american_six_views : american_three_views));
    views.draw_oblique(canvas, false, solid, true, o.colours, o.dashed, o.perspective, o.hidden_lines, true, true, o.cut);
    views.draw_views(canvas, false, true, true, o.colours, true, o.hidden_lines, solid);
}

} // namespace

TEST_F(views_fixture, EverySampleOnTheWorkbenchIsDrawnPixelForPixelAsPerPixelFillsDrawIt)
{
    const auto& samples = test_objects::sample_solids();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const workbench_options& o = options[i % std::size(options)];
        platform::image_canvas fast(640, 480);
        per_pixel_canvas reference(640, 480);
        paint_workbench(fast, samples[i].solid, o);
        paint_workbench(reference, samples[i].solid, o);
        EXPECT_LT(test_support::colours_in(fast, {0, 0, 640, 480})[background], 640 * 480 - 1000) << samples[i].name;
        EXPECT_EQ(fast.image(), reference.image()) << samples[i].name;
    }
}
