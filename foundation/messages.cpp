#include "foundation/messages.h"

#include "foundation/globals.h"
#include "foundation/texts.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"

namespace foundation {

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

bool show_if_failed(const outcome& result)
{
    if (!result.message().empty())
        show_message(result.message(), platform::MB_ICONERROR);
    return result.done();
}

void stop_out_of_memory()
{
    stop_with_message(out_of_memory_message);
}

int ask_termination()
{
    using text_names::termination_message;
    const std::string text = text_of(termination_message::leave_tutor) + "\n" + text_of(termination_message::really_stop);
    return show_message(text, platform::MB_ICONQUESTION | platform::MB_YESNO);
}

void report_print_failure()
{
    show_message(text_of(text_names::printing::failed), platform::MB_OK | platform::MB_ICONERROR);
}

} // namespace foundation
