#pragma once
// Texts of the program are byte strings (UTF-8); widgets take QString.

#include <QString>

#include <string>

namespace foundation::widgets {

inline QString qt(const std::string& text)
{
    return QString::fromUtf8(text);
}

} // namespace foundation::widgets
