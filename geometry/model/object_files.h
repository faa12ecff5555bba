#pragma once
// The object files: read whole once, checked, numbered into the object
// table and the catalogue, with the exercise object table saying which
// objects each exercise group may use at each practice level. One object
// is decoded into a solid on demand, from the kept file image.
//
// A fault in a file fails the reading with its message (the start-up's
// loading stops the program with it); a fault found while decoding one
// object stops the program. Nothing is ever
// read outside a file's bytes: the structure check bounds every object
// record, and decoding checks each surface against its record.

#include "foundation/outcome.h"
#include "geometry/model/solid.h"
#include "geometry/model/things.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace geometry::model {

inline constexpr int max_object_files = 100;
inline constexpr int max_objects = 254;
inline constexpr std::size_t max_object_file_size = 20000;
inline constexpr std::uint8_t submenu_mark = 170;
inline constexpr std::uint8_t object_mark = 187;

inline constexpr int exercise_groups = 6;
inline constexpr int practice_levels = 3;

struct Texercise_cell {
    std::int32_t count = 0;
    std::bitset<256> objects;
};

// [group 0..5][level 1..3]; level 0 is never filled.
using Texercise_object_table = std::array<std::array<Texercise_cell, practice_levels + 1>, exercise_groups>;
extern Texercise_object_table exercise_object_table;

struct Tobject_file_image {
    std::string name;   // as listed, for the messages
    std::vector<std::uint8_t> bytes;
};

// Where an object's data begins: its rotation flag byte in a file image.
struct Tobject_position {
    std::size_t file = 0;
    std::size_t offset = 0;
};

extern std::vector<Tobject_file_image> object_file_images;
extern std::vector<Tobject_position> object_table;   // by object number
extern int last_object_number;                       // -1 before loading

// The names in section "OBJECT FILES" of the settings: "File1", "File2", ...
// up to the first empty value, at most 100.
std::vector<std::string> object_file_names();

// Reads the files the settings list into an empty catalogue; failed with
// the message of the first file that cannot be read or is wrong.
foundation::outcome read_object_files(TThingCatCollection& catalogue);
// The same for a given list of names (blanks removed, ".obj" added when
// there is no extension, found by find_file).
foundation::outcome read_object_file_list(const std::vector<std::string>& names, TThingCatCollection& catalogue);

// The program's start-up: the same readings, stopping the program with the
// message of a failure.
void load_object_files(TThingCatCollection& catalogue);
void load_object_file_list(const std::vector<std::string>& names, TThingCatCollection& catalogue);
// The same for files already in memory.
void load_object_images(std::vector<Tobject_file_image> images, TThingCatCollection& catalogue);

// Decodes object `number` into the solid, replacing all of it: start
// rotation, mirroring for the European method, view arrows, edges.
void load_object(int number, Tsolid& solid);

} // namespace geometry::model
