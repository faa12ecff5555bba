#pragma once
// The practice window's status bar: two panels that the window draws
// itself (draw_panel), in the standard font, the left one as wide as 18
// letters and the right one as wide as 41 letters and 17 blanks, three
// lines high.

#include <QStatusBar>

#include <functional>

class QPainter;

class practice_status_bar : public QStatusBar {
public:
    explicit practice_status_bar(QWidget* parent = nullptr);

    // panel 0 is the left one.
    std::function<void(QPainter& painter, int panel, const QRect& rect)> draw_panel;

    QRect panel_rect(int panel) const;
    int panel_width(int panel) const { return widths_[panel == 0 ? 0 : 1]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int widths_[2];
};
