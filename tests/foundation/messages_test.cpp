#include "foundation/globals.h"
#include "foundation/messages.h"
#include "foundation/textfile_handler.h"
#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace foundation;

TEST(Messages, BoxesCarryTheProgramCaptionAndTerminationAsksWithTwoLines)
{
    test_support::temp_dir dir;
    test_support::reset_globals_to(dir.path());
    dir.write("T.TXT", "$[TERMINATION_MESSAGE]\nStop now?\nWork is kept.\n$[PRINTING]\nThe printer failed.\n");
    bool found = false;
    text_handler = std::make_unique<Ttextfile_handler>("T.TXT", found, true);
    message_caption = "Tutor";
    out_of_memory_message = "No memory";

    platform::scripted_responder responder;
    responder.answer_next(platform::IDYES);
    EXPECT_EQ(ask_termination(), platform::IDYES);
    EXPECT_EQ(std::tuple(responder.last().text, responder.last().caption, responder.last().flags),
              std::tuple("Stop now?\nWork is kept.", "Tutor", 36u));

    show_message_captioned("x", "Other", 0);
    EXPECT_EQ(responder.last().caption, "Other");
    report_print_failure();
    EXPECT_EQ(responder.last().text, "The printer failed.");

    platform::throwing_exit_guard guard;
    int code = 0;
    try {
        stop_out_of_memory();
    } catch (const platform::program_stopped& stop) {
        code = stop.code;
    }
    EXPECT_EQ(std::pair(code, responder.last().text), std::pair(1, std::string("No memory")));
    text_handler.reset();
}
