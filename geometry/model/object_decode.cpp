#include "geometry/model/object_files.h"

#include "foundation/messages.h"
#include "foundation/texts.h"
#include "geometry/model/kernel.h"
#include "geometry/model/projection_convention.h"

#include <cstddef>

using namespace foundation;

namespace geometry::model {

namespace {

// Reads an object record that the structure check has already bounded;
// a read outside the image would mean a broken table, and stops.
class record_reader {
public:
    record_reader(const std::vector<std::uint8_t>& bytes, std::size_t p) : bytes_(bytes), p_(p) {}

    std::uint8_t byte()
    {
        if (p_ >= bytes_.size())
            stop_with_message("f wrong");
        return bytes_[p_++];
    }
    int signed_byte() { return static_cast<std::int8_t>(byte()); }
    int signed_word()
    {
        const int high = byte();
        return static_cast<std::int16_t>(high << 8 | byte());
    }
    std::size_t position() const { return p_; }
    void move_to(std::size_t p) { p_ = p; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t p_;
};

using problem = text_names::solid_problems;

bool known_colour(int colour)
{
    return (colour >= 0 && colour <= 15) || colour == cut_surface_colour;
}

// Corner count, colour and sort flag of each surface. Beyond the limit of
// 19 corners, a surface must fit its table row, have at least three
// corners and a palette colour, or it could not be drawn safely.
void read_surface_headers(record_reader& in, Tsolid& solid, int width, std::array<int, max_surfaces + 1>& corners)
{
    for (int s = 1; s <= solid.surface_count; ++s) {
        corners[s] = in.byte();
        if (corners[s] + 1 > max_surface_entries)
            stop_with_message("object has too many vertices for a surface");
        if (corners[s] > width)
            stop_with_message(text_of(problem::corners_beyond_row));
        if (corners[s] < 3)
            stop_with_message(text_of(problem::fewer_than_three_corners));
        solid.surface_length[s] = static_cast<std::uint8_t>(corners[s] + 1);
        solid.surface_colour[s] = in.byte();
        if (!known_colour(solid.surface_colour[s]))
            stop_with_message(text_of(problem::unknown_colour));
        solid.surface_sorted[s] = in.byte();
    }
}

void read_surface_lists(record_reader& in, Tsolid& solid, int width, const std::array<int, max_surfaces + 1>& corners)
{
    const std::size_t table = in.position();
    for (int s = 1; s <= solid.surface_count; ++s) {
        in.move_to(table + static_cast<std::size_t>((s - 1) * width));
        Tsurface_list& list = solid.surface_vertices[s];
        for (int j = 1; j <= corners[s]; ++j) {
            list[j] = in.byte();
            if (list[j] < 1 || list[j] > solid.vertex_count)
                stop_with_message(text_of(problem::corner_not_a_vertex));
        }
        list[corners[s] + 1] = list[1];
    }
}

} // namespace

void load_object(int number, Tsolid& solid)
{
    if (number < 0 || number > last_object_number)
        stop_with_message("f wrong");
    const Tobject_position where = object_table[static_cast<std::size_t>(number)];
    record_reader in(object_file_images[where.file].bytes, where.offset);
    solid = Tsolid{};
    const bool rotated = in.byte() != 0;
    int angle_x = 0, angle_y = 0, angle_z = 0;
    if (rotated) {
        angle_x = in.signed_word();
        angle_y = in.signed_word();
        angle_z = in.signed_word();
    }
    solid.vertex_count = in.byte();
    solid.surface_count = in.byte();
    const int width = in.byte();
    if (solid.vertex_count > max_vertices)
        stop_with_message("object has too many vertices");
    if (solid.surface_count > max_surfaces)
        stop_with_message("object has too many surfaces");
    for (int v = 1; v <= solid.vertex_count; ++v) {
        Tpoint3d& p = solid.vertices[v];
        p.x = in.signed_byte() / 100.0L;
        p.y = in.signed_byte() / 100.0L;
        p.z = in.signed_byte() / 100.0L;
    }
    std::array<int, max_surfaces + 1> corners{};
    read_surface_headers(in, solid, width, corners);
    read_surface_lists(in, solid, width, corners);
    solid.edge_colour = 0;
    if (rotated)
        rotate_solid(solid, angle_x, angle_y, false, angle_z);
    if (mirror_objects)
        mirror_solid(solid);
    solid.view_arrows = {Tpoint3d{0, 0, 2.3L}, Tpoint3d{0, 2.3L, 0}};
    find_edges(solid, 0);
    solid.edge_marked = false;
}

} // namespace geometry::model
