#pragma once
// The tool palette of an exercise window: up to four picture buttons (solid
// line, dashed line, surface, rubout), each shown with its normal or its
// active picture, drawn on the window's canvas. The pupil picks the drawing
// tool by clicking its button. Tool codes are bits, so a set of tools is
// the sum of their codes.

#include "geometry/drawing/resource_bitmap.h"
#include "platform/core/pixel_point.h"

#include <array>
#include <map>
#include <string>

namespace platform {
class canvas_widget;
}

namespace tutor::windows {

enum tool_code : int { solid_line_tool = 1, dashed_line_tool = 2, rubout_tool = 4, surface_tool = 8 };

class TExerciseControls {
public:
    static constexpr int tool_count = 4;

    struct tool {
        int code = 0;
        bool available = false;
        bool active = false;
        platform::pixel_rect rectangle{};   // edges included: 72 x 72 pixels
        const geometry::drawing::Tresource_bitmap* current_picture = nullptr;
        const geometry::drawing::Tresource_bitmap* normal_picture = nullptr;
        const geometry::drawing::Tresource_bitmap* active_picture = nullptr;
    };

    // Loads the pictures of all four tools.
    explicit TExerciseControls(platform::canvas_widget& owner);
    ~TExerciseControls();
    TExerciseControls(const TExerciseControls&) = delete;
    TExerciseControls& operator=(const TExerciseControls&) = delete;

    int button_width() const { return 72; }
    int button_height() const { return 72; }
    int current_tool() const { return current_tool_; }
    // Tool 1..4: solid line, dashed line, surface, rubout.
    const tool& tool_of(int index) const { return tools_.at(static_cast<std::size_t>(index - 1)); }

    // Tools whose code is in the set are available; the one whose code is
    // the initial tool becomes active and current (none: current tool 0).
    void set_available_tools(int code_set, int initial_tool);
    // A 2 x 2 grid from (x, y): solid and dashed line above, surface and
    // rubout below; a row with one tool has it in its middle.
    void place_tools(long double x, long double y);
    // Every available tool's present picture at its place.
    void draw_tools();
    // Makes the first available tool whose button holds the point the
    // current one, redrawing only the buttons whose state changes; whether a
    // tool was hit.
    bool tool_at(platform::pixel_point point);
    // As a click on the available tool of that code; nothing for another code.
    void select_tool(int code);

private:
    const geometry::drawing::Tresource_bitmap* picture(const std::string& name);
    void draw_tool(const tool& t);

    platform::canvas_widget& owner_;
    std::map<std::string, geometry::drawing::Tresource_bitmap> pictures_;   // each loaded once
    std::array<tool, tool_count> tools_;
    int current_tool_ = 0;
};

} // namespace tutor::windows
