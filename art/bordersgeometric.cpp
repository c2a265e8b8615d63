// Geometric border motifs: star chains, braids, rings, zigzags, diamonds,
// the key pattern, lace, rosettes, honeycomb, chequers, chain, rope,
// fringe, a jewelled bar, dash and dot, sawtooth and circle lattice.
#include "art/borderkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art::border {

void khatamChain(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), r = g.height * 0.36;
    const Repeat rep = repeat(g.left() + 12, g.right() - 12, r * 2.9, true);
    p.setPen(pen(g.tones.dark, 1.6));
    p.drawLine(QPointF(rep.first - r - 4, cy), QPointF(rep.at(rep.n - 1) + r + 4, cy));
    finial(p, QPointF(rep.first - r - 2, cy), -1, 9, g.tones);
    finial(p, QPointF(rep.at(rep.n - 1) + r + 2, cy), 1, 9, g.tones);
    for (int k = 0; k < rep.n; ++k) {
        const QPointF centre(rep.at(k), cy);
        QRadialGradient fill(centre, r);
        fill.setColorAt(0, g.tones.light);
        fill.setColorAt(1, g.tones.main);
        p.setPen(QPen(g.tones.dark, 1));
        p.setBrush(fill);
        p.drawPath(khatam(centre, r));
        p.setBrush(g.tones.accent);
        p.drawPath(khatam(centre, r * 0.45));
        if (k + 1 < rep.n) {
            p.setBrush(g.tones.accent);
            p.drawPath(diamond(QPointF(centre.x() + rep.step / 2, cy), 4, 4));
        }
    }
}

void braid(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), period = 36, amp = g.height * 0.24;
    const Repeat r = repeat(g.left() + 10, g.right() - 10, period);
    const qreal x0 = r.begin(), x1 = r.begin() + r.n * period;
    p.setPen(pen(g.tones.dark, 1.2));
    p.drawLine(QPointF(x0, cy - g.height * 0.34), QPointF(x1, cy - g.height * 0.34));
    p.drawLine(QPointF(x0, cy + g.height * 0.34), QPointF(x1, cy + g.height * 0.34));
    for (int strand = 0; strand < 2; ++strand) {
        // Whole periods: both strands meet on the centre line at each end.
        const QPainterPath wave = sineWave(x0, r.n, period, cy, strand ? -amp : amp);
        outlinedStroke(p, wave, g.tones.dark, 3.6, strand ? g.tones.main : g.tones.accent, 2);
    }
    for (int k = 0; k <= 2 * r.n; ++k)
        bead(p, QPointF(x0 + k * period / 2, cy), k == 0 || k == 2 * r.n ? 3.4 : 2.2,
             g.tones.accent);
    for (qreal x : {x0, x1}) {
        p.setPen(pen(g.tones.dark, 1.2));
        p.drawLine(QPointF(x, cy - g.height * 0.34), QPointF(x, cy + g.height * 0.34));
    }
}

void ringChain(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), r = g.height * 0.3;
    const Repeat rep = repeat(g.left() + r + 6, g.right() - r - 6, r * 1.45, true);
    // Rings in two passes: each ring's right half goes over its neighbour.
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k < rep.n; ++k) {
            const QRectF box(rep.at(k) - r, cy - r, 2 * r, 2 * r);
            const QColor colour = k % 2 ? g.tones.accent : g.tones.main;
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(g.tones.dark, 4.2, Qt::SolidLine, Qt::FlatCap));
            if (pass == 0)
                p.drawEllipse(box);
            else
                p.drawArc(box, -60 * 16, 120 * 16);
            p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::FlatCap));
            if (pass == 0)
                p.drawEllipse(box);
            else
                p.drawArc(box, -60 * 16, 120 * 16);
        }
    }
    bead(p, QPointF(rep.first - r - 3, cy), 2.6, g.tones.accent);
    bead(p, QPointF(rep.at(rep.n - 1) + r + 3, cy), 2.6, g.tones.accent);
}

