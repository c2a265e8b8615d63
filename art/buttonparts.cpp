// Download button parts: the nine body shapes and five pictograms.
#include "buttonparts.h"

#include "artkit.h"

#include <QtMath>

namespace art::button {

QSize sizeOf(Shape s)
{
    switch (s) {
    case Shape::Pill: return {148, 62};
    case Shape::Slab: return {144, 66};
    case Shape::Shield: return {96, 100};
    case Shape::ArrowBlock: return {112, 98};
    case Shape::Circle: return {104, 98};
    case Shape::Ribbon: return {150, 64};
    case Shape::Tag: return {150, 62};
    case Shape::Seal: return {100, 100};
    case Shape::Stamp: return {150, 68};
    }
    return {120, 64};
}


Body bodyOf(Shape s, QSize size, bool mirrored)
{
    Body b;
    const qreal w = size.width(), h = size.height();
    switch (s) {
    case Shape::Pill: {
        const QRectF r(4, 5, w - 8, h - 14);
        b.outline = roundedRect(r, r.height() / 2);
        b.content = r.adjusted(r.height() * 0.3, 3, -r.height() * 0.3, -3);
        break;
    }
    case Shape::Slab: {
        const QRectF r(4, 3, w - 8, h - 16);
        b.outline = roundedRect(r, 10);
        b.back = roundedRect(r.translated(0, 6), 10);
        b.content = r.adjusted(8, 3, -8, -3);
        break;
    }
    case Shape::Shield: {
        QPainterPath p;
        p.moveTo(w / 2, 4);
        p.cubicTo(w * 0.68, 12, w * 0.86, 12, w - 6, 10);
        p.cubicTo(w - 4, h * 0.5, w * 0.8, h * 0.78, w / 2, h - 8);
        p.cubicTo(w * 0.2, h * 0.78, 4, h * 0.5, 6, 10);
        p.cubicTo(w * 0.14, 12, w * 0.32, 12, w / 2, 4);
        b.outline = p;
        b.content = QRectF(12, 16, w - 24, h * 0.62);
        break;
    }
    case Shape::ArrowBlock: {
        QPainterPath p;
        const qreal split = h * 0.52;
        p.addRoundedRect(QRectF(6, 4, w - 12, split), 10, 10);
        QPainterPath head;
        head.moveTo(w * 0.2, split - 2);
        head.lineTo(w * 0.8, split - 2);
        head.lineTo(w * 0.5, h - 8);
        head.closeSubpath();
        b.outline = p.united(head);
        b.content = QRectF(12, 8, w - 24, split - 10);
        break;
    }
    case Shape::Circle: {
        b.outline.addEllipse(QPointF(w / 2, h * 0.42), h * 0.38, h * 0.38);
        // The banner across the lower part carries the wording.
        QPainterPath banner;
        banner.addRoundedRect(QRectF(4, h * 0.6, w - 8, h * 0.28), 6, 6);
        b.back = banner;
        b.content = QRectF(8, h * 0.6 + 2, w - 16, h * 0.28 - 4);
        break;
    }
    case Shape::Ribbon: {
        const QRectF band(20, 6, w - 40, h - 20);
        b.outline.addRect(band);
        QPainterPath tails;
        for (int side = 0; side < 2; ++side) {
            const qreal x0 = side == 0 ? 4 : w - 4, x1 = side == 0 ? 30 : w - 30;
            QPainterPath t;
            t.moveTo(x1, band.top() + 8);
            t.lineTo(x0, band.top() + 8);
            t.lineTo(x0 + (side == 0 ? 9 : -9), band.center().y() + 4);
            t.lineTo(x0, band.bottom() + 8);
            t.lineTo(x1, band.bottom() + 8);
            t.closeSubpath();
            tails.addPath(t);
        }
        b.back = tails;
        b.content = band.adjusted(6, 2, -6, -2);
        break;
    }
    case Shape::Tag: {
        QPainterPath p;
        const QRectF r(4, 5, w - 8, h - 14);
        const qreal tip = 22;
        if (!mirrored) {
            p.moveTo(r.left(), r.center().y());
            p.lineTo(r.left() + tip, r.top());
            p.lineTo(r.right() - 6, r.top());
            p.quadTo(r.right(), r.top(), r.right(), r.top() + 6);
            p.lineTo(r.right(), r.bottom() - 6);
            p.quadTo(r.right(), r.bottom(), r.right() - 6, r.bottom());
            p.lineTo(r.left() + tip, r.bottom());
        } else {
            p.moveTo(r.right(), r.center().y());
            p.lineTo(r.right() - tip, r.top());
            p.lineTo(r.left() + 6, r.top());
            p.quadTo(r.left(), r.top(), r.left(), r.top() + 6);
            p.lineTo(r.left(), r.bottom() - 6);
            p.quadTo(r.left(), r.bottom(), r.left() + 6, r.bottom());
            p.lineTo(r.right() - tip, r.bottom());
        }
        p.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(QPointF(mirrored ? r.right() - 13 : r.left() + 13, r.center().y()), 3.5, 3.5);
        b.outline = p.subtracted(hole);
        b.content = mirrored ? r.adjusted(4, 3, -tip - 4, -3) : r.adjusted(tip + 4, 3, -4, -3);
        break;
    }
    case Shape::Seal: {
        QPainterPath p;
        const QPointF c(w / 2, h / 2 - 3);
        const int bumps = 22;
        for (int i = 0; i <= bumps * 8; ++i) {
            const qreal a = 2 * M_PI * i / (bumps * 8);
            const qreal r = 42 + 3 * qCos(a * bumps);
            const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
            if (i == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
        p.closeSubpath();
        b.outline = p;
        b.content = QRectF(c.x() - 32, c.y() - 30, 64, 60);
        break;
    }
    case Shape::Stamp: {
        const QRectF r(4, 4, w - 8, h - 13);
        b.outline = roundedRect(r, 13);
        b.content = r.adjusted(9, 5, -9, -5);
        break;
    }
    }
    return b;
}

void drawIcon(QPainter &p, Icon icon, const QRectF &r, const Scheme &c)
{
    p.save();
    const QPen edge(c.edge, std::max(1.0, r.width() / 18), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QColor white(255, 255, 255);
    switch (icon) {
    case Icon::Arrow: {
        const QRectF a = r.adjusted(r.width() * 0.12, 0, -r.width() * 0.12, -r.height() * 0.16);
        p.setPen(edge);
        p.setBrush(white);
        p.drawPath(downArrow(a));
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawRoundedRect(QRectF(r.left() + r.width() * 0.1, r.bottom() - r.height() * 0.12, r.width() * 0.8,
                                 r.height() * 0.11), 2, 2);
        break;
    }
    case Icon::Chevrons: {
        // Two stacked chevrons pointing down.
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 2; ++k) {
            QPainterPath v;
            const qreal top = r.top() + r.height() * (0.12 + k * 0.36);
            v.moveTo(r.left() + r.width() * 0.14, top);
            v.lineTo(r.center().x(), top + r.height() * 0.34);
            v.lineTo(r.right() - r.width() * 0.14, top);
            p.setPen(QPen(c.edge, r.width() / 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(v);
            p.setPen(QPen(k == 0 ? white : c.accent, r.width() / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(v);
        }
        break;
    }
    case Icon::Tray: {
        p.setPen(QPen(white, std::max(1.5, r.width() / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tray;
        tray.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.6);
        tray.lineTo(r.left() + r.width() * 0.08, r.bottom() - 1);
        tray.lineTo(r.right() - r.width() * 0.08, r.bottom() - 1);
        tray.lineTo(r.right() - r.width() * 0.08, r.top() + r.height() * 0.6);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tray);
        p.setPen(QPen(c.edge, 1));
        p.setBrush(c.accent);
        p.drawPath(downArrow(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.5, r.height() * 0.78)));
        break;
    }
    case Icon::Ring: {
        const qreal d = std::min(r.width(), r.height());
        const QRectF ring(r.center().x() - d / 2 + 1, r.center().y() - d / 2 + 1, d - 2, d - 2);
        p.setPen(QPen(c.edge, 1));
        p.setBrush(white);
        p.drawEllipse(ring);
        p.setPen(Qt::NoPen);
        p.setBrush(c.bottom);
        p.drawPath(downArrow(ring.adjusted(d * 0.24, d * 0.16, -d * 0.24, -d * 0.16)));
        break;
    }
    case Icon::Page: {
        const qreal pw = r.width() * 0.72;
        const QRectF page(r.center().x() - pw / 2, r.top(), pw, r.height());
        const qreal fold = pw * 0.32;
        QPainterPath sheet;
        sheet.moveTo(page.topLeft());
        sheet.lineTo(page.right() - fold, page.top());
        sheet.lineTo(page.right(), page.top() + fold);
        sheet.lineTo(page.bottomRight());
        sheet.lineTo(page.bottomLeft());
        sheet.closeSubpath();
        p.setPen(edge);
        p.setBrush(white);
        p.drawPath(sheet);
        p.setBrush(mix(white, c.top, 0.5));
        QPainterPath corner;
        corner.moveTo(page.right() - fold, page.top());
        corner.lineTo(page.right() - fold, page.top() + fold);
        corner.lineTo(page.right(), page.top() + fold);
        p.drawPath(corner);
        p.setPen(Qt::NoPen);
        p.setBrush(c.bottom);
        p.drawPath(downArrow(page.adjusted(pw * 0.22, page.height() * 0.3, -pw * 0.22, -page.height() * 0.1)));
        break;
    }
    }
    p.restore();
}

} // namespace art::button
