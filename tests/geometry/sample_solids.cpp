#include "tests/geometry/sample_solids.h"

#include "foundation/globals.h"
#include "geometry/model/cutting.h"
#include "geometry/model/kernel.h"
#include "geometry/model/object_files.h"
#include "geometry/model/projection_convention.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"

#include <random>
#include <stdexcept>

using namespace foundation;
using namespace geometry::model;

namespace test_objects {

namespace {

std::vector<sample_solid> load_samples()
{
    platform::scripted_responder responder;
    platform::throwing_exit_guard guard;
    start_directory = program_directory = std::string(WINTOLA_BIN_DIR) + "/";
    mirror_objects = false;
    TThingCatCollection catalogue;
    load_object_file_list({"SOLIDS.OBJ", "BLOCKS.OBJ"}, catalogue);
    std::vector<sample_solid> samples(static_cast<std::size_t>(last_object_number + 1));
    for (int number = 0; number <= last_object_number; ++number) {
        samples[static_cast<std::size_t>(number)].name = "object " + std::to_string(number);
        load_object(number, samples[static_cast<std::size_t>(number)].solid);
    }
    for (const auto& category : catalogue.categories)
        for (const auto& thing : category->things)
            samples[thing->object_number].name = thing->name;
    return samples;
}

} // namespace

const std::vector<sample_solid>& sample_solids()
{
    static const std::vector<sample_solid> samples = load_samples();
    return samples;
}

const Tsolid& sample_named(const std::string& name)
{
    for (const sample_solid& sample : sample_solids())
        if (sample.name == name)
            return sample.solid;
    throw std::invalid_argument("no sample object named " + name);
}

std::vector<view> random_views(unsigned seed, int count, bool perspective)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> angle(-180, 180);
    std::vector<view> views;
    for (int i = 0; i < count; ++i)
        views.push_back({angle(random), angle(random), angle(random), perspective && i % 2 == 0});
    return views;
}

Tsolid seen_in(Tsolid solid, const view& v)
{
    rotate_solid(solid, v.angle_x, v.angle_y, true, v.angle_z);
    if (v.perspective)
        perspective_transform(solid);
    return solid;
}

cut_result cut(Tsolid& solid)
{
    platform::scripted_responder responder;
    cut_result result;
    cut_solid(solid, result.success, result.sections, result.bridged);
    for (const auto& box : responder.boxes())
        result.boxes.push_back(box.text);
    return result;
}

Tsolid cut_sample(const Tsolid& sample, const view& turn)
{
    Tsolid solid = sample;
    rotate_solid(solid, turn.angle_x, turn.angle_y, false, turn.angle_z);
    cut(solid);
    return solid;
}

} // namespace test_objects
