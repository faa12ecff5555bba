#include "platform/widgets/qt_presenters.h"

#include "platform/core/beep.h"
#include "platform/core/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

QMessageBox::StandardButtons buttons_for(unsigned flags)
{
    switch (flags & 0x0F) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon icon_for(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answer_for(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int show_qt_box(const message_request& request)
{
    QMessageBox box(icon_for(request.flags), QString::fromUtf8(request.caption),
                    QString::fromUtf8(request.text), buttons_for(request.flags),
                    QApplication::activeWindow());
    const int answer = answer_for(box.exec());
    // Closing the box with Esc or its close button gives the Esc answer.
    return answer_fits_flags(answer, request.flags) ? answer : escape_answer(request.flags);
}

} // namespace

void install_qt_presenters()
{
    set_message_presenter(show_qt_box);
    set_beeper([] { QApplication::beep(); });
}

} // namespace platform
