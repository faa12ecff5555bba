// A monopolizing library of our own that plays the pupil inside a running
// tutor: the tutor hands its hook every window it activates, so the library
// logs in as "Anna Jansen" with "tulip", closes each theory chapter and
// exercise window at once and answers every message box with Yes or OK.
// Loaded by the tests that run the tutor program.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace {

void act_on(QWidget& window)
{
    const QString name = window.objectName();
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        if (QAbstractButton* chosen = box->button(box->button(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok))
            chosen->click();
    } else if (name == "PupilLoginDialog") {
        window.findChild<QLineEdit*>("pupil_name_edit")->setText("Anna Jansen");
        window.findChild<QLineEdit*>("password_edit")->setText("tulip");
        window.findChild<QAbstractButton*>("OK_button")->click();
    } else if (name != "MainForm" && name != "BackGroundScreen") {
        window.close();   // a theory chapter or an exercise, done with at once
    }
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) void TELL_TASK_HANDLES(std::uint32_t) {}

__attribute__((visibility("default"))) void TELL_HOOK_HANDLE_PROC(std::uint32_t) {}

__attribute__((visibility("default"))) std::intptr_t HOOK_FUNCTION(int code, std::uintptr_t window, std::intptr_t)
{
    const int activated = 5;
    if (code != activated)
        return 0;
    // Acts once the window's own showing is over, and not on a window gone meanwhile.
    QPointer<QWidget> target(reinterpret_cast<QWidget*>(window));
    QTimer::singleShot(20, [target] {
        if (target && target->isVisible())
            act_on(*target);
    });
    return 0;
}
}
