#include "tests/tutor/windows/tutor_windows_fixture.h"
#include "tutor/windows/Regions.h"

#include <algorithm>
#include <bitset>

using namespace foundation::widgets;
using namespace student_files;
using namespace geometry::drawing;

using namespace foundation;
using namespace geometry::model;
using namespace tutor::engine;
using namespace tutor::windows;

namespace {

int pixels_of(const QImage& image, const platform::pixel_rect& r, QRgb colour)
{
    int n = 0;
    for (int y = r.top; y <= r.bottom; ++y)
        for (int x = r.left; x <= r.right; ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

const QRgb blue_pixel = qRgb(0, 0, 255), red_pixel = qRgb(255, 0, 0);

bool attracts(const Tattractors& a, Tinteger_point p)
{
    return std::any_of(a.points.begin(), a.points.begin() + a.count, [p](Tinteger_point q) { return points_equal(p, q); });
}

// The exercise's window set up in the mode.
void start_exercise(TExerciseForm& f, int exercise, int mode)
{
    if (exercise <= 3)
        f.init_indicate_exercise(exercise, mode, 1, false);
    else if (exercise <= 5)
        f.init_add_line_exercise(exercise, mode, 1, false);
    else
        f.init_construction_exercise(exercise, mode, 1, false);
}

// A line not wanted in the first view: the first wanted line in the other
// kind or, where there is one kind only, to another point of the picture.
Tconstruction_line wrong_line(TExerciseForm& w)
{
    Tconstruction_line wrong = w.area(1).record.wanted.lines[0];
    wrong.kind = wrong.kind == solid_kind ? dashed_kind : solid_kind;
    if (w.kind() != exercise_kind::indicate)
        return wrong;
    wrong.kind = solid_kind;
    const Tattractors& a = w.area(1).attractors;
    for (int i = 0; i < a.count; ++i)
        if (const Tinteger_point p = a.points[static_cast<std::size_t>(i)];
            !points_equal(p, wrong.from) && !points_equal(p, wrong.to))
            wrong.to = p;
    return wrong;
}

} // namespace

// Each kind of drawing exercise done by mouse: incomplete before; a line
// not wanted (where the exercise takes any) is wrong and rubbed out; what is
// wanted is drawn in blue and right.
TEST_F(ExerciseFormTest, WhatIsWantedDrawnByMouseIsJudgedRight)
{
    const std::tuple<int, int, const char*, bool> cases[] = {{2, 1, "Triangular prism", true},
                                                             {3, 2, "L-shaped block", false},
                                                             {5, 2, "Block", true},
                                                             {8, 3, "Block", true},
                                                             {9, 4, "L-shaped block", true}};
    for (const auto& [exercise, mode, object, any_line] : cases) {
        only(exercise, 1, object);
        TExerciseForm& w = open([e = exercise, m = mode](TExerciseForm& f) { start_exercise(f, e, m); });
        EXPECT_EQ(answer_to_ready(w), "Incomplete.") << exercise;
        if (any_line) {
            const Tconstruction_line wrong = wrong_line(w);
            pupil::draw_line(w, wrong);
            EXPECT_EQ(w.judge_view(1), view_wrong) << exercise;
            pupil::choose_tool(w, rubout_tool);
            const int beeps = platform::beep_count();
            for (int twice = 0; twice < 2; ++twice)
                pupil::click(w, {(wrong.from.x + wrong.to.x) / 2, (wrong.from.y + wrong.to.y) / 2});
            EXPECT_EQ(platform::beep_count(), beeps + 1) << "nothing left there to rub out";
        }
        for (int k = 1; k <= w.area_count(); ++k)
            pupil::draw_wanted(w, k);
        const platform::pixel_rect cell = w.regions()->region(1).rectangle;
        EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), cell, blue_pixel), 20) << exercise;
        EXPECT_EQ(answer_to_ready(w), "Right.") << exercise;
        EXPECT_EQ(w.area(1).record.pupil.line_count + w.area(1).record.pupil.point_count, 0);   // the next object
    }
}

