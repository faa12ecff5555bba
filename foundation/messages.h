#pragma once
// Message boxes with the program's caption, and the fatal stop.

#include <string>

int show_message(const std::string& text, unsigned flags);
int show_message_captioned(const std::string& text, const std::string& caption, unsigned flags);
[[noreturn]] void stop_with_message(const std::string& text);
[[noreturn]] void stop_out_of_memory();
int ask_termination();
// A print job that could not start or finish.
void report_print_failure();
