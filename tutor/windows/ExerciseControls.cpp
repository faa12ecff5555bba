#include "tutor/windows/ExerciseControls.h"

#include "geometry/model/rounding.h"
#include "platform/widgets/canvas_widget.h"

using namespace geometry::model;
using namespace geometry::drawing;

namespace tutor::windows {

namespace {

struct tool_look {
    int code;
    const char* picture;   // the active one adds "_ACTIVE"
    int column;            // place in the grid
    int row;
};

const tool_look looks[TExerciseControls::tool_count] = {
    {solid_line_tool, "SOLID_LINE", 0, 0},
    {dashed_line_tool, "DASHED_LINE", 1, 0},
    {surface_tool, "SURFACE", 0, 1},
    {rubout_tool, "RUBOUT", 1, 1},
};

bool holds(const platform::pixel_rect& r, platform::pixel_point p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

} // namespace

TExerciseControls::TExerciseControls(platform::canvas_widget& owner) : owner_(owner)
{
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        tools_[i].code = looks[i].code;
        tools_[i].normal_picture = picture(looks[i].picture);
        tools_[i].active_picture = picture(std::string(looks[i].picture) + "_ACTIVE");
        tools_[i].current_picture = tools_[i].normal_picture;
    }
}

TExerciseControls::~TExerciseControls()
{
    for (auto& [name, record] : pictures_)
        free_resource_bitmap(record);
}

const Tresource_bitmap* TExerciseControls::picture(const std::string& name)
{
    auto found = pictures_.find(name);
    if (found == pictures_.end())
        found = pictures_.emplace(name, load_resource_bitmap(name, true)).first;
    return &found->second;
}

void TExerciseControls::set_available_tools(int code_set, int initial_tool)
{
    current_tool_ = 0;
    for (tool& t : tools_) {
        t.available = (code_set & t.code) != 0;
        t.active = t.available && t.code == initial_tool;
        t.current_picture = t.active ? t.active_picture : t.normal_picture;
        if (t.active)
            current_tool_ = t.code;
    }
}

void TExerciseControls::place_tools(long double x, long double y)
{
    const int left = round_to_pixel(x);
    const int top = round_to_pixel(y);
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        const tool& partner = tools_[i ^ 1];   // the other tool of the row
        const int column_left = partner.available ? looks[i].column * button_width() : button_width() / 2;
        const int row_top = looks[i].row * button_height();
        // Edges included: the button's last column and row are its picture's.
        tools_[i].rectangle = {left + column_left, top + row_top, left + column_left + button_width() - 1,
                               top + row_top + button_height() - 1};
    }
}

void TExerciseControls::draw_tools()
{
    for (const tool& t : tools_)
        if (t.available)
            draw_tool(t);
    owner_.show_changes();
}

void TExerciseControls::draw_tool(const tool& t)
{
    if (t.current_picture)
        draw_resource_bitmap(owner_.canvas(), *t.current_picture, t.rectangle.left, t.rectangle.top);
}

bool TExerciseControls::tool_at(platform::pixel_point point)
{
    const tool* hit = nullptr;
    for (const tool& t : tools_)
        if (t.available && holds(t.rectangle, point)) {
            hit = &t;
            break;
        }
    if (!hit)
        return false;
    if (hit->active)
        return true;
    owner_.canvas().set_background_mode(platform::text_background::transparent);
    for (tool& t : tools_) {
        const bool wanted = &t == hit;
        if (!t.available || t.active == wanted)
            continue;
        t.active = wanted;
        t.current_picture = wanted ? t.active_picture : t.normal_picture;
        draw_tool(t);
    }
    current_tool_ = hit->code;
    owner_.show_changes();
    return true;
}

void TExerciseControls::select_tool(int code)
{
    for (const tool& t : tools_)
        if (t.available && t.code == code) {
            tool_at({t.rectangle.left, t.rectangle.top});
            return;
        }
}

} // namespace tutor::windows
