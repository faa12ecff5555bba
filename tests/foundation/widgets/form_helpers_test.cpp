#include "foundation/widgets/form_helpers.h"
#include "tests/support/widget_app.h"

#include <QMainWindow>
#include <QMenuBar>

#include <gtest/gtest.h>

using namespace foundation::widgets;

// Only the guidance menu (by its tag) follows the switches; its sub-items
// are left alone while it is disabled.
TEST(FormHelpers, GuidanceMenuIsEnabledByTags)
{
    test_support::widget_app();
    QMainWindow form;
    QMenu* other = form.menuBar()->addMenu("Other");
    QMenu* guidance = form.menuBar()->addMenu("Guidance");
    guidance->menuAction()->setProperty("tag", guidance_menu_tag);
    QAction* first = guidance->addAction("Start");
    first->setProperty("tag", guidance_menu_tag_1);
    QAction* second = guidance->addAction("Stop");
    second->setProperty("tag", guidance_menu_tag_2);
    const auto states = [&] {
        return std::vector<bool>{other->menuAction()->isEnabled(), guidance->menuAction()->isEnabled(),
                                 first->isEnabled(), second->isEnabled()};
    };
    enable_menu_by_tags(&form, true, false, true);
    EXPECT_EQ(states(), (std::vector<bool>{true, true, false, true}));
    enable_menu_by_tags(&form, false, true, false);
    EXPECT_EQ(states(), (std::vector<bool>{true, false, false, true}));
    QWidget no_menu;
    enable_menu_by_tags(&no_menu, true, true, true);
}
