#pragma once
// The exercise window of the drawing exercises: a practice window with the
// tool palette, the drawing areas and the projections of the object. One
// window serves a group of exercises: the indicate exercises 2 and 3, the
// add-line exercises 4 and 5, or the construction exercises 6 to 9; its
// set-up prepares it for one of them, and the practice window then installs
// objects one after another.
//
// Each exercise shows some projections for reference and has the pupil
// work in up to three others, the drawing areas. Per area the window keeps
// the drawing the projection shows when complete, what is shown to start
// with, the items the exercise wants and those the pupil has made, and the
// points clicks snap to. Clicks with a line tool join snapped points into
// lines (clicking the last point again ends a run of lines), with the
// surface tool they go round a surface's corners back to the first, and
// with the rubber they take away the line, point or surface under them.

#include "geometry/drawing/views.h"
#include "tutor/windows/PracticeForm.h"
#include "tutor/engine/exercise_drawings.h"

#include <QCursor>

#include <array>
#include <memory>
#include <optional>

class QKeyEvent;

namespace tutor::windows {

class TExerciseControls;
class Tregions;

enum class exercise_kind { none, colouring, indicate, add_line, construction };

// One projection the pupil works in.
struct Tconstruction_area {
    int projection = tutor::engine::oblique_projection;
    geometry::model::Tscreen_drawing wanted_drawing;   // the projection complete
    geometry::model::Tscreen_drawing given_drawing;    // what it shows to start with
    tutor::engine::Tconstruction_record record;
    tutor::engine::Tattractors attractors;
};

class TExerciseForm : public TPracticeForm {
    Q_OBJECT
public:
    static constexpr int max_areas = 3;

    explicit TExerciseForm(practice_main_window* main_window = nullptr, QWidget* parent = nullptr);
    ~TExerciseForm() override;

    // Exercises 2 and 3 as modes 1 and 2: the marked edge drawn in the
    // picture, or in each of the three views.
    void init_indicate_exercise(int exercise, int mode, int level, bool test_mode);
    // Exercises 4 and 5 as modes 1 and 2: lines taken out of the picture,
    // or out of the three views, drawn back.
    void init_add_line_exercise(int exercise, int mode, int level, bool test_mode);
    // Exercises 6 to 9 as modes 1 to 4: a missing one of three views, a
    // missing one of six, all three views, the front view as a section.
    void init_construction_exercise(int exercise, int mode, int level, bool test_mode);

    // The set-up of the exercise's group (exercise_windows.h) with the variant as its mode.
    void set_up_exercise(int exercise, int variant, int level, bool test_mode) override;

    void install_next_object(int object_number, bool later) override;
    bool construction_OK() override;
    bool construction_incomplete() override;
    void show_wanted_parts() override;
    void remove_wanted_parts() override;

    void FormShow() override;
    bool FormCloseQuery() override;
    void FormPaint(platform::Canvas& canvas);
    virtual void paint_objects(platform::Canvas& canvas);
    void FormKeyDown(int key);
    void FormMouseMove(foundation::Tinteger_point point);
    // fine: the pupil asks for the nearer snapping (Shift held).
    void FormMouseDown(Qt::MouseButton button, foundation::Tinteger_point point, bool fine);
    // A click in drawing area `region`, 0 for a click outside them all.
    virtual void handle_point(int region, foundation::Tinteger_point point);

    bool snap_to_attractor(foundation::Tinteger_point point, bool fine, const tutor::engine::Tattractors& attractors, foundation::Tinteger_point& snapped);
    // Drawing area 1..area_count: view_wrong, view_incomplete or view_right.
    int judge_view(int view) const;

