// Mouse feedback in a drawing area of 640 x 480 pixels: one mouse move
// takes back the band and rectangle of the previous position and draws
// them at the new one, without repainting anything. Beside it, what a
// repaint of the whole client area alone would cost (copying the picture).
// Run: QT_QPA_PLATFORM=offscreen build/bin/bench_regions
#include "platform/canvas_widget.h"
#include "tutor/Regions.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

void mouse_moves(benchmark::State& state, bool with_rectangle)
{
    application();
    platform::canvas_widget window;
    window.resize(660, 500);
    Tregions regions(window);
    regions.setup_regions(1, true);
    Tregion& r = regions.region(1);
    r.rectangle = {10, 10, 649, 489};
    r.band_on = true;
    r.anchor = {12, 480};
    r.rectangle_on = with_rectangle;
    r.rectangle_mode = feedback_rectangle_mode::box;
    r.box = {8, 8, 8, 8};
    int step = 0;
    for (auto _ : state) {
        step = (step + 7) % 600;
        regions.track_mouse({30 + step, 20 + step * 3 / 4}, false);
    }
    benchmark::DoNotOptimize(window.canvas().pixel(100, 100));
}

void repaint_copy(benchmark::State& state)
{
    application();
    platform::image_canvas canvas(660, 500);
    for (auto _ : state) {
        platform::bitmap area = canvas.read_area(0, 0, 660, 500);
        canvas.draw_bitmap(0, 0, area, platform::raster_operation::copy);
        benchmark::DoNotOptimize(area.pixels.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(mouse_moves, band, false);
BENCHMARK_CAPTURE(mouse_moves, band_and_rectangle, true);
BENCHMARK(repaint_copy);
BENCHMARK_MAIN();
