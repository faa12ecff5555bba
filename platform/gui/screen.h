#pragma once
// The primary screen's size in pixels, as the system metrics give it, and
// its physical size, from which the shape of its pixels follows. Without a
// screen (no application object yet) it answers a 4:3 screen's 800 x 600
// of unknown physical size.

namespace platform {

struct screen_size {
    int width = 800;
    int height = 600;
    double width_mm = 0;   // 0 when the platform does not know it
    double height_mm = 0;
};

screen_size primary_screen_size();

} // namespace platform
