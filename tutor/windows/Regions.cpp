#include "tutor/windows/Regions.h"

#include "platform/widgets/canvas_widget.h"
#include "platform/gui/resource_cursor.h"
#include "resources/resources.h"

#include <algorithm>
#include <stdexcept>
#include <string>

using namespace resources;

namespace tutor::windows {

namespace {

// Loaded once, on first use.
const std::optional<QCursor>& program_cursor(region_cursor kind)
{
    static const auto load = [](const char* name) {
        init_resources();
        return platform::load_resource_cursor(name);
    };
    static const std::optional<QCursor> construction = load("CONSTRUCTION_CURSOR");
    static const std::optional<QCursor> rubout = load("RUBOUT_CURSOR");
    return kind == region_cursor::rubout ? rubout : construction;
}

} // namespace

Tregions::Tregions(platform::canvas_widget& owner) : owner_(owner)
{
}

Tregion& Tregions::region(int k)
{
    if (k < 1 || k > count_)
        throw std::out_of_range("region " + std::to_string(k) + " outside 1.." + std::to_string(count_));
    return *regions_[static_cast<std::size_t>(k - 1)];
}

void Tregions::setup_regions(int number, bool enabled)
{
    for (int k = 1; k <= count_; ++k) {
        Tregion& old = region(k);
        if (old.rectangle_shown())
            old.erase_rectangle(owner_.canvas());
        old.erase_region_feedback();
    }
    count_ = std::clamp(number, 0, max_regions);
    for (int k = 0; k < max_regions; ++k)
        regions_[static_cast<std::size_t>(k)] = k < count_ ? std::make_unique<Tregion>(*this) : nullptr;
    enabled_ = enabled;
    inside_cursor_ = region_cursor::construction;
    current_cursor_ = region_cursor::none;
    mouse_region_ = 0;
}

void Tregions::set_normal_cursor(std::optional<QCursor> cursor)
{
    normal_cursor_ = std::move(cursor);
    current_cursor_ = region_cursor::normal;
}

int Tregions::region_at(platform::pixel_point point) const
{
    for (int k = 0; k < count_; ++k)
        if (regions_[static_cast<std::size_t>(k)]->contains(point))
            return k + 1;
    return 0;
}

void Tregions::set_cursor_kind(int kind)
{
    if (!enabled_)
        return;
    inside_cursor_ = kind == construction_cursor_kind ? region_cursor::construction : region_cursor::rubout;
    if (mouse_region_ != 0) {
        set_cursor(inside_cursor_);
        owner_.resend_mouse_move(last_point_);
    }
}

void Tregions::set_band_style(int style)
{
    for (int k = 1; k <= count_; ++k)
        region(k).band_solid = style != dashed_band_style;
}

void Tregions::set_cursor(region_cursor cursor)
{
    current_cursor_ = cursor;
    const std::optional<QCursor>& shape = cursor == region_cursor::normal ? normal_cursor_
        : cursor == region_cursor::none                                   ? std::nullopt
                                                                          : program_cursor(cursor);
    if (shape)
        owner_.setCursor(*shape);
    else
        owner_.unsetCursor();
}

void Tregions::follow_with_cursor(platform::pixel_point point, bool locked, int new_region)
{
    if (!enabled_)
        return;
    if (locked) {
        if (current_cursor_ != region_cursor::normal)
            set_cursor(region_cursor::normal);
        return;
    }
    const bool entered = mouse_region_ == 0 && new_region != 0;
    const bool left = mouse_region_ != 0 && new_region == 0;
    if (!entered && !left)
        return;
    set_cursor(entered ? inside_cursor_ : region_cursor::normal);
    owner_.resend_mouse_move(point);
}

// What was drawn is taken back in the opposite order, so the rectangle's
// strips, saved over the band, never put band pixels back.
void Tregions::track_mouse(platform::pixel_point point, bool locked)
{
    Tregion* old_region = mouse_region_ != 0 ? &region(mouse_region_) : nullptr;
    const int new_index = region_at(point);
    Tregion* new_region = new_index != 0 ? &region(new_index) : nullptr;
    const bool old_band = old_region && old_region->band_shown();
    const bool old_rectangle = old_region && old_region->rectangle_shown();
    const bool new_band = new_region && new_region->band_on && !locked && inside_cursor_ != region_cursor::rubout;
    const bool new_rectangle = new_region && new_region->rectangle_on && !locked;
    follow_with_cursor(point, locked, new_index);
    const bool region_changed = new_index != mouse_region_;
    mouse_region_ = new_index;
    last_point_ = point;
    if (!old_band && !old_rectangle && !new_band && !new_rectangle)
        return;
    platform::Canvas& canvas = owner_.canvas();
    if (old_region) {
        if (old_rectangle)
            old_region->erase_rectangle(canvas);
        if (!new_rectangle || region_changed)
            old_region->free_strips();
        if (old_band)
            old_region->erase_band(canvas);
        if (!new_band || region_changed)
            old_region->free_band();
    }
    if (new_band)
        new_region->draw_band(canvas, point);
    if (new_rectangle)
        new_region->draw_rectangle(canvas, point, owner_.width(), owner_.height());
    owner_.show_changes();
}

} // namespace tutor::windows