void zigzag(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), step = 12, amp = g.height * 0.22;
    const Repeat r = repeat(g.left() + 14, g.right() - 14, 2 * step);
    const qreal x0 = r.begin(), x1 = r.begin() + r.n * 2 * step;
    p.setPen(pen(g.tones.dark, 1.2));
    p.drawLine(QPointF(x0 - 2, cy - g.height * 0.32), QPointF(x1 + 2, cy - g.height * 0.32));
    p.drawLine(QPointF(x0 - 2, cy + g.height * 0.32), QPointF(x1 + 2, cy + g.height * 0.32));
    // Whole periods from the centre line back to it.
    QPainterPath zig(QPointF(x0, cy));
    for (int k = 0; k < 2 * r.n; ++k) {
        zig.lineTo(x0 + (k + 0.5) * step, cy + (k % 2 ? amp : -amp));
        zig.lineTo(x0 + (k + 1) * step, cy);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(g.tones.main, 2.6));
    p.drawPath(zig);
    for (int k = 0; k < 2 * r.n; ++k)
        bead(p, QPointF(x0 + (k + 0.5) * step, cy + (k % 2 ? -amp * 0.6 : amp * 0.6)), 1.8,
             g.tones.accent);
    finial(p, QPointF(x0 - 1, cy), -1, 10, g.tones);
    finial(p, QPointF(x1 + 1, cy), 1, 10, g.tones);
}

void diamonds(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), rx = 9;
    const Repeat r = repeat(g.left() + rx, g.right() - rx, rx * 2, true);
    p.setPen(pen(g.tones.dark, 0.8));
    p.drawLine(QPointF(r.first - rx, cy), QPointF(r.at(r.n - 1) + rx, cy));
    for (int k = 0; k < r.n; ++k) {
        const QPointF centre(r.at(k), cy);
        const bool small = k % 2 || k == 0 || k == r.n - 1;
        const qreal ry = g.height * (small ? 0.2 : 0.38);
        const QColor col = small ? g.tones.accent : g.tones.main;
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(vertical(QRectF(0, cy - ry, 1, 2 * ry), col.lighter(150), col.darker(110)));
        p.drawPath(diamond(centre, small ? rx * 0.75 : rx, ry));
    }
}

void meander(QPainter& p, const Ground& g)
{
    const qreal u = std::max(3.0, g.height * 0.11), top = g.cy() - 2 * u, unit = 4 * u;
    const Repeat r = repeat(g.left() + u, g.right() - u, unit);
    const qreal x0 = r.begin(), x1 = r.begin() + r.n * unit;
    QPainterPath key;
    key.moveTo(x0, top + 4 * u);
    key.lineTo(x1, top + 4 * u);
    for (int k = 0; k < r.n; ++k) {
        const qreal x = x0 + k * unit;
        // A hook rising from the base line and turning in on itself.
        key.moveTo(x + 0.5 * u, top + 4 * u);
        key.lineTo(x + 0.5 * u, top);
        key.lineTo(x + 3.5 * u, top);
        key.lineTo(x + 3.5 * u, top + 3 * u);
        key.lineTo(x + 1.5 * u, top + 3 * u);
        key.lineTo(x + 1.5 * u, top + 1 * u);
        key.lineTo(x + 2.5 * u, top + 1 * u);
        key.lineTo(x + 2.5 * u, top + 2 * u);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(g.tones.dark, u * 0.75, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(key);
    p.setPen(QPen(g.tones.main, u * 0.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(key);
    for (qreal x : {x0 - u * 0.6, x1 + u * 0.6}) {
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(g.tones.accent);
        p.drawRect(QRectF(x - u * 0.6, top + 4 * u - u * 0.6, u * 1.2, u * 1.2));
    }
}

void lace(QPainter& p, const Ground& g)
{
    const qreal top = g.height * 0.28, r = g.height * 0.24;
    const Repeat rep = repeat(g.left() + 8, g.right() - 8, 2 * r);
    const qreal x0 = rep.begin(), x1 = rep.begin() + rep.n * 2 * r;
    for (int k = 0; k < rep.n; ++k) {
        const QPointF c(x0 + (2 * k + 1) * r, top);
        QPainterPath scallop;
        scallop.moveTo(c.x() - r, top);
        scallop.arcTo(QRectF(c.x() - r, top - r, 2 * r, 2 * r), 180, 180);
        scallop.closeSubpath();
        p.setPen(QPen(g.tones.dark, 0.9));
        p.setBrush(g.tones.light);
        p.drawPath(scallop);
        p.setBrush(Qt::white);
        for (int j = -1; j <= 1; ++j)
            p.drawEllipse(QPointF(c.x() + j * r * 0.5, top + r * (j == 0 ? 0.55 : 0.35)), r * 0.13,
                          r * 0.13);
        bead(p, QPointF(c.x(), top + r + 2.5), 2, g.tones.accent);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, top - 3, 1, 6), g.tones.main, g.tones.dark));
    p.drawRoundedRect(QRectF(x0 - 3, top - 3, x1 - x0 + 6, 5), 2.5, 2.5);
    bead(p, QPointF(x0 - 3, top - 0.5), 3.2, g.tones.accent);
    bead(p, QPointF(x1 + 3, top - 0.5), 3.2, g.tones.accent);
}

void rosettes(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), r = g.height * 0.36;
    const Repeat rep = repeat(g.left() + 14, g.right() - 14, r * 3.2, true);
    p.setPen(pen(g.tones.light, 1.4));
    p.drawLine(QPointF(rep.first - r - 6, cy), QPointF(rep.at(rep.n - 1) + r + 6, cy));
    for (int k = 0; k < rep.n; ++k) {
        const QPointF c(rep.at(k), cy);
        for (int j = 0; j < 8; ++j) {
            p.save();
            p.translate(c);
            p.rotate(j * 45.0 + 22.5);
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.quadTo(r * 0.32, -r * 0.5, 0, -r);
            petal.quadTo(-r * 0.32, -r * 0.5, 0, 0);
            p.setPen(QPen(g.tones.dark, 0.7));
            p.setBrush(j % 2 ? g.tones.main : g.tones.light);
            p.drawPath(petal);
            p.restore();
        }
        bead(p, c, r * 0.22, g.tones.accent);
        if (k + 1 < rep.n) {
            p.setPen(QPen(g.tones.dark, 0.7));
            p.setBrush(g.tones.accent);
            p.drawPath(diamond(QPointF(c.x() + rep.step / 2, cy), 6, 4));
        }
    }
    finial(p, QPointF(rep.first - r - 4, cy), -1, 8, g.tones);
    finial(p, QPointF(rep.at(rep.n - 1) + r + 4, cy), 1, 8, g.tones);
}

void honeycomb(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), r = g.height * 0.2, dx = r * std::sqrt(3.0);
    const Repeat rep = repeat(g.left() + r + 2, g.right() - r - 2, dx, true);
    const auto hexagon = [](QPointF c, qreal radius) {
        QPolygonF poly;
        for (int k = 0; k < 6; ++k) {
            const qreal a = qDegreesToRadians(60.0 * k + 30);
            poly << QPointF(c.x() + radius * qCos(a), c.y() + radius * qSin(a));
        }
        return poly;
    };
    for (int k = 0; k < rep.n; ++k) {
        // Cells alternate between the upper and the lower row.
        const qreal y = cy + (k % 2 ? r * 0.75 : -r * 0.75);
        const QPointF c(rep.at(k), y);
        p.setPen(QPen(g.tones.dark, 1));
        p.setBrush(vertical(QRectF(0, y - r, 1, 2 * r), g.tones.light,
                            k % 4 == 1 ? g.tones.accent : g.tones.main));
        p.drawPolygon(hexagon(c, r * 0.98));
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Qt::white, 140));
        p.drawEllipse(c + QPointF(-r * 0.25, -r * 0.3), r * 0.2, r * 0.14);
    }
}

