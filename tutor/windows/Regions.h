#pragma once
// The drawing areas of an exercise window (at most three). While the mouse
// moves they show the construction or the rubout cursor inside the areas
// and the window's normal cursor outside, and draw the feedback of the area
// under the mouse (Tregion), taking back what they drew at the previous
// mouse position first.

#include "tutor/windows/Region.h"

#include <QCursor>

#include <array>
#include <memory>
#include <optional>

namespace platform {
class canvas_widget;
}

namespace tutor::windows {

enum class region_cursor { none, normal, construction, rubout };

// set_cursor_kind: the construction cursor; any other kind is the rubout cursor.
inline constexpr int construction_cursor_kind = 1;
// set_band_style: a dashed band; any other style is solid.
inline constexpr int dashed_band_style = 2;

class Tregions {
public:
    static constexpr int max_regions = 3;

    explicit Tregions(platform::canvas_widget& owner);

    platform::canvas_widget& owner() { return owner_; }
    int count() const { return count_; }
    // Region 1..count; another number throws std::out_of_range.
    Tregion& region(int k);
    int mouse_region() const { return mouse_region_; }
    bool enabled() const { return enabled_; }
    region_cursor inside_cursor() const { return inside_cursor_; }
    region_cursor current_cursor() const { return current_cursor_; }

    // min(number, 3) fresh regions; what the old ones showed is taken back first.
    void setup_regions(int number, bool enabled);
    // The window's own cursor, shown outside the regions; none: the widget's default.
    void set_normal_cursor(std::optional<QCursor> cursor);
    // The first region holding the point (edges included), 0 for none.
    int region_at(platform::pixel_point point) const;
    void set_cursor_kind(int kind);
    void set_band_style(int style);
    // On every mouse move; while locked (the solution is shown) nothing is
    // drawn and the normal cursor stays.
    void track_mouse(platform::pixel_point point, bool locked);

private:
    void set_cursor(region_cursor cursor);
    void follow_with_cursor(platform::pixel_point point, bool locked, int new_region);

    platform::canvas_widget& owner_;
    std::array<std::unique_ptr<Tregion>, max_regions> regions_;
    int count_ = 0;
    bool enabled_ = false;
    std::optional<QCursor> normal_cursor_;
    region_cursor inside_cursor_ = region_cursor::construction;
    region_cursor current_cursor_ = region_cursor::none;
    int mouse_region_ = 0;
    platform::pixel_point last_point_{};
};

} // namespace tutor::windows
