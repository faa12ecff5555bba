#pragma once
// Exercise windows on the shipped sample objects, on a 4:3 screen, with the
// practice texts and a fake main window; the pupil's clicks sent to the
// client area at window pixels, and the drawing of what an area wants.

#include "geometry/drawing/geometry_startup.h"
#include "geometry/model/projection_convention.h"
#include "geometry/drawing/projection_symbols.h"
#include "geometry/model/screen_metrics.h"
#include "platform/widgets/canvas_widget.h"
#include "tests/geometry/fatal_stop.h"
#include "tests/tutor/windows/practice_form_fixture.h"
#include "tutor/windows/ExerciseControls.h"
#include "tutor/windows/ExerciseDForm.h"
#include "tutor/windows/ExerciseForm.h"
#include "tutor/windows/Regions.h"
#include "tests/tutor/windows/pupil_clicks.h"

#include <QTest>

#include <filesystem>
#include <string>

class ExerciseFormTest : public PracticeFormTest {
protected:
    void SetUp() override
    {
        PracticeFormTest::SetUp();
        std::filesystem::copy_file(test_support::shipped_data_file("WinTola.ini"), program.file("WinTola.ini"));
        for (const char* name : {"SOLIDS.OBJ", "BLOCKS.OBJ"})
            std::filesystem::copy_file(std::string(WINTOLA_BIN_DIR) + "/" + name, program.file(name));
        geometry::model::aspect = 1.0L;
        geometry::drawing::start_up_kernel();
        geometry::drawing::load_projection_symbols();
        geometry::model::set_view_labels({"Left", "Top", "Front", "Bottom", "Right", "Rear"});
        ASSERT_EQ(test_support::stop_message([&] { load_object_files(catalogue); }), "");
    }
    void TearDown() override
    {
        drawing.reset();
        colouring.reset();
        geometry::model::set_projection_convention(false);
        PracticeFormTest::TearDown();
    }

    int object_number(const std::string& name) const
    {
        for (const auto& category : catalogue.categories)
            for (const auto& thing : category->things)
                if (thing->name == name)
                    return thing->object_number;
        ADD_FAILURE() << "no object " << name;
        return 0;
    }
    // The exercise at the level uses this object alone.
    void only(int exercise, int level, const std::string& name)
    {
        geometry::model::Texercise_cell& cell = geometry::model::exercise_object_table[static_cast<std::size_t>(tutor::engine::exercise_group(exercise))]
                                                    [static_cast<std::size_t>(level)];
        cell = {};
        cell.objects.set(static_cast<std::size_t>(object_number(name)));
        cell.count = 1;
    }
    // A drawing exercise's window, its chances all taking the first choice, set up by the call and shown.
    template <class Setup>
    tutor::windows::TExerciseForm& open(Setup&& setup)
    {
        drawing = std::make_unique<tutor::windows::TExerciseForm>(&main_window);
        drawing->set_random_source([](int) { return 0; });
        drawing->set_choice_source([](int) { return 0; });
        setup(*drawing);
        drawing->show();
        return *drawing;
    }

    // The answer to Ready.
    std::string answer_to_ready(tutor::windows::TPracticeForm& window)
    {
        pupil::press(window, "ready_button");
        return responder.count() > 0 ? responder.last().text : "";
    }

    geometry::model::TThingCatCollection catalogue;
    std::unique_ptr<tutor::windows::TExerciseForm> drawing;
    std::unique_ptr<tutor::windows::TExerciseDForm> colouring;
};
