// Mouse feedback in a drawing area of 640 x 480 pixels: one mouse move
// takes back the band and rectangle of the previous position and draws
// them at the new one, without repainting anything. Its floor is the least
// a repaint of the 660 x 500 client area would cost: writing each of its
// pixels once. Run: QT_QPA_PLATFORM=offscreen build/bin/bench_regions
#include "bench/against_floor.h"
#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/Regions.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace tutor::windows;

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
    bench::against_floor(state, bench::frame_write(660, 500), [&] {
        step = (step + 7) % 600;
        regions.track_mouse({30 + step, 20 + step * 3 / 4}, false);
    });
    benchmark::DoNotOptimize(window.canvas().pixel(100, 100));
}

} // namespace

BENCHMARK_CAPTURE(mouse_moves, band, false)->UseManualTime();
BENCHMARK_CAPTURE(mouse_moves, band_and_rectangle, true)->UseManualTime();
BENCHMARK_MAIN();
