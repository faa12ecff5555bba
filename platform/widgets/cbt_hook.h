#pragma once
// The computer-based-training hook of the monopolizing library. There is no
// system-wide hook here: the hook sees the program's own top-level windows
// through an application-wide event filter, with the codes of the original
// for a window created (3), destroyed (4) and activated (5). What the hook
// procedure answers is ignored.

#include <cstdint>

namespace platform {

enum cbt_code : int { cbt_create_window = 3, cbt_destroy_window = 4, cbt_activate = 5 };

// code, the window (an opaque handle), 0.
using cbt_procedure = std::intptr_t (*)(int code, std::uintptr_t window, std::intptr_t unused);

// The hook's handle, never 0; 0 when the hook cannot be installed (no
// application is running).
std::uint32_t install_cbt_hook(cbt_procedure procedure);
// False when no hook has that handle.
bool remove_cbt_hook(std::uint32_t handle);

// Makes the next installation fail, for tests of that failure.
void fail_next_cbt_hook();

} // namespace platform
