// Draws one object of the tutor's object files into a PNG picture through
// the image canvas, so a drawing can be looked at without the program.
//
// Usage: render_object [options] OUT.png OBJECT_FILE...
//   --object N|NAME   the object by number (from 0) or by its name (default 0)
//   --angles X Y Z    rotation in whole degrees (default 30 -40 0)
//   --perspective     perspective instead of a parallel projection
//   --arrows          the two view arrows, labelled by --labels (default A B)
//   --labels A B      the arrows' labels
//   --plain           surfaces in the window colour instead of their own
//   --hatch           hatch cut surfaces even when plain
//   --dashed          every edge dashed on top, so hidden edges show
//   --hidden-lines    a line drawing: hidden edges dashed, no surfaces
//   --cut             cut away what lies in front of the plane z = 0 first
//                     (after the start rotation, before --angles); on the
//                     workbench only the oblique picture is cut
//   --european        the European convention: objects mirrored when loaded,
//                     the isometric turn to the right, European layouts
//   --size WxH        picture size in pixels (default 400x300, 800x600 for
//                     the workbench)
//   --scale S         picture scale (default: what a frame of that width uses)
//   --aspect A        the screen aspect factor: height over width of a
//                     pixel (default 1, square pixels)
//   --workbench       the tutor's workbench instead of one picture: the
//                     isometric picture in its frame with its view arrows
//                     beside the normal views with their labels and the
//                     projection method symbol, placed as the main window
//                     places them; --angles, --arrows and --scale do not
//                     apply; with --hidden-lines every picture is a line
//                     drawing
//   --views 3|6       the workbench's number of normal views (default 3)
//   --texts FILE      the text-section file whose "VIEW_LABELS" label the
//                     views and arrows (default WINTOLA.TXT, looked for in
//                     the current and the tool's directory)
// Each drawing is one "mode" below.
#include "foundation/globals.h"
#include "foundation/text_names.h"
#include "foundation/textfile_handler.h"
#include "geometry/model/cutting.h"
#include "geometry/drawing/geometry_startup.h"
#include "geometry/drawing/hidden_lines_drawing.h"
#include "geometry/model/object_files.h"
#include "geometry/drawing/picture_drawing.h"
#include "geometry/model/projection_convention.h"
#include "geometry/drawing/projection_symbols.h"
#include "geometry/model/screen_metrics.h"
#include "geometry/drawing/views.h"
#include "geometry/model/workbench_layout.h"
#include "platform/core/file_system.h"
#include "platform/gui/image_canvas.h"

#include <QGuiApplication>
#include <QString>

#include <array>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace foundation;
using namespace geometry::model;
using namespace geometry::drawing;

