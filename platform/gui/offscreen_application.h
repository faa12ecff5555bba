#pragma once
// Drawing text needs Qt's application object. A tool that draws into files
// and shows no window makes one here on the offscreen platform, so it runs
// without a display; an application that already runs is used as it is.
// Qt's own warnings are not shown then.

namespace platform {

void ensure_offscreen_application();

} // namespace platform