    exercise_kind kind() const { return kind_; }
    int mode() const { return mode_; }
    int area_count() const { return area_count_; }
    // Area 1..area_count; another number throws std::out_of_range.
    const Tconstruction_area& area(int k) const;
    const geometry::model::Tsolid& solid() const { return solid_; }
    const geometry::drawing::Tviews& views() const { return views_; }
    TExerciseControls& palette() { return *palette_; }
    // Null until the first set-up.
    Tregions* regions() { return regions_.get(); }
    bool regions_needed() const { return regions_needed_; }
    // Tests choose instead of chance: the marked edge, the missing view, the lines taken out.
    void set_choice_source(tutor::engine::Tchoice choose) { choose_ = std::move(choose); }

protected:
    struct Tsetup {
        exercise_kind kind = exercise_kind::none;
        int mode = 0;
        int tool_set = 0;
        int initial_tool = 0;
        int areas = 0;
        int regions = 0;
        bool regions_needed = true;
    };
    void begin_setup(int exercise, int level, bool test_mode, const Tsetup& setup);
    // What the pupil is shown and works in, once the window is laid out and an object installed.
    virtual void prepare_object();
    // The views and the palette placed in the client area.
    void lay_out_window();
    // The whole picture drawn anew, the feedback of the regions taken back first.
    void repaint_construction();
    // The rectangle of the oblique frame or of a view's cell, edges included.
    platform::pixel_rect projection_rectangle(int projection) const;
    tutor::engine::Tprojection_place place_of(int projection) const;
    // Where the colouring window puts its swatch and its solution: the
    // column beside the views, below the palette.
    foundation::Tinteger_point column_origin() const { return column_origin_; }
    int column_width() const { return column_width_; }
    bool laid_out() const { return laid_out_; }
    geometry::model::Tsolid& current_solid() { return solid_; }
    geometry::drawing::Tviews& window_views() { return views_; }
    std::array<platform::colour_ref, 3> colours() const { return colours_; }

    void keyPressEvent(QKeyEvent* event) override;

private:
    void prepare_installed_object();
    int choose(int n) const;
    void choose_tool();
    void tool_changed(int previous_tool);
    void plan_projections();
    void prepare_area(Tconstruction_area& area, int region);
    void paint_references(platform::Canvas& canvas);
    void paint_area(platform::Canvas& canvas, const Tconstruction_area& area);
    void paint_items(platform::Canvas& canvas, const tutor::engine::Tconstruction_items& items, platform::colour_ref colour);
    void paint_pending(platform::Canvas& canvas);
    void line_point(int region, foundation::Tinteger_point point, int tool);
    void surface_corner(int region, foundation::Tinteger_point point);
    void rub_out(int region, foundation::Tinteger_point point);
    bool continues_pending(int region, foundation::Tinteger_point point, foundation::Tinteger_point& snapped);
    void start_pending(int region, foundation::Tinteger_point point);
    void end_pending();
    void arm_band();
    tutor::engine::Tconstruction_items& pupil_items(int region);
    bool cut_exercise() const { return kind_ == exercise_kind::construction && mode_ == 4; }
    bool six_view_layout() const { return kind_ == exercise_kind::construction && mode_ == 2; }

    std::unique_ptr<TExerciseControls> palette_;
    std::unique_ptr<Tregions> regions_;
    geometry::drawing::Tviews views_;
    std::array<platform::colour_ref, 3> colours_;   // black, blue, red
    bool american_ = true;
    std::array<int, geometry::model::view_count> view_order_{0, 1, 2, 3, 4, 5};
    exercise_kind kind_ = exercise_kind::none;
    int mode_ = 0;
    int tool_set_ = 0;
    int initial_tool_ = 0;
    int current_tool_ = 0;
    bool regions_needed_ = true;
    int area_count_ = 0;
    std::array<Tconstruction_area, max_areas> areas_;
    std::optional<QCursor> saved_cursor_;
    tutor::engine::Tchoice choose_;

    geometry::model::Tsolid solid_;
    bool object_installed_ = false;
    int missing_choice_ = 0;   // which view of the layout the pupil constructs
    bool laid_out_ = false;
    bool solution_painted_ = false;
    long double usual_view_scale_ = 0;    // as the layout makes them
    long double usual_frame_scale_ = 0;
    foundation::Tinteger_point column_origin_{};
    int column_width_ = 0;

    // What is shown besides the drawing areas.
    bool reference_frame_ = false;
    std::array<bool, geometry::model::view_count> reference_views_{};

    // A run of lines or a surface's corners being clicked: its drawing area (0 none) and points.
    int pending_region_ = 0;
    std::array<foundation::Tinteger_point, tutor::engine::max_surface_corners> pending_points_{};
    int pending_count_ = 0;
    bool pending_drew_line_ = false;
    bool fine_ = false;
};

} // namespace tutor::windows
