#include "foundation/globals.h"
#include "foundation/textfile_handler.h"
#include "manager/AboutStudentsManagerForm.h"
#include "tests/manager/gui_fixture.h"

#include <QLabel>

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
