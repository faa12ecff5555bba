#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/AboutStudentsManagerForm.h"
#include "manager/RFM_MainForm.h"
#include "tests/manager/gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace foundation;
using namespace manager;

class AboutTest : public gui_fixture {};

TEST_F(AboutTest, TextsFromTheFileAndTheIcon)
{
    TAboutStudentsManagerForm about;
    EXPECT_EQ(about.windowTitle().toStdString(), text_handler->read_entry("STUDENTS_MANAGER_ABOUT", 1));
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text().toStdString(),
              text_handler->read_entry("STUDENTS_MANAGER_ABOUT", 3) + " 1.0");
    EXPECT_FALSE(about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    EXPECT_EQ(about.findChild<QLabel*>("Comments")->text().count('\n'), 2);
}

TEST_F(AboutTest, WithoutItsSectionOnlyTheVersionNumberRemains)
{
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text("$[OTHER]\nx\n", problem));
    TAboutStudentsManagerForm about;
    EXPECT_TRUE(about.windowTitle().isEmpty());
    EXPECT_TRUE(about.findChild<QLabel*>("ProductName")->text().isEmpty());
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), " 1.0");
}

TEST_F(AboutTest, TheHelpMenuItemShowsTheBoxAndOkClosesIt)
{
    TRFM_MainForm main_form;
    TAboutStudentsManagerForm about(&main_form);
    main_form.wire_windows({.about_form = &about});
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = about.isVisible();
        about.findChild<QPushButton*>("OKButton")->click();
    });
    main_form.findChild<QAction*>("about_menu_item")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.isVisible());
}
