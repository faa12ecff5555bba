#pragma once
// The steps of a cut and the working data they share. Each step does
// nothing once the cut has failed, and its loops stop when it fails.

#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"

#include <array>
#include <cstdint>

namespace geometry::model {

inline constexpr long double cut_tolerance = 0.0001L;

struct Tcut_work {
    Tsolid original;                                           // the solid as it was
    std::array<std::uint8_t, max_vertices + 1> new_number{};   // by old vertex; 0: removed
    std::array<std::uint8_t, max_surfaces + 1> old_surface{};  // by kept surface
    Tnormals normals{};                                        // by kept surface, pointing out
    Tsection_lines lines;
    bool failed = false;
};

inline bool on_plane(const Tpoint3d& p) { return p.z < cut_tolerance && p.z > -cut_tolerance; }

// 0. Lays every bridge that joins a hole to its surface's outline off the
//    plane: on the cut-away side when the hole reaches it, else on the kept
//    side; so trimming keeps a bridge whole or drops it whole.
void route_bridges_off_the_plane(Tsolid& solid);
// 1. Keeps the vertices on or below the plane, renumbered, and the surfaces
//    that reach below it (or start on it).
void keep_lower_part(Tsolid& solid, Tcut_work& work);
// 2. Trims every kept surface's outline at the plane.
void clip_surfaces_at_plane(Tsolid& solid, Tcut_work& work);
// 3. Drops surfaces in the plane that face into the solid and those the cut
//    left without area, starts every outline where it gives a sound normal,
//    and splits outlines that the cut turned into several pieces.
void split_cut_surfaces(Tsolid& solid, Tcut_work& work);
// 4. The stretches of surface sides in the plane that bound the section:
//    those covered by an odd number of sides.
void collect_section_lines(Tsolid& solid, Tcut_work& work);
// 5. Chains the stretches into closed outlines counter-clockwise seen from
//    +z, the section surfaces, bridging holes; returns how many it added.
int build_section_surfaces(Tsolid& solid, Tcut_work& work, bool& bridged);

} // namespace geometry::model
