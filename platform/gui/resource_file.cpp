#include "platform/gui/resource_file.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

std::optional<std::vector<std::uint8_t>> read_resource(const std::string& name)
{
    if (name.empty())
        return std::nullopt;
    QFile file(QStringLiteral(":/") + QString::fromUtf8(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

} // namespace platform
