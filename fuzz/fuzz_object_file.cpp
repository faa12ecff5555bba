// Arbitrary bytes as an object file: the structure check, decoding every
// object, picturing it, its hidden-line drawing, and cutting it and drawing
// the cut must end normally or with a fatal message, never read or write
// outside a buffer or hang. Message boxes are answered by the scripted
// responder.
#include "geometry/model/cutting.h"
#include "geometry/model/hidden_lines.h"
#include "geometry/model/object_files.h"
#include "geometry/model/picture.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"

#include <cstddef>
#include <cstdint>

using namespace geometry::model;

namespace {

void draw_and_cut(const Tsolid& solid)
{
    Tpicture picture;
    make_picture(solid, 30, -40, picture, true, 320, 240, 4, 10);
    if (picture.surface_count > solid.surface_count)
        __builtin_trap();
    Tscreen_drawing drawing;
    compute_hidden_line_drawing(solid, 30, -40, 10, drawing, true, true, 240, 320, 4);
    if (drawing.visible.count > max_drawing_lines || drawing.hidden.count > max_drawing_lines)
        __builtin_trap();
    Tsolid cut = solid;
    bool success = false, bridged = false;
    std::int32_t sections = 0;
    cut_solid(cut, success, sections, bridged);
    if (success && (sections < 1 || cut.surface_count > max_surfaces || cut.vertex_count > max_vertices))
        __builtin_trap();
    compute_hidden_line_drawing(cut, 0, 0, 0, drawing, true, false, 240, 320, 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    try {
        TThingCatCollection catalogue;
        load_object_images({{"FUZZ.OBJ", std::vector<std::uint8_t>(data, data + size)}}, catalogue);
        for (int number = 0; number <= last_object_number; ++number) {
            Tsolid solid;
            try {
                load_object(number, solid);
            } catch (const platform::program_stopped&) {
                continue;   // a fault in this object; the next may still decode
            }
            draw_and_cut(solid);
        }
    } catch (const platform::program_stopped&) {
    }
    return 0;
}
