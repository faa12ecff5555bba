#include "geometry/object_sources/object_source.h"

#include "geometry/model/object_files.h"
#include "geometry/model/outline_sides.h"
#include "geometry/model/solid.h"
#include "geometry/object_sources/solid_check.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <sstream>

using namespace geometry::model;

namespace geometry::object_sources {

namespace {

const char* const colour_names[16] = {"black", "navy",  "green", "teal", "maroon", "purple",  "olive",  "silver",
                                      "gray",  "blue",  "lime",  "aqua", "red",    "fuchsia", "yellow", "white"};

struct source_face {
    int colour = 0;
    bool sorted = true;
    std::vector<int> corners;   // vertex numbers from 1
};

struct source_object {
    std::string name;
    int line = 0;
    int level = 0;
    int mask = 0;
    bool theory = false;
    bool rotated = false;
    std::array<int, 3> angles{};
    std::vector<std::string> vertex_names;
    std::vector<std::array<int, 3>> vertices;
    std::vector<source_face> faces;
};

struct source_block {
    bool submenu = false;   // else objects outside any submenu
    std::string name;
    int line = 0;
    std::vector<source_object> objects;
};

std::vector<std::string> words_of(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// The text after the first word, without the blanks around it.
std::string rest_after_keyword(const std::string& line)
{
    const auto start = line.find_first_not_of(" \t");
    const auto gap = line.find_first_of(" \t", start);
    if (gap == std::string::npos)
        return {};
    const auto from = line.find_first_not_of(" \t", gap);
    const auto to = line.find_last_not_of(" \t\r");
    return from == std::string::npos ? std::string() : line.substr(from, to - from + 1);
}

std::optional<int> number_in(const std::string& word, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int> colour_in(const std::string& word)
{
    if (word == "cut")
        return cut_surface_colour;
    for (int i = 0; i < 16; ++i)
        if (word == colour_names[i])
            return i;
    return number_in(word, 0, 15);
}

// A surface with holes runs out to each hole along a bridge and back along
// the same side; no other corner may come twice. Answers a corner that
// breaks this, or 0.
int corner_off_its_loops(const std::vector<int>& corners)
{
    Tsurface_list list{};
    for (std::size_t i = 0; i < corners.size(); ++i)
        list[i + 1] = static_cast<std::uint8_t>(corners[i]);
    list[corners.size() + 1] = list[1];
    Toutline_loops loops;
    if (split_into_loops(list, static_cast<int>(corners.size()), loops))
        return 0;
    for (std::size_t i = 0; i < corners.size(); ++i)
        if (std::count(corners.begin(), corners.end(), corners[i]) > 1)
            return corners[i];
    return corners.front();
}

class compiler {
public:
    explicit compiler(std::string file_name) : file_(std::move(file_name)) {}

    object_source_result run(std::string_view text)
    {
        std::istringstream in{std::string(text)};
        std::string line;
        while (std::getline(in, line)) {
            ++line_number_;
            take_line(line);
        }
        if (object_)
            error("the object \"" + object_->name + "\" has no \"end\"");
        for (const source_block& block : blocks_)
            if (block.submenu && block.objects.empty())
                error_at(block.line, "the submenu \"" + block.name + "\" holds no objects");
        if (object_count() > max_objects)
            error("more than " + std::to_string(max_objects) + " objects");
        object_source_result result;
        if (errors_.empty())
            result.bytes = file_bytes();
        if (result.bytes.size() > max_object_file_size) {
            error("the object file would be longer than " + std::to_string(max_object_file_size) + " bytes");
            result.bytes.clear();
        }
        result.errors = errors_;
        return result;
    }

private:
    void error_at(int line, const std::string& message) { errors_.push_back(file_ + ":" + std::to_string(line) + ": " + message); }
    void error(const std::string& message) { error_at(line_number_, message); }

    std::size_t object_count() const
    {
        std::size_t n = 0;
        for (const source_block& block : blocks_)
            n += block.objects.size();
        return n;
    }

    void take_line(const std::string& line)
    {
        const std::vector<std::string> words = words_of(line);
        if (words.empty() || words[0][0] == '#')
            return;
        const std::string& keyword = words[0];
        if (!object_) {
            take_outside(keyword, line);
            return;
        }
        if (keyword == "end")
            finish_object();
        else if (keyword == "level")
            take_level(words);
        else if (keyword == "exclude")
            take_exclusions(words);
        else if (keyword == "theory" && words.size() == 1)
            object_->theory = true;
        else if (keyword == "rotation")
            take_rotation(words);
        else if (keyword == "vertex")
            take_vertex(words);
        else if (keyword == "face")
            take_face(words);
        else
            error("unknown line in an object: " + keyword);
    }

    void take_outside(const std::string& keyword, const std::string& line)
    {
        if (keyword == "submenu" || keyword == "unlisted") {
            source_block block;
            block.submenu = keyword == "submenu";
            block.name = rest_after_keyword(line);
            block.line = line_number_;
            if (block.submenu && (block.name.empty() || block.name.size() > 255))
                error("a submenu needs a name of 1 to 255 characters");
            blocks_.push_back(block);
        } else if (keyword == "object") {
            object_ = source_object{};
            object_->name = rest_after_keyword(line);
            object_->line = line_number_;
            if (object_->name.size() > 255)
                error("an object name has at most 255 characters");
        } else {
            error("expected \"submenu\", \"unlisted\" or \"object\", found: " + keyword);
        }
    }

    void take_level(const std::vector<std::string>& words)
    {
        const auto level = words.size() == 2 ? number_in(words[1], 0, practice_levels) : std::nullopt;
        if (!level)
            error("\"level\" takes one number from 0 to 3");
        else
            object_->level = *level;
    }

    void take_exclusions(const std::vector<std::string>& words)
    {
        for (std::size_t i = 1; i < words.size(); ++i) {
            const auto group = number_in(words[i], 0, exercise_groups - 1);
            if (!group)
                error("exercise groups are numbered 0 to 5, not " + words[i]);
            else
                object_->mask |= 1 << (*group + 2);
        }
    }

    void take_rotation(const std::vector<std::string>& words)
    {
        bool good = words.size() == 4;
        for (std::size_t i = 0; good && i < 3; ++i) {
            const auto angle = number_in(words[i + 1], -32768, 32767);
            good = angle.has_value();
            if (good)
                object_->angles[i] = *angle;
        }
        if (!good)
            error("\"rotation\" takes three whole angles in degrees");
        object_->rotated = true;
    }

    void take_vertex(const std::vector<std::string>& words)
    {
        if (words.size() != 5) {
            error("\"vertex\" takes a name and three coordinates");
            return;
        }
        if (std::find(object_->vertex_names.begin(), object_->vertex_names.end(), words[1]) != object_->vertex_names.end())
            error("the vertex " + words[1] + " is named twice");
        std::array<int, 3> p{};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto c = number_in(words[i + 2], -128, 127);
            if (!c)
                error("coordinates lie from -128 to 127 hundredths, not " + words[i + 2]);
            p[i] = c.value_or(0);
        }
        object_->vertex_names.push_back(words[1]);
        object_->vertices.push_back(p);
    }

    void take_face(const std::vector<std::string>& words)
    {
        source_face face;
        const auto colour = words.size() > 1 ? colour_in(words[1]) : std::nullopt;
        if (!colour)
            error("\"face\" begins with a colour name, a number 0 to 15 or cut");
        face.colour = colour.value_or(0);
        std::size_t i = 2;
        if (i < words.size() && words[i] == "unsorted") {
            face.sorted = false;
            ++i;
        }
        for (; i < words.size(); ++i) {
            const auto& names = object_->vertex_names;
            const auto found = std::find(names.begin(), names.end(), words[i]);
            if (found == names.end())
                error("no vertex named " + words[i]);
            else
                face.corners.push_back(static_cast<int>(found - names.begin() + 1));
        }
        if (face.corners.size() < 3 || face.corners.size() + 1 > static_cast<std::size_t>(max_surface_entries))
            error("a surface has 3 to 19 corners");
        else if (const int twice = corner_off_its_loops(face.corners); twice != 0)
            error("the corner " + object_->vertex_names[static_cast<std::size_t>(twice - 1)] +
                  " comes twice in one surface (only the ends of a bridge to a hole may)");
        object_->faces.push_back(face);
    }

    void finish_object()
    {
        source_object o = std::move(*object_);
        object_.reset();
        if (blocks_.empty())
            blocks_.push_back(source_block{false, {}, o.line, {}});
        const auto object_error = [&](const std::string& message) { error_at(o.line, "object \"" + o.name + "\": " + message); };
        if (o.vertices.size() > static_cast<std::size_t>(max_vertices))
            object_error("more than 29 vertices");
        else if (o.faces.size() > static_cast<std::size_t>(max_surfaces))
            object_error("more than 26 surfaces");
        else if (o.faces.empty())
            object_error("no surfaces");
        else if (errors_.empty())
            for (const std::string& problem : check_solid(solid_of(o), o.vertex_names))
                object_error(problem);
        blocks_.back().objects.push_back(std::move(o));
    }

    static Tsolid solid_of(const source_object& o)
    {
        Tsolid solid;
        solid.vertex_count = static_cast<int>(o.vertices.size());
        for (std::size_t v = 0; v < o.vertices.size(); ++v)
            solid.vertices[v + 1] = {o.vertices[v][0] / 100.0L, o.vertices[v][1] / 100.0L, o.vertices[v][2] / 100.0L};
        solid.surface_count = static_cast<int>(o.faces.size());
        for (std::size_t s = 0; s < o.faces.size(); ++s) {
            const auto& corners = o.faces[s].corners;
            for (std::size_t j = 0; j < corners.size(); ++j)
                solid.surface_vertices[s + 1][j + 1] = static_cast<std::uint8_t>(corners[j]);
            solid.surface_vertices[s + 1][corners.size() + 1] = static_cast<std::uint8_t>(corners[0]);
            solid.surface_length[s + 1] = static_cast<std::uint8_t>(corners.size() + 1);
        }
        return solid;
    }

    static void put_name(std::vector<std::uint8_t>& out, const std::string& name)
    {
        out.push_back(static_cast<std::uint8_t>(name.size()));
        out.insert(out.end(), name.begin(), name.end());
    }

    static void put_object(std::vector<std::uint8_t>& out, const source_object& o)
    {
        out.push_back(object_mark);
        put_name(out, o.name);
        out.insert(out.end(), {static_cast<std::uint8_t>(o.level), static_cast<std::uint8_t>(o.mask),
                               static_cast<std::uint8_t>(o.theory ? 1 : 0), static_cast<std::uint8_t>(o.rotated ? 1 : 0)});
        if (o.rotated)
            for (const int angle : o.angles)
                out.insert(out.end(), {static_cast<std::uint8_t>((angle >> 8) & 0xFF), static_cast<std::uint8_t>(angle & 0xFF)});
        std::size_t width = 0;
        for (const source_face& f : o.faces)
            width = std::max(width, f.corners.size());
        out.insert(out.end(), {static_cast<std::uint8_t>(o.vertices.size()), static_cast<std::uint8_t>(o.faces.size()),
                               static_cast<std::uint8_t>(width)});
        for (const auto& v : o.vertices)
            for (const int c : v)
                out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        for (const source_face& f : o.faces)
            out.insert(out.end(), {static_cast<std::uint8_t>(f.corners.size()), static_cast<std::uint8_t>(f.colour),
                                   static_cast<std::uint8_t>(f.sorted ? 1 : 0)});
        for (const source_face& f : o.faces)
            for (std::size_t j = 0; j < width; ++j)
                out.push_back(static_cast<std::uint8_t>(j < f.corners.size() ? f.corners[j] : 0));
        out.push_back(object_mark);
    }

    std::vector<std::uint8_t> file_bytes() const
    {
        std::vector<std::uint8_t> out;
        for (const source_block& block : blocks_) {
            if (block.submenu) {
                out.push_back(submenu_mark);
                put_name(out, block.name);
            }
            for (const source_object& o : block.objects)
                put_object(out, o);
            if (block.submenu)
                out.push_back(submenu_mark);
        }
        return out;
    }

    std::string file_;
    int line_number_ = 0;
    std::vector<source_block> blocks_;
    std::optional<source_object> object_;
    std::vector<std::string> errors_;
};

} // namespace

object_source_result compile_object_source(std::string_view text, const std::string& file_name)
{
    return compiler(file_name).run(text);
}

} // namespace geometry::object_sources
