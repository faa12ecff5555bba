#include "geometry/model/line_merging.h"

#include "geometry/model/rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

using namespace foundation;

namespace geometry::model {

namespace {

constexpr long double eps = 0.0001L;

// What the comparison needs of a line besides its ends.
struct line_shape {
    long double dx = 0;
    long double dy = 0;
    bool vertical = false;
    long double angle = 0;    // atan(dy / dx), when not vertical
    long double cosine = 0;   // of that angle
    bool removed = false;
};

// Makes the line point right (a vertical one up) and describes it.
line_shape normalise(Tdrawing_line& line, long double angle_tolerance)
{
    line_shape shape{line.x2 - line.x1, line.y2 - line.y1};
    if (shape.dx < -eps || (std::fabs(shape.dx) < eps && shape.dy < -eps)) {
        std::swap(line.x1, line.x2);
        std::swap(line.y1, line.y2);
        shape.dx = -shape.dx;
        shape.dy = -shape.dy;
    }
    // By its direction: a short level line is no vertical one, however
    // small its dx (pixel lines of a few pixels are a few hundredths).
    shape.vertical = std::fabs(shape.dx) < angle_tolerance * std::fabs(shape.dy);
    if (!shape.vertical) {
        shape.angle = std::atan(shape.dy / shape.dx);
        shape.cosine = shape.dx / std::sqrt(shape.dx * shape.dx + shape.dy * shape.dy);
    }
    return shape;
}

struct merge_tolerances {
    long double angle;
    long double distance;
    bool join_touching;
};

bool collinear(const Tdrawing_line& a, const line_shape& sa, const Tdrawing_line& b, const line_shape& sb,
               const merge_tolerances& tol)
{
    if (sa.vertical && sb.vertical)
        return std::fabs(b.x1 - a.x1) < tol.distance;
    if (sa.vertical || sb.vertical || std::fabs(sa.angle - sb.angle) >= tol.angle)
        return false;
    return std::fabs(sa.cosine * ((a.x1 - b.x1) * sa.dy / sa.dx + b.y1 - a.y1)) < tol.distance;
}

// Whether b overlaps a, with the parameters of b's ends along a.
bool overlapping(const Tdrawing_line& a, const line_shape& sa, const Tdrawing_line& b, const merge_tolerances& tol,
                 long double& s1, long double& s2)
{
    const long double along = sa.vertical ? sa.dy : sa.dx;
    if (along == 0)
        return false;   // a point has no direction to measure along
    s1 = sa.vertical ? (b.y1 - a.y1) / along : (b.x1 - a.x1) / along;
    s2 = sa.vertical ? (b.y2 - a.y1) / along : (b.x2 - a.x1) / along;
    if (tol.join_touching)
        return s1 < 1 + eps && s2 > -eps;
    return s1 < 1 - eps && s2 > eps;
}

// b takes in the parts of a that reach beyond it; its angle and cosine stay.
void absorb(const Tdrawing_line& a, Tdrawing_line& b, line_shape& sb, long double s1, long double s2)
{
    if (s1 > 0) {
        b.x1 = a.x1;
        b.y1 = a.y1;
    }
    if (s2 < 1) {
        b.x2 = a.x2;
        b.y2 = a.y2;
    }
    sb.dx = b.x2 - b.x1;
    sb.dy = b.y2 - b.y1;
}

} // namespace

void merge_collinear_lines(Tdrawing_lines& list, bool join_touching, bool last_only, long double angle_tolerance,
                           long double distance_tolerance)
{
    const merge_tolerances tol{angle_tolerance, distance_tolerance, join_touching};
    std::array<line_shape, max_drawing_lines + 1> shapes{};
    const int count = std::clamp(list.count, 0, max_drawing_lines);
    for (int i = 1; i <= count; ++i)
        shapes[i] = normalise(list.lines[i], angle_tolerance);
    for (int i = 1; i <= count; ++i) {
        if (list.lines[i].highlighted)
            continue;
        for (int j = last_only ? count : i + 1; j <= count && j > i; ++j) {
            if (list.lines[j].highlighted || !collinear(list.lines[i], shapes[i], list.lines[j], shapes[j], tol))
                continue;
            long double s1 = 0, s2 = 0;
            if (!overlapping(list.lines[i], shapes[i], list.lines[j], tol, s1, s2))
                continue;
            shapes[i].removed = true;
            absorb(list.lines[i], list.lines[j], shapes[j], s1, s2);
            break;
        }
    }
    int kept = 0;
    for (int i = 1; i <= count; ++i)
        if (!shapes[i].removed)
            list.lines[++kept] = list.lines[i];
    list.count = kept;
}

void merge_exercise_lines(Tscreen_lines& list, bool join_touching, bool last_only)
{
    Tdrawing_lines lines;
    lines.count = std::clamp(list.count, 0, max_drawing_lines);
    for (int i = 1; i <= lines.count; ++i) {
        const Tscreen_line& s = list.lines[i];
        lines.lines[i] = {s.x1 / 100.0L, s.y1 / 100.0L, s.x2 / 100.0L, s.y2 / 100.0L, false};
    }
    merge_collinear_lines(lines, join_touching, last_only, 0.1L, 0.01L);
    list.count = lines.count;
    for (int i = 1; i <= lines.count; ++i) {
        const Tdrawing_line& d = lines.lines[i];
        list.lines[i] = {round_to_pixel(d.x1 * 100), round_to_pixel(d.y1 * 100), round_to_pixel(d.x2 * 100),
                         round_to_pixel(d.y2 * 100), false};
    }
}

} // namespace geometry::model
