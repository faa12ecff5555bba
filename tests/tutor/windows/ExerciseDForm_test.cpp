#include "tests/tutor/windows/exercise_form_fixture.h"

#include <QImage>

using namespace foundation;
using namespace tutor::windows;

namespace {

// A pixel of the colour outside the rectangle: where the pupil picks it.
Tinteger_point pixel_of_colour(const platform::image_canvas& canvas, platform::colour_ref colour,
                               const platform::pixel_rect& outside)
{
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) == colour
                && !(x >= outside.left && x <= outside.right && y >= outside.top && y <= outside.bottom))
                return {x, y};
    ADD_FAILURE() << "no pixel of colour " << std::hex << colour;
    return {0, 0};
}

} // namespace

class ColouringFormTest : public ExerciseFormTest {
protected:
    TExerciseDForm& open_colouring(const char* object, bool test_mode = false)
    {
        only(1, 1, object);
        colouring = std::make_unique<TExerciseDForm>(&main_window);
        colouring->set_random_source([](int) { return 0; });
        colouring->init_colouring_exercise(1, 1, test_mode);
        colouring->show();
        return *colouring;
    }
    platform::pixel_rect frame() const { return colouring->regions()->region(1).rectangle; }
    const platform::image_canvas& canvas() { return pupil::client(*colouring).canvas(); }
    // A pixel inside surface k of the picture, on top there and not on a line.
    Tinteger_point inside_surface(int k)
    {
        const platform::pixel_rect f = frame();
        for (int y = f.top; y <= f.bottom; ++y)
            for (int x = f.left; x <= f.right; ++x) {
                if (canvas().pixel(x, y) == platform::black || !colouring->surface_region_of(k).contains(x, y))
                    continue;
                bool on_top = true;
                for (int later = k + 1; later <= colouring->surfaces_to_colour(); ++later)
                    on_top = on_top && !colouring->surface_region_of(later).contains(x, y);
                bool clear_of_lines = true;
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -3; dx <= 3; ++dx)
                        clear_of_lines = clear_of_lines && canvas().pixel(x + dx, y + dy) != platform::black;
                if (on_top && clear_of_lines)
                    return {x, y};
            }
        ADD_FAILURE() << "no free pixel in surface " << k;
        return {0, 0};
    }
    void pick(platform::colour_ref colour) { pupil::click(*colouring, pixel_of_colour(canvas(), colour, frame())); }
};

TEST_F(ColouringFormTest, EverySurfaceColouredFromTheViewsIsJudgedRight)
{
    TExerciseDForm& w = open_colouring("Cube", true);
    EXPECT_FALSE(w.regions_needed()) << "clicks outside the picture pick colours";
    ASSERT_EQ(w.surfaces_to_colour(), 3) << "front, top and side";
    EXPECT_EQ(w.current_colour(), platform::white);
    EXPECT_EQ(answer_to_ready(w), "Incomplete.");
    for (int k = 1; k <= w.surfaces_to_colour(); ++k) {
        pick(w.surface_colour_of(k));
        EXPECT_EQ(w.current_colour(), w.surface_colour_of(k));
        const platform::pixel_rect swatch = w.swatch_rectangle();
        EXPECT_EQ(canvas().pixel(swatch.left + 5, swatch.top + 5), w.current_colour()) << "the swatch shows it";
        const Tinteger_point p = inside_surface(k);
        pupil::click(w, p);
        EXPECT_EQ(canvas().pixel(p.x, p.y), w.surface_colour_of(k)) << "filled";
    }
    EXPECT_EQ(w.entries().size(), 3u);
    EXPECT_EQ(answer_to_ready(w), "Right.");
    EXPECT_EQ(w.count(), 2) << "in test mode the incomplete answer counted too";
    EXPECT_EQ(w.correct(), 1);
    EXPECT_TRUE(w.entries().empty()) << "the next object starts uncoloured";
}