void checker(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), s = g.height * 0.16;
    const Repeat rep = repeat(g.left() + 3 * s, g.right() - 3 * s, s);
    const qreal x0 = rep.begin(), x1 = rep.begin() + rep.n * s;
    for (int k = 0; k < rep.n; ++k) {
        for (int row = 0; row < 2; ++row) {
            p.setPen(Qt::NoPen);
            p.setBrush((k + row) % 2 ? g.tones.main : g.tones.light);
            p.drawRect(QRectF(x0 + k * s, cy - s + row * s, s, s));
        }
    }
    p.setPen(pen(g.tones.dark, 1.2));
    p.drawLine(QPointF(x0, cy - s - 1.5), QPointF(x1, cy - s - 1.5));
    p.drawLine(QPointF(x0, cy + s + 1.5), QPointF(x1, cy + s + 1.5));
    // Pointed caps close the band at both ends.
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = side < 0 ? x0 : x1;
        QPainterPath cap;
        cap.moveTo(x, cy - s - 2.5);
        cap.lineTo(x + side * 2.6 * s, cy);
        cap.lineTo(x, cy + s + 2.5);
        cap.closeSubpath();
        p.setPen(QPen(g.tones.dark, 0.9));
        p.setBrush(g.tones.accent);
        p.drawPath(cap);
    }
}

