#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "tests/support/widget_app.h"
#include "tutor/windows/ExerciseDForm.h"

#include <gtest/gtest.h>

TEST(ExerciseTitles, ReadAtCreationAndGuardedByRange)
{
    test_support::widget_app();

    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(
        "$[PRACTICE_CONSTR_CUT_CAPTION]\nCutting\n$[PRACTICE_CONSTR_CUT_INSTR]\none\ntwo\n"
        "$[PRACTICE_ADD_LINE_ISOM_CAPTION]\nAdd lines\n",
        problem));
    TExerciseDForm form;
    text_handler.reset();
    EXPECT_EQ(form.get_exercise_title(9), "Cutting");
    EXPECT_EQ(form.get_exercise_title(4), "Add lines");
    EXPECT_EQ(form.get_exercise_title(1), "") << "a missing caption section reads empty";
    EXPECT_EQ(form.get_exercise_instruction(9, 2), "two");
    EXPECT_EQ(form.get_exercise_instruction(9, 3), "");
    EXPECT_THROW(form.get_exercise_title(0), std::out_of_range);
    EXPECT_THROW(form.get_exercise_title(10), std::out_of_range);
    EXPECT_THROW(form.get_exercise_instruction(1, 4), std::out_of_range);
    EXPECT_FALSE(form.isVisible());
}
