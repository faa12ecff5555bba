#include "tests/geometry/object_bytes.h"

#include <algorithm>

using namespace geometry::model;

namespace test_objects {

bytes object::record() const
{
    bytes b{187, static_cast<std::uint8_t>(name.size())};
    b.insert(b.end(), name.begin(), name.end());
    b.insert(b.end(), {level, mask, theory, static_cast<std::uint8_t>(rotated ? 1 : 0)});
    if (rotated)
        for (const std::int16_t a : angles) {
            b.push_back(static_cast<std::uint8_t>(static_cast<std::uint16_t>(a) >> 8));
            b.push_back(static_cast<std::uint8_t>(a & 0xFF));
        }
    std::size_t w = 0;
    for (const face& f : faces)
        w = std::max(w, f.corners.size());
    const std::size_t row = width >= 0 ? static_cast<std::size_t>(width) : w;
    b.insert(b.end(), {static_cast<std::uint8_t>(vertices.size()), static_cast<std::uint8_t>(faces.size()),
                       static_cast<std::uint8_t>(row)});
    for (const auto& v : vertices)
        for (const std::int8_t c : v)
            b.push_back(static_cast<std::uint8_t>(c));
    for (const face& f : faces)
        b.insert(b.end(), {static_cast<std::uint8_t>(f.corners.size()), f.colour, f.sorted});
    for (const face& f : faces) {
        bytes cells(row, 0);
        std::copy_n(f.corners.begin(), std::min(row, f.corners.size()), cells.begin());
        b.insert(b.end(), cells.begin(), cells.end());
    }
    b.push_back(187);
    return b;
}

object cube(const std::string& name)
{
    object o;
    o.name = name;
    // 1..4 the back square, 5..8 the front square, both counter-clockwise seen from the front.
    o.vertices = {{-50, -50, -50}, {50, -50, -50}, {50, 50, -50}, {-50, 50, -50},
                  {-50, -50, 50},  {50, -50, 50},  {50, 50, 50},  {-50, 50, 50}};
    o.faces = {{11, 1, {5, 6, 7, 8}}, {8, 1, {1, 4, 3, 2}}, {10, 1, {2, 3, 7, 6}},
               {13, 1, {1, 5, 8, 4}}, {14, 1, {4, 8, 7, 3}}, {7, 1, {1, 2, 6, 5}}};
    return o;
}

bytes submenu(const std::string& name, const std::vector<object>& objects)
{
    bytes b{170, static_cast<std::uint8_t>(name.size())};
    b.insert(b.end(), name.begin(), name.end());
    for (const object& o : objects) {
        const bytes r = o.record();
        b.insert(b.end(), r.begin(), r.end());
    }
    b.push_back(170);
    return b;
}

bytes operator+(bytes a, const bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace test_objects

#include "tests/geometry/prisms.h"

namespace test_objects {

Tsolid solid_of(const object& o)
{
    Tsolid solid;
    for (const auto& v : o.vertices)
        solid.vertices[++solid.vertex_count] = {v[0] / 100.0L, v[1] / 100.0L, v[2] / 100.0L};
    for (const face& f : o.faces) {
        add_surface(solid, std::vector<int>(f.corners.begin(), f.corners.end()), f.colour);
        solid.surface_sorted[solid.surface_count] = f.sorted;
    }
    return finished(solid);
}

} // namespace test_objects
