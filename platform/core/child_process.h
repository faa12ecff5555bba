#pragma once
// A copy of the running program that carries out one piece of work and
// ends: for tests of several processes working on one file at once and of a
// process that ends in the middle of a write. Where the system cannot copy a
// running program (Windows), start_child returns -1.

#include <functional>

namespace platform {

// Starts the copy, which runs `work` and ends with its return value as exit code.
int start_child(const std::function<int()>& work);
// Waits for the child's end: its exit code, 128 + the signal that ended it, or -1.
int wait_for_child(int child);

} // namespace platform
