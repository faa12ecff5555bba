#pragma once

namespace tutor::engine {

// How many theory chapters the tutor offers: the four of its own and the
// additional subjects the settings file names (at most five).

inline constexpr int own_theory_chapters = 4;
inline constexpr int max_additional_theory_subjects = 5;

// Section "ADDITIONAL THEORY", key "Additional Theory Subjects": the number
// its first five characters spell (0 when they spell none), clamped to 0..5.
int additional_theory_subjects();
int theory_chapter_count();

} // namespace tutor::engine
