#include "geometry/screen_metrics.h"

long double aspect = 1.0L;
long double pixels_per_unit_x = 200.0L / eye_distance;
long double pixels_per_unit_y = 200.0L / eye_distance;

long double aspect_of_screen(int width, int height)
{
    if (width <= 0 || height <= 0)
        return 1.0L;
    return static_cast<long double>(width) / height / 1.33L;
}

void compute_pixel_scales()
{
    pixels_per_unit_x = 200.0L / eye_distance;
    pixels_per_unit_y = (200.0L / aspect) / eye_distance;
}