TEST_F(ColouringFormTest, ColouringTwiceKeepsTheSecondEntryAndAWrongColourMadeRightIsRight)
{
    TExerciseDForm& w = open_colouring("Cube");
    const Tinteger_point p = inside_surface(1);
    const Tinteger_point white_spot{frame().right + 2, frame().bottom - 2};
    pupil::click(w, white_spot);
    EXPECT_EQ(w.current_colour(), platform::white);
    pupil::click(w, p);
    ASSERT_EQ(w.entries().size(), 1u);
    EXPECT_FALSE(w.entries()[0].correct);
    EXPECT_FALSE(w.construction_incomplete());
    EXPECT_FALSE(w.construction_OK());
    pick(w.surface_colour_of(1));
    pupil::click(w, p);
    ASSERT_EQ(w.entries().size(), 1u);
    EXPECT_TRUE(w.entries()[0].correct);
    EXPECT_EQ(w.entries()[0].surface, 1);
    EXPECT_TRUE(w.construction_incomplete());
    EXPECT_EQ(answer_to_ready(w), "Incomplete.");
}

TEST_F(ColouringFormTest, AColourDifferingOnlyInTheLowFourBitsCountsAsCorrect)
{
    TExerciseDForm& w = open_colouring("Cube");
    const platform::colour_ref near = w.surface_colour_of(2) ^ 0x0A0B0Cu;
    platform::image_canvas& c = pupil::client(w).canvas();
    const Tinteger_point spot{w.swatch_rectangle().left + 5, w.swatch_rectangle().bottom + 20};
    for (int dy = 0; dy < 4; ++dy)
        for (int dx = 0; dx < 4; ++dx)
            c.set_pixel(spot.x + dx, spot.y + dy, near);
    pupil::click(w, {spot.x + 1, spot.y + 1});
    EXPECT_EQ(w.current_colour(), near);
    pupil::click(w, inside_surface(2));
    ASSERT_EQ(w.entries().size(), 1u);
    EXPECT_TRUE(w.entries()[0].correct);
    const platform::colour_ref off = w.surface_colour_of(2) ^ 0x100000u;
    for (int dy = 0; dy < 4; ++dy)
        for (int dx = 0; dx < 4; ++dx)
            c.set_pixel(spot.x + dx, spot.y + dy, off);
    pupil::click(w, {spot.x + 1, spot.y + 1});
    pupil::click(w, inside_surface(2));
    EXPECT_FALSE(w.entries()[0].correct) << "a high bit differs";
}

TEST_F(ColouringFormTest, ClicksOnALineOrBesideTheObjectInThePictureBeep)
{
    TExerciseDForm& w = open_colouring("Cube");
    const platform::pixel_rect f = frame();
    Tinteger_point line{};
    for (int x = f.left; x <= f.right && line.x == 0; ++x)
        if (canvas().pixel(x, (f.top + f.bottom) / 2) == platform::black)
            line = {x, (f.top + f.bottom) / 2};
    const int beeps = platform::beep_count();
    pupil::click(w, line);
    pupil::click(w, {f.left + 1, f.top + 1});
    EXPECT_EQ(platform::beep_count(), beeps + 2);
    EXPECT_TRUE(w.entries().empty());
    const platform::colour_ref before = w.current_colour();
    pupil::click(w, line) ;
    EXPECT_EQ(w.current_colour(), before);
}

TEST_F(ColouringFormTest, TheSolutionTakesTheSwatchsPlaceAndLocksTheColouring)
{
    TExerciseDForm& w = open_colouring("Cube");
    const platform::pixel_rect swatch = w.swatch_rectangle();
    pupil::press(w, "show_button");
    EXPECT_TRUE(w.solution_shown());
    std::set<platform::colour_ref> seen;
    for (int y = swatch.top; y < swatch.top + 2 * (swatch.right - swatch.left); ++y)
        for (int x = swatch.left; x <= swatch.right; ++x)
            seen.insert(canvas().pixel(x, y));
    for (int k = 1; k <= w.surfaces_to_colour(); ++k)
        EXPECT_TRUE(seen.count(w.surface_colour_of(k))) << "surface " << k << " in its colour";
    const int beeps = platform::beep_count();
    pupil::click(w, inside_surface(1));
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    EXPECT_TRUE(w.entries().empty());
    pupil::press(w, "show_ready_button");
    EXPECT_FALSE(w.solution_shown());
    EXPECT_EQ(canvas().pixel(swatch.left + 5, swatch.top + 5), w.current_colour());
    EXPECT_EQ(w.count(), 1);
    EXPECT_EQ(w.correct(), 0);
}
