#include "tutor/engine/workbench_rules.h"

#include "geometry/model/rounding.h"

#include <algorithm>
#include <cmath>

using namespace geometry::model;

namespace tutor::engine {

window_size workbench_window_size(window_size size, int last_width)
{
    size.width = std::max(size.width, workbench_min_width);
    size.height = std::max(size.height, workbench_min_height);
    const long double ratio = static_cast<long double>(size.height) / size.width;
    if (std::fabs(ratio - 0.75L) > 0.03L) {
        if (size.width == last_width)
            size.width = round_to_pixel(size.height * 1.33L);
        else
            size.height = round_to_pixel(size.width * 0.75L);
    }
    return size;
}

int projections_item(bool oblique_shown, bool normal_shown)
{
    if (oblique_shown && normal_shown)
        return 2;
    if (oblique_shown)
        return 0;
    return normal_shown ? 1 : 3;
}

bool item_shows_oblique(int item)
{
    return item == 0 || item == 2;
}

bool item_shows_normal(int item)
{
    return item == 1 || item == 2;
}

quarter_turn quarter_turn_of(rotation_button button, bool european)
{
    switch (button) {
    case rotation_button::positive_x:
        return european ? quarter_turn{0, 0, -90} : quarter_turn{-90, 0, 0};
    case rotation_button::negative_x:
        return european ? quarter_turn{0, 0, 90} : quarter_turn{90, 0, 0};
    case rotation_button::positive_y:
        return european ? quarter_turn{90, 0, 0} : quarter_turn{0, 0, -90};
    case rotation_button::negative_y:
        return european ? quarter_turn{-90, 0, 0} : quarter_turn{0, 0, 90};
    case rotation_button::positive_z:
        return {0, -90, 0};
    case rotation_button::negative_z:
        return {0, 90, 0};
    }
    return {};
}

} // namespace tutor::engine
