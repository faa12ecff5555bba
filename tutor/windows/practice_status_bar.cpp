#include "tutor/windows/practice_status_bar.h"

#include "foundation/widgets/form_helpers.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

using namespace foundation::widgets;

namespace tutor::windows {

practice_status_bar::practice_status_bar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName("StatusBar");
    setSizeGripEnabled(false);
    QFont standard = font();
    set_standard_font(standard);
    setFont(standard);
    const QFontMetrics metrics(standard);
    setFixedHeight(metrics.height() * 13 / 4);
    least_left_width_ = metrics.horizontalAdvance("abcdefghijklmnopqr");
    widths_[0] = least_left_width_;
    widths_[1] = metrics.horizontalAdvance(QString("abcdefghijklmnopqrstuvwxyzabcdefghijklmno") + QString(17, ' '));
}

QRect practice_status_bar::panel_rect(int panel) const
{
    const int left = panel == 0 ? 0 : widths_[0];
    return QRect(left, 0, panel_width(panel), height());
}

void practice_status_bar::fit_left_panel(const QStringList& lines)
{
    const QFontMetrics metrics(font());
    int width = least_left_width_;
    // The text's width and a blank's room before the right panel's edge.
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line + ' '));
    if (width != widths_[0]) {
        widths_[0] = width;
        update();
    }
}

void practice_status_bar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    for (int panel = 0; panel < 2; ++panel) {
        const QRect rect = panel_rect(panel);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::WindowText));
        if (draw_panel)
            draw_panel(painter, panel, rect);
    }
}

} // namespace tutor::windows
