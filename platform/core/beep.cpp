#include "platform/core/beep.h"

namespace platform {
namespace {

std::function<void()>& current_beeper()
{
    static std::function<void()> beeper;
    return beeper;
}

int& counter()
{
    static int count = 0;
    return count;
}

} // namespace

void beep()
{
    ++counter();
    if (current_beeper())
        current_beeper()();
}

void set_beeper(std::function<void()> beeper)
{
    current_beeper() = std::move(beeper);
}

int beep_count()
{
    return counter();
}

} // namespace platform
