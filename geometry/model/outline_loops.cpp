#include "geometry/model/outline_sides.h"

namespace geometry::model {

namespace {

bool is_bridge(const Tsurface_list& list, int corners, int i)
{
    for (int j = 1; j <= corners; ++j)
        if (list[j] == list[i + 1] && list[j + 1] == list[i])
            return true;
    return false;
}

} // namespace

bool split_into_loops(const Tsurface_list& list, int corners, Toutline_loops& loops)
{
    loops = {};
    std::array<std::uint8_t, 256> next{};   // along the sides that are no bridge; 0: none
    for (int i = 1; i <= corners; ++i) {
        if (is_bridge(list, corners, i))
            continue;
        const int p = list[i], q = list[i + 1];
        if (p == 0 || q == 0 || p == q || next[p] != 0)
            return false;
        next[p] = static_cast<std::uint8_t>(q);
    }
    std::array<bool, 256> walked{};
    int filled = 0;
    for (int i = 1; i <= corners; ++i) {
        const int start = list[i];
        if (next[start] == 0 || walked[start])
            continue;
        loops.first[static_cast<std::size_t>(loops.count)] = filled;
        int v = start, length = 0;
        do {
            if (next[v] == 0 || walked[v])
                return false;
            walked[v] = true;
            loops.vertices[static_cast<std::size_t>(filled++)] = static_cast<std::uint8_t>(v);
            ++length;
            v = next[v];
        } while (v != start);
        if (length < 3)
            return false;
        loops.length[static_cast<std::size_t>(loops.count++)] = length;
    }
    return loops.count > 0;
}

} // namespace geometry::model
