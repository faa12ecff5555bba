#pragma once
// The program started up in a folder that holds what a teacher finds beside
// it, with a scripted responder; the application's windows made on request.

#include "geometry/model/projection_convention.h"
#include "platform/core/message_box.h"
#include "program_shell/program_windows.h"
#include "student_files/student_data_files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"
#include "tutor/engine/guidance.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

template <typename Base = testing::Test> class program_fixture : public Base {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        test_support::put_program_files(program);
        program_shell::start_up_program(program.file("students_manager"));
    }
    void TearDown() override
    {
        windows.reset();
        tutor::engine::guidance.reset();
        student_files::student_data_files.reset();
        geometry::model::set_projection_convention(false);
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
    std::unique_ptr<program_shell::application> windows;
};
