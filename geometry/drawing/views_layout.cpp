// Where the oblique frame, the view cells and the symbol lie.
#include "geometry/model/rounding.h"
#include "geometry/model/screen_metrics.h"
#include "geometry/drawing/views.h"

#include <climits>
#include <cstdlib>

using namespace foundation;
using namespace geometry::model;

namespace geometry::drawing {

namespace {

// Odd heights grow by one; the largest int, which cannot, shrinks instead.
int even_height(int height)
{
    if (height % 2 == 0)
        return height;
    return height == INT_MAX ? height - 1 : height + 1;
}

// As wide as the screen's proportions make the height, but square when only
// a pixel off, and even.
int cell_width_for(int h)
{
    int w = round_to_pixel(h * aspect);
    if (std::abs(static_cast<long long>(w) - h) == 1)
        w = h;
    if (w % 2 != 0)
        w = w == INT_MAX ? w - 1 : w + 1;
    return w;
}

// The columns and rows of the cell table: the front view's column is 0, and
// the layout's first column is -1 with six views and 0 with three.
class cell_grid {
public:
    cell_grid(Tinteger_point origin, int w, int h, bool six)
        : origin_(origin), w_(w), h_(h), first_(six ? 1 : 0), spacing_(h < 60 ? 1.3L : 1.0L)
    {
    }
    int column(int k) const { return pixel_offset(origin_.x, spacing_ * (first_ + k) * w_); }
    int row(int r) const { return pixel_offset(origin_.y, spacing_ * r * h_); }

private:
    Tinteger_point origin_;
    int w_;
    int h_;
    int first_;
    long double spacing_;
};

} // namespace

bool is_view(int k)
{
    return k >= 0 && k < view_count;
}

int Tviews::set_oblique_frame(Tinteger_point origin, int height)
{
    frame_height = height;
    frame_width = round_to_pixel(height * aspect);
    frame_left = origin.x;
    frame_top = origin.y;
    frame_right = pixel_offset(frame_left, frame_width);
    frame_bottom = pixel_offset(frame_top, frame_height);
    frame_scale = frame_width * 0.92L * 0.0075L;
    return frame_width;
}

int Tviews::layout_views(Tinteger_point origin, int height, int mode)
{
    const int h = even_height(height);
    const int w = cell_width_for(h);
    cell_height = h;
    cell_width = w;
    const bool six = mode == american_six_views || mode == european_six_views;
    american = mode == american_three_views || mode == american_six_views;
    const bool a = american;
    const cell_grid grid(origin, w, h, six);

    const std::array<bool, view_count> shown{six || !a, true, true, six, six || a, six};
    const std::array<int, view_count> x{
        grid.column(a ? -1 : 1), grid.column(0), grid.column(0), grid.column(0), grid.column(a ? 1 : -1), grid.column(2)};
    const std::array<int, view_count> y{
        grid.row(six || a ? 1 : 0), grid.row(a ? 0 : (six ? 2 : 1)), grid.row(six || a ? 1 : 0),
        grid.row(a ? 2 : 0),        grid.row(1),                      grid.row(1)};
    view_shown = shown;
    view_x = x;
    view_y = y;
    view_scale = w * 0.0075L;

    // In the free cell beside the front view's column: with six views the
    // one under the side view there; with three the one over the side view
    // (American, the symbol at its foot) or under it (European, near its top).
    if (six) {
        symbol_x = grid.column(1) + w / 10;
        symbol_y = grid.row(2) + h / 5;
    } else if (a) {
        symbol_x = grid.column(1) + 3 + w / 10;
        symbol_y = grid.row(1) - h / 5 - 30;
    } else {
        symbol_x = grid.column(1) + 3 + w / 10;
        symbol_y = grid.row(1) + 10 + h / 10;
    }
    labels_shown = false;
    return w;
}

Tinteger_point Tviews::frame_centre() const
{
    return {frame_left + frame_width / 2, frame_top + frame_height / 2};
}

Tinteger_point Tviews::cell_centre(int k) const
{
    if (!is_view(k))
        return {};
    return {view_x[k] + cell_width / 2, view_y[k] + cell_height / 2};
}

std::array<Tinteger_point, 2> Tviews::marked_edge_in_view(const Tsolid& solid, int k) const
{
    if (!is_view(k))
        return {};
    const Tinteger_point centre = cell_centre(k);
    return marked_edge_points(solid, centre.x, centre.y, view_scale);
}

} // namespace geometry::drawing
