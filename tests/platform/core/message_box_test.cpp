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
    EXPECT_EQ(responder.boxes()[0].text, "Delete?");
    EXPECT_EQ(responder.boxes()[0].caption, "Caption");
    EXPECT_EQ(responder.boxes()[2].flags, 36u);
    EXPECT_EQ(responder.last().flags, 16u);
}

TEST(MessageBox, ResponderRestoresThePreviousPresenterWhenItEnds)
{
    scripted_responder outer;
    {
        scripted_responder inner;
        message_box("inner", "", MB_OK);
        EXPECT_EQ(inner.count(), 1u);
    }
    message_box("outer", "", MB_OK);
    ASSERT_EQ(outer.count(), 1u);
    EXPECT_EQ(outer.last().text, "outer");
}

TEST(MessageBox, AnswersMatchTheButtonsOffered)
{
    EXPECT_TRUE(answer_fits_flags(IDOK, MB_OKCANCEL));
    EXPECT_FALSE(answer_fits_flags(IDYES, MB_OKCANCEL));
    EXPECT_FALSE(answer_fits_flags(IDCANCEL, MB_YESNO));
    EXPECT_TRUE(answer_fits_flags(IDOK, MB_ICONERROR));
}

TEST(ProgramExit, GuardTurnsTheStopIntoAnExceptionWithTheCode)
{
    throwing_exit_guard guard;
    try {
        terminate_program(3);
        FAIL() << "terminate_program returned";
    } catch (const program_stopped& stop) {
        EXPECT_EQ(stop.code, 3);
    }
}

TEST(ProgramExit, WithoutAGuardTheProcessEndsWithTheCode)
{
    EXPECT_EXIT(terminate_program(1), testing::ExitedWithCode(1), "");
}
