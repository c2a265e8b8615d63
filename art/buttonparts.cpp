// Download button parts: the nine body shapes and five pictograms.
#include "art/buttonparts.h"

#include "art/artkit.h"

#include <QtMath>

namespace art::button {

QSize sizeOf(Shape s)
{
    switch (s) {
    case Shape::Tile:
        return {84, 76};
    case Shape::Disc:
        return {80, 80};
    case Shape::Shield:
        return {80, 80};
    case Shape::Seal:
        return {80, 80};
    case Shape::ArrowBox:
        return {80, 80};
    case Shape::Bubble:
        return {88, 76};
    case Shape::Cloud:
        return {92, 76};
    case Shape::Hexagon:
        return {82, 80};
    case Shape::Ticket:
        return {90, 74};
    }
    return {80, 76};
}

namespace {

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath circle(QPointF centre, qreal r)
{
    QPainterPath path;
    path.addEllipse(centre, r, r);
    return path;
}

} // namespace

Body bodyOf(Shape s, QSize size, bool mirrored)
{
    Body b;
    const qreal w = size.width(), h = size.height(), cx = w / 2;
    switch (s) {
    case Shape::Tile: {
        // A rounded square on a slab one shade darker.
        const QRectF r(3, 3, w - 6, h - 11);
        b.outline = roundedRect(r, 14);
        b.back = roundedRect(r.translated(0, 5), 14);
        b.icon = QRectF(cx - 12, r.top() + 4, 24, 23);
        b.words = QRectF(r.left() + 3, r.top() + 27, r.width() - 6, r.height() - 29);
        break;
    }
    case Shape::Disc: {
        // A disc holding the pictogram over a banner that carries the words.
        b.outline = circle(QPointF(cx, 23), 21);
        b.back = roundedRect(QRectF(2.5, 37.5, w - 5, 38), 8);
        b.wordsOnBack = true;
        b.iconAbove = false;
        b.icon = QRectF(cx - 12, 7, 24, 24);
        b.words = QRectF(6, 40, w - 12, 33);
        break;
    }
    case Shape::Shield: {
        QPainterPath p;
        p.moveTo(cx, 3);
        p.cubicTo(w * 0.66, 9, w * 0.84, 9, w - 3, 7);
        p.cubicTo(w - 1, h * 0.52, w * 0.8, h * 0.8, cx, h - 4);
        p.cubicTo(w * 0.2, h * 0.8, 1, h * 0.52, 3, 7);
        p.cubicTo(w * 0.16, 9, w * 0.34, 9, cx, 3);
        p.closeSubpath();
        b.outline = p;
        b.icon = QRectF(cx - 11, 10, 22, 20);
        b.words = QRectF(5, 31, w - 10, 29);
        b.taper = 7;
        break;
    }
    case Shape::Seal: {
        // A starburst seal.
        QPainterPath p;
        const QPointF c(cx, h / 2 - 1);
        const int bumps = 20;
        for (int i = 0; i <= bumps * 8; ++i) {
            const qreal a = 2 * M_PI * i / (bumps * 8);
            const qreal r = 36 + 2.6 * qCos(a * bumps);
            const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
            if (i == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
        p.closeSubpath();
        b.outline = p;
        b.icon = QRectF(cx - 11, 9, 22, 20);
        b.words = QRectF(8, 29, w - 16, 32);
        b.taper = 6;
        break;
    }
    case Shape::ArrowBox: {
        // A box with the words and, under it, an arrow head with chevrons.
        const qreal split = 50;
        const QPainterPath box = roundedRect(QRectF(3, 3, w - 6, split - 3), 10);
        const QPainterPath head =
            polygon({{w * 0.2, split - 4}, {w * 0.8, split - 4}, {cx, h - 3}});
        b.outline = box.united(head);
        b.iconAbove = false;
        b.icon = QRectF(cx - 11, split - 1, 22, 19);
        b.words = QRectF(7, 6, w - 14, split - 10);
        break;
    }
    case Shape::Bubble: {
        // A speech bubble whose tail points down to the side where the
        // reader starts: right for Arabic, left for Latin.
        const QRectF r(3, 3, w - 6, h - 18);
        const qreal tx = mirrored ? w * 0.26 : w * 0.74, dir = mirrored ? -1 : 1;
        const QPainterPath tail =
            polygon({{tx - 9, r.bottom() - 3}, {tx + 8, r.bottom() - 3}, {tx + dir * 12, h - 3}});
        b.outline = roundedRect(r, 15).united(tail);
        b.icon = QRectF(cx - 11, r.top() + 4, 22, 20);
        b.words = QRectF(r.left() + 4, r.top() + 24, r.width() - 8, r.height() - 26);
        break;
    }
    case Shape::Cloud: {
        // A cloud with the words, and the pictogram dropping out under it.
        QPainterPath p = roundedRect(QRectF(4, 26, w - 8, 34), 17);
        p = p.united(circle(QPointF(30, 30), 18));
        p = p.united(circle(QPointF(54, 24), 21.5));
        p = p.united(circle(QPointF(74, 36), 14));
        b.outline = p;
        b.iconAbove = false;
        b.icon = QRectF(cx - 8.5, 55, 17, 17);
        // The pictogram drops out of the cloud on a disc of its own.
        b.back = circle(b.icon.center(), 11);
        b.words = QRectF(10, 14, w - 20, 40);
        break;
    }
    case Shape::Hexagon: {
        b.outline = polygon({{cx, 2},
                             {w - 3, h * 0.26},
                             {w - 3, h * 0.74},
                             {cx, h - 2},
                             {3, h * 0.74},
                             {3, h * 0.26}});
        b.icon = QRectF(cx - 11, 9, 22, 20);
        b.words = QRectF(5, 29, w - 10, 31);
        break;
    }
    case Shape::Ticket: {
        // A ticket with a notch in each side.
        const QRectF r(3, 3, w - 6, h - 9);
        QPainterPath p = roundedRect(r, 8);
        p = p.subtracted(circle(QPointF(r.left(), r.center().y()), 6));
        p = p.subtracted(circle(QPointF(r.right(), r.center().y()), 6));
        b.outline = p;
        b.icon = QRectF(cx - 11, r.top() + 5, 22, 20);
        b.words = QRectF(r.left() + 8, r.top() + 25, r.width() - 16, r.height() - 28);
        break;
    }
    }
    return b;
}

void drawIcon(QPainter& p, Icon icon, const QRectF& r, const Scheme& c)
{
    p.save();
    const QPen edge(c.edge, std::max(1.2, r.width() / 16), Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin);
    const QColor white(255, 255, 255);
    switch (icon) {
    case Icon::Arrow: {
        const QRectF a = r.adjusted(r.width() * 0.1, 0, -r.width() * 0.1, -r.height() * 0.18);
        p.setPen(edge);
        p.setBrush(white);
        p.drawPath(downArrow(a));
        p.setPen(QPen(c.edge, 0.8));
        p.setBrush(c.accent);
        p.drawRoundedRect(QRectF(r.left() + r.width() * 0.1, r.bottom() - r.height() * 0.14,
                                 r.width() * 0.8, r.height() * 0.13),
                          1.5, 1.5);
        break;
    }
    case Icon::Chevrons: {
        // Two stacked chevrons pointing down.
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 2; ++k) {
            QPainterPath v;
            const qreal top = r.top() + r.height() * (0.1 + k * 0.38);
            v.moveTo(r.left() + r.width() * 0.12, top);
            v.lineTo(r.center().x(), top + r.height() * 0.36);
            v.lineTo(r.right() - r.width() * 0.12, top);
            p.setPen(QPen(c.edge, r.width() / 3.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(v);
            p.setPen(QPen(k == 0 ? white : c.accent, r.width() / 6.5, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.drawPath(v);
        }
        break;
    }
    case Icon::Tray: {
        QPainterPath tray;
        tray.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.55);
        tray.lineTo(r.left() + r.width() * 0.08, r.bottom() - 1.5);
        tray.lineTo(r.right() - r.width() * 0.08, r.bottom() - 1.5);
        tray.lineTo(r.right() - r.width() * 0.08, r.top() + r.height() * 0.55);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.edge, std::max(3.0, r.width() / 5.5), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(tray);
        p.setPen(
            QPen(white, std::max(1.6, r.width() / 10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tray);
        p.setPen(QPen(c.edge, 1));
        p.setBrush(c.accent);
        p.drawPath(downArrow(
            QRectF(r.left() + r.width() * 0.24, r.top(), r.width() * 0.52, r.height() * 0.76)));
        break;
    }
    case Icon::Ring: {
        const qreal d = std::min(r.width(), r.height());
        const QRectF ring(r.center().x() - d / 2 + 0.5, r.center().y() - d / 2 + 0.5, d - 1, d - 1);
        p.setPen(QPen(c.edge, 1.2));
        p.setBrush(white);
        p.drawEllipse(ring);
        p.setPen(Qt::NoPen);
        p.setBrush(c.bottom);
        p.drawPath(downArrow(ring.adjusted(d * 0.23, d * 0.15, -d * 0.23, -d * 0.15)));
        break;
    }
    case Icon::Page: {
        const qreal pw = r.width() * 0.74;
        const QRectF page(r.center().x() - pw / 2, r.top(), pw, r.height());
        const qreal fold = pw * 0.34;
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
        p.drawPath(downArrow(
            page.adjusted(pw * 0.2, page.height() * 0.32, -pw * 0.2, -page.height() * 0.1)));
        break;
    }
    }
    p.restore();
}

} // namespace art::button
