#pragma once
// The primary screen's size in pixels, as the system metrics give it.
// Without a screen (no application object yet) it answers a 4:3 screen's
// 800 x 600.

namespace platform {

struct screen_size {
    int width = 800;
    int height = 600;
};

screen_size primary_screen_size();

} // namespace platform
