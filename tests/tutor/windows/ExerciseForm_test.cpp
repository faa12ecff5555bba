#include "tests/tutor/windows/exercise_form_fixture.h"

#include <QCursor>
#include <QImage>

#include <algorithm>
#include <bitset>

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

const QRgb blue_pixel = qRgb(0, 0, 255);

bool attracts(const Tattractors& a, Tinteger_point p)
{
    return std::any_of(a.points.begin(), a.points.begin() + a.count, [p](Tinteger_point q) { return points_equal(p, q); });
}

} // namespace

TEST_F(ExerciseFormTest, TheMarkedEdgeIndicatedInEachOfTheThreeViewsIsJudgedRight)
{
    only(3, 1, "L-shaped block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_indicate_exercise(3, 2, 1, false); });
    EXPECT_EQ(w.windowTitle(), "");
    ASSERT_EQ(w.area_count(), 3);
    EXPECT_TRUE(w.solid().edge_marked);
    EXPECT_TRUE(w.palette().tool_of(1).available);
    EXPECT_FALSE(w.palette().tool_of(2).available) << "indicating takes the solid line and the rubber only";
    EXPECT_TRUE(w.palette().tool_of(4).available);
    EXPECT_EQ(w.palette().current_tool(), solid_line_tool);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(w.area(k).record.wanted.line_count + w.area(k).record.wanted.point_count, 1);
        EXPECT_EQ(w.regions()->region(k).rectangle.left,
                  w.views().view_x[static_cast<std::size_t>(w.area(k).projection)]);
    }

    EXPECT_EQ(answer_to_ready(w), "Incomplete.");
    for (int k = 1; k <= 3; ++k)
        pupil::draw_wanted(w, k);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(w.judge_view(k), view_right) << "view " << k;
    const platform::pixel_rect first = w.regions()->region(1).rectangle;
    EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), first, blue_pixel), 20) << "the pupil's line in blue";
    EXPECT_EQ(answer_to_ready(w), "Right.");
    EXPECT_EQ(w.count(), 1);
    EXPECT_EQ(w.correct(), 1);
    EXPECT_EQ(w.area(1).record.pupil.line_count + w.area(1).record.pupil.point_count, 0) << "the next object";
}

TEST_F(ExerciseFormTest, TheMarkedEdgeDrawnInThePictureAndAWrongLineRubbedOut)
{
    only(2, 1, "Triangular prism");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_indicate_exercise(2, 1, 1, true); });
    ASSERT_EQ(w.area_count(), 1);
    EXPECT_EQ(w.area(1).projection, oblique_projection);
    const Tconstruction_line wanted = w.area(1).record.wanted.lines[0];
    ASSERT_EQ(w.area(1).record.wanted.line_count, 1);
    EXPECT_EQ(wanted.width, 2);

    // Another line of the picture first: wrong.
    const Tattractors& a = w.area(1).attractors;
    Tinteger_point other_end{};
    for (int i = 0; i < a.count; ++i)
        if (!points_equal(a.points[static_cast<std::size_t>(i)], wanted.from)
            && !points_equal(a.points[static_cast<std::size_t>(i)], wanted.to))
            other_end = a.points[static_cast<std::size_t>(i)];
    pupil::draw_line(w, {solid_kind, 2, wanted.from, other_end});
    EXPECT_EQ(w.judge_view(1), view_wrong);
    pupil::choose_tool(w, rubout_tool);
    EXPECT_EQ(w.regions()->inside_cursor(), region_cursor::rubout);
    const int beeps = platform::beep_count();
    pupil::click(w, {(wanted.from.x + other_end.x) / 2, (wanted.from.y + other_end.y) / 2});
    EXPECT_EQ(w.area(1).record.pupil.line_count, 0);
    pupil::click(w, {(wanted.from.x + other_end.x) / 2, (wanted.from.y + other_end.y) / 2});
    EXPECT_EQ(platform::beep_count(), beeps + 1) << "nothing left there to rub out";
    pupil::choose_tool(w, solid_line_tool);
    EXPECT_EQ(w.regions()->inside_cursor(), region_cursor::construction);
    pupil::draw_line(w, wanted);
    EXPECT_EQ(answer_to_ready(w), "Right.");
}