namespace {

enum class render_mode { filled, hidden_lines, workbench };

struct render_options {
    render_mode mode = render_mode::filled;
    std::string object = "0";
    int angles[3] = {30, -40, 0};
    bool perspective = false;
    bool arrows = false;
    std::optional<std::array<std::string, 2>> labels;
    bool colours = true;
    bool hatch = false;
    bool dashed = false;
    bool european = false;
    bool hidden_lines = false;
    bool cut = false;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<long double> scale;
    long double aspect = 1.0L;
    int views = 3;
    std::string texts = "WINTOLA.TXT";
    std::string output;
    std::vector<std::string> files;
};

[[noreturn]] void usage(const std::string& problem)
{
    std::cerr << "render_object: " << problem << "\n"
              << "usage: render_object [--object N|NAME] [--angles X Y Z] [--perspective] [--arrows] [--labels A B]\n"
                 "                     [--plain] [--hatch] [--dashed] [--hidden-lines] [--cut] [--european] [--size WxH]\n"
                 "                     [--scale S] [--aspect A] [--workbench] [--views 3|6] [--texts FILE]\n"
                 "                     OUT.png OBJECT_FILE...\n";
    std::exit(2);
}

class argument_list {
public:
    argument_list(int argc, char** argv) : args_(argv + 1, argv + argc) {}
    bool more() const { return at_ < args_.size(); }
    std::string next(const std::string& what)
    {
        if (!more())
            usage(what + " is missing");
        return args_[at_++];
    }
    int next_int(const std::string& what) { return std::atoi(next(what).c_str()); }
    long double next_real(const std::string& what) { return std::strtold(next(what).c_str(), nullptr); }

private:
    std::vector<std::string> args_;
    std::size_t at_ = 0;
};

render_options parse_options(int argc, char** argv)
{
    render_options o;
    argument_list args(argc, argv);
    while (args.more()) {
        const std::string a = args.next("an option");
        if (a == "--object") {
            o.object = args.next("the object");
        } else if (a == "--angles") {
            for (int& angle : o.angles)
                angle = args.next_int("an angle");
        } else if (a == "--perspective") {
            o.perspective = true;
        } else if (a == "--arrows") {
            o.arrows = true;
        } else if (a == "--labels") {
            const std::string first = args.next("the first label");
            o.labels = {first, args.next("the second label")};
        } else if (a == "--plain") {
            o.colours = false;
        } else if (a == "--hatch") {
            o.hatch = true;
        } else if (a == "--dashed") {
            o.dashed = true;
        } else if (a == "--hidden-lines") {
            o.hidden_lines = true;
        } else if (a == "--cut") {
            o.cut = true;
        } else if (a == "--european") {
            o.european = true;
        } else if (a == "--size") {
            const std::string size = args.next("the size");
            int width = 0, height = 0;
            if (std::sscanf(size.c_str(), "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0)
                usage("the size is WIDTHxHEIGHT");
            o.width = width;
            o.height = height;
        } else if (a == "--scale") {
            o.scale = args.next_real("the scale");
        } else if (a == "--aspect") {
            o.aspect = args.next_real("the aspect factor");
        } else if (a == "--workbench") {
            o.mode = render_mode::workbench;
        } else if (a == "--views") {
            o.views = args.next_int("the number of views");
            if (o.views != 3 && o.views != 6)
                usage("the workbench shows 3 or 6 views");
        } else if (a == "--texts") {
            o.texts = args.next("the text-section file");
        } else if (a.rfind("--", 0) == 0) {
            usage("unknown option " + a);
        } else if (o.output.empty()) {
            o.output = a;
        } else {
            o.files.push_back(a);
        }
    }
    if (o.output.empty() || o.files.empty())
        usage("an output picture and at least one object file are needed");
    const bool workbench = o.mode == render_mode::workbench;
    if (!workbench && o.hidden_lines)
        o.mode = render_mode::hidden_lines;
    o.width = o.width.value_or(workbench ? 800 : 400);
    o.height = o.height.value_or(workbench ? 600 : 300);
    return o;
}

// The object's number: the option as a number, else the first object of that name.
int object_number(const std::string& wanted, const TThingCatCollection& catalogue)
{
    if (!wanted.empty() && wanted.find_first_not_of("0123456789") == std::string::npos)
        return std::atoi(wanted.c_str());
    for (const auto& category : catalogue.categories)
        for (const auto& thing : category->things)
            if (thing->name == wanted)
                return thing->object_number;
    usage("no object named \"" + wanted + "\" in a list");
}

// The view labels from the text-section file, which label the arrows too;
// a file that is not found is reported and the views go unlabelled.
void read_view_labels(const std::string& texts)
{
    bool found = false;
    const Ttextfile_handler handler(texts, found, false);
    std::array<std::string, view_count> labels;
    const std::string section(section_name(text_names::view_labels::left));
    for (int k = 0; k < view_count; ++k)
        labels[static_cast<std::size_t>(k)] = handler.read_entry(section, k + 1);
    set_view_labels(labels);
}

// As the main window paints both projections: the isometric picture with
// its arrows, hatched cuts and the options' colours, dashes, perspective
// and cut; every view with dashed hidden edges, labels and the symbol.
void render_workbench(platform::Canvas& canvas, const Tsolid& solid, const render_options& o)
{
    const bool six = o.views == 6;
    const Tworkbench_layout place = workbench_layout(*o.width, *o.height, true, true, six);
    Tviews views;
    views.set_oblique_frame(place.frame_origin, place.frame_height);
    views.layout_views(place.views_origin, place.cell_height, six ? six_view_mode : three_view_mode);
    views.draw_oblique(canvas, false, solid, true, o.colours, o.dashed, o.perspective, o.hidden_lines, true, true,
                       o.cut);
    views.draw_views(canvas, false, true, true, o.colours, true, o.hidden_lines, solid);
}

void render(platform::Canvas& canvas, const Tsolid& solid, const render_options& o)
{
    const int centre_x = *o.width / 2, centre_y = *o.height / 2;
    const long double scale = o.scale.value_or(*o.width * 0.92L * 0.0075L);
    switch (o.mode) {
    case render_mode::filled:
        show_solid(canvas, solid, o.angles[0], o.angles[1], o.arrows, o.colours, o.hatch, o.dashed, o.perspective, centre_x,
                   centre_y, scale, o.angles[2]);
        break;
    case render_mode::hidden_lines:
        draw_object_with_hidden_lines(canvas, solid, o.angles[0], o.angles[1], o.angles[2], o.arrows, platform::black,
                                      o.perspective, centre_y, centre_x, scale);
        break;
    case render_mode::workbench:
        render_workbench(canvas, solid, o);
        break;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const render_options options = parse_options(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    platform::set_executable_path(argv[0]);
    start_directory = platform::current_directory();
    program_directory = platform::executable_directory();
    aspect = options.aspect;
    start_up_kernel();
    set_projection_convention(options.european);
    if (options.mode == render_mode::workbench) {
        read_view_labels(options.texts);
        load_projection_symbols();
    } else {
        arrow_labels = {"A", "B"};
    }
    if (options.labels)
        arrow_labels = *options.labels;

    TThingCatCollection catalogue;
    load_object_file_list(options.files, catalogue);
    const int number = object_number(options.object, catalogue);
    if (number > last_object_number)
        usage("the files hold objects 0 to " + std::to_string(last_object_number));
    Tsolid solid;
    load_object(number, solid);
    if (options.cut && options.mode != render_mode::workbench) {
        bool success = false, bridged = false;
        std::int32_t sections = 0;
        cut_solid(solid, success, sections, bridged);
        std::cerr << "render_object: " << (success ? "cut, " + std::to_string(sections) + " section(s)" : "not cut")
                  << (bridged ? ", a hole bridged" : "") << "\n";
    }

    platform::image_canvas canvas(*options.width, *options.height);
    render(canvas, solid, options);
    if (!canvas.image().save(QString::fromStdString(options.output), "PNG")) {
        std::cerr << "render_object: " << options.output << " cannot be written\n";
        return 1;
    }
    return 0;
}
