#pragma once
// The one way the program ends itself (fatal stops, the guidance HALT).
// Tests and fuzz targets install a handler that throws instead, so the code
// after a fatal stop is never reached and the process survives.

#include <functional>

namespace platform {

using exit_handler = std::function<void(int code)>;

// Ends the program with the exit code at once, from anywhere (also from
// inside a modal window), after flushing the standard streams; no static
// object is destroyed. When an installed handler returns instead of
// throwing, the process ends anyway.
[[noreturn]] void terminate_program(int code);

exit_handler set_exit_handler(exit_handler handler);

// Thrown by throwing_exit_guard's handler.
struct program_stopped {
    int code;
};

// While alive, terminate_program throws program_stopped.
class throwing_exit_guard {
public:
    throwing_exit_guard();
    ~throwing_exit_guard();
    throwing_exit_guard(const throwing_exit_guard&) = delete;
    throwing_exit_guard& operator=(const throwing_exit_guard&) = delete;

private:
    exit_handler previous_;
};

} // namespace platform
