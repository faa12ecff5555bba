// Arbitrary bytes as an object file: the structure check, decoding every
// object and picturing it must end normally or with a fatal message, never
// read or write outside a buffer.
#include "geometry/object_files.h"
#include "geometry/picture.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"

#include <cstddef>
#include <cstdint>

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
            Tpicture picture;
            make_picture(solid, 30, -40, picture, true, 320, 240, 4, 10);
            if (picture.surface_count > solid.surface_count)
                __builtin_trap();
        }
    } catch (const platform::program_stopped&) {
    }
    return 0;
}
