#include "foundation/widgets/form_helpers.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace foundation::widgets;

TEST(FormHelpers, StandardFontAndGuidanceMenuByTags)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QApplication app(argc, argv);

    QFont font;
    set_standard_font(font);
    EXPECT_EQ(font.family(), "MS Sans Serif");
    EXPECT_EQ(font.pixelSize(), 20);

    QMainWindow form;
    QMenu* other = form.menuBar()->addMenu("Other");
    other->menuAction()->setProperty("tag", 0);
    QMenu* guidance = form.menuBar()->addMenu("Guidance");
    guidance->menuAction()->setProperty("tag", guidance_menu_tag);
    QAction* first = guidance->addAction("Start");
    first->setProperty("tag", guidance_menu_tag_1);
    QAction* second = guidance->addAction("Stop");
    second->setProperty("tag", guidance_menu_tag_2);

    enable_menu_by_tags(&form, true, false, true);
    EXPECT_TRUE(guidance->menuAction()->isEnabled());
    EXPECT_FALSE(first->isEnabled());
    EXPECT_TRUE(second->isEnabled());
    EXPECT_TRUE(other->menuAction()->isEnabled());

    enable_menu_by_tags(&form, false, true, false);
    EXPECT_FALSE(guidance->menuAction()->isEnabled());
    EXPECT_FALSE(first->isEnabled()) << "sub-items are left alone when the item is disabled";

    QWidget no_menu;
    enable_menu_by_tags(&no_menu, true, true, true);
}
