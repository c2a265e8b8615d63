// The clickable label; see clicklabel.h.
#include "base/controls/clicklabel.h"

#include "base/controls/mousereport.h"

#include <QMouseEvent>
#include <QPainter>

namespace controls {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
}

void ClickLabel::setBorderStyle(int style)
{
    borderStyle_ = style;
    update();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    reportPress(this, event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    reportRelease(this, event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (borderStyle_ == 1) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QPainter painter(this);
        paintFocusFrame(this, painter);
    }
}

void ClickLabel::choose()
{
    reportClick(this, Qt::LeftButton);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (!reportKey(this, event))
        QLabel::keyPressEvent(event);
}

void ClickLabel::contextMenuEvent(QContextMenuEvent* event)
{
    if (!takeKeyboardMenu(this, event))
        QLabel::contextMenuEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event)
{
    update();
    QLabel::focusInEvent(event);
}

void ClickLabel::focusOutEvent(QFocusEvent* event)
{
    update();
    QLabel::focusOutEvent(event);
}

} // namespace controls
