#pragma once
// The tutor main window, the pupil's workbench: the chosen solid in an
// oblique projection, in normal projections or both, turned by quarter
// turns, with the display options; and the tutor's menus (pupil, printing,
// theory chapters, the nine exercises in exercise or test mode at three
// practice levels, results, guidance, about).
//
// Its creation loads the object catalogue that every exercise draws from;
// the students manager creates it hidden and never shows it. Shown (in the
// tutor) it starts the pupil's login through its timer, and from then on its
// timer runs the guidance driver whenever a practice window hands control
// back. The windows serving the exercises and the results window are the
// ones the application object hands it in wire_windows.

#include "foundation/texts.h"
#include "geometry/model/solid.h"
#include "geometry/model/things.h"
#include "geometry/drawing/views.h"
#include "tutor/windows/practice_main_window.h"
#include "tutor/engine/workbench_rules.h"
#include "tutor/engine/workbench_settings.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
namespace geometry::model { struct Tworkbench_layout; }
namespace tutor::engine { class Tguidance_driver; }
namespace platform {
class Canvas;
class canvas_widget;
}

namespace tutor::windows {

class TBackGroundScreen;
class TPupilLoginDialog;
class TTheoryForm;
class exercise_windows;
class pupil_results_window;

class TMainForm : public QMainWindow, public practice_main_window {
    Q_OBJECT
public:
    static constexpr int login_timer_tag = 1;
    static constexpr int theory_text_count = static_cast<int>(foundation::text_names::user_theory_menus::last);
    static constexpr int exercise_count = 9;

    // The guidance driver is made for the global guidance when there is one.
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The windows it opens, created after it; a menu item whose window is
    // missing opens nothing.
    struct wired_windows {
        exercise_windows* exercises = nullptr;
        pupil_results_window* results = nullptr;
    };
    void wire_windows(const wired_windows& windows);

    // What the practice windows and the guidance driver use.
    bool is_enabled() const override;
    QRect window_rect() const override;
    void start_wait_until_ready_timer(int tag) override;
    std::string guidance_menu_caption() const override;
    std::string switch_guidance_caption() const override;
    std::string start_guidance_again_caption() const override;
    // Theory chapter 1..14: 1 perspective, 2 isometric, 3 normal projection,
    // 4 hidden lines, 5 to 14 the additional chapters 1 to 10.
    void click_theory_menu_item(int chapter) override;
    void click_exercise_menu_item(int exercise) override;
    void set_test_mode(bool test) override;
    void set_practice_level(int level) override;
    void update_switch_guidance_caption() override;
    void close_by_guidance() override;

    // Event operations.
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormResize();
    // The projections shown, in a drawing area of width w and height h
    // from the canvas's top left; nothing is cleared first.
    void FormPaint(platform::Canvas& canvas, int w, int h);
    void wait_until_ready_timerTimer();
    void projections_radio_groupClick();
    void object_class_comboboxChange();
    void object_choice_listboxClick();
    void rotation_buttonClick(tutor::engine::rotation_button button);
    void pupil_menu_itemClick();
    void change_password_menu_itemClick();
    void settings_menu_itemClick();
    void print_menu_itemClick();
    void printer_settings_menu_itemClick();
    void results_menu_itemClick();
    void switch_guidance_on_off_menu_itemClick();
    void start_guidance_again_menu_itemClick();
    void about_menu_itemClick();

