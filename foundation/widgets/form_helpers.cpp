#include "foundation/widgets/form_helpers.h"

#include <QAction>
#include <QFont>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace foundation::widgets {

namespace {

int tag_of(const QAction* action)
{
    return action->property("tag").toInt();
}

QMenuBar* main_menu_of(QWidget* form)
{
    if (auto* window = qobject_cast<QMainWindow*>(form))
        return window->menuWidget() ? qobject_cast<QMenuBar*>(window->menuWidget()) : nullptr;
    return form ? form->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

void set_standard_font(QFont& font)
{
    font.setFamily("MS Sans Serif");
    font.setPixelSize(20);
}

void enable_menu_by_tags(QWidget* form, bool enabled, bool enabled_1, bool enabled_2)
{
    QMenuBar* bar = main_menu_of(form);
    if (!bar)
        return;
    for (QAction* item : bar->actions()) {
        if (tag_of(item) != guidance_menu_tag)
            continue;
        item->setEnabled(enabled);
        if (enabled && item->menu()) {
            for (QAction* sub : item->menu()->actions()) {
                if (tag_of(sub) == guidance_menu_tag_1)
                    sub->setEnabled(enabled_1);
                else if (tag_of(sub) == guidance_menu_tag_2)
                    sub->setEnabled(enabled_2);
            }
        }
        return;
    }
}

} // namespace foundation::widgets
