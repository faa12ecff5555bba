#include "platform/widgets/cbt_hook.h"

#include <QApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWidget>

#include <map>
#include <utility>
#include <memory>

namespace platform {

namespace {

class cbt_filter : public QObject {
public:
    explicit cbt_filter(cbt_procedure procedure) : procedure_(procedure) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow())
            return false;
        const int code = code_of(*event);
        if (code != 0)
            procedure_(code, reinterpret_cast<std::uintptr_t>(widget), 0);
        return false;
    }

private:
    static int code_of(const QEvent& event)
    {
        if (event.type() == QEvent::WindowActivate)
            return cbt_activate;
        if (event.type() != QEvent::PlatformSurface)
            return 0;
        switch (static_cast<const QPlatformSurfaceEvent&>(event).surfaceEventType()) {
        case QPlatformSurfaceEvent::SurfaceCreated: return cbt_create_window;
        case QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed: return cbt_destroy_window;
        }
        return 0;
    }

    cbt_procedure procedure_;
};

std::map<std::uint32_t, std::unique_ptr<cbt_filter>>& installed_hooks()
{
    static std::map<std::uint32_t, std::unique_ptr<cbt_filter>> hooks;
    return hooks;
}

bool& next_fails()
{
    static bool fails = false;
    return fails;
}

} // namespace

std::uint32_t install_cbt_hook(cbt_procedure procedure)
{
    static std::uint32_t last_handle = 0;
    if (std::exchange(next_fails(), false) || !procedure || !QApplication::instance())
        return 0;
    auto filter = std::make_unique<cbt_filter>(procedure);
    QApplication::instance()->installEventFilter(filter.get());
    installed_hooks()[++last_handle] = std::move(filter);
    return last_handle;
}

bool remove_cbt_hook(std::uint32_t handle)
{
    const auto hook = installed_hooks().find(handle);
    if (hook == installed_hooks().end())
        return false;
    if (QApplication::instance())
        QApplication::instance()->removeEventFilter(hook->second.get());
    installed_hooks().erase(hook);
    return true;
}

void fail_next_cbt_hook()
{
    next_fails() = true;
}

} // namespace platform
