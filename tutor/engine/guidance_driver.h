#pragma once
// The guidance driver: what the tutor main window does when its timer hands
// control to the guidance (save and close, switch on or off, start again,
// next statement, continue). It opens theory chapters and exercises through
// the main window's side of guidance_main_window.

#include "foundation/texts.h"

#include <array>
#include <string>

namespace tutor::engine {

class Tguidance_object;

// What the driver needs of the tutor main window.
class guidance_main_window {
public:
    virtual ~guidance_main_window() = default;
    virtual void click_theory_menu_item(int chapter) = 0;
    virtual void click_exercise_menu_item(int exercise) = 0;
    virtual void set_test_mode(bool test) = 0;
    virtual void set_practice_level(int level) = 0;
    // The switch item's caption after the guidance went on or off.
    virtual void update_switch_guidance_caption() = 0;
    // Marks the window as closed by guidance and closes it, which ends the tutor.
    virtual void close_by_guidance() = 0;
};

// The timer tags of the driver's actions.
enum guidance_action_tag : int {
    tag_save_and_close = 2,
    tag_switch_on_off = 3,
    tag_start_again = 4,
    tag_next_statement = 5,
    tag_continue = 6,
};

class Tguidance_driver {
public:
    // Reads its five messages ("OTHER_GUIDANCE_FINISHED_MESSAGES").
    Tguidance_driver(guidance_main_window& window, Tguidance_object& guidance);

    // Runs the action of a timer tag; false for a tag that is none of them.
    bool run(int tag);

    void save_and_close();
    void switch_on_off();
    void start_again();
    void next_statement();
    void continue_guidance();

private:
    bool ask(const std::string& question);
    void say(const std::string& text);
    // Says that the guidance is over and closes the tutor.
    void end_tutor();
    void open_current_statement();

    guidance_main_window& window_;
    Tguidance_object& guidance_;
    foundation::text_section<foundation::text_names::guidance_finished_messages> texts_;
    // Once the window is being closed, nothing more is asked or opened.
    bool closing_ = false;
};

} // namespace tutor::engine
