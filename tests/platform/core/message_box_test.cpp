#include "platform/core/message_box.h"
#include "platform/core/program_exit.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(MessageBox, ScriptedResponderRecordsAndAnswersThenFallsBackToEscape)
{
    scripted_responder responder;
    responder.answer_next(IDYES);
    EXPECT_EQ(message_box("Delete?", "Caption", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(message_box("Again?", "Caption", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(message_box("Sure?", "C", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(message_box("Note", "C", MB_ICONERROR), IDOK);
    ASSERT_EQ(responder.count(), 4u);
    EXPECT_EQ(std::tuple(responder.boxes()[0].text, responder.boxes()[0].caption, responder.boxes()[2].flags),
              std::tuple("Delete?", "Caption", 36u));
    {
        scripted_responder inner;
        message_box("inner", "", MB_OK);
    }
    message_box("outer", "", MB_OK);
    EXPECT_EQ(std::tuple(responder.count(), responder.last().text), std::tuple(5u, "outer"))
        << "an inner responder gives the boxes back when it ends";
    EXPECT_TRUE(answer_fits_flags(IDOK, MB_ICONERROR) && !answer_fits_flags(IDYES, MB_OKCANCEL)
                && !answer_fits_flags(IDCANCEL, MB_YESNO));
}

// With a guard the stop is an exception carrying the code (the messages test
// catches one); without it the process ends.
TEST(ProgramExit, WithoutAGuardTheProcessEnds)
{
    EXPECT_EXIT(terminate_program(1), testing::ExitedWithCode(1), "");
}
