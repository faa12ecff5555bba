#pragma once
// The object catalogue: named submenus (categories) of named objects, in
// the order of the object files, and which object is the theory object and
// which one the user has chosen.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace geometry::model {

class TThingCategory;
class TThingCatCollection;

class TThing {
public:
    // Made by TThingCategory::add_thing, in its things.
    TThing(std::uint16_t object_number, std::string name) : name(std::move(name)), object_number(object_number) {}

    std::string name;
    std::uint16_t object_number;
};

class TThingCategory {
public:
    explicit TThingCategory(std::string name) : name(std::move(name)) {}

    TThing& add_thing(std::uint16_t object_number, const std::string& thing_name);

    std::string name;
    std::vector<std::unique_ptr<TThing>> things;   // in file order
};

class TThingCatCollection {
public:
    TThingCategory& add_category(const std::string& category_name);
    std::size_t count() const { return categories.size(); }
    TThingCategory& last() { return *categories.back(); }

    std::vector<std::unique_ptr<TThingCategory>> categories;   // in file order

    // None until a theory object in a submenu is read; then all four point to it.
    TThingCategory* theory_category = nullptr;
    TThing* theory_thing = nullptr;
    TThingCategory* selected_category = nullptr;
    TThing* selected_thing = nullptr;
};

} // namespace geometry::model
