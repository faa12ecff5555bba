#pragma once
// The program's projection convention, read once at start-up: the American
// (third angle) or the European (first angle) method. It decides whether
// objects are mirrored when loaded, which way the isometric picture turns,
// and the default layouts for three and six views. Until it is set the
// program follows the American method.
//
// Views are numbered 0 left side, 1 top, 2 front, 3 bottom, 4 right side,
// 5 rear throughout the program; `view_labels` holds their labels.

#include <array>
#include <cstdint>
#include <string>

namespace geometry::model {

// Layout modes of the normal views.
inline constexpr std::uint8_t american_three_views = 0;
inline constexpr std::uint8_t american_six_views = 1;
inline constexpr std::uint8_t european_three_views = 2;
inline constexpr std::uint8_t european_six_views = 3;

inline constexpr int view_count = 6;

// The rotation that turns a solid so that view k looks along -z.
struct Tview_rotation {
    int angle_x = 0;
    int angle_y = 0;
    int angle_z = 0;
};
inline constexpr std::array<Tview_rotation, view_count> view_rotations{{
    {0, 90, 0},    // left side
    {90, 0, 0},    // top
    {0, 0, 0},     // front
    {-90, 0, 0},   // bottom
    {0, -90, 0},   // right side
    {0, 180, 0},   // rear
}};

extern bool mirror_objects;          // true for the European method
extern std::uint8_t three_view_mode;
extern std::uint8_t six_view_mode;
extern std::array<std::string, view_count> view_labels;

// The method a "Standard Technical Projection" value names: anything whose
// first letter is not A (either case) is European; empty is American.
bool names_european_method(const std::string& setting);

// Sets mirror_objects and both default layout modes for the method.
void set_projection_convention(bool european);

struct Tsolid;

// An eighth of a turn about the vertical, one way for the American method
// and the other for the European one, then its top tipped towards the
// viewer (view arrows too): the isometric picture shows the front, the top,
// and the side that the method puts beside the front view.
void give_isometric_turn(Tsolid& solid);

// The labels of views 0 to 5; the front view's label goes to the first view
// arrow (the front view direction), the top view's to the second.
void set_view_labels(const std::array<std::string, view_count>& labels);

} // namespace geometry::model
