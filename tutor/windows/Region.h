#pragma once
// One drawing area of an exercise window and the feedback it draws under
// the mouse: a rubber band from its anchor, and a feedback rectangle. Every
// pixel they change is saved first and put back when they are erased, so
// the picture underneath never needs repainting. The saved pixels of the
// band are a fixed store of 2000; a band never changes more pixels than
// that (a region's width plus height is expected to stay below 1998).

#include "platform/core/bitmap.h"
#include "platform/core/canvas.h"
#include "platform/core/pixel_point.h"

#include <array>
#include <functional>

namespace tutor::windows {

class Tregions;

inline constexpr int saved_pixel_capacity = 2000;

// How the feedback rectangle follows the mouse: the rectangle spanned by
// `corner` and the mouse; a box around the mouse; the square bounding a
// circle round `centre` through the mouse; or what a caller's function gives.
enum class feedback_rectangle_mode { spanned, box, circle, computed };

class Tregion {
public:
    explicit Tregion(Tregions& owner) : owner_(owner) {}
    Tregion(const Tregion&) = delete;
    Tregion& operator=(const Tregion&) = delete;

    platform::pixel_rect rectangle{};   // window pixels, edges included
    bool band_on = false;
    bool band_solid = true;
    bool rectangle_on = false;
    platform::colour_ref colour = platform::black;
    platform::pixel_point anchor{};
    feedback_rectangle_mode rectangle_mode = feedback_rectangle_mode::spanned;
    struct extents {
        int left = 0;
        int right = 0;
        int up = 0;
        int down = 0;
    } box;                                // box mode
    platform::pixel_point centre{};       // circle mode
    platform::pixel_point corner{};       // spanned mode
    std::function<platform::pixel_rect(platform::pixel_point mouse)> compute_rectangle;   // computed mode
    bool dotted = false;

    bool contains(platform::pixel_point p) const;
    bool band_shown() const { return band_shown_; }
    bool rectangle_shown() const { return rectangle_shown_; }
    // The band's store is taken on its first use in the region and given up
    // when the band is no longer wanted there; likewise the rectangle's strips.
    bool holds_saved_pixels() const { return saved_capacity_ > 0; }
    bool holds_strips() const;
    int saved_capacity() const { return saved_capacity_; }
    platform::pixel_point last_end() const { return last_end_; }
    const platform::pixel_rect& feedback_rectangle() const { return shown_rectangle_; }

    // Puts back the pixels under the band when it is shown, gives up its
    // store and switches the band off; before the picture under the region changes.
    void erase_region_feedback();

    // While the regions follow the mouse.
    void draw_band(platform::Canvas& canvas, platform::pixel_point mouse);
    void erase_band(platform::Canvas& canvas);
    void free_band();
    void draw_rectangle(platform::Canvas& canvas, platform::pixel_point mouse, int client_width, int client_height);
    void erase_rectangle(platform::Canvas& canvas);
    void free_strips();

private:
    struct saved_pixel {
        platform::pixel_point at;
        platform::colour_ref colour = 0;
    };
    // What lies under one edge of the rectangle, and where.
    struct strip {
        platform::pixel_point at;
        platform::bitmap pixels;
    };

    platform::pixel_point band_start(platform::pixel_point mouse) const;
    platform::pixel_rect rectangle_around(platform::pixel_point mouse, int client_width, int client_height) const;
    void save_strip(strip& s, const platform::Canvas& canvas, int left, int top, int width, int height);

    Tregions& owner_;
    std::array<saved_pixel, saved_pixel_capacity> saved_{};
    int saved_capacity_ = 0;   // 0: no store
    int saved_count_ = 0;
    bool band_shown_ = false;
    platform::pixel_point last_end_{};
    platform::pixel_rect shown_rectangle_{};
    std::array<strip, 4> strips_;   // top, bottom, left, right
    bool rectangle_shown_ = false;
};

} // namespace tutor::windows
