// Writes a 16-colour BMP picture from a text drawing, for the program's
// resources. Usage: make_bitmap DRAWING.txt OUT.bmp
// Each line of the drawing is a row of pixels, top row first; lines that
// begin with "#" followed by a blank are comments. "." is white, "#" black,
// and a hexadecimal digit 0..f any of the 16 palette colours by index.
#include "geometry/model/palette.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace geometry::model;

namespace {

int colour_index(char c)
{
    if (c == '.')
        return 15;
    if (c == '#')
        return 0;
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool is_comment(const std::string& line)
{
    return line.size() >= 2 && line[0] == '#' && line[1] == ' ';
}

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> bmp_of(const std::vector<std::vector<int>>& rows)
{
    const auto width = static_cast<std::uint32_t>(rows.front().size());
    const auto height = static_cast<std::uint32_t>(rows.size());
    const std::uint32_t stride = (width * 4 + 31) / 32 * 4;
    const std::uint32_t bits_offset = 14 + 40 + 16 * 4;
    std::vector<std::uint8_t> out{'B', 'M'};
    put(out, bits_offset + stride * height, 4);
    put(out, 0, 4);
    put(out, bits_offset, 4);
    for (const std::uint32_t v : {40u, width, height})
        put(out, v, 4);
    put(out, 1, 2);
    put(out, 4, 2);
    for (const std::uint32_t v : {0u, stride * height, 2835u, 2835u, 16u, 0u})
        put(out, v, 4);
    for (const platform::colour_ref c : palette)
        for (const int part : {platform::blue_of(c), platform::green_of(c), platform::red_of(c), 0})
            out.push_back(static_cast<std::uint8_t>(part));
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        std::vector<std::uint8_t> bytes(stride, 0);
        for (std::size_t x = 0; x < row->size(); ++x)
            bytes[x / 2] |= static_cast<std::uint8_t>((*row)[x] << (x % 2 == 0 ? 4 : 0));
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_bitmap DRAWING.txt OUT.bmp\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::vector<std::vector<int>> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (is_comment(line))
            continue;
        std::vector<int> row;
        for (const char c : line) {
            row.push_back(colour_index(c));
            if (row.back() < 0) {
                std::cerr << argv[1] << ":" << number << ": unknown colour character '" << c << "'\n";
                return 1;
            }
        }
        if (!rows.empty() && row.size() != rows.front().size()) {
            std::cerr << argv[1] << ":" << number << ": row of another width\n";
            return 1;
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty() || rows.front().empty()) {
        std::cerr << argv[1] << ": no pixels\n";
        return 1;
    }
    const std::vector<std::uint8_t> bytes = bmp_of(rows);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
