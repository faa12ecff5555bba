#pragma once
// The practice window: the base of every exercise window. Here it holds the
// texts of the nine exercises, read when the window is created; running an
// exercise is not part of it yet.

#include "tutor/exercise_texts.h"

#include <QMainWindow>

#include <string>

class TPracticeForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int exercise_count = exercise_texts::exercise_count;

    explicit TPracticeForm(QWidget* parent = nullptr);

    // The caption of exercise k; k outside 1..9 is a programming error and throws std::out_of_range.
    const std::string& get_exercise_title(int k) const;
    // Instruction line 1..3 of exercise k; the same range rule.
    const std::string& get_exercise_instruction(int k, int line) const;

private:
    exercise_texts exercises_;   // read at creation
};
