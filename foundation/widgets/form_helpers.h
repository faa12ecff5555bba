#pragma once

class QFont;
class QWidget;

namespace foundation::widgets {

// Two helpers of the practice windows that work on Qt widgets.


inline constexpr int guidance_menu_tag = 123456;
inline constexpr int guidance_menu_tag_1 = 123457;
inline constexpr int guidance_menu_tag_2 = 123458;

void set_standard_font(QFont& font);

// Menu items carry their tag as the "tag" property of their QAction (an int).
void enable_menu_by_tags(QWidget* form, bool enabled, bool enabled_1, bool enabled_2);

} // namespace foundation::widgets
