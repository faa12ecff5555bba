#include "platform/core/program_exit.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

exit_handler& current_handler()
{
    static exit_handler handler;
    return handler;
}

} // namespace

void terminate_program(int code)
{
    if (current_handler())
        current_handler()(code);
    // No destructor of a static object runs: such an object may hold a window
    // that Qt, whose own statics go first, could no longer tear down. Nothing
    // else is lost, as no file is held open between operations.
    std::fflush(nullptr);
    std::_Exit(code);
}

exit_handler set_exit_handler(exit_handler handler)
{
    exit_handler previous = std::move(current_handler());
    current_handler() = std::move(handler);
    return previous;
}

throwing_exit_guard::throwing_exit_guard()
    : previous_(set_exit_handler([](int code) { throw program_stopped{code}; }))
{
}

throwing_exit_guard::~throwing_exit_guard()
{
    set_exit_handler(std::move(previous_));
}

} // namespace platform