TEST_F(ExerciseFormTest, TheSectionalViewConstructedWithItsCutSurfaceIsJudgedRight)
{
    only(9, 1, "L-shaped block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(9, 4, 1, false); });
    ASSERT_EQ(w.area_count(), 1);
    EXPECT_EQ(w.area(1).projection, 2);
    EXPECT_TRUE(w.palette().tool_of(3).available) << "the surface tool";
    const Tconstruction_items& wanted = w.area(1).record.wanted;
    EXPECT_GE(wanted.surface_count, 1);
    EXPECT_GE(wanted.line_count, 4);
    for (const Tconstruction_line& l : wanted.line_list())
        EXPECT_EQ(l.kind, solid_kind) << "a section shows no hidden lines";

    for (const Tconstruction_line& line : wanted.line_list())
        pupil::draw_line(w, line);
    EXPECT_EQ(answer_to_ready(w), "Incomplete.") << "the cut surface is still missing";
    pupil::draw_surface(w, wanted.surfaces[0]);
    EXPECT_EQ(w.area(1).record.pupil.surface_count, 1);
    for (int s = 1; s < wanted.surface_count; ++s)
        pupil::draw_surface(w, wanted.surfaces[static_cast<std::size_t>(s)]);
    EXPECT_EQ(answer_to_ready(w), "Right.");
    EXPECT_EQ(w.correct(), 1);
}

TEST_F(ExerciseFormTest, OneViewWrongAndAnotherIncompleteIsJudgedWrong)
{
    only(8, 1, "Block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(8, 3, 1, true); });
    ASSERT_EQ(w.area_count(), 3);
    const Tconstruction_line right = w.area(2).record.wanted.lines[0];
    pupil::draw_line(w, right);
    EXPECT_EQ(w.judge_view(2), view_incomplete);
    // A diagonal across the first view's rectangle, corner to corner.
    const Tconstruction_items& first = w.area(1).record.wanted;
    Tinteger_point low = first.lines[0].from, high = first.lines[0].from;
    for (const Tconstruction_line& l : first.line_list())
        for (Tinteger_point p : {l.from, l.to}) {
            if (p.x + p.y < low.x + low.y)
                low = p;
            if (p.x + p.y > high.x + high.y)
                high = p;
        }
    pupil::draw_line(w, {solid_kind, 1, low, high});
    EXPECT_EQ(w.judge_view(1), view_wrong);
    EXPECT_FALSE(w.construction_incomplete());
    EXPECT_FALSE(w.construction_OK());
    EXPECT_EQ(answer_to_ready(w), "Wrong.");
    EXPECT_EQ(w.count(), 1) << "counted in test mode";
    EXPECT_EQ(w.correct(), 0);
}

TEST_F(ExerciseFormTest, TheSolutionShowsTheWantedLinesInRedAndLocksTheDrawing)
{
    only(8, 1, "Block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(8, 3, 1, false); });
    const platform::pixel_rect cell = w.regions()->region(1).rectangle;
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red), 0);
    pupil::press(w, "show_button");
    EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), cell, red), 50);
    const Tconstruction_line line = w.area(1).record.wanted.lines[0];
    const int beeps = platform::beep_count();
    pupil::click(w, line.from);
    EXPECT_EQ(platform::beep_count(), beeps + 1);
    EXPECT_EQ(w.area(1).record.pupil.line_count, 0);
    pupil::press(w, "show_ready_button");
    EXPECT_EQ(w.count(), 1);
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red), 0) << "gone with the next object";
}

TEST_F(ExerciseFormTest, EscClosesThroughTheCloseQuery)
{
    only(8, 1, "Block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(8, 3, 1, true); });
    pupil::press(w, "ready_button");   // incomplete: a wrong answer in test mode
    ASSERT_EQ(w.count(), 1);
    responder.answer_next(platform::IDCANCEL);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible()) << "Cancel keeps it open";
    EXPECT_NE(responder.last().text.find("Objects: 1"), std::string::npos) << "the results were asked about";
    responder.answer_next(platform::IDNO);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(ExerciseFormTest, TheWindowsCursorIsGivenToTheRegionsAndPutBackWhenItCloses)
{
    only(6, 1, "Block");
    drawing = std::make_unique<TExerciseForm>(&main_window);
    pupil::client(*drawing).setCursor(Qt::CrossCursor);
    drawing->init_construction_exercise(6, 1, 1, false);
    drawing->show();
    const platform::pixel_rect r = drawing->regions()->region(1).rectangle;
    drawing->FormMouseMove({r.left + 3, r.top + 3});
    EXPECT_EQ(drawing->regions()->current_cursor(), region_cursor::construction);
    EXPECT_NE(pupil::client(*drawing).cursor().shape(), Qt::CrossCursor);
    drawing->close();
    EXPECT_EQ(pupil::client(*drawing).cursor().shape(), Qt::CrossCursor);
}

TEST_F(ExerciseFormTest, TheRubberBandRunsFromTheLastPointAndAChangeOfLineToolKeepsTheRun)
{
    only(9, 1, "L-shaped block");
    TExerciseForm& w = open([](TExerciseForm& f) { f.init_construction_exercise(9, 4, 1, false); });
    const Tconstruction_line line = w.area(1).record.wanted.lines[0];
    const platform::pixel_rect cell = w.regions()->region(1).rectangle;
    const QRgb red = qRgb(255, 0, 0);
    pupil::click(w, line.from);
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red), 0);
    const int beeps = platform::beep_count();
    pupil::click(w, {line.to.x + 3, line.to.y}, Qt::ShiftModifier);
    EXPECT_EQ(platform::beep_count(), beeps + 1) << "3 pixels is too far to snap finely";
    QTest::mouseMove(&pupil::client(w), QPoint(line.to.x, line.to.y));
    QCoreApplication::processEvents();
    EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), cell, red), 5) << "the band to the mouse";
    EXPECT_TRUE(w.regions()->region(1).band_solid);

    pupil::choose_tool(w, dashed_line_tool);
    EXPECT_FALSE(w.regions()->region(1).band_solid);
    pupil::click(w, line.to);
    ASSERT_EQ(w.area(1).record.pupil.line_count, 1) << "the run went on with the dashed tool";
    EXPECT_EQ(w.area(1).record.pupil.lines[0].kind, dashed_kind);
    EXPECT_EQ(w.judge_view(1), view_wrong) << "a visible edge drawn dashed";

    QTest::mouseMove(&pupil::client(w), QPoint(line.from.x, line.from.y));
    QCoreApplication::processEvents();
    EXPECT_GT(pixels_of(pupil::client(w).canvas().image(), cell, red), 5);
    pupil::choose_tool(w, surface_tool);
    EXPECT_EQ(pixels_of(pupil::client(w).canvas().image(), cell, red), 0) << "the surface tool takes the band away";
    EXPECT_FALSE(w.regions()->region(1).band_on);
    pupil::click(w, line.to);
    EXPECT_EQ(w.area(1).record.pupil.line_count, 1) << "the surface tool draws no line";
}

