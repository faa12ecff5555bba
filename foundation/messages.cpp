#include "foundation/messages.h"

#include "foundation/globals.h"
#include "platform/message_box.h"
#include "platform/program_exit.h"

int show_message(const std::string& text, unsigned flags)
{
    return platform::message_box(text, message_caption, flags);
}

int show_message_captioned(const std::string& text, const std::string& caption, unsigned flags)
{
    return platform::message_box(text, caption, flags);
}

void stop_with_message(const std::string& text)
{
    show_message(text, platform::MB_ICONERROR);
    platform::terminate_program(1);
}

void stop_out_of_memory()
{
    stop_with_message(out_of_memory_message);
}

int ask_termination()
{
    const std::string text = text_entry("TERMINATION_MESSAGE", 1) + "\n" + text_entry("TERMINATION_MESSAGE", 2);
    return show_message(text, platform::MB_ICONQUESTION | platform::MB_YESNO);
}

void report_print_failure()
{
    show_message("Printing failed: the printer could not start or finish the job.", platform::MB_OK | platform::MB_ICONERROR);
}
