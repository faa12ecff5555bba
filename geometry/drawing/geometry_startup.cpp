#include "geometry/drawing/geometry_startup.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/texts.h"
#include "geometry/model/palette.h"
#include "geometry/model/projection_convention.h"
#include "geometry/drawing/projection_symbols.h"
#include "geometry/model/screen_metrics.h"
#include "platform/gui/screen.h"

using namespace foundation;
using namespace geometry::model;

namespace geometry::drawing {

void start_up_screen_drawing()
{
    const platform::screen_size screen = platform::primary_screen_size();
    aspect = aspect_of_screen(screen.width, screen.height, screen.width_mm, screen.height_mm);
}

void start_up_kernel()
{
    compute_nearest_colours();
    compute_pixel_scales();
}

void start_up_projection_views()
{
    set_projection_convention(names_european_method(read_setting("", "GENERAL", "Standard Technical Projection", "A")));
    std::array<std::string, view_count> labels;
    for (int k = 0; k < view_count; ++k)
        labels[static_cast<std::size_t>(k)] = text_of(text_names::view_labels::left, k);
    set_view_labels(labels);
    load_projection_symbols();
}

} // namespace geometry::drawing
