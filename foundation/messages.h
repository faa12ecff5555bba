#pragma once
// Message boxes with the program's caption, and the fatal stop.

#include "foundation/outcome.h"

#include <string>

namespace foundation {

int show_message(const std::string& text, unsigned flags);
int show_message_captioned(const std::string& text, const std::string& caption, unsigned flags);
[[noreturn]] void stop_with_message(const std::string& text);
// A window's way to tell what a library returned: the message in an error
// box when the operation failed. True when it was done.
bool show_if_failed(const outcome& result);
[[noreturn]] void stop_out_of_memory();
int ask_termination();
// A print job that could not start or finish.
void report_print_failure();

} // namespace foundation
