#pragma once
// Merging overlapping collinear lines of a list into one line each, for
// the hidden-line drawing and for the lines a pupil draws.

#include "geometry/model/hidden_lines.h"

namespace geometry::model {

// Lines are first made to point right (vertical ones up). A line is
// absorbed into the first later line that lies on it within the tolerances
// and overlaps it (or, with join_touching, only touches it); so a chain of
// overlapping pieces becomes one line. With last_only each line is compared
// with the last line of the list only. Highlighted lines never merge.
// A line counts as vertical when its x extent is below the angle tolerance.
void merge_collinear_lines(Tdrawing_lines& list, bool join_touching, bool last_only, long double angle_tolerance,
                           long double distance_tolerance);

// For pixel lines: merged in hundreds of pixels with angle tolerance 0.1 and
// distance tolerance 0.01, highlighting cleared, rounded back to pixels.
void merge_exercise_lines(Tscreen_lines& list, bool join_touching, bool last_only);

} // namespace geometry::model
