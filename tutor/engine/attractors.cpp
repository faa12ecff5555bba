#include "tutor/engine/attractors.h"

#include "foundation/messages.h"
#include "geometry/model/hidden_lines.h"
#include "platform/core/message_box.h"

#include <algorithm>
#include <cstdlib>

using namespace foundation;
using namespace geometry::model;

namespace tutor::engine {

bool add_attractor(Tattractors& attractors, Tinteger_point point)
{
    for (int i = 0; i < attractors.count; ++i)
        if (points_equal(attractors.points[static_cast<std::size_t>(i)], point))
            return true;
    if (attractors.count >= max_attractors)
        return false;
    attractors.points[static_cast<std::size_t>(attractors.count++)] = point;
    return true;
}

void add_line_ends(Tattractors& attractors, const Tscreen_drawing& drawing)
{
    for (const Tscreen_lines* list : {&drawing.visible, &drawing.hidden})
        for (int i = 1; i <= std::min(list->count, max_drawing_lines); ++i) {
            const Tscreen_line& line = list->lines[static_cast<std::size_t>(i)];
            add_attractor(attractors, {line.x1, line.y1});
            add_attractor(attractors, {line.x2, line.y2});
        }
}

bool snap_to_attractor(Tinteger_point point, bool fine, const Tattractors& attractors, Tinteger_point& snapped)
{
    if (attractors.count <= 0)
        show_message("Strange and serious error: no attractors, please report to ZEV!", platform::MB_ICONERROR);
    const long long k = fine ? 2 : 6;
    long long best = 100;
    bool found = false;
    for (int i = 0; i < attractors.count && best > 0; ++i) {
        const Tinteger_point a = attractors.points[static_cast<std::size_t>(i)];
        const long long dx = std::llabs(static_cast<long long>(a.x) - point.x);
        const long long dy = std::llabs(static_cast<long long>(a.y) - point.y);
        if (dx < k && dy < k && dx + dy < 8 && dx + dy < best) {
            best = dx + dy;
            snapped = a;
            found = true;
        }
    }
    return found;
}

} // namespace tutor::engine