// Every exercise on every sample object it may use, by either method:
// something is wanted, every point of it can be clicked, and its lines drawn
// in another order make the wanted lines.
TEST_F(ExerciseFormTest, EveryDrawingExerciseCanBeDoneOnEverySampleObject)
{
    struct setup {
        int exercise;
        int mode;
    };
    for (const setup s : {setup{2, 1}, setup{3, 2}, setup{4, 1}, setup{5, 2}, setup{6, 1}, setup{7, 2}, setup{8, 3},
                          setup{9, 4}, setup{6, 0}, setup{8, 0}}) {
        set_projection_convention(s.mode == 0);   // mode 0: the exercise's first mode, by the European method
        const int mode = s.mode == 0 ? 1 : s.mode;
        TExerciseForm& w = open([&](TExerciseForm& f) {
            if (s.exercise <= 3)
                f.init_indicate_exercise(s.exercise, mode, 1, false);
            else if (s.exercise <= 5)
                f.init_add_line_exercise(s.exercise, mode, 1, false);
            else
                f.init_construction_exercise(s.exercise, mode, 1, false);
        });
        std::bitset<256> used;
        for (int level = 1; level <= practice_levels; ++level)
            used |= exercise_object_table[static_cast<std::size_t>(exercise_group(s.exercise))][static_cast<std::size_t>(level)].objects;
        EXPECT_GE(used.count(), 6u) << "exercise " << s.exercise;
        for (int n = 0; n <= last_object_number; ++n) {
            if (!used.test(static_cast<std::size_t>(n)))
                continue;
            w.install_next_object(n, true);
            for (int k = 1; k <= w.area_count(); ++k) {
                const Tconstruction_record& r = w.area(k).record;
                const std::string where = "exercise " + std::to_string(s.exercise) + ", object " + std::to_string(n)
                                        + ", area " + std::to_string(k);
                EXPECT_GT(r.wanted.line_count + r.wanted.point_count, 0) << where;
                EXPECT_EQ(r.wanted.surface_count > 0, s.exercise == 9) << where;
                for (const Tconstruction_line& l : r.wanted.line_list())
                    EXPECT_TRUE(attracts(w.area(k).attractors, l.from) && attracts(w.area(k).attractors, l.to)) << where;
                for (const Tconstruction_surface& c : r.wanted.surface_list())
                    for (int i = 0; i < c.corner_count; ++i)
                        EXPECT_TRUE(attracts(w.area(k).attractors, c.corners[static_cast<std::size_t>(i)])) << where;
                Tconstruction_items pupil;
                for (int i = r.wanted.line_count - 1; i >= 0; --i)
                    add_construction_line(pupil, r.wanted.lines[static_cast<std::size_t>(i)]);
                pupil.points = r.wanted.points;
                pupil.point_count = r.wanted.point_count;
                pupil.surfaces = r.wanted.surfaces;
                pupil.surface_count = r.wanted.surface_count;
                EXPECT_EQ(judge_items(r.wanted, pupil, true), view_right) << where;
            }
        }
    }
}

