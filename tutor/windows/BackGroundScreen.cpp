#include "tutor/windows/BackGroundScreen.h"

#include <QEvent>
#include <QPainter>

namespace tutor::windows {

namespace {

const QColor background_colour(0, 128, 128);

} // namespace

TBackGroundScreen::TBackGroundScreen(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName("BackGroundScreen");
}

void TBackGroundScreen::FormShow()
{
    showMaximized();
    lower();
}

// Whatever brings it forward, the tutor's windows stay in front of it.
bool TBackGroundScreen::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        lower();
    return QWidget::event(event);
}

void TBackGroundScreen::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), background_colour);
}

} // namespace tutor::windows
