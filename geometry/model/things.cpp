#include "geometry/model/things.h"

namespace geometry::model {

TThing& TThingCategory::add_thing(std::uint16_t object_number, const std::string& thing_name)
{
    things.push_back(std::make_unique<TThing>(object_number, thing_name));
    return *things.back();
}

TThingCategory& TThingCatCollection::add_category(const std::string& category_name)
{
    categories.push_back(std::make_unique<TThingCategory>(category_name));
    return *categories.back();
}

} // namespace geometry::model
