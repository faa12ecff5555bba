#include "geometry/model/object_files.h"

#include "foundation/file_location.h"
#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/numeric.h"
#include "foundation/settings.h"
#include "platform/core/binary_file.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <utility>

using namespace foundation;

namespace geometry::model {

Texercise_object_table exercise_object_table;
std::vector<Tobject_file_image> object_file_images;
std::vector<Tobject_position> object_table;
int last_object_number = -1;

namespace {

// Ends the reading of the object files with its message; caught where the
// reading began (read_each), never outside this file.
struct object_files_fault {
    std::string message;
};

[[noreturn]] void fail(std::string message)
{
    throw object_files_fault{std::move(message)};
}

std::string quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

[[noreturn]] void cannot_read(const std::string& name, const std::string& detail)
{
    fail("Could not read objects file: " + quoted(name) + detail);
}

std::vector<std::uint8_t> read_object_file(const std::string& name)
{
    const found_file found = find_file(name, 0);
    if (!found.found)
        cannot_read(name, "");
    platform::binary_file file;
    if (!file.open(found.path, platform::binary_file::mode::read_only))
        cannot_read(name, ", IOresult = " + std::to_string(file.take_error()));
    const std::uint64_t size = file.size();
    if (const int error = file.take_error())
        cannot_read(name, ", IOresult = " + std::to_string(error));
    if (size > max_object_file_size)
        fail("objects file " + quoted(name) + " is larger than " + std::to_string(max_object_file_size) +
                          " bytes");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!bytes.empty() && !file.read_at(0, bytes.data(), bytes.size())) {
        // A file that ended early (it shrank while being read) gave no block.
        const int error = file.take_error();
        cannot_read(name, error == EIO ? std::string(", readresult = 0") : ", IOresult = " + std::to_string(error));
    }
    return bytes;
}

// What the files add up to while they are parsed one after the other.
struct catalogue_builder {
    TThingCatCollection& catalogue;
    int objects = 0;
    int submenus = 0;
    bool theory_found = false;

    void count_level(int number, int level, int mask)
    {
        if (level == 0)
            return;
        for (int g = 0; g < exercise_groups; ++g) {
            Texercise_cell& cell = exercise_object_table[static_cast<std::size_t>(g)][static_cast<std::size_t>(level)];
            ++cell.count;
            cell.objects.set(static_cast<std::size_t>(number));
        }
        // Bits 7 down to 2 leave out groups 5 down to 0.
        for (int g = exercise_groups - 1; g >= 0; --g)
            if (mask & (1 << (g + 2))) {
                Texercise_cell& cell = exercise_object_table[static_cast<std::size_t>(g)][static_cast<std::size_t>(level)];
                --cell.count;
                cell.objects.reset(static_cast<std::size_t>(number));
            }
    }

    void finish()
    {
        if (objects == 0)
            fail("No objects in object files!");
        object_table.resize(static_cast<std::size_t>(objects));
        last_object_number = objects - 1;
        if (submenus == 0)
            fail("No submenus in object files!");
        if (!theory_found)
            fail("no theory object specified in object files!");
    }
};

class image_parser {
public:
    image_parser(const Tobject_file_image& image, std::size_t file, catalogue_builder& builder)
        : image_(image), file_(file), builder_(builder)
    {
    }

    void parse()
    {
        while (p_ < image_.bytes.size()) {
            const std::uint8_t mark = read_byte();
            if (mark == submenu_mark)
                parse_submenu();
            else if (mark == object_mark)
                parse_object(false);
        }
    }

private:
    std::uint8_t read_byte()
    {
        if (p_ >= image_.bytes.size())
            mark_error();
        return image_.bytes[p_++];
    }

    // The position is that of the next byte to read: the end of a truncated
    // file, or one past a wrong mark, which is the mark's position from 1.
    [[noreturn]] void mark_error()
    {
        fail("error in objects file " + quoted(image_.name) + ", at byte position " + std::to_string(p_));
    }

    void skip(std::size_t n) { p_ = std::min(p_ + n, image_.bytes.size()); }

    std::string read_name()
    {
        const std::uint8_t length = read_byte();
        std::string name;
        for (int i = 0; i < length; ++i)
            name += static_cast<char>(read_byte());
        return name;
    }

