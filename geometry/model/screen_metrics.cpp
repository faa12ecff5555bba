#include "geometry/model/screen_metrics.h"

#include <cmath>

namespace geometry::model {

long double aspect = 1.0L;
long double pixels_per_unit_x = 200.0L / eye_distance;
long double pixels_per_unit_y = 200.0L / eye_distance;

namespace {

// Screens report their size in whole millimetres (some in centimetres), so a
// square pixel may measure a little off.
constexpr long double square_tolerance = 0.03L;

} // namespace

long double aspect_of_screen(int width, int height, double width_mm, double height_mm)
{
    if (width <= 0 || height <= 0 || !(width_mm > 0) || !(height_mm > 0))
        return 1.0L;
    const long double pixel_shape = (height_mm / height) / (width_mm / width);
    if (std::fabs(pixel_shape - 1) <= square_tolerance)
        return 1.0L;
    return static_cast<long double>(width) / height / 1.33L;
}

void compute_pixel_scales()
{
    pixels_per_unit_x = 200.0L / eye_distance;
    pixels_per_unit_y = (200.0L / aspect) / eye_distance;
}

} // namespace geometry::model