// In test mode; Esc then closes through the close query.
TEST_F(ExerciseFormTest, OneViewWrongAndAnotherIncompleteIsJudgedWrong)
{
    only(8, 1, "Block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(8, 3, 1, true); });
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(w.regions()->region(k).rectangle.left, w.views().view_x[static_cast<std::size_t>(w.area(k).projection)]);
    pupil::draw_line(w, w.area(2).record.wanted.lines[0]);
    EXPECT_EQ(w.judge_view(2), view_incomplete);
    pupil::draw_line(w, wrong_line(w));
    EXPECT_EQ(answer_to_ready(w), "Wrong.");
    responder.answer_next(platform::IDCANCEL);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    responder.answer_next(platform::IDNO);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ExerciseFormTest, TheSolutionShowsTheWantedLinesInRedAndLocksTheDrawing)
{
    only(8, 1, "Block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(8, 3, 1, false); });
    const platform::pixel_rect cell = w.regions()->region(1).rectangle;
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red_pixel), 0);
    pupil::press(w, "show_button");
    EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), cell, red_pixel), 50);
    const Tconstruction_line line = w.area(1).record.wanted.lines[0];
    const int beeps = platform::beep_count();
    pupil::click(w, line.from);
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    EXPECT_EQ(w.area(1).record.pupil.line_count, 0);
    pupil::press(w, "show_ready_button");
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red_pixel), 0) << "gone with the next object";
}

TEST_F(ExerciseFormTest, TheRubberBandRunsFromTheLastPointAndAChangeOfLineToolKeepsTheRun)
{
    only(9, 1, "L-shaped block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(9, 4, 1, false); });
    const Tconstruction_line line = w.area(1).record.wanted.lines[0];
    const platform::pixel_rect cell = w.regions()->region(1).rectangle;
    pupil::click(w, line.from);
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red_pixel), 0);
    pupil::choose_tool(w, dashed_line_tool);
    EXPECT_FALSE(w.regions()->region(1).band_solid);
    pupil::click(w, line.to);
    ASSERT_EQ(w.area(1).record.pupil.line_count, 1);   // the run went on with the dashed tool
    EXPECT_EQ(w.area(1).record.pupil.lines[0].kind, dashed_kind);

    QTest::mouseMove(&pupil::client(w), QPoint(line.from.x, line.from.y));
    QCoreApplication::processEvents();
    EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), cell, red_pixel), 5);
    pupil::choose_tool(w, surface_tool);
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red_pixel), 0) << "the surface tool takes the band away";
    EXPECT_FALSE(w.regions()->region(1).band_on);
}

// Every exercise on every sample object it may use, by either method:
// something is wanted, every point of it can be clicked, and its lines drawn
// in another order make the wanted lines.
TEST_F(ExerciseFormTest, EveryDrawingExerciseCanBeDoneOnEverySampleObject)
{
    const std::pair<int, int> setups[] = {{2, 1}, {3, 2}, {4, 1}, {5, 2}, {6, 1}, {7, 2}, {8, 3}, {9, 4}, {6, 0}, {8, 0}};
    for (const auto& [exercise, variant] : setups) {
        set_projection_convention(variant == 0);   // 0: the exercise's first mode, by the European method
        const int mode = variant == 0 ? 1 : variant;
        TExerciseForm& w = open([e = exercise, m = mode](TExerciseForm& f) { start_exercise(f, e, m); });
        std::bitset<256> used;
        for (int level = 1; level <= practice_levels; ++level)
            used |= exercise_object_table[static_cast<std::size_t>(exercise_group(exercise))][static_cast<std::size_t>(level)].objects;
        for (int n = 0; n <= last_object_number; ++n) {
            if (!used.test(static_cast<std::size_t>(n)))
                continue;
            w.install_next_object(n, true);
            for (int k = 1; k <= w.area_count(); ++k) {
                const Tconstruction_record& r = w.area(k).record;
                const std::string where = std::to_string(exercise) + "/" + std::to_string(n) + "/" + std::to_string(k);
                EXPECT_GT(r.wanted.line_count + r.wanted.point_count, 0) << where;
                EXPECT_EQ(r.wanted.surface_count > 0, exercise == 9) << where;
                for (const Tconstruction_line& l : r.wanted.line_list()) {
                    EXPECT_TRUE(attracts(w.area(k).attractors, l.from) && attracts(w.area(k).attractors, l.to)) << where;
                    EXPECT_TRUE(exercise != 9 || l.kind == solid_kind) << where;   // a section shows no hidden lines
                }
                for (const Tconstruction_surface& c : r.wanted.surface_list())
                    for (int i = 0; i < c.corner_count; ++i)
                        EXPECT_TRUE(attracts(w.area(k).attractors, c.corners[static_cast<std::size_t>(i)])) << where;
                Tconstruction_items pupil;
                for (int i = r.wanted.line_count - 1; i >= 0; --i)
                    add_construction_line(pupil, r.wanted.lines[static_cast<std::size_t>(i)]);
                std::tie(pupil.points, pupil.point_count, pupil.surfaces, pupil.surface_count) =
                    std::tie(r.wanted.points, r.wanted.point_count, r.wanted.surfaces, r.wanted.surface_count);
                EXPECT_EQ(judge_items(r.wanted, pupil, true), view_right) << where;
            }
        }
    }
}

