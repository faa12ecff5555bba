#include "tutor/ExerciseDForm.h"

TExerciseDForm::TExerciseDForm(QWidget* parent) : TPracticeForm(parent)
{
    setObjectName("ExerciseDForm");
}