    bool test_mode() const { return test_mode_; }
    int practice_level() const { return practice_level_; }
    bool oblique_shown() const { return oblique_shown_; }
    bool normal_shown() const { return normal_shown_; }
    const geometry::model::TThingCatCollection& catalogue() const { return catalogue_; }
    const geometry::model::Tsolid& solid() const { return solid_; }
    int timer_tag() const { return timer_tag_; }
    // The options as the view settings strings hold them.
    tutor::engine::oblique_view_settings oblique_options() const;
    tutor::engine::normal_view_settings normal_options() const;
    // Where the projections are drawn on the screen: left of the rotation
    // buttons and above the option controls.
    int drawing_width() const;
    int drawing_height() const;
    const geometry::drawing::Tviews& views() const { return views_; }
    // Whether the chosen object's name is written beside its projections;
    // the tutor's settings would switch it, so it is off.
    void set_show_object_names(bool show);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void create_menus();
    QMenu* add_menu(const char* name, foundation::text_names::main_menus entry);
    QAction* add_item(QMenu* menu, const char* name, const std::string& caption);
    void create_file_and_theory_menus();
    void create_practice_menu();
    void create_guidance_and_help_menus();
    void create_status_bar();
    void create_workbench();
    void create_projections_group();
    void create_oblique_group();
    void create_normal_group();
    void create_select_object_group();
    void create_rotation_panel();
    // The four boxes side by side along the foot of the client area.
    std::array<QWidget*, 4> option_boxes() const;
    void load_catalogue();
    void apply_view_settings();
    void fill_object_classes();
    void enable_option_groups();
    void place_controls();
    void repaint_projections();
    void write_object_name(platform::Canvas& canvas, const geometry::model::Tworkbench_layout& layout, bool six, bool american);
    void theory_menu_itemClick(int chapter);
    void exercise_menu_itemClick(int exercise);
    void logged_in();
    std::string menu_text(foundation::text_names::main_menus entry) const;
    std::string menu_text(foundation::text_names::main_menus first, int offset) const;

    foundation::text_section<foundation::text_names::main_menus> menu_texts_;
    foundation::text_section<foundation::text_names::user_theory_menus> theory_texts_;
    geometry::drawing::Tviews views_;
    bool show_object_names_ = false;
    bool keep_maximised_ = false;
    geometry::model::TThingCatCollection catalogue_;
    geometry::model::Tsolid solid_{};
    bool oblique_shown_ = false;
    bool normal_shown_ = false;
    bool test_mode_ = false;
    int practice_level_ = 1;
    bool closed_by_guidance_ = false;
    int last_width_ = 0;
    int last_height_ = 0;
    int timer_tag_ = 0;
    wired_windows windows_;
    std::unique_ptr<tutor::engine::Tguidance_driver> driver_;
    std::unique_ptr<TBackGroundScreen> background_screen_;
    TPupilLoginDialog* login_dialog_ = nullptr;
    TTheoryForm* theory_form_ = nullptr;

    platform::canvas_widget* client_ = nullptr;
    std::array<QLabel*, 2> status_panels_{};
    QGroupBox* projections_radio_group = nullptr;
    QButtonGroup* projections_items_ = nullptr;
    QGroupBox* oblique_projection_groupbox = nullptr;
    QRadioButton* perspectivic_radio_button = nullptr;
    QRadioButton* isometric_radio_button = nullptr;
    QCheckBox* hidden_lines_checkbox = nullptr;
    QCheckBox* oblique_colors_checkbox = nullptr;
    QCheckBox* cut_checkbox = nullptr;
    QGroupBox* normal_projection_groupbox = nullptr;
    QRadioButton* american_method_radio_button = nullptr;
    QRadioButton* european_method_radio_button = nullptr;
    QLabel* label_number_of_views = nullptr;
    QRadioButton* normal_3_views_radio_button = nullptr;
    QRadioButton* normal_6_views_radio_button = nullptr;
    QCheckBox* normal_colors_checkbox = nullptr;
    QCheckBox* view_indications_checkbox = nullptr;
    QGroupBox* select_object_groupbox = nullptr;
    QLabel* label_object_class = nullptr;
    QComboBox* object_class_combobox = nullptr;
    QLabel* label_object = nullptr;
    QListWidget* object_choice_listbox = nullptr;
    QFrame* panel_rotation_buttons = nullptr;
    QTimer* wait_until_ready_timer = nullptr;

    QAction* guidance_menu_item = nullptr;
    QAction* switch_guidance_on_off_menu_item = nullptr;
    QAction* start_guidance_again_menu_item = nullptr;
    QAction* exercise_mode_menu_item = nullptr;
    QAction* test_mode_menu_item = nullptr;
    std::array<QAction*, 3> practice_level_menu_items_{};
    std::array<QAction*, 14> theory_menu_items_{};
    std::array<QAction*, exercise_count> exercise_menu_items_{};
};

} // namespace tutor::windows