    void parse_submenu()
    {
        ++builder_.submenus;
        builder_.catalogue.add_category(read_name());
        std::uint8_t mark = read_byte();
        if (mark != object_mark)
            mark_error();
        while (mark == object_mark) {
            parse_object(true);
            mark = read_byte();
        }
        if (mark != submenu_mark)
            mark_error();
    }

    void check_limit(int value, int limit, const char* message)
    {
        if (value > limit)
            fail(message + quoted(image_.name));
    }

    void parse_object(bool in_menu)
    {
        const int number = builder_.objects;
        if (number == max_objects)
            fail("too many objects in object files");
        const std::string name = read_name();
        TThing* thing = in_menu ? &builder_.catalogue.last().add_thing(static_cast<std::uint16_t>(number), name) : nullptr;
        const int level = read_byte();
        check_limit(level, practice_levels, "object with a level above 3 in object file ");
        builder_.count_level(number, level, read_byte());
        if (read_byte() != 0)
            note_theory_object(thing);
        object_table.push_back({file_, p_});
        if (read_byte() != 0)
            skip(6);
        const int vertices = read_byte(), surfaces = read_byte(), width = read_byte();
        check_limit(vertices, max_vertices, "object with too many vertices in object file ");
        check_limit(surfaces, max_surfaces, "object with too many surfaces in object file ");
        check_limit(width, max_surface_entries, "object with maximum vertices/surface too big in object file ");
        skip(static_cast<std::size_t>(3 * (vertices + surfaces) + surfaces * width));
        if (read_byte() != object_mark)
            mark_error();
        ++builder_.objects;
    }

    // A later theory object replaces an earlier one; one outside a submenu
    // counts as specified but is not selected.
    void note_theory_object(TThing* thing)
    {
        builder_.theory_found = true;
        if (!thing)
            return;
        TThingCatCollection& catalogue = builder_.catalogue;
        catalogue.theory_category = catalogue.selected_category = &catalogue.last();
        catalogue.theory_thing = catalogue.selected_thing = thing;
    }

    const Tobject_file_image& image_;
    std::size_t file_;
    catalogue_builder& builder_;
    std::size_t p_ = 0;
};

void clear_object_files()
{
    exercise_object_table = {};
    object_file_images.clear();
    object_table.clear();
    last_object_number = -1;
}

void add_image(Tobject_file_image image, catalogue_builder& builder)
{
    object_file_images.push_back(std::move(image));
    image_parser(object_file_images.back(), object_file_images.size() - 1, builder).parse();
}

// Files are read and parsed one after the other, then the whole is checked.
template <class Add_images>
outcome read_each(TThingCatCollection& catalogue, Add_images add_images)
{
    clear_object_files();
    catalogue_builder builder{catalogue};
    try {
        add_images(builder);
        builder.finish();
    } catch (const std::bad_alloc&) {
        return outcome::failed(out_of_memory_message);
    } catch (const object_files_fault& fault) {
        return outcome::failed(fault.message);
    }
    return {};
}

void stop_if_failed(const outcome& result)
{
    if (!result)
        stop_with_message(result.message());
}

} // namespace

std::vector<std::string> object_file_names()
{
    std::vector<std::string> names;
    for (int n = 1; n <= max_object_files; ++n) {
        std::string name = read_setting("", "OBJECT FILES", "File" + std::to_string(n), "");
        if (name.empty())
            break;
        names.push_back(std::move(name));
    }
    return names;
}

void load_object_files(TThingCatCollection& catalogue)
{
    stop_if_failed(read_object_files(catalogue));
}

void load_object_file_list(const std::vector<std::string>& names, TThingCatCollection& catalogue)
{
    stop_if_failed(read_object_file_list(names, catalogue));
}

void load_object_images(std::vector<Tobject_file_image> images, TThingCatCollection& catalogue)
{
    stop_if_failed(read_each(catalogue, [&](catalogue_builder& builder) {
        for (Tobject_file_image& image : images)
            add_image(std::move(image), builder);
    }));
}

outcome read_object_files(TThingCatCollection& catalogue)
{
    return read_object_file_list(object_file_names(), catalogue);
}

outcome read_object_file_list(const std::vector<std::string>& names, TThingCatCollection& catalogue)
{
    return read_each(catalogue, [&](catalogue_builder& builder) {
        for (std::string name : names) {
            remove_spaces(name);
            if (name.empty())
                continue;
            add_default_extension(name, ".obj");
            add_image({name, read_object_file(name)}, builder);
        }
    });
}

} // namespace geometry::model
