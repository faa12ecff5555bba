#pragma once
// Cutting a solid with the plane z = 0 of its own coordinates: the part
// with z <= 0 stays, every surface the plane crosses is trimmed, and the
// faces the saw leaves behind become section surfaces of the cut-surface
// colour, facing +z.
//
// A cut either succeeds completely or leaves the solid exactly as it was.
// Only the first failure of a cut is shown, as "Cutting on XY-plane
// impossible: " and the reason, in one message box.

#include "geometry/model/solid.h"

#include <array>
#include <cstdint>
#include <string>

namespace geometry::model {

inline constexpr int max_section_lines = 50;

// A stretch of a surface side in the plane. Lines point right, vertical
// ones up; angle is their direction in [0, 2 pi).
struct Tsection_line {
    std::int32_t from_vertex = 0;
    std::int32_t to_vertex = 0;
    long double dx = 0;
    long double dy = 0;
    long double angle = 0;
    std::int32_t cover_count = 0;   // how many surface sides cover it
    bool used = false;              // taken into the outline being built
};

struct Tsection_lines {
    std::int32_t count = 0;
    std::array<Tsection_line, max_section_lines + 1> lines{};   // numbered from 1
};

// The whole cut. success is true only when every step succeeded, vertices
// remain and at least one section surface was added; otherwise the solid
// is restored. A plane that misses the solid is no failure and shows
// nothing. section_count is the number of section surfaces added (left as
// it was when a step before the sections failed); bridged is set when a
// hole in a section had to be joined to its outline, and cleared otherwise.
// success is written last, so one variable may serve for success and bridged.
void cut_solid(Tsolid& solid, bool& success, std::int32_t& section_count, bool& bridged);

// Shows "Cutting on XY-plane impossible: " and the reason unless the cut
// has failed already; then it has.
void report_cut_failure(const std::string& reason, bool& failed);

// The vertex where the side from p to q (uncut coordinates) crosses the
// plane: an existing vertex on the plane at that place, or a new one.
// 0, and the cut failed with "te veel snijpunten", when 29 vertices are in use.
int plane_crossing_vertex(Tsolid& solid, const Tpoint3d& p, const Tpoint3d& q, bool& failed);

// Turns surface s's closed outline until its first three corners give a
// sound normal, one not almost zero whose components agree in sign with
// the reference, preferring one at least a hundredth as long as the longest;
// when no start is sound the cut fails with "surface too small?".
void choose_outline_start(Tsolid& solid, const Tpoint3d& reference, int s, bool& failed);

// Appends a stretch between two vertices with its cover count, made to
// point right or up; the 51st fails the cut with "too many lines!".
void add_section_line(Tsection_lines& lines, const Tsolid& solid, int from, int to, int cover_count, bool& failed);

// The unused line that leaves the vertex at the smallest turn from the
// reference angle (the later one of equal turns), or with `largest` at the
// largest turn (the earlier one); 0, and the cut failed with "could not
// find connecting line", when none leaves it.
int find_connecting_line(const Tsection_lines& lines, int vertex, long double reference, bool largest, bool& failed);

} // namespace geometry::model
