#pragma once
// The clipboard, as text.

#include <string>

namespace platform {

void set_clipboard_text(const std::string& text);
std::string clipboard_text();

} // namespace platform
