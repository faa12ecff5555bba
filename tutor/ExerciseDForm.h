#pragma once
// The colouring exercise's window. The program creates it hidden at start-up
// so the exercise titles are at hand; the exercise itself is not built yet.

#include "tutor/PracticeForm.h"

class TExerciseDForm : public TPracticeForm {
    Q_OBJECT
public:
    explicit TExerciseDForm(practice_main_window* main_window = nullptr, QWidget* parent = nullptr);
};
