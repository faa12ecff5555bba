#pragma once
// The pupil's hand on an exercise window: clicks sent to the client area at
// window pixels, the buttons and tools pressed, and what a drawing area
// wants drawn by mouse.

#include "platform/widgets/canvas_widget.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/ExerciseForm.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pupil {

inline platform::canvas_widget& client(tutor::windows::TPracticeForm& window)
{
    auto* area = window.findChild<platform::canvas_widget*>("client_area");
    EXPECT_TRUE(area);
    return *area;
}

inline void click(tutor::windows::TPracticeForm& window, foundation::Tinteger_point p, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(&client(window), Qt::LeftButton, modifiers, QPoint(p.x, p.y));
}

inline void press(tutor::windows::TPracticeForm& window, const char* name)
{
    auto* b = window.findChild<QPushButton*>(name);
    ASSERT_TRUE(b) << name;
    ASSERT_FALSE(b->isHidden()) << name;
    b->click();
}

inline void choose_tool(tutor::windows::TExerciseForm& window, int code)
{
    for (int i = 1; i <= tutor::windows::TExerciseControls::tool_count; ++i) {
        const tutor::windows::TExerciseControls::tool& t = window.palette().tool_of(i);
        if (t.code == code) {
            ASSERT_TRUE(t.available) << "tool " << code;
            click(window, {(t.rectangle.left + t.rectangle.right) / 2, (t.rectangle.top + t.rectangle.bottom) / 2});
            ASSERT_EQ(window.palette().current_tool(), code);
            return;
        }
    }
}

// A line from one point to another, a run of lines ended by clicking its
// end again; the clicks a pixel beside the points, where snapping finds them.
inline void draw_line(tutor::windows::TExerciseForm& window, const tutor::engine::Tconstruction_line& line)
{
    choose_tool(window, line.kind == tutor::engine::dashed_kind ? tutor::windows::dashed_line_tool : tutor::windows::solid_line_tool);
    click(window, {line.from.x + 1, line.from.y});
    click(window, {line.to.x, line.to.y + 1});
    if (window.kind() != tutor::windows::exercise_kind::indicate)
        click(window, line.to);
}

inline void draw_surface(tutor::windows::TExerciseForm& window, const tutor::engine::Tconstruction_surface& surface)
{
    choose_tool(window, tutor::windows::surface_tool);
    for (int i = 0; i < surface.corner_count; ++i)
        click(window, surface.corners[static_cast<std::size_t>(i)]);
    click(window, surface.corners[0]);
}

// Everything area k wants, drawn by mouse.
inline void draw_wanted(tutor::windows::TExerciseForm& window, int k)
{
    const tutor::engine::Tconstruction_items wanted = window.area(k).record.wanted;
    for (const tutor::engine::Tconstruction_line& line : wanted.line_list())
        draw_line(window, line);
    for (const tutor::engine::Tconstruction_surface& surface : wanted.surface_list())
        draw_surface(window, surface);
    for (foundation::Tinteger_point p : wanted.marked_points()) {
        choose_tool(window, tutor::windows::solid_line_tool);
        click(window, p);
        click(window, p);
    }
}

} // namespace pupil
