#include "tutor/PracticeForm.h"

TPracticeForm::TPracticeForm(QWidget* parent) : QMainWindow(parent)
{
}

const std::string& TPracticeForm::get_exercise_title(int k) const
{
    return exercises_.title(k);
}

const std::string& TPracticeForm::get_exercise_instruction(int k, int line) const
{
    return exercises_.instruction(k, line);
}
