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
//                     (after the start rotation, before --angles)
//   --mirror          the European convention: objects mirrored when loaded
//   --size WxH        picture size in pixels (default 400x300)
//   --scale S         picture scale (default: what a frame of that width uses)
//   --aspect A        the screen aspect factor (default 1, a 4:3 screen)
// Each drawing is one "mode" below; further modes slot in beside "filled".
#include "foundation/globals.h"
#include "geometry/cutting.h"
#include "geometry/geometry_startup.h"
#include "geometry/hidden_lines_drawing.h"
#include "geometry/object_files.h"
#include "geometry/picture_drawing.h"
#include "geometry/projection_convention.h"
#include "geometry/screen_metrics.h"
#include "platform/file_system.h"
#include "platform/image_canvas.h"

#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

enum class render_mode { filled, hidden_lines };

struct render_options {
    render_mode mode = render_mode::filled;
    std::string object = "0";
    int angles[3] = {30, -40, 0};
    bool perspective = false;
    bool arrows = false;
    std::string labels[2] = {"A", "B"};
    bool colours = true;
    bool hatch = false;
    bool dashed = false;
    bool mirror = false;
    bool cut = false;
    int width = 400;
    int height = 300;
    std::optional<long double> scale;
    long double aspect = 1.0L;
    std::string output;
    std::vector<std::string> files;
};

[[noreturn]] void usage(const std::string& problem)
{
    std::cerr << "render_object: " << problem << "\n"
              << "usage: render_object [--object N|NAME] [--angles X Y Z] [--perspective] [--arrows] [--labels A B]\n"
                 "                     [--plain] [--hatch] [--dashed] [--hidden-lines] [--cut] [--mirror] [--size WxH]\n"
                 "                     [--scale S] [--aspect A]\n"
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
            o.labels[0] = args.next("the first label");
            o.labels[1] = args.next("the second label");
        } else if (a == "--plain") {
            o.colours = false;
        } else if (a == "--hatch") {
            o.hatch = true;
        } else if (a == "--dashed") {
            o.dashed = true;
        } else if (a == "--hidden-lines") {
            o.mode = render_mode::hidden_lines;
        } else if (a == "--cut") {
            o.cut = true;
        } else if (a == "--mirror") {
            o.mirror = true;
        } else if (a == "--size") {
            const std::string size = args.next("the size");
            if (std::sscanf(size.c_str(), "%dx%d", &o.width, &o.height) != 2 || o.width <= 0 || o.height <= 0)
                usage("the size is WIDTHxHEIGHT");
        } else if (a == "--scale") {
            o.scale = args.next_real("the scale");
        } else if (a == "--aspect") {
            o.aspect = args.next_real("the aspect factor");
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

void render(platform::Canvas& canvas, const Tsolid& solid, const render_options& o)
{
    const int centre_x = o.width / 2, centre_y = o.height / 2;
    const long double scale = o.scale.value_or(o.width * 0.92L * 0.0075L);
    switch (o.mode) {
    case render_mode::filled:
        show_solid(canvas, solid, o.angles[0], o.angles[1], o.arrows, o.colours, o.hatch, o.dashed, o.perspective, centre_x,
                   centre_y, scale, o.angles[2]);
        break;
    case render_mode::hidden_lines:
        draw_object_with_hidden_lines(canvas, solid, o.angles[0], o.angles[1], o.angles[2], o.arrows, platform::black,
                                      o.perspective, centre_y, centre_x, scale);
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
    mirror_objects = options.mirror;
    arrow_labels = {options.labels[0], options.labels[1]};

    TThingCatCollection catalogue;
    load_object_file_list(options.files, catalogue);
    const int number = object_number(options.object, catalogue);
    if (number > last_object_number)
        usage("the files hold objects 0 to " + std::to_string(last_object_number));
    Tsolid solid;
    load_object(number, solid);
    if (options.cut) {
        bool success = false, bridged = false;
        std::int32_t sections = 0;
        cut_solid(solid, success, sections, bridged);
        std::cerr << "render_object: " << (success ? "cut, " + std::to_string(sections) + " section(s)" : "not cut")
                  << (bridged ? ", a hole bridged" : "") << "\n";
    }

    platform::image_canvas canvas(options.width, options.height);
    render(canvas, solid, options);
    if (!canvas.image().save(QString::fromStdString(options.output), "PNG")) {
        std::cerr << "render_object: " << options.output << " cannot be written\n";
        return 1;
    }
    return 0;
}
