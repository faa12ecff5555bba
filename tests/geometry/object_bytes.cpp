#include "tests/geometry/object_bytes.h"

#include <algorithm>

namespace test_objects {

bytes object::record() const
{
    bytes b{187, static_cast<std::uint8_t>(name.size())};
    b.insert(b.end(), name.begin(), name.end());
    b.insert(b.end(), {level, 0, theory, 0});   // no exercise group left out, not turned
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
        b.insert(b.end(), {static_cast<std::uint8_t>(f.corners.size()), f.colour, 1});   // sorted
    for (const face& f : faces)
        for (std::size_t k = 0; k < row; ++k)
            b.push_back(k < f.corners.size() ? f.corners[k] : 0);
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
    o.faces = {{11, {5, 6, 7, 8}}, {8, {1, 4, 3, 2}}, {10, {2, 3, 7, 6}},
               {13, {1, 5, 8, 4}}, {14, {4, 8, 7, 3}}, {7, {1, 2, 6, 5}}};
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
