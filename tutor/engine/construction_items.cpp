#include "tutor/engine/construction_items.h"

#include "geometry/model/hidden_lines.h"
#include "geometry/model/line_merging.h"
#include "platform/core/polygon_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace foundation;
using namespace geometry::model;

namespace tutor::engine {

namespace {

Tpoint real(Tinteger_point p)
{
    return {static_cast<long double>(p.x), static_cast<long double>(p.y)};
}

bool same_group(const Tconstruction_line& a, const Tconstruction_line& b)
{
    return a.kind == b.kind && a.width == b.width;
}

bool has_corner(const Tconstruction_surface& s, Tinteger_point p)
{
    const auto* end = s.corners.begin() + s.corner_count;
    return std::any_of(s.corners.begin(), end, [p](Tinteger_point c) { return points_equal(c, p); });
}

bool has_equal_line(const Tconstruction_items& items, const Tconstruction_line& line)
{
    const auto list = items.line_list();
    return std::any_of(list.begin(), list.end(), [&](const Tconstruction_line& l) { return lines_equal(l, line); });
}

bool has_equal_surface(const Tconstruction_items& items, const Tconstruction_surface& surface)
{
    const auto list = items.surface_list();
    return std::any_of(list.begin(), list.end(),
                       [&](const Tconstruction_surface& s) { return surfaces_equal(s, surface); });
}

bool has_point(const Tconstruction_items& items, Tinteger_point point)
{
    const auto list = items.marked_points();
    return std::any_of(list.begin(), list.end(), [point](Tinteger_point p) { return points_equal(p, point); });
}

// A corner on the straight stretch between its neighbours adds nothing to the outline.
bool corner_on_stretch(Tinteger_point before, Tinteger_point corner, Tinteger_point after)
{
    if (points_equal(before, after))
        return false;
    const long double along_from_before
        = (corner.x - before.x) * static_cast<long double>(after.x - before.x)
        + (corner.y - before.y) * static_cast<long double>(after.y - before.y);
    const long double along_from_after
        = (corner.x - after.x) * static_cast<long double>(before.x - after.x)
        + (corner.y - after.y) * static_cast<long double>(before.y - after.y);
    return along_from_before > 0 && along_from_after > 0
        && std::fabs(signed_line_distance(real(before), real(after), real(corner))) < 1;
}

void remove_repeated_neighbours(std::vector<Tinteger_point>& corners)
{
    corners.erase(std::unique(corners.begin(), corners.end(), points_equal), corners.end());
    while (corners.size() > 1 && points_equal(corners.front(), corners.back()))
        corners.pop_back();
}

} // namespace

bool lines_equal(const Tconstruction_line& a, const Tconstruction_line& b)
{
    if (!same_group(a, b))
        return false;
    return (points_equal(a.from, b.from) && points_equal(a.to, b.to))
        || (points_equal(a.from, b.to) && points_equal(a.to, b.from));
}

bool surfaces_equal(const Tconstruction_surface& a, const Tconstruction_surface& b)
{
    if (a.corner_count != b.corner_count)
        return false;
    for (int i = 0; i < a.corner_count; ++i)
        if (!has_corner(b, a.corners[static_cast<std::size_t>(i)])
            || !has_corner(a, b.corners[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

int judge_items(const Tconstruction_items& wanted, const Tconstruction_items& pupil, bool surfaces_judged)
{
    if (pupil.point_count > wanted.point_count || pupil.line_count > wanted.line_count
        || (surfaces_judged && pupil.surface_count > wanted.surface_count))
        return view_wrong;
    for (Tinteger_point p : pupil.marked_points())
        if (!has_point(wanted, p))
            return view_wrong;
    for (const Tconstruction_line& line : pupil.line_list())
        if (!has_equal_line(wanted, line))
            return view_wrong;
    if (surfaces_judged)
        for (const Tconstruction_surface& surface : pupil.surface_list())
            if (!has_equal_surface(wanted, surface))
                return view_wrong;
    if (pupil.point_count < wanted.point_count || pupil.line_count < wanted.line_count
        || (surfaces_judged && pupil.surface_count < wanted.surface_count))
        return view_incomplete;
    return view_right;
}

bool add_construction_line(Tconstruction_items& items, const Tconstruction_line& line)
{
    if (points_equal(line.from, line.to) || items.line_count >= max_construction_lines)
        return false;
    Tscreen_lines group;   // numbered from 1
    std::array<Tconstruction_line, max_construction_lines> others{};
    int other_count = 0;
    for (const Tconstruction_line& l : items.line_list()) {
        if (!same_group(l, line)) {
            others[static_cast<std::size_t>(other_count++)] = l;
        } else {
            if (group.count >= max_lines_per_group)
                return false;
            group.lines[static_cast<std::size_t>(++group.count)] = {l.from.x, l.from.y, l.to.x, l.to.y, false};
        }
    }
    if (group.count >= max_lines_per_group)
        return false;
    group.lines[static_cast<std::size_t>(++group.count)] = {line.from.x, line.from.y, line.to.x, line.to.y, false};
    merge_exercise_lines(group, true, true);
    items.lines = others;
    items.line_count = other_count;
    for (int i = 1; i <= group.count; ++i) {
        const Tscreen_line& s = group.lines[static_cast<std::size_t>(i)];
        items.lines[static_cast<std::size_t>(items.line_count++)] = {line.kind, line.width, {s.x1, s.y1}, {s.x2, s.y2}};
    }
    return true;
}

bool add_marked_point(Tconstruction_items& items, Tinteger_point point)
{
    if (items.point_count >= max_marked_points || has_point(items, point))
        return false;
    items.points[static_cast<std::size_t>(items.point_count++)] = point;
    return true;
}

Tconstruction_surface simplified_outline(std::span<const Tinteger_point> corners)
{
    std::vector<Tinteger_point> outline(corners.begin(), corners.end());
    remove_repeated_neighbours(outline);
    bool removed = true;
    while (removed && outline.size() >= 3) {
        removed = false;
        for (std::size_t i = 0; i < outline.size() && outline.size() >= 3; ++i) {
            const std::size_t n = outline.size();
            if (corner_on_stretch(outline[(i + n - 1) % n], outline[i], outline[(i + 1) % n])) {
                outline.erase(outline.begin() + static_cast<std::ptrdiff_t>(i));
                removed = true;
            }
        }
    }
    Tconstruction_surface surface;
    if (outline.size() > static_cast<std::size_t>(max_surface_corners))
        return surface;   // no corners: cannot be kept
    surface.corner_count = static_cast<int>(outline.size());
    std::copy(outline.begin(), outline.end(), surface.corners.begin());
    return surface;
}

bool add_construction_surface(Tconstruction_items& items, std::span<const Tinteger_point> corners)
{
    const Tconstruction_surface surface = simplified_outline(corners);
    if (surface.corner_count < 3 || items.surface_count >= max_construction_surfaces)
        return false;
    items.surfaces[static_cast<std::size_t>(items.surface_count++)] = surface;
    return true;
}

bool rub_out_at(Tconstruction_items& items, Tinteger_point point)
{
    int nearest = -1;
    long double best = rubout_reach;
    for (int i = 0; i < items.line_count; ++i) {
        const Tconstruction_line& l = items.lines[static_cast<std::size_t>(i)];
        const long double d = segment_distance(real(l.from), real(l.to), real(point));
        if (d <= best) {
            best = d;
            nearest = i;
        }
    }
    if (nearest >= 0) {
        std::copy(items.lines.begin() + nearest + 1, items.lines.begin() + items.line_count,
                  items.lines.begin() + nearest);
        --items.line_count;
        return true;
    }
    for (int i = 0; i < items.point_count; ++i)
        if (distance(real(items.points[static_cast<std::size_t>(i)]), real(point)) <= rubout_reach) {
            std::copy(items.points.begin() + i + 1, items.points.begin() + items.point_count, items.points.begin() + i);
            --items.point_count;
            return true;
        }
    for (int i = items.surface_count - 1; i >= 0; --i) {
        const Tconstruction_surface& s = items.surfaces[static_cast<std::size_t>(i)];
        if (platform::polygon_region({s.corners.data(), std::size_t(s.corner_count)}).contains(point.x, point.y)) {
            std::copy(items.surfaces.begin() + i + 1, items.surfaces.begin() + items.surface_count,
                      items.surfaces.begin() + i);
            --items.surface_count;
            return true;
        }
    }
    return false;
}

} // namespace tutor::engine
