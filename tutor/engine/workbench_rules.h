#pragma once

namespace tutor::engine {

// Rules of the tutor workbench that need no window: the size a resized
// window is given, which item of the projections choice stands for what is
// shown, and the quarter turn each rotation button makes by the projection
// convention.

inline constexpr int workbench_min_width = 640;
inline constexpr int workbench_min_height = 480;

struct window_size {
    int width = 0;
    int height = 0;
};

// A window in the normal state: at least 640 x 480, then kept near 4:3
// (height / width within 0.03 of 0.75). When the width stayed as it was the
// height changed, so the width follows it; otherwise the height follows the width.
window_size workbench_window_size(window_size size, int last_width);

// The projections choice: 0 oblique only, 1 normal only, 2 both, 3 none.
int projections_item(bool oblique_shown, bool normal_shown);
bool item_shows_oblique(int item);
bool item_shows_normal(int item);

enum class rotation_button { positive_x, negative_x, positive_y, negative_y, positive_z, negative_z };

// Whole degrees about each axis; one of them is a quarter turn.
struct quarter_turn {
    int angle_x = 0;
    int angle_y = 0;
    int angle_z = 0;
};

// The buttons name the axes as the pupil sees them; the European method's
// mirrored objects lie turned, so there X and Y are other axes of the solid.
quarter_turn quarter_turn_of(rotation_button button, bool european);

} // namespace tutor::engine
