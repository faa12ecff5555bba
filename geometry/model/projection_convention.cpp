#include "geometry/model/projection_convention.h"

#include "geometry/model/kernel.h"
#include "geometry/model/picture.h"

#include <cctype>

namespace geometry::model {

bool mirror_objects = false;
std::uint8_t three_view_mode = american_three_views;
std::uint8_t six_view_mode = american_six_views;
std::array<std::string, view_count> view_labels;

bool names_european_method(const std::string& setting)
{
    return !setting.empty() && std::toupper(static_cast<unsigned char>(setting.front())) != 'A';
}

void set_projection_convention(bool european)
{
    mirror_objects = european;
    three_view_mode = european ? european_three_views : american_three_views;
    six_view_mode = european ? european_six_views : american_six_views;
}

void set_view_labels(const std::array<std::string, view_count>& labels)
{
    view_labels = labels;
    arrow_labels = {view_labels[2], view_labels[1]};
}

void give_isometric_turn(Tsolid& solid)
{
    rotate_solid(solid, 0, mirror_objects ? 45 : -45, true, 0);
    rotate_solid(solid, 45, 0, true, 0);
}

} // namespace geometry::model
