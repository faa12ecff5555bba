#pragma once
// The students manager's about box: a fixed-size dialog, centred.

#include <QDialog>

class QLabel;
class QPushButton;

namespace manager {

class TAboutStudentsManagerForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutStudentsManagerForm(QWidget* parent = nullptr);

private:
    void FormCreate();

    QLabel* ProductName_ = nullptr;
    QLabel* Version_ = nullptr;
    QLabel* Copyright_ = nullptr;
    QLabel* Comments_ = nullptr;
    QPushButton* OKButton_ = nullptr;
};

} // namespace manager
