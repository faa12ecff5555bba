#pragma once

class QWidget;

namespace tutor::windows {

// The guidance menu of a window (tags 123456, 123457, 123458) enabled from
// the guidance: the menu when the guidance file is usable, its switch item
// when the pupil may switch, its start-again item when the pupil may restart.


void enable_guidance_menu(QWidget* form);

} // namespace tutor::windows
