#pragma once
// The solid record every geometry operation works on, with fixed
// capacities: 29 vertices, 48 edges, 26 surfaces of at most 20 list entries
// (19 corners and the first repeated). It is a plain value: copying it
// copies the whole solid.
//
// Vertices, edges, surfaces and the entries of a surface's vertex list are
// numbered from 1, as the object files and the vertex lists number them;
// element 0 of each array is never used. A vertex list holds vertex numbers.

#include <array>
#include <cstdint>

namespace geometry::model {

inline constexpr int max_vertices = 29;
inline constexpr int max_edges = 48;
inline constexpr int max_surfaces = 26;
inline constexpr int max_surface_entries = 20;

// Palette index of a cut surface (hatched when drawn).
inline constexpr int cut_surface_colour = 100;

struct Tpoint3d {
    long double x = 0;
    long double y = 0;
    long double z = 0;
};

struct Tedge {
    std::uint8_t from_vertex = 0;
    std::uint8_t to_vertex = 0;
};

using Tsurface_list = std::array<std::uint8_t, max_surface_entries + 1>;

struct Tsolid {
    std::int32_t vertex_count = 0;
    std::array<Tpoint3d, max_vertices + 1> vertices{};
    std::int32_t edge_count = 0;
    std::array<Tedge, max_edges + 1> edges{};
    std::int32_t edge_colour = 0;   // palette index of the lines
    std::int32_t surface_count = 0;
    std::array<std::uint8_t, max_surfaces + 1> surface_length{};   // corners + 1
    std::array<Tsurface_list, max_surfaces + 1> surface_vertices{};
    std::array<std::uint8_t, max_surfaces + 1> surface_colour{};
    std::array<std::uint8_t, max_surfaces + 1> surface_sorted{};   // not 0: depth sorted
    bool edge_marked = false;
    std::uint8_t marked_edge = 0;
    std::array<Tpoint3d, 2> view_arrows{};   // the first and the second view arrow

    // The corners of surface s: its list entries but the closing one, never
    // more than a list can hold.
    int corner_count(int s) const
    {
        const int length = surface_length[s] < max_surface_entries ? surface_length[s] : max_surface_entries;
        return length > 0 ? length - 1 : 0;
    }

    // Entry `entry` of surface `s`'s vertex list, as a point.
    const Tpoint3d& corner(int s, int entry) const { return vertices[surface_vertices[s][entry]]; }
};

} // namespace geometry::model
