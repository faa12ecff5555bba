// The kernel's picture of each sample object made and drawn into a 640 x 480
// image canvas, against writing each pixel of that image once. The picture's
// computation alone, the hidden-line drawing of each sample in each of the
// six normal views and the oblique view, the cut of the holed block with its
// hidden-line drawing, and the hidden-line drawing of star prisms of 12 to 42
// edges, each against the least a view computes: turning a copy of the
// solid. Run: build/bin/bench_geometry
#include "bench/against_floor.h"
#include "foundation/globals.h"
#include "geometry/model/cutting.h"
#include "geometry/model/hidden_lines.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/drawing/picture_drawing.h"
#include "platform/gui/image_canvas.h"
#include "tests/geometry/prisms.h"

#include <cmath>
#include <numbers>
#include <string>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

namespace {

using bench::against_floor;

constexpr int width = 640, height = 480;
const long double scale = width * 0.92L * 0.0075L;   // as a frame of that width draws

void load_samples(TThingCatCollection& catalogue)
{
    start_directory = program_directory = std::string(WINTOLA_BIN_DIR) + "/";
    load_object_file_list({"SOLIDS.OBJ", "BLOCKS.OBJ"}, catalogue);
}

Tsolid sample(int number)
{
    Tsolid solid;
    load_object(number, solid);
    return solid;
}

// The least a view of the solid computes: a copy of it turned.
auto turning(const Tsolid& solid)
{
    return [&solid] {
        Tsolid copy = solid;
        rotate_solid(copy, 30, -40, false, 0);
        benchmark::DoNotOptimize(copy.vertices[1].x);
    };
}

void make_and_draw(benchmark::State& state, int number)
{
    const Tsolid solid = sample(number);
    platform::image_canvas canvas(width, height);
    Tpicture picture;
    against_floor(state, bench::frame_write(width, height), [&] {
        make_picture(solid, 30, -40, picture, true, width / 2, height / 2, scale, 0);
        draw_picture(canvas, picture, 3, false, true, false, true);
        benchmark::DoNotOptimize(canvas.pixel(width / 2, height / 2));
    });
}

void make_only(benchmark::State& state)
{
    const Tsolid solid = sample(static_cast<int>(state.range(0)));
    Tpicture picture;
    against_floor(state, turning(solid), [&] {
        make_picture(solid, 30, -40, picture, true, width / 2, height / 2, scale, 0);
        benchmark::DoNotOptimize(picture.surface_count);
    });
}

// Views 0..5 turned as the normal views are, without perspective; 6 the
// oblique view with perspective.
struct view_turn {
    int angle_x, angle_y;
    bool perspective;
};
constexpr view_turn view_turns[7] = {{0, 90, false},  {90, 0, false},  {0, 0, false},  {-90, 0, false},
                                     {0, -90, false}, {0, 180, false}, {30, -40, true}};

void hidden_lines_of(benchmark::State& state, const Tsolid& solid, const view_turn& v)
{
    Tscreen_drawing drawing;
    against_floor(state, turning(solid), [&] {
        compute_hidden_line_drawing(solid, v.angle_x, v.angle_y, 0, drawing, true, v.perspective, height / 2, width / 2,
                                    scale);
        benchmark::DoNotOptimize(drawing.visible.count);
    });
}

void hidden_lines(benchmark::State& state, int number)
{
    hidden_lines_of(state, sample(number), view_turns[state.range(0)]);
}

// A prism over a star of `points` points: every second corner lies inward,
// so the far side's edges hide behind the near ones. 3 x 2 x points edges.
Tsolid star_prism(int points)
{
    test_objects::outline star;
    for (int i = 0; i < 2 * points; ++i) {
        const long double radius = i % 2 == 0 ? 1.0L : 0.55L;
        const long double angle = std::numbers::pi_v<long double> * i / points;
        star.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    Tsolid solid;
    test_objects::add_prism(solid, star, -0.4L, 0.4L);
    return test_objects::finished(solid);
}

void hidden_lines_growth(benchmark::State& state)
{
    const Tsolid solid = star_prism(static_cast<int>(state.range(0)));
    hidden_lines_of(state, solid, view_turns[6]);
    state.SetComplexityN(solid.edge_count);
    state.counters["edges"] = solid.edge_count;
}

int holed_block_number(const TThingCatCollection& catalogue)
{
    for (const auto& category : catalogue.categories)
        for (const auto& thing : category->things)
            if (thing->name == "Block with a through hole")
                return thing->object_number;
    return 0;
}

void cut_and_hidden_lines(benchmark::State& state, int number)
{
    const Tsolid solid = sample(number);
    Tscreen_drawing drawing;
    against_floor(state, turning(solid), [&] {
        Tsolid cut = solid;
        bool success = false;
        std::int32_t sections = 0;
        cut_solid(cut, success, sections, success);
        compute_hidden_line_drawing(cut, 30, -40, 0, drawing, true, true, height / 2, width / 2, scale);
        benchmark::DoNotOptimize(drawing.hidden.count);
    });
}

} // namespace

int main(int argc, char** argv)
{
    TThingCatCollection catalogue;
    load_samples(catalogue);
    for (int number = 0; number <= last_object_number; ++number)
        benchmark::RegisterBenchmark(("make_and_draw_picture/" + std::to_string(number)).c_str(),
                                     [number](benchmark::State& state) { make_and_draw(state, number); })
            ->UseManualTime();
    benchmark::RegisterBenchmark("make_picture_only", make_only)->DenseRange(0, last_object_number)->UseManualTime();
    for (int number = 0; number <= last_object_number; ++number)
        benchmark::RegisterBenchmark(("hidden_line_drawing/" + std::to_string(number)).c_str(),
                                     [number](benchmark::State& state) { hidden_lines(state, number); })
            ->DenseRange(0, 6)
            ->UseManualTime();
    const int holed = holed_block_number(catalogue);
    benchmark::RegisterBenchmark("cut_and_hidden_line_drawing/holed_block",
                                 [holed](benchmark::State& state) { cut_and_hidden_lines(state, holed); })
        ->UseManualTime();
    benchmark::RegisterBenchmark("hidden_line_drawing_star_prism/points", hidden_lines_growth)
        ->DenseRange(2, 7)
        ->UseManualTime()
        ->Complexity();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
