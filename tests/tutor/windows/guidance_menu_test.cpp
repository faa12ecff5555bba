#include "foundation/widgets/form_helpers.h"
#include "tests/support/widget_app.h"
#include "tutor/engine/guidance.h"
#include "tutor/windows/guidance_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

TEST(GuidanceMenu, FollowsTheFileAndThePupilsChoices)
{
    test_support::widget_app();

    QMainWindow form;
    QMenu* menu = form.menuBar()->addMenu("Guidance");
    menu->menuAction()->setProperty("tag", guidance_menu_tag);
    QAction* switch_item = menu->addAction("Switch");
    switch_item->setProperty("tag", guidance_menu_tag_1);
    QAction* again_item = menu->addAction("Again");
    again_item->setProperty("tag", guidance_menu_tag_2);

    guidance.reset();
    enable_guidance_menu(&form);
    EXPECT_FALSE(menu->menuAction()->isEnabled()) << "no guidance at all";

    guidance = std::make_unique<Tguidance_object>("TH 1;", "course.txt");
    results_format::settings pupil;
    pupil.guidance_is_switchable = false;
    pupil.restart_guidance_enabled = true;
    guidance->restore_state("", pupil);
    enable_guidance_menu(&form);
    EXPECT_TRUE(menu->menuAction()->isEnabled());
    EXPECT_FALSE(switch_item->isEnabled());
    EXPECT_TRUE(again_item->isEnabled());
    guidance.reset();
}
