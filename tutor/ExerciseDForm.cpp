#include "tutor/ExerciseDForm.h"

TExerciseDForm::TExerciseDForm(practice_main_window* main_window, QWidget* parent) : TPracticeForm(main_window, parent)
{
    setObjectName("ExerciseDForm");
}