void chainLinks(QPainter& p, const Ground& g)
{
    // Variant 0: a steel chain of long links, flat and edge on by turns.
    // Variant 1: a gold chain of round rings with a medallion in the middle.
    const bool rings = g.variant % 2;
    const qreal cy = g.cy(), len = rings ? g.height * 0.46 : g.height * 0.62,
                step = len * (rings ? 0.72 : 0.78);
    const Repeat rep = repeat(g.left() + len / 2 + 4, g.right() - len / 2 - 4, step, true);
    const QColor metal = rings ? QColor(200, 160, 60) : QColor(160, 166, 178);
    for (int k = 0; k < rep.n; ++k) {
        const QPointF c(rep.at(k), cy);
        if (rings && k == rep.n / 2)
            continue; // the medallion goes here, over its neighbours
        const bool flat = rings || k % 2 == 0;
        const QRectF box = rings ? QRectF(c.x() - len / 2, cy - len / 2, len, len)
                           : flat
                               ? QRectF(c.x() - len / 2, cy - g.height * 0.2, len, g.height * 0.4)
                               : QRectF(c.x() - len / 2, cy - 2, len, 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(metal.darker(170), flat ? 4 : 5.2));
        p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
        p.setPen(QPen(mix(metal, g.tones.main, 0.3), flat ? 2.2 : 3));
        p.drawRoundedRect(box, box.height() / 2, box.height() / 2);
        p.setPen(pen(withAlpha(Qt::white, 160), 0.8));
        p.drawLine(QPointF(box.left() + 3, box.top() + 0.5),
                   QPointF(box.right() - 3, box.top() + 0.5));
    }
    if (rings) {
        const QPointF c(rep.at(rep.n / 2), cy);
        p.setPen(QPen(metal.darker(170), 1.2));
        p.setBrush(vertical(QRectF(0, cy - len, 1, 2 * len), metal.lighter(140), metal));
        p.drawEllipse(c, len * 0.9, len * 0.9);
        p.setPen(QPen(g.tones.dark, 0.7));
        p.setBrush(g.tones.main);
        p.drawPath(star(c, len * 0.62, len * 0.3, 6));
    }
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = side < 0 ? rep.first - len / 2 - 1 : rep.at(rep.n - 1) + len / 2 + 1;
        p.setPen(QPen(metal.darker(170), 1));
        p.setBrush(g.tones.accent);
        p.drawEllipse(QPointF(x, cy), 3, 3);
    }
}

void rope(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), step = 5.5, thick = g.height * 0.26;
    const qreal x0 = g.left() + 16, x1 = g.right() - 16;
    const Repeat rep = repeat(x0, x1, step);
    for (int k = 0; k < rep.n; ++k) {
        // Twists: short slanted strands side by side.
        p.save();
        p.translate(rep.at(k), cy);
        p.rotate(-40);
        p.setPen(QPen(g.tones.dark, 0.7));
        p.setBrush(vertical(QRectF(0, -thick, 1, thick * 2), k % 2 ? g.tones.light : g.tones.main,
                            g.tones.main.darker(120)));
        p.drawEllipse(QPointF(0, 0), step * 0.75, thick * 0.8);
        p.restore();
    }
    for (int side = -1; side <= 1; side += 2) {
        // Each end is bound and frays into a tassel.
        const qreal x = side < 0 ? rep.begin() : rep.begin() + rep.n * step;
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(g.tones.accent);
        p.drawRoundedRect(QRectF(x - 2.5, cy - thick * 0.8, 5, thick * 1.6), 1.5, 1.5);
        for (int j = -3; j <= 3; ++j) {
            p.setPen(pen(g.tones.main, 1.1));
            p.drawLine(QPointF(x + side * 2.5, cy + j * 0.9), QPointF(x + side * 11, cy + j * 2.2));
        }
    }
}

void fringe(QPainter& p, const Ground& g)
{
    const qreal bar = g.height * 0.2;
    const qreal x0 = g.left() + 6, x1 = g.right() - 6;
    const Repeat rep = repeat(x0 + 6, x1 - 6, 16, true);
    for (int k = 0; k < rep.n; ++k) {
        const qreal x = rep.at(k), length = g.height * (k % 2 ? 0.45 : 0.62);
        p.setPen(pen(g.tones.dark, 1));
        p.drawLine(QPointF(x, bar), QPointF(x, bar + length * 0.35));
        bead(p, QPointF(x, bar + length * 0.35), 2.6, g.tones.accent);
        // The tassel: a fan of threads under the bead.
        for (int j = -3; j <= 3; ++j) {
            p.setPen(pen(k % 2 ? g.tones.light.darker(110) : g.tones.main, 1));
            p.drawLine(QPointF(x + j * 0.5, bar + length * 0.4),
                       QPointF(x + j * 1.3, bar + length));
        }
    }
    p.setPen(QPen(g.tones.dark, 0.9));
    p.setBrush(vertical(QRectF(0, bar - 3, 1, 6), g.tones.light, g.tones.main));
    p.drawRoundedRect(QRectF(x0, bar - 3, x1 - x0, 6), 3, 3);
    bead(p, QPointF(x0, bar), 4, g.tones.accent);
    bead(p, QPointF(x1, bar), 4, g.tones.accent);
}

