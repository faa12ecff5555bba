#pragma once
// The practice window: the base of every exercise window. It runs one
// exercise (1 to 9) at one practice level (1 to 3) in exercise or test mode:
// draws objects from the catalogue's selection for them one after another,
// lets the pupil declare a construction ready or see the solution, counts
// the answers, shows the counts and the exercise's instructions in its
// status bar, and at the end shows the results, asks whether to go on and
// stores a test's result in the pupil's results file.
//
// It judges nothing itself: the exercise windows supply the five judging
// operations; here they only report that they must not be called. It
// reaches the tutor main window through practice_main_window (none when
// the window stands alone; then nothing is asked of a main window).

#include "foundation/date_time.h"
#include "tutor/engine/exercise_texts.h"
#include "tutor/engine/practice_scoring.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QPainter;
class QPushButton;
class QTimer;
namespace platform {
class canvas_widget;
}

namespace tutor::windows {

class practice_main_window;
class practice_status_bar;

class TPracticeForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int exercise_count = tutor::engine::exercise_texts::exercise_count;

    explicit TPracticeForm(practice_main_window* main_window = nullptr, QWidget* parent = nullptr);

    // The caption of exercise k; k outside 1..9 is a programming error and throws std::out_of_range.
    const std::string& get_exercise_title(int k) const;
    // Instruction line 1..3 of exercise k; the same range rule.
    const std::string& get_exercise_instruction(int k, int line) const;

    // Before showing: the exercise (1..9), the level (1..3) and the mode;
    // chooses the objects, resets the counts and tells the guidance.
    void init_before_show(int exercise, int level, bool test_mode);
    // The set-up for exercise `exercise`, served as `variant` of this
    // window; here only init_before_show, the exercise windows run their own.
    virtual void set_up_exercise(int exercise, int variant, int level, bool test_mode);
    void install_first_object();
    // Percent, integer division; windowed: over the last min(n, 30, count) answers.
    int get_score(bool windowed, int n) const;
    // Shows the window modally and returns when it has closed.
    void ShowModal();

    // What the exercise windows supply.
    virtual void install_next_object(int object_number, bool later);
    virtual bool construction_OK();
    virtual bool construction_incomplete();
    virtual void show_wanted_parts();
    virtual void remove_wanted_parts();

    void ready_buttonClick();
    void show_buttonClick();
    void show_ready_buttonClick();
    void previous_exercise_buttonClick();
    void next_exercise_buttonClick();
    void OK_buttonClick();
    void switch_guidance_on_off_menu_itemClick();
    void start_guidance_again_menu_itemClick();
    void exit_program_menu_itemClick();
    // The exercise windows add to what the practice window does when shown and closed.
    virtual void FormShow();
    virtual bool FormCloseQuery();
    virtual void FormClose();
    void StatusBarDrawPanel(QPainter& painter, int panel, const QRect& rect);
    void timer_start_exercise_when_this_one_closedTimer();

    // The three lines of a status panel (0 left, 1 right), without the blank before each.
    std::array<std::string, 3> status_lines(int panel) const;

    int exercise() const { return exercise_; }
    int level() const { return level_; }
    bool test_mode() const { return test_mode_; }
    int count() const { return answers_.count(); }
    int correct() const { return answers_.correct(); }
    bool showing_solution() const { return showing_solution_; }
    const tutor::engine::object_drawer& objects() const { return drawer_; }
    // Tests draw from a script instead of at random.
    void set_random_source(tutor::engine::object_drawer::random_source random);

signals:
    void closed();

protected:
    // The client area: the canvas the exercise windows draw on.
    platform::canvas_widget& client_area() { return *client_; }
    practice_main_window* main_window() const { return main_; }

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void create_menu();
    void create_buttons();
    void place_window();
    void place_buttons();
    void refresh_exercise_buttons();
    void refresh_OK_button();
    void refresh_status_bar();
    void make_default(QPushButton* button);
    void record_answer(bool correct);
    bool ended_by_guidance();
    void install_drawn_object();
    void close_for_guidance(int tag);
    bool ask_end_of_exercise(const std::string& results);
    void report_never_called(const char* operation) const;

    practice_main_window* main_;
    tutor::engine::exercise_texts exercises_;   // read at creation

    platform::canvas_widget* client_;
    practice_status_bar* StatusBar;
    QPushButton* ready_button;
    QPushButton* show_button;
    QPushButton* previous_exercise_button;
    QPushButton* next_exercise_button;
    QPushButton* OK_button;
    QPushButton* show_ready_button;
    std::array<QPushButton*, 6> buttons_;
    QTimer* timer_start_exercise_when_this_one_closed;
    QAction* guidance_menu_item;
    QAction* switch_guidance_on_off_menu_item;
    QAction* start_guidance_again_menu_item;
    QAction* exit_program_menu_item;

    foundation::text_section<foundation::text_names::practice_status> status_texts_;
    foundation::text_section<foundation::text_names::practice_general> general_texts_;
    tutor::engine::closing_texts closing_;
    bool previous_next_allowed_ = false;
    tutor::engine::object_drawer drawer_;
    bool end_of_exercise_messages_ = true;
    int exercise_ = 1;
    int level_ = 1;
    bool test_mode_ = false;
    tutor::engine::answer_counts answers_;
    foundation::Tdate_time start_time_ = 0;
    bool switch_requested_ = false;
    int target_exercise_ = 0;
    bool start_another_ = false;
    bool mode_switch_ = false;
    int next_exercise_ = 0;
    int timer_tag_ = 0;   // the exercise the timer opens
    bool closed_by_guidance_ = false;
    bool showing_solution_ = false;
};

} // namespace tutor::windows
