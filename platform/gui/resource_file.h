#pragma once
// The bytes of one of the program's compiled-in resources, by its name
// (":/NAME"); nothing when there is no such resource. The resources must
// have been registered (init_resources) before.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

std::optional<std::vector<std::uint8_t>> read_resource(const std::string& name);

} // namespace platform
