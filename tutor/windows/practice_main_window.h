#pragma once
// What the practice windows need of the tutor main window, beside what the
// guidance driver needs of it: one interface the main window implements.

#include "tutor/engine/guidance_driver.h"

#include <QRect>

#include <string>

namespace tutor::windows {

class practice_main_window : public tutor::engine::guidance_main_window {
public:
    // False while a modal window is open over it.
    virtual bool is_enabled() const = 0;
    // Where it stands on the screen and how large it is; the practice windows are placed inside it.
    virtual QRect window_rect() const = 0;
    // Gives wait_until_ready_timer the tag and starts it; the tag names the
    // guidance driver's action (guidance_action_tag) the timer then runs.
    virtual void start_wait_until_ready_timer(int tag) = 0;
    // Captions of its guidance menu, of the switch item (it tells whether
    // guidance is on) and of the start-again item.
    virtual std::string guidance_menu_caption() const = 0;
    virtual std::string switch_guidance_caption() const = 0;
    virtual std::string start_guidance_again_caption() const = 0;
};

} // namespace tutor::windows
