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
    EXPECT_EQ(responder.last().text, "Stop now?\nWork is kept.");
    EXPECT_EQ(responder.last().caption, "Tutor");
    EXPECT_EQ(responder.last().flags, 36u);

    show_message_captioned("x", "Other", 0);
    EXPECT_EQ(responder.last().caption, "Other");
    report_print_failure();
    EXPECT_EQ(responder.last().text, "The printer failed.");
    show_out_of_memory();
    EXPECT_EQ(responder.last().text, "No memory");
    EXPECT_EQ(responder.last().flags, 16u);

    platform::throwing_exit_guard guard;
    try {
        stop_out_of_memory();
        FAIL() << "a fatal stop returned";
    } catch (const platform::program_stopped& stop) {
        EXPECT_EQ(stop.code, 1);
        EXPECT_EQ(responder.last().text, "No memory");
    }
    text_handler.reset();
}
