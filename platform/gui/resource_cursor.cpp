#include "platform/gui/resource_cursor.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <algorithm>

namespace platform {

std::optional<QCursor> load_resource_cursor(const std::string& name)
{
    if (name.empty())
        return std::nullopt;
    const QImage image(QStringLiteral(":/") + QString::fromUtf8(name));
    if (image.isNull())
        return std::nullopt;
    // A hot spot outside the picture would point beside it: keep it on the picture.
    const int x = std::clamp(image.text("HotSpotX").toInt(), 0, image.width() - 1);
    const int y = std::clamp(image.text("HotSpotY").toInt(), 0, image.height() - 1);
    return QCursor(QPixmap::fromImage(image), x, y);
}

} // namespace platform
