#pragma once
// The colouring exercise's window (exercise 1). The object stands in the
// oblique frame with its surfaces outlined and uncoloured, and in three
// normal views in its colours; the pupil picks a colour by clicking outside
// the frame (in a view, say) and colours a surface of the picture by
// clicking it. The program creates this window hidden at start-up, so the
// exercise titles are at hand.

#include "geometry/model/picture.h"
#include "platform/core/polygon_fill.h"
#include "tutor/windows/ExerciseForm.h"

#include <array>
#include <memory>
#include <span>

namespace tutor::windows {

class TExerciseDForm : public TExerciseForm {
    Q_OBJECT
public:
    static constexpr int max_coloured_surfaces = 25;

    struct Tcolouring_entry {
        foundation::Tinteger_point point{};   // where the pupil clicked
        platform::colour_ref colour = 0;
        int surface = 0;          // drawn surface, from 1
        bool correct = false;
    };

    explicit TExerciseDForm(practice_main_window* main_window = nullptr, QWidget* parent = nullptr);
    ~TExerciseDForm() override;

    void init_colouring_exercise(int exercise, int level, bool test_mode);
    void set_up_exercise(int exercise, int variant, int level, bool test_mode) override;

    void install_next_object(int object_number, bool later) override;
    bool construction_OK() override;
    bool construction_incomplete() override;
    void show_wanted_parts() override;
    void remove_wanted_parts() override;
    void paint_objects(platform::Canvas& canvas) override;
    void handle_point(int region, foundation::Tinteger_point point) override;
    void FormClose() override;

    platform::colour_ref current_colour() const { return current_colour_; }
    int surfaces_to_colour() const { return surface_count_; }
    std::span<const Tcolouring_entry> entries() const { return {entries_.data(), std::size_t(entry_count_)}; }
    // Drawn surface k, from 1: its region on the window and its colour.
    const platform::polygon_region& surface_region_of(int k) const;
    platform::colour_ref surface_colour_of(int k) const;
    const geometry::model::Tpicture& picture() const { return picture_; }
    // Where the current colour is shown; the solution takes its place.
    platform::pixel_rect swatch_rectangle() const;
    bool solution_shown() const { return solution_views_ != nullptr; }

protected:
    void prepare_object() override;

private:
    void make_surface_regions();
    int surface_at(foundation::Tinteger_point point) const;
    bool colour_surface(int surface, foundation::Tinteger_point point);
    void fill_entry(platform::Canvas& canvas, const Tcolouring_entry& entry);
    void draw_swatch(platform::Canvas& canvas, bool erase);
    void draw_solution(platform::Canvas& canvas);

    geometry::model::Tpicture picture_;
    platform::colour_ref current_colour_ = platform::white;
    int surface_count_ = 0;
    std::array<platform::polygon_region, max_coloured_surfaces> surface_regions_;
    std::array<platform::colour_ref, max_coloured_surfaces> surface_colours_{};
    int entry_count_ = 0;
    std::array<Tcolouring_entry, max_coloured_surfaces> entries_{};
    std::unique_ptr<geometry::drawing::Tviews> solution_views_;
};

} // namespace tutor::windows
