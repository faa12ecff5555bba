#include "class_overview/class_overview_charts.h"

#include "class_overview/class_overview_table.h"
#include "student_files/new_student.h"

#include <algorithm>

using namespace foundation;
using namespace student_files;

namespace class_overview {

using platform::Canvas;
using platform::colour_ref;

namespace {

using overview_entry = text_names::class_overview;

constexpr colour_ref grid_colour = platform::rgb(200, 200, 200);
constexpr int name_characters = 20;

// The fixed-pitch font's advance is about 0.6 of its pixel height; rounded up, so texts fit.
int character_width(int font_height)
{
    return (font_height * 61 + 99) / 100;
}

int text_width(const std::string& text, int font_height)
{
    return static_cast<int>(characters_in(text)) * character_width(font_height);
}

std::string with_number(const std::string& text, long number)
{
    const std::size_t at = text.find("%1");
    return at == std::string::npos ? text + " " + std::to_string(number)
                                   : text.substr(0, at) + std::to_string(number) + text.substr(at + 2);
}

void fill(Canvas& canvas, int left, int top, int right, int bottom, colour_ref colour)
{
    canvas.set_pen({colour, 1, platform::pen_style::none});
    canvas.set_brush({platform::brush_style::solid, colour});
    canvas.rectangle(left, top, right, bottom);
}

void rule(Canvas& canvas, platform::pixel_point from, platform::pixel_point to, colour_ref colour,
          platform::pen_style style = platform::pen_style::solid)
{
    canvas.set_pen({colour, 1, style});
    canvas.line(from, to);
}

void write(Canvas& canvas, int x, int y, const std::string& text, int font_height)
{
    canvas.set_font(overview_font(font_height));
    canvas.set_background_mode(platform::text_background::transparent);
    canvas.text_out(x, y, text);
}

void legend(Canvas& canvas, int left, int top, int h)
{
    int x = left;
    for (int l = 1; l <= overview_levels; ++l) {
        fill(canvas, x, top + h / 5, x + h * 4 / 5, top + h, level_colours[l - 1]);
        const std::string label = with_number(overview_text(overview_entry::level_label), l);
        write(canvas, x + h, top, label, h);
        x += h * 2 + text_width(label, h);
    }
}

// Horizontal grid lines at 0, 25, 50, 75 and 100 % with their labels left of the plot.
void percent_grid(Canvas& canvas, int left, int plot_left, int right, int top, int bottom, int h)
{
    for (int p = 0; p <= 100; p += 25) {
        const int y = bottom - (bottom - top) * p / 100;
        rule(canvas, {plot_left, y}, {right, y}, p == 0 ? platform::black : grid_colour);
        const std::string label = std::to_string(p) + " %";
        write(canvas, left + text_width("100 %", h) - text_width(label, h), y - h / 2, label, h);
    }
}

} // namespace

platform::font_choice overview_font(int height)
{
    platform::font_choice font;
    font.name = "Courier New";
    font.height = std::max(height, 1);
    return font;
}

void draw_exercise_chart(Canvas& canvas, const chart_area& area, int h, const class_overview& overview)
{
    write(canvas, area.left, area.top, overview_text(overview_entry::exercise_chart_title), h);
    legend(canvas, area.left, area.top + h * 3 / 2, h);
    const int top = area.top + h * 4, bottom = area.top + area.height - h * 2;
    const int plot_left = area.left + text_width("100 % ", h), right = area.left + area.width;
    percent_grid(canvas, area.left, plot_left, right, top, bottom, h);
    const int group = (right - plot_left) / overview_exercises, bar = std::max(group / 4, 1);
    for (int e = 0; e < overview_exercises; ++e) {
        const int group_left = plot_left + e * group;
        const std::string label = std::to_string(e + 1);
        write(canvas, group_left + (group - text_width(label, h)) / 2, bottom + h / 3, label, h);
        const overview_tally& t = overview.exercises[static_cast<std::size_t>(e)];
        for (int l = 0; l < overview_levels; ++l) {
            const auto p = percentage_of(t.level_correct[static_cast<std::size_t>(l)],
                                         t.level_objects[static_cast<std::size_t>(l)]);
            if (!p)
                continue;
            const int x = group_left + group / 8 + l * bar;
            const int height = static_cast<int>((bottom - top) * *p / 100);
            fill(canvas, x, bottom - height, x + bar, bottom, level_colours[l]);
        }
    }
}

int student_chart_height(int font_height, std::size_t students)
{
    return font_height * 4 + static_cast<int>(students) * font_height * 2;
}

std::size_t student_rows_fitting(int font_height, int area_height)
{
    const int rows = (area_height - font_height * 4) / std::max(font_height * 2, 1);
    return static_cast<std::size_t>(std::max(rows, 1));
}

void draw_student_chart(Canvas& canvas, const chart_area& area, int h, const class_overview& overview,
                        std::size_t first, std::size_t count)
{
    write(canvas, area.left, area.top, overview_text(overview_entry::student_chart_title), h);
    const int bar_left = area.left + character_width(h) * (name_characters + 1);
    const int length = std::max(area.left + area.width - text_width(" 100 %", h) - bar_left, 1);
    const int top = area.top + h * 3;
    const std::size_t last = std::min(first + count, overview.students.size());
    const int bottom = top + static_cast<int>(last - std::min(first, last)) * h * 2;
    if (const auto average = percentage_of(overview.total.correct, overview.total.objects)) {
        const int x = bar_left + static_cast<int>(length * *average / 100);
        rule(canvas, {x, top - h / 2}, {x, bottom}, platform::black, platform::pen_style::dotted);
        write(canvas, bar_left, area.top + h * 3 / 2, with_number(overview_text(overview_entry::class_average_label), *average) + " %", h);
    }
    rule(canvas, {bar_left - 1, top - h / 2}, {bar_left - 1, bottom}, platform::black);
    for (std::size_t i = first; i < last; ++i) {
        const student_overview& s = overview.students[i];
        const int y = top + static_cast<int>(i - first) * h * 2;
        write(canvas, area.left, y + h / 3, first_characters(s.name, name_characters), h);
        const auto p = percentage_of(s.total.correct, s.total.objects);
        const int end = bar_left + (p ? static_cast<int>(length * *p / 100) : 0);
        if (p)
            fill(canvas, bar_left, y + h / 4, end, y + h * 7 / 4, student_bar_colour);
        write(canvas, end + character_width(h) / 2, y + h / 3, p ? std::to_string(*p) + " %" : "-", h);
    }
}

} // namespace class_overview
