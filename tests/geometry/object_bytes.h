#pragma once
// Object files put together byte by byte for tests.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace test_objects {

using bytes = std::vector<std::uint8_t>;

struct face {
    std::uint8_t colour = 7;
    std::vector<std::uint8_t> corners;
};

struct object {
    std::string name = "Cube";
    std::uint8_t level = 1;
    std::uint8_t theory = 0;
    std::vector<std::array<std::int8_t, 3>> vertices;
    std::vector<face> faces;
    int width = -1;   // row width; -1: the largest corner count

    // From the opening 187 to the closing 187.
    bytes record() const;
};

// A cube of side 1 around the origin, every face turning counter-clockwise seen from outside.
object cube(const std::string& name = "Cube");

// 170, the name, the records, 170.
bytes submenu(const std::string& name, const std::vector<object>& objects);

bytes operator+(bytes a, const bytes& b);

} // namespace test_objects
