#include "geometry/model/workbench_layout.h"

#include "geometry/model/rounding.h"

#include <algorithm>

namespace geometry::model {

namespace {

// Both shown: the views at the left, the frame to their right.
Tworkbench_layout both_shown(int w, int h, bool six)
{
    const int s = std::min(w / 2, h);
    Tworkbench_layout layout;
    layout.frame_height = round_to_pixel((six ? 0.6L : 0.75L) * s);
    const int v = round_to_pixel((six ? 0.27L : 0.4L) * s);
    layout.cell_height = v;
    const int x0 = (w - round_to_pixel((six ? 4.3L : 2.2L) * v) - layout.frame_height) / 2;
    layout.views_origin = {x0, (h - (six ? 3 : 2) * v) / 2};
    layout.frame_origin = {x0 + round_to_pixel((six ? 4.2L : 2.2L) * v), (h - layout.frame_height) / 2};
    return layout;
}

Tworkbench_layout oblique_only(int w, int h)
{
    const int s = std::min(w, h);
    Tworkbench_layout layout;
    layout.frame_height = round_to_pixel(0.85L * s);
    layout.frame_origin = {(w - layout.frame_height) * 9 / 20, (h - layout.frame_height) / 2};
    return layout;
}

Tworkbench_layout normal_only(int w, int h, bool six)
{
    const int s = std::min(2 * w / 3, h);
    Tworkbench_layout layout;
    const int v = round_to_pixel((six ? 0.29L : 0.43L) * s);
    layout.cell_height = v;
    if (six)
        layout.views_origin = {(w - 4 * v) / 2, (h - 3 * v) * 8 / 20};
    else
        layout.views_origin = {(w - 2 * v) / 2, (h - 2 * v) / 2};
    return layout;
}

} // namespace

Tworkbench_layout workbench_layout(int width, int height, bool oblique_shown, bool normal_shown, bool six_views)
{
    if (oblique_shown && normal_shown)
        return both_shown(width, height, six_views);
    if (oblique_shown)
        return oblique_only(width, height);
    if (normal_shown)
        return normal_only(width, height, six_views);
    return {};
}

} // namespace geometry::model
