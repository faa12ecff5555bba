// The kernel's picture of each sample object: make_picture (turn, perspective,
// visibility, painter's order, projection) and draw_picture into a 640 x 480
// image canvas, and each half alone. The hidden-line drawing of each sample
// in each of the six normal views and the oblique view, and the cut of the
// holed block with its hidden-line drawing. Run: build/bin/bench_geometry
#include "foundation/globals.h"
#include "geometry/cutting.h"
#include "geometry/hidden_lines.h"
#include "geometry/object_files.h"
#include "geometry/picture_drawing.h"
#include "platform/image_canvas.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int width = 640, height = 480;
const long double scale = width * 0.92L * 0.0075L;   // as a frame of that width draws

void load_samples(TThingCatCollection& catalogue)
{
    start_directory = program_directory = std::string(WINTOLA_BIN_DIR) + "/";
    load_object_file_list({"SOLIDS.OBJ", "BLOCKS.OBJ"}, catalogue);
}

void make_and_draw(benchmark::State& state, int number)
{
    Tsolid solid;
    load_object(number, solid);
    platform::image_canvas canvas(width, height);
    Tpicture picture;
    for (auto _ : state) {
        make_picture(solid, 30, -40, picture, true, width / 2, height / 2, scale, 0);
        draw_picture(canvas, picture, 3, false, true, false, true);
        benchmark::DoNotOptimize(canvas.pixel(width / 2, height / 2));
    }
}

void make_only(benchmark::State& state)
{
    Tsolid solid;
    load_object(static_cast<int>(state.range(0)), solid);
    Tpicture picture;
    for (auto _ : state) {
        make_picture(solid, 30, -40, picture, true, width / 2, height / 2, scale, 0);
        benchmark::DoNotOptimize(picture.surface_count);
    }
}

// Views 0..5 turned as the normal views are, without perspective; 6 the
// oblique view with perspective.
struct view_turn {
    int angle_x, angle_y;
    bool perspective;
};
constexpr view_turn view_turns[7] = {{0, 90, false},  {90, 0, false},  {0, 0, false},  {-90, 0, false},
                                     {0, -90, false}, {0, 180, false}, {30, -40, true}};

void hidden_lines(benchmark::State& state, int number)
{
    Tsolid solid;
    load_object(number, solid);
    const view_turn& v = view_turns[state.range(0)];
    Tscreen_drawing drawing;
    for (auto _ : state) {
        compute_hidden_line_drawing(solid, v.angle_x, v.angle_y, 0, drawing, true, v.perspective, height / 2, width / 2,
                                    scale);
        benchmark::DoNotOptimize(drawing.visible.count);
    }
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
    Tsolid solid;
    load_object(number, solid);
    Tscreen_drawing drawing;
    for (auto _ : state) {
        Tsolid cut = solid;
        bool success = false;
        std::int32_t sections = 0;
        cut_solid(cut, success, sections, success);
        compute_hidden_line_drawing(cut, 30, -40, 0, drawing, true, true, height / 2, width / 2, scale);
        benchmark::DoNotOptimize(drawing.hidden.count);
    }
}

} // namespace

int main(int argc, char** argv)
{
    TThingCatCollection catalogue;
    load_samples(catalogue);
    for (int number = 0; number <= last_object_number; ++number)
        benchmark::RegisterBenchmark(("make_and_draw_picture/" + std::to_string(number)).c_str(),
                                     [number](benchmark::State& state) { make_and_draw(state, number); });
    benchmark::RegisterBenchmark("make_picture_only", make_only)->DenseRange(0, last_object_number);
    for (int number = 0; number <= last_object_number; ++number)
        benchmark::RegisterBenchmark(("hidden_line_drawing/" + std::to_string(number)).c_str(),
                                     [number](benchmark::State& state) { hidden_lines(state, number); })
            ->DenseRange(0, 6);
    const int holed = holed_block_number(catalogue);
    benchmark::RegisterBenchmark("cut_and_hidden_line_drawing/holed_block",
                                 [holed](benchmark::State& state) { cut_and_hidden_lines(state, holed); });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
