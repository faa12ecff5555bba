#include "tutor/windows/guidance_menu.h"

#include "foundation/widgets/form_helpers.h"
#include "tutor/engine/guidance.h"

using namespace foundation::widgets;
using namespace tutor::engine;

namespace tutor::windows {

void enable_guidance_menu(QWidget* form)
{
    const bool usable = guidance && guidance->file_ok();
    enable_menu_by_tags(form, usable, usable && guidance->switchable(), usable && guidance->restart_enabled());
}

} // namespace tutor::windows
