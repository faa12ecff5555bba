#pragma once
// A program folder with the shipped settings and texts, an empty student
// files directory, the globals started up there and a scripted responder.

#include "foundation/date_time.h"
#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "platform/core/message_box.h"
#include "platform/widgets/printing.h"
#include "student_files/student_data_files.h"
#include "tests/support/pdf_text.h"
#include "tests/support/temp_dir.h"
#include "tests/support/widget_app.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

class gui_fixture : public testing::Test {
protected:
    void SetUp() override
    {
        test_support::widget_app();
        for (const char* file : {"WinTola.ini", "WINTOLA.TXT"})
            std::filesystem::copy_file(test_support::shipped_data_file(file), program.file(file));
        program.make_dir("RESULTS");
        foundation::start_up_foundation(program.file("students_manager"));
        student_files::student_data_files = std::make_unique<student_files::Tstudent_data_files_object>();
    }
    void TearDown() override
    {
        platform::set_print_dialog_answer({});
        student_files::student_data_files.reset();
    }
    // A student with `results` results of exercises 1, 2, ..., each four minutes long.
    static void make(const std::string& name, int results, bool guidance_on = true)
    {
        ASSERT_TRUE(
            student_files::student_data_files->create_results_file(name, "secret", guidance_on, false, false, true));
        for (int i = 0; i < results; ++i) {
            const foundation::Tdate_time start = foundation::encode_date_time({2026, 3, 1 + i % 28, 9, 0, 0});
            ASSERT_TRUE(student_files::student_data_files->add_result(name, 1 + i % 9, start, start + 4.0 / 1440,
                                                                      1 + i % 3, 10, i % 11));
        }
    }
    // The pages printed by `print` through a print dialog answered `accept`.
    std::vector<std::string> printed(const std::function<void()>& print, bool accept = true)
    {
        const std::string pdf = program.file("printed.pdf");
        std::filesystem::remove(pdf);
        platform::set_print_dialog_answer([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            return accept;
        });
        print();
        return std::filesystem::exists(pdf) ? test_support::pdf_page_texts(pdf) : std::vector<std::string>{};
    }
    // Runs `act`; the modal window it opens is handed to `look` and closed.
    static QString modal_opened_by(const std::function<void()>& act, const std::function<void(QWidget&)>& look = {})
    {
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                if (look)
                    look(*modal);
                modal->close();
            }
        });
        act();
        return shown;
    }

    test_support::temp_dir program;
    test_support::current_directory_change in_program{program.path()};
    platform::scripted_responder responder;
};
