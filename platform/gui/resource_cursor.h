#pragma once
// The program's own cursors: compiled-in PNG pictures whose texts
// "HotSpotX" and "HotSpotY" give the hot spot. Needs a running
// QGuiApplication and the resources registered (init_resources).

#include <QCursor>

#include <optional>
#include <string>

namespace platform {

// Nothing when there is no such resource or it is no picture.
std::optional<QCursor> load_resource_cursor(const std::string& name);

} // namespace platform
