// Compiles a readable description of solids into an object file of the
// tutor. Usage: make_object_file SOURCE.txt OUT.obj
// Every fault is reported as FILE:LINE: message; nothing is written then.
#include "platform/core/file_system.h"
#include "geometry/object_sources/object_source.h"

#include <iostream>

using namespace geometry::object_sources;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_object_file SOURCE.txt OUT.obj\n";
        return 2;
    }
    const auto text = platform::read_whole_file(argv[1]);
    if (!text) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    const object_source_result result = compile_object_source(*text, argv[1]);
    for (const std::string& error : result.errors)
        std::cerr << error << "\n";
    if (!result.errors.empty())
        return 1;
    const std::string bytes(result.bytes.begin(), result.bytes.end());
    if (!platform::replace_file_atomically(argv[2], bytes)) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
