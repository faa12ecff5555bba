#pragma once
// The image canvas's fills done the slow, obvious way, one checked pixel at
// a time: brushes by their pixel rule, polygons row by row from a fresh
// sorted list of the outline's crossings with the row's centre line, blits,
// area reads and a four-connected flood fill. The image canvas must draw
// exactly the same pixels.

#include "platform/gui/image_canvas.h"
#include "platform/core/polygon_fill.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace test_support {

class per_pixel_canvas : public platform::image_canvas {
public:
    using image_canvas::image_canvas;

    void polygon(std::span<const platform::pixel_point> points) override
    {
        if (points.empty())
            return;
        const platform::row_range rows = platform::polygon_rows(points);
        for (int y = rows.top; y < rows.bottom; ++y)
            for (const platform::pixel_span& s : row_spans(points, y))
                fill(y, s.left, s.right);
        polyline(points);
        line(points.back(), points.front());
    }

    void rectangle(int x0, int y0, int x1, int y1) override
    {
        const int l = std::min(x0, x1), r = std::max(x0, x1), t = std::min(y0, y1), b = std::max(y0, y1);
        if (r - l < 1 || b - t < 1)
            return;
        for (int y = t; y < b; ++y)
            fill(y, l, r);
        const platform::pixel_point corners[] = {{l, t}, {r - 1, t}, {r - 1, b - 1}, {l, b - 1}, {l, t}};
        polyline(corners);
    }

    void draw_bitmap(int x, int y, const platform::bitmap& picture, platform::raster_operation operation) override
    {
        const bool and_under = operation == platform::raster_operation::and_destination;
        for (int row = 0; row < picture.height; ++row)
            for (int column = 0; column < picture.width; ++column)
                set_pixel(x + column, y + row, picture.at(column, row) & (and_under ? pixel(x + column, y + row) : ~0u));
    }

    platform::bitmap read_area(int left, int top, int width, int height) const override
    {
        platform::bitmap area = platform::bitmap::filled(width, height, platform::window_background_colour());
        for (int row = 0; row < area.height; ++row)
            for (int column = 0; column < area.width; ++column)
                if (pixel(left + column, top + row) != platform::invalid_colour)
                    area.set(column, row, pixel(left + column, top + row));
        return area;
    }

    void flood_fill(int x, int y, platform::colour_ref colour, platform::flood_style style) override
    {
        const auto belongs = [&](int px, int py) {
            const platform::colour_ref c = pixel(px, py);
            return c != platform::invalid_colour && (style == platform::flood_style::surface ? c == colour : c != colour);
        };
        if (!belongs(x, y))
            return;
        std::vector<bool> seen(static_cast<std::size_t>(width()) * static_cast<std::size_t>(height()));
        const auto index = [&](int px, int py) { return static_cast<std::size_t>(py * width() + px); };
        std::vector<platform::pixel_point> pending{{x, y}}, area;
        seen[index(x, y)] = true;
        while (!pending.empty()) {
            const platform::pixel_point p = pending.back();
            pending.pop_back();
            area.push_back(p);
            for (const auto& [nx, ny] : {std::pair{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}})
                if (belongs(nx, ny) && !seen[index(nx, ny)]) {
                    seen[index(nx, ny)] = true;
                    pending.push_back({nx, ny});
                }
        }
        for (const platform::pixel_point& p : area)
            if (const auto c = brush_colour_at(p.x, p.y))
                set_pixel(p.x, p.y, *c);
    }

private:
    // Pixels whose centres have a non-zero winding number.
    static std::vector<platform::pixel_span> row_spans(std::span<const platform::pixel_point> points, int y)
    {
        struct crossing {
            double x;
            int direction;
        };
        std::vector<crossing> crossings;
        const double centre = y + 0.5;
        for (std::size_t i = 0; i < points.size() && points.size() >= 3; ++i) {
            const platform::pixel_point a = points[i];
            const platform::pixel_point b = points[(i + 1) % points.size()];
            if ((a.y < centre) != (b.y < centre))
                crossings.push_back({a.x + (centre - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y),
                                     b.y > a.y ? 1 : -1});
        }
        std::sort(crossings.begin(), crossings.end(), [](const crossing& l, const crossing& r) { return l.x < r.x; });
        const auto first_pixel_from = [](double x) { return static_cast<int>(std::ceil(x - 0.5)); };
        std::vector<platform::pixel_span> spans;
        int winding = 0;
        double start = 0;
        for (const crossing& c : crossings) {
            const int before = winding;
            winding += c.direction;
            if (before == 0 && winding != 0)
                start = c.x;
            else if (before != 0 && winding == 0 && first_pixel_from(c.x) > first_pixel_from(start))
                spans.push_back({first_pixel_from(start), first_pixel_from(c.x)});
        }
        return spans;
    }

    std::optional<platform::colour_ref> brush_colour_at(int x, int y) const
    {
        const bool painted = brush().style == platform::brush_style::solid
            || (brush().style == platform::brush_style::forward_diagonal && ((x - y) % 8 + 8) % 8 == 0);
        return painted ? std::optional(brush().colour) : std::nullopt;
    }

    void fill(int y, int left, int right)
    {
        for (int x = left; x < right; ++x)
            if (const auto c = brush_colour_at(x, y))
                set_pixel(x, y, *c);
    }
};

} // namespace test_support
