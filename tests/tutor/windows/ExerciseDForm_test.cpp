#include "tests/tutor/windows/tutor_windows_fixture.h"
#include "tutor/windows/Regions.h"

using namespace foundation::widgets;
using namespace foundation;
using namespace student_files;
using namespace geometry::model;
using namespace geometry::drawing;
using namespace tutor::engine;
using namespace tutor::windows;

class ColouringFormTest : public ExerciseFormTest {
protected:
    TExerciseDForm& open_colouring(bool test_mode = false)
    {
        only(1, 1, "Cube");
        colouring = std::make_unique<TExerciseDForm>(&main_window);
        colouring->set_random_source([](int) { return 0; });
        colouring->init_colouring_exercise(1, 1, test_mode);
        colouring->show();
        return *colouring;
    }
    platform::pixel_rect frame() const { return colouring->regions()->region(1).rectangle; }
    const platform::image_canvas& canvas() { return pupil::client(*colouring).canvas(); }
    // The first pixel where the condition holds, inside the frame or outside it.
    template <class Holds>
    Tinteger_point first_pixel(bool in_frame, Holds&& holds)
    {
        const platform::pixel_rect f = frame();
        for (int y = 3; y < canvas().height() - 3; ++y)
            for (int x = 3; x < canvas().width() - 3; ++x)
                if ((x >= f.left && x <= f.right && y >= f.top && y <= f.bottom) == in_frame && holds(x, y))
                    return {x, y};
        ADD_FAILURE() << "no such pixel";
        return {0, 0};
    }
    // A pixel inside surface k of the picture, on top there and not near a line.
    Tinteger_point inside_surface(int k)
    {
        return first_pixel(true, [&](int x, int y) {
            bool free = colouring->surface_region_of(k).contains(x, y);
            for (int later = k + 1; later <= colouring->surfaces_to_colour(); ++later)
                free = free && !colouring->surface_region_of(later).contains(x, y);
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx)
                    free = free && canvas().pixel(x + dx, y + dy) != platform::black;
            return free;
        });
    }
    // The colour picked where the pupil sees it, outside the picture.
    void pick(platform::colour_ref colour)
    {
        pupil::click(*colouring, first_pixel(false, [&](int x, int y) { return canvas().pixel(x, y) == colour; }));
    }
};

TEST_F(ColouringFormTest, AWrongColourMadeRightIsRightNearlyRightCountsAndClicksBesideBeep)
{
    TExerciseDForm& w = open_colouring();
    const Tinteger_point p = inside_surface(1);
    pupil::click(w, {frame().right + 2, frame().bottom - 2});   // white
    pupil::click(w, p);
    ASSERT_EQ(w.entries().size(), 1u);
    EXPECT_FALSE(w.entries()[0].correct || w.construction_incomplete() || w.construction_OK());
    pick(w.surface_colour_of(1));
    pupil::click(w, p);
    ASSERT_EQ(w.entries().size(), 1u);
    EXPECT_TRUE(w.entries()[0].correct && w.construction_incomplete());
    // A colour differing only in the low four bits counts as correct.
    const Tinteger_point spot{w.swatch_rectangle().left + 5, w.swatch_rectangle().bottom + 20};
    for (const auto& [difference, correct] : {std::pair{0x0A0B0Cu, true}, std::pair{0x100000u, false}}) {
        pupil::client(w).canvas().set_pixel(spot.x, spot.y, w.surface_colour_of(2) ^ difference);
        pupil::click(w, spot);
        pupil::click(w, inside_surface(2));
        ASSERT_EQ(w.entries().size(), 2u);
        EXPECT_EQ(w.entries()[1].correct, correct) << difference;
    }
}

// In test mode every surface coloured from the views is judged right; in
// exercise mode the solution locks the colouring.
TEST_F(ColouringFormTest, EverySurfaceColouredIsRightAndTheSolutionLocksTheColouring)
{
    TExerciseDForm& t = open_colouring(true);
    ASSERT_EQ(t.surfaces_to_colour(), 3);   // front, top and side
    EXPECT_EQ(answer_to_ready(t), "Incomplete.");
    for (int k = 1; k <= t.surfaces_to_colour(); ++k) {
        pick(t.surface_colour_of(k));
        const platform::pixel_rect swatch = t.swatch_rectangle();
        EXPECT_EQ(canvas().pixel(swatch.left + 5, swatch.top + 5), t.surface_colour_of(k));   // the swatch shows it
        const Tinteger_point p = inside_surface(k);
        pupil::click(t, p);
        EXPECT_EQ(canvas().pixel(p.x, p.y), t.surface_colour_of(k));
    }
    EXPECT_EQ(answer_to_ready(t), "Right.");
    EXPECT_EQ(std::tuple(t.count(), t.correct(), t.entries().size()), std::tuple(2, 1, 0u));
    TExerciseDForm& w = open_colouring();
    const platform::pixel_rect swatch = w.swatch_rectangle();
    pupil::press(w, "show_button");
    const int beeps = platform::beep_count();
    pupil::click(w, inside_surface(1));
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    pupil::press(w, "show_ready_button");
    EXPECT_EQ(canvas().pixel(swatch.left + 5, swatch.top + 5), w.current_colour());
    EXPECT_EQ(std::tuple(w.count(), w.correct(), w.entries().size()), std::tuple(1, 0, 0u));
}
