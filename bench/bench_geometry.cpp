// The kernel's picture of each sample object: make_picture (turn, perspective,
// visibility, painter's order, projection) and draw_picture into a 640 x 480
// image canvas, and each half alone. Run: build/bin/bench_geometry
#include "foundation/globals.h"
#include "geometry/object_files.h"
#include "geometry/picture_drawing.h"
#include "platform/image_canvas.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int width = 640, height = 480;
const long double scale = width * 0.92L * 0.0075L;   // as a frame of that width draws

void load_samples()
{
    start_directory = program_directory = std::string(WINTOLA_BIN_DIR) + "/";
    TThingCatCollection catalogue;
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

} // namespace

int main(int argc, char** argv)
{
    load_samples();
    for (int number = 0; number <= last_object_number; ++number)
        benchmark::RegisterBenchmark(("make_and_draw_picture/" + std::to_string(number)).c_str(),
                                     [number](benchmark::State& state) { make_and_draw(state, number); });
    benchmark::RegisterBenchmark("make_picture_only", make_only)->DenseRange(0, last_object_number);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
