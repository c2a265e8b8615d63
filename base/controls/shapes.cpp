// The drawn shapes; see shapes.h.
#include "base/controls/shapes.h"

#include "base/twips.h"

#include <QPainter>
#include <QRect>
#include <QRectF>

#include <algorithm>

namespace controls {

// -------------------------------------------------------------- FrameShape

FrameShape::FrameShape(QWidget* parent, const QColor& fill, const QColor& outline, int lineWidth)
    : QWidget(parent), fill_(fill), outline_(outline), lineWidth_(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = lineWidth_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    // Corners in proportion to the smaller side, like a classic rounded
    // rectangle shape, but never so round that a thin frame becomes a pill.
    const qreal radius = std::min<qreal>(std::min(box.width(), box.height()) / 4.0, 10.0);
    painter.setPen(QPen(outline_, lineWidth_));
    painter.setBrush(fill_);
    painter.drawRoundedRect(box, radius, radius);
}

// --------------------------------------------------------------- LineShape

LineShape::LineShape(QWidget* parent, QPoint fromTwips, QPoint toTwips, const QColor& colour,
                     int width)
    : QWidget(parent), colour_(colour), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = width;
    const QRect span = QRect(fromTwips, toTwips).normalized();
    const QRect px(tw::toPixels(span.left()) - pad, tw::toPixels(span.top()) - pad,
                   tw::toPixels(span.width()) + 2 * pad + 1,
                   tw::toPixels(span.height()) + 2 * pad + 1);
    setGeometry(px);
    from_ =
        QPointF(tw::toPixelsF(fromTwips.x()) - px.left(), tw::toPixelsF(fromTwips.y()) - px.top());
    to_ = QPointF(tw::toPixelsF(toTwips.x()) - px.left(), tw::toPixelsF(toTwips.y()) - px.top());
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

} // namespace controls
