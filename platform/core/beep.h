#pragma once
// The system beep. The widget layer installs QApplication::beep; the count
// lets tests see that a beep was given.

#include <functional>

namespace platform {

void beep();
void set_beeper(std::function<void()> beeper);
int beep_count();

} // namespace platform
