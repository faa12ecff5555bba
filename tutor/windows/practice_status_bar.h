#pragma once
// The practice window's status bar: two panels that the window draws
// itself (draw_panel), in the standard font, the left one as wide as 18
// letters and the right one as wide as 41 letters and 17 blanks, three
// lines high. The left panel widens for longer lines (a count of two digits
// or more, a translation's longer words), so they never run into the
// right one.

#include <QStatusBar>
#include <QStringList>

#include <functional>

class QPainter;

namespace tutor::windows {

class practice_status_bar : public QStatusBar {
public:
    explicit practice_status_bar(QWidget* parent = nullptr);

    // panel 0 is the left one.
    std::function<void(QPainter& painter, int panel, const QRect& rect)> draw_panel;

    QRect panel_rect(int panel) const;
    // Makes the left panel as wide as its widest line, never narrower than 18 letters.
    void fit_left_panel(const QStringList& lines);
    int panel_width(int panel) const { return widths_[panel == 0 ? 0 : 1]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int least_left_width_;
    int widths_[2];
};

} // namespace tutor::windows
