#include "tutor/windows/LoginDialog.h"

#include "foundation/texts.h"
#include "foundation/messages.h"
#include "foundation/widgets/qt_text.h"
#include "platform/core/message_box.h"
#include "tutor/engine/pupil_login.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace foundation;
using namespace foundation::widgets;
using namespace tutor::engine;

namespace tutor::windows {

namespace {

using login = text_names::pupil_login;

std::string login_text(login entry)
{
    return text_of(entry);
}

} // namespace

TPupilLoginDialog::TPupilLoginDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName("PupilLoginDialog");
    setWindowTitle(qt(login_text(login::caption)));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    pupil_name_edit = new QLineEdit(this);
    pupil_name_edit->setObjectName("pupil_name_edit");
    password_edit = new QLineEdit(this);
    password_edit->setObjectName("password_edit");
    password_edit->setEchoMode(QLineEdit::Password);
    fields->addRow(qt(login_text(login::name_label)), pupil_name_edit);
    fields->addRow(qt(login_text(login::password_label)), password_edit);
    auto* buttons = new QDialogButtonBox(this);
    OK_button = buttons->addButton(qt(login_text(login::log_in_button)), QDialogButtonBox::AcceptRole);
    OK_button->setObjectName("OK_button");
    OK_button->setDefault(true);
    cancel_button = buttons->addButton(qt(login_text(login::cancel_button)), QDialogButtonBox::RejectRole);
    cancel_button->setObjectName("cancel_button");
    layout->addWidget(buttons);
    connect(OK_button, &QPushButton::clicked, this, &TPupilLoginDialog::OK_buttonClick);
    connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
}

// Each login starts empty: no password is left for the next pupil.
void TPupilLoginDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    pupil_name_edit->clear();
    password_edit->clear();
    pupil_name_edit->setFocus();
}

void TPupilLoginDialog::OK_buttonClick()
{
    const outcome logged_in = log_in_pupil(pupil_name_edit->text().toStdString(), password_edit->text().toStdString());
    if (logged_in) {
        accept();
        return;
    }
    show_if_failed(logged_in);
    show_message(login_text(login::refused), platform::MB_OK | platform::MB_ICONERROR);
    password_edit->clear();
    password_edit->setFocus();
}

} // namespace tutor::windows
