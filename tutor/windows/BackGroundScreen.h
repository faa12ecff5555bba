#pragma once
// A plain screen behind the tutor's windows, so a pupil sees nothing of the
// desktop while working: borderless, maximised, and sent back behind the
// tutor's windows whenever it is activated.

#include <QWidget>

namespace tutor::windows {

class TBackGroundScreen : public QWidget {
    Q_OBJECT
public:
    explicit TBackGroundScreen(QWidget* parent = nullptr);

    void FormShow();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tutor::windows
