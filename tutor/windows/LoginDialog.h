#pragma once
// The pupil's login: the pupil's name and password. OK logs the pupil in
// (pupil_login.h) and closes the dialog; a name or password that does not
// fit is refused with a message and the dialog stays open for another try.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tutor::windows {

class TPupilLoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit TPupilLoginDialog(QWidget* parent = nullptr);

    void OK_buttonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* pupil_name_edit;
    QLineEdit* password_edit;
    QPushButton* OK_button;
    QPushButton* cancel_button;
};

} // namespace tutor::windows
