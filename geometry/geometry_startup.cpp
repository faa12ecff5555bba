#include "geometry/geometry_startup.h"

#include "geometry/palette.h"
#include "geometry/screen_metrics.h"
#include "platform/screen.h"

void start_up_screen_drawing()
{
    const platform::screen_size screen = platform::primary_screen_size();
    aspect = aspect_of_screen(screen.width, screen.height);
}

void start_up_kernel()
{
    compute_nearest_colours();
    compute_pixel_scales();
}
