#pragma once
// An independent judge of what a line drawing should show: a point of a
// transformed solid (viewer along +z, parallel projection) is hidden when a
// ray from it towards the viewer passes through the inside of some face in
// front of it. Faces are taken as flat polygons; no edge lists, no crossing
// lists, no tolerances of the drawing code.

#include "geometry/model/solid.h"

#include <vector>

namespace ray_check {

enum class seen { visible, hidden, uncertain };

// Rays towards the viewer through the drawing plane of one transformed
// solid, each face's plane and extent worked out once.
class ray_caster {
public:
    explicit ray_caster(const geometry::model::Tsolid& transformed);

    // The surface the ray from far behind (x, y) meets last, the one a
    // picture shows there; 0 when it meets none.
    int nearest_surface(long double x, long double y) const;

    // Whether a face in front of the point hides it. uncertain: no face
    // hides it for sure, but one in front of it has its outline within
    // `margin` of the point's projection.
    seen classify(const geometry::model::Tpoint3d& p, long double margin) const;

private:
    struct face {
        int surface;
        geometry::model::Tpoint3d normal;
        long double left, right, bottom, top;
    };
    // The z of face f's plane over (x, y).
    long double depth(const face& f, long double x, long double y) const;
    const geometry::model::Tsolid& solid_;
    std::vector<face> faces_;   // those not seen edge-on
};

// Distance in the drawing plane from (x, y) to the segment from a to b, and
// the parameter of the nearest point along it when asked.
long double segment_distance_2d(long double x, long double y, const geometry::model::Tpoint3d& a, const geometry::model::Tpoint3d& b,
                                long double* t = nullptr);

// The area of the cross-section of a closed solid with the plane z = 0
// where the solid reaches it from below, from the faces' own crossings
// with the plane. A face in the plane that faces up bounds the solid there
// and is no part of the section.
long double cross_section_area(const geometry::model::Tsolid& solid);

} // namespace ray_check
