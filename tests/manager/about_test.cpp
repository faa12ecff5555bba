#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/AboutStudentsManagerForm.h"
#include "manager/RFM_MainForm.h"
#include "manager/windows.h"
#include "tests/manager/gui_fixture.h"

#include <QAction>

class AboutTest : public gui_fixture {};

TEST_F(AboutTest, TheHelpMenuItemShowsTheBoxWithItsIconAndOkClosesIt)
{
    TRFM_MainForm main_form;
    TAboutStudentsManagerForm about(&main_form);
    AboutStudentsManagerForm = &about;
    EXPECT_FALSE(about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = about.isVisible();
        about.findChild<QPushButton*>("OKButton")->click();
    });
    main_form.findChild<QAction*>("about_menu_item")->trigger();
    AboutStudentsManagerForm = nullptr;
    EXPECT_TRUE(shown);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutTest, WithoutItsSectionOnlyTheVersionNumberRemains)
{
    std::string problem;
    text_handler = std::make_unique<Ttextfile_handler>(Ttextfile_handler::from_text("$[OTHER]\nx\n", problem));
    TAboutStudentsManagerForm about;
    EXPECT_TRUE(about.windowTitle().isEmpty());
    EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), " 1.0");
}