void jewelBar(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), w = g.width;
    const qreal endX = g.left() + g.height * 0.32;
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, cy - 5, 1, 10), g.tones.light, g.tones.dark));
    p.drawPath(taperedLine(endX + 8, w - endX - 8, cy, 7));
    for (qreal x : {endX, w - endX}) {
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(g.tones.accent);
        p.drawPath(star(QPointF(x, cy), g.height * 0.3, g.height * 0.13, 8, 0));
        bead(p, QPointF(x, cy), g.height * 0.08, g.tones.main);
    }
    p.setPen(QPen(g.tones.dark, 0.8));
    p.setBrush(g.tones.accent);
    p.drawPath(diamond(QPointF(w / 2, cy), g.height * 0.25, g.height * 0.4));
    bead(p, QPointF(w / 2, cy), g.height * 0.1, g.tones.main);
}

void dashDot(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy();
    for (int side = -1; side <= 1; side += 2) {
        qreal x = cx + side * g.height * 0.5;
        const qreal end = side < 0 ? g.left() + 2 : g.right() - 2;
        for (int k = 0; side * (end - x) > 6; ++k) {
            const qreal len = std::max(4.0, 18 - k * 1.6);
            if (side * (end - x) < len + 4)
                break;
            p.setPen(pen(g.tones.main, 2.6));
            p.drawLine(QPointF(x + side * 2, cy), QPointF(x + side * (2 + len), cy));
            x += side * (len + 6);
            bead(p, QPointF(x - side * 2, cy), 1.9, g.tones.accent);
        }
    }
    p.setPen(QPen(g.tones.dark, 0.8));
    p.setBrush(
        vertical(QRectF(0, cy - g.height * 0.4, 1, g.height * 0.8), g.tones.light, g.tones.main));
    p.drawPath(diamond(QPointF(cx, cy), g.height * 0.36, g.height * 0.4));
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(g.tones.accent, 1.4));
    p.drawEllipse(QPointF(cx, cy), g.height * 0.14, g.height * 0.14);
}

void sawtooth(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), half = g.height * 0.26, step = half * 1.3;
    const Repeat rep = repeat(g.left() + 12, g.right() - 12, step);
    const qreal x0 = rep.begin(), x1 = rep.begin() + rep.n * step;
    for (int k = 0; k < rep.n; ++k) {
        const qreal x = x0 + k * step;
        QPainterPath up, down;
        up.moveTo(x, cy + half);
        up.lineTo(x + step / 2, cy - half);
        up.lineTo(x + step, cy + half);
        up.closeSubpath();
        down.moveTo(x + step / 2, cy - half);
        down.lineTo(x + step, cy + half);
        down.lineTo(x + step * 1.5, cy - half);
        down.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(g.tones.main);
        p.drawPath(up);
        if (k + 1 < rep.n) {
            p.setBrush(g.tones.light);
            p.drawPath(down);
        }
    }
    p.setPen(pen(g.tones.dark, 1.4));
    p.drawLine(QPointF(x0, cy - half - 1.5), QPointF(x1, cy - half - 1.5));
    p.drawLine(QPointF(x0, cy + half + 1.5), QPointF(x1, cy + half + 1.5));
    finial(p, QPointF(x0 - 1, cy), -1, 10, g.tones);
    finial(p, QPointF(x1 + 1, cy), 1, 10, g.tones);
}

void circleLattice(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), r = g.height * 0.3;
    const Repeat rep = repeat(g.left() + r + 3, g.right() - r - 3, r, true);
    for (int k = 0; k + 1 < rep.n; ++k) {
        // The almond where two neighbouring circles overlap.
        QPainterPath a, b;
        a.addEllipse(QPointF(rep.at(k), cy), r, r);
        b.addEllipse(QPointF(rep.at(k + 1), cy), r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? g.tones.light : withAlpha(g.tones.accent, 200));
        p.drawPath(a.intersected(b));
    }
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < rep.n; ++k) {
        p.setPen(QPen(g.tones.main, 1.4));
        p.drawEllipse(QPointF(rep.at(k), cy), r, r);
    }
    bead(p, QPointF(rep.first - r, cy), 2.6, g.tones.dark);
    bead(p, QPointF(rep.at(rep.n - 1) + r, cy), 2.6, g.tones.dark);
}

} // namespace art::border
