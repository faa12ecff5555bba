#include "foundation/globals.h"
#include "foundation/startup.h"
#include "foundation/textfile_handler.h"
#include "manager/RFM_MainForm.h"
#include "platform/message_box.h"
#include "tests/support/temp_dir.h"

#include <QApplication>

#include <filesystem>
#include <gtest/gtest.h>

TEST(MainForm, StartsWithTheShippedDataAndTakesItsCaptionFromTheTextFile)
{
    int argc = 1;
    char name[] = "students_manager";
    char* argv[] = {name};
    QApplication app(argc, argv);

    test_support::temp_dir program;
    for (const char* file : {"WinTola.ini", "WINTOLA.TXT"})
        std::filesystem::copy_file(test_support::shipped_data_file(file), program.file(file));
    platform::scripted_responder responder;
    start_up_foundation(program.file("students_manager"));
    EXPECT_EQ(responder.count(), 0u) << "the shipped settings file is found";

    TRFM_MainForm form;
    EXPECT_EQ(form.windowTitle().toStdString(), text_handler->read_entry("STUDENTS_MANAGER", 1));
    EXPECT_FALSE(form.windowTitle().isEmpty());
    EXPECT_EQ(message_caption, text_handler->read_entry("MESSAGES_CAPTION", 1));
}
