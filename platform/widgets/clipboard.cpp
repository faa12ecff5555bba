#include "platform/widgets/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void set_clipboard_text(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

std::string clipboard_text()
{
    return QGuiApplication::clipboard()->text().toStdString();
}

} // namespace platform
