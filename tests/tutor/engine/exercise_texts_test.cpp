#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "tutor/engine/exercise_texts.h"

#include <gtest/gtest.h>

using namespace foundation;
using namespace tutor::engine;

TEST(ExerciseTexts, ReadWithoutWidgetsAndEmptyWithoutATextFile)
{
    text_handler.reset();
    const exercise_texts none;
    for (int k = 1; k <= exercise_texts::exercise_count; ++k)
        EXPECT_EQ(none.title(k), "");

    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text(
        "$[PRACTICE_COLORING_CAPTION]\nColouring\n$[PRACTICE_CONSTR_TECH_PROJ_INSTR]\na\nb\nc\n", problem));
    const exercise_texts texts;
    text_handler.reset();
    EXPECT_EQ(texts.title(1), "Colouring");
    EXPECT_EQ(texts.instruction(8, 3), "c");
    EXPECT_EQ(texts.title(8), "");
    EXPECT_THROW(texts.instruction(8, 0), std::out_of_range);
    EXPECT_THROW(texts.title(-1), std::out_of_range);
}
