// Border motifs of symbols and festive things: hearts, stars, a pearl
// swag, crescent and star, a mosque skyline, lanterns, bunting, music,
// moon phases and snowflakes.
#include "art/borderkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art::border {

void hearts(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy();
    p.setPen(Qt::NoPen);
    p.setBrush(g.tones.light);
    p.drawPath(taperedLine(g.left() + 2, g.right() - 2, cy, 3));
    const int n = 9;
    const qreal beat = g.moving ? 1 + 0.14 * std::max(0.0, qSin(2 * M_PI * g.phase)) : 1;
    for (int k = 0; k < n; ++k) {
        const qreal x = g.width / 2 + (k - n / 2) * (g.width - 44) / n;
        const bool middle = k == n / 2;
        const qreal size =
            middle ? g.height * 0.75 * beat : g.height * (0.38 - 0.03 * qAbs(k - n / 2));
        QRadialGradient fill(QPointF(x - size * 0.15, cy - size * 0.15), size * 0.7);
        fill.setColorAt(0, g.tones.main.lighter(160));
        fill.setColorAt(1, g.tones.main);
        p.setPen(QPen(g.tones.dark, 0.9));
        p.setBrush(fill);
        p.drawPath(heart(QPointF(x, cy), size));
    }
}

void stars(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy();
    p.setPen(pen(g.tones.light, 1.2));
    const int n = 13;
    const qreal x0 = g.left() + g.height * 0.2, x1 = g.right() - g.height * 0.2;
    p.drawLine(QPointF(x0, cy), QPointF(x1, cy));
    for (int k = 0; k < n; ++k) {
        const qreal x = x0 + k * (x1 - x0) / (n - 1);
        const int dist = qAbs(k - n / 2);
        qreal r = g.height * (0.42 - dist * 0.04);
        qreal glow = 0;
        if (g.moving) {
            glow = std::max(0.0, qSin(g.phase * 2 * M_PI + k * 1.9));
            r *= 0.85 + 0.2 * glow;
        }
        QRadialGradient fill(QPointF(x, cy), r);
        fill.setColorAt(0, mix(g.tones.accent.lighter(170), Qt::white, glow));
        fill.setColorAt(1, g.tones.accent);
        p.setPen(QPen(g.tones.accent.darker(150), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(star(QPointF(x, cy), r, r * 0.45, 5));
        if (glow > 0.6)
            sparkle(p, QPointF(x + r * 0.7, cy - r * 0.7), r * 0.6 * glow, Qt::white);
    }
}

void pearls(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, top = g.height * 0.25;
    for (int side = -1; side <= 1; side += 2) {
        // Two swags of graded pearls on each side, hung from three points.
        const qreal end = side < 0 ? g.left() + 6 : g.right() - 6;
        const qreal mid = (cx + end) / 2;
        for (int swag = 0; swag < 2; ++swag) {
            const qreal a = swag == 0 ? cx + side * 10 : mid, b = swag == 0 ? mid : end;
            QPainterPath curve(QPointF(a, top));
            curve.quadTo(QPointF((a + b) / 2, g.height * 0.95), QPointF(b, top));
            const int n = int(qAbs(b - a) / 6.5);
            for (int k = 1; k < n; ++k) {
                const qreal t = qreal(k) / n, size = 1.4 + 1.6 * (1 - qAbs(t - 0.5) * 2);
                bead(p, curve.pointAtPercent(t), size,
                     k % 2 ? g.tones.light.darker(105) : g.tones.main);
            }
        }
        p.setPen(QPen(g.tones.dark, 0.7));
        p.setBrush(g.tones.accent);
        p.drawPath(diamond(QPointF(mid, top), 3.5, 5));
        // A pearl drop hangs from each end.
        p.setPen(pen(g.tones.dark, 0.8));
        p.drawLine(QPointF(end, top), QPointF(end, top + 6));
        bead(p, QPointF(end, top + 8.5), 2.8, g.tones.accent);
    }
    p.setPen(QPen(g.tones.dark, 0.9));
    p.setBrush(vertical(QRectF(0, top - 7, 1, 14), g.tones.light, g.tones.main));
    p.drawEllipse(QPointF(cx, top + 1), 8, 7);
    bead(p, QPointF(cx, top + 1), 3, g.tones.accent);
}

void crescent(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy(), r = g.height * 0.4;
    for (int side = -1; side <= 1; side += 2) {
        const qreal from = cx + side * r * 1.25, to = side < 0 ? g.left() + 12 : g.right() - 12;
        p.setPen(pen(g.tones.main, 1.8));
        p.drawLine(QPointF(from, cy), QPointF(to, cy));
        p.setPen(pen(g.tones.light, 1));
        p.drawLine(QPointF(from + side * 8, cy + 3.5), QPointF(to - side * 10, cy + 3.5));
        for (int k = 1; k <= 3; ++k)
            bead(p, QPointF(from + (to - from) * k / 4.0, cy), 2.2, g.tones.accent);
        bead(p, QPointF(from, cy), 2, g.tones.main);
        p.setPen(QPen(g.tones.accent.darker(150), 0.6));
        p.setBrush(g.tones.accent);
        p.drawPath(star(QPointF(to + side * 4, cy), 6, 2.6, 5));
    }
    // The crescent: a disc with a smaller disc cut out, and a star in its arms.
    QPainterPath moon;
    moon.addEllipse(QPointF(cx - r * 0.15, cy), r, r);
    QPainterPath bite;
    bite.addEllipse(QPointF(cx + r * 0.22, cy - r * 0.12), r * 0.82, r * 0.82);
    moon = moon.subtracted(bite);
    p.setPen(QPen(g.tones.accent.darker(160), 0.8));
    p.setBrush(vertical(moon.boundingRect(), g.tones.accent.lighter(140), g.tones.accent));
    p.drawPath(moon);
    p.drawPath(star(QPointF(cx + r * 0.35, cy - r * 0.05), r * 0.42, r * 0.18, 5));
}

void skyline(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, base = g.height * 0.86;
    p.setPen(Qt::NoPen);
    p.setBrush(g.tones.dark);
    p.drawPath(taperedLine(g.left(), g.right(), base + 1, 2.2));
    QPainterPath mosque;
    const qreal domeR = g.height * 0.36;
    // Hall, dome with its finial, two minarets and two small domes.
    mosque.addRect(QRectF(cx - domeR * 1.6, base - domeR * 0.9, domeR * 3.2, domeR * 0.9));
    mosque.moveTo(cx - domeR, base - domeR * 0.9);
    mosque.cubicTo(cx - domeR * 1.1, base - domeR * 2.2, cx + domeR * 1.1, base - domeR * 2.2,
                   cx + domeR, base - domeR * 0.9);
    mosque.closeSubpath();
    for (int side = -1; side <= 1; side += 2) {
        const qreal mx = cx + side * domeR * 2.1;
        mosque.addRect(QRectF(mx - 3, base - g.height * 0.7, 6, g.height * 0.7));
        mosque.addRect(QRectF(mx - 4.2, base - g.height * 0.55, 8.4, 2.4));
        mosque.moveTo(mx - 3.6, base - g.height * 0.7);
        mosque.lineTo(mx, base - g.height * 0.86);
        mosque.lineTo(mx + 3.6, base - g.height * 0.7);
        mosque.closeSubpath();
        const qreal sx = cx + side * domeR * 1.05;
        mosque.addEllipse(QPointF(sx, base - domeR * 0.9), domeR * 0.42, domeR * 0.42);
    }
    mosque.setFillRule(Qt::WindingFill);
    p.setPen(QPen(g.tones.dark, 0.8));
    p.setBrush(vertical(QRectF(0, base - g.height * 0.86, 1, g.height * 0.86), g.tones.light,
                        g.tones.main));
    p.drawPath(mosque.simplified());
    p.setPen(pen(g.tones.accent, 1.2));
    p.drawLine(QPointF(cx, base - domeR * 1.95), QPointF(cx, base - domeR * 2.4));
    p.setBrush(g.tones.accent);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(cx, base - domeR * 2.45), 1.6, 1.6);
    for (int k = -1; k <= 1; ++k) {
        QPainterPath arch;
        const qreal ax = cx + k * domeR * 0.9;
        arch.moveTo(ax - 2.2, base);
        arch.lineTo(ax - 2.2, base - domeR * 0.45);
        arch.quadTo(ax, base - domeR * 0.75, ax + 2.2, base - domeR * 0.45);
        arch.lineTo(ax + 2.2, base);
        arch.closeSubpath();
        p.setBrush(g.tones.dark);
        p.drawPath(arch);
    }
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 1; k <= 4; ++k) {
            // Stars over the city, smaller towards the ends.
            const qreal x = cx + side * (domeR * 2.1 + k * (g.width / 2 - domeR * 2.1 - 14) / 4.2);
            p.setPen(QPen(g.tones.accent.darker(150), 0.5));
            p.setBrush(g.tones.accent);
            p.drawPath(star(QPointF(x, g.height * (k % 2 ? 0.36 : 0.56)), 4.6 - k * 0.6,
                            1.9 - k * 0.2, 5));
        }
    }
}

void lanterns(QPainter& p, const Ground& g)
{
    const qreal x0 = g.left() + 4, x1 = g.right() - 4, top = g.height * 0.1;
    QPainterPath cord(QPointF(x0, top));
    cord.quadTo(QPointF(g.width / 2, g.height * 0.38), QPointF(x1, top));
    p.setPen(pen(g.tones.dark, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cord);
    bead(p, QPointF(x0, top), 2.6, g.tones.accent);
    bead(p, QPointF(x1, top), 2.6, g.tones.accent);
    const qreal at[] = {0.14, 0.32, 0.5, 0.68, 0.86};
    for (int k = 0; k < 5; ++k) {
        const QPointF hook = cord.pointAtPercent(at[k]);
        const qreal s = g.height * (k == 2 ? 0.62 : 0.5);
        p.save();
        p.translate(hook);
        // A lantern (fanous) swings a little on its hook.
        p.rotate(g.moving ? 9 * qSin(2 * M_PI * (g.phase + k * 0.2)) : 0);
        p.setPen(pen(g.tones.dark, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, s * 0.06), s * 0.06, s * 0.06);
        // Domed cap, glass body with ribs, and a pointed foot.
        QPainterPath cap;
        cap.moveTo(-s * 0.26, s * 0.3);
        cap.quadTo(0, s * 0.02, s * 0.26, s * 0.3);
        cap.closeSubpath();
        QPainterPath body;
        body.moveTo(-s * 0.2, s * 0.3);
        body.lineTo(s * 0.2, s * 0.3);
        body.lineTo(s * 0.3, s * 0.62);
        body.lineTo(s * 0.2, s * 0.9);
        body.lineTo(-s * 0.2, s * 0.9);
        body.lineTo(-s * 0.3, s * 0.62);
        body.closeSubpath();
        QPainterPath foot;
        foot.moveTo(-s * 0.2, s * 0.9);
        foot.lineTo(s * 0.2, s * 0.9);
        foot.lineTo(0, s * 1.08);
        foot.closeSubpath();
        const QColor frame = k % 2 ? g.tones.dark : g.tones.main.darker(130);
        QRadialGradient light(QPointF(0, s * 0.6), s * 0.36);
        light.setColorAt(0, QColor(255, 250, 210));
        light.setColorAt(1, k % 2 ? g.tones.accent : g.tones.light);
        p.setPen(QPen(frame, 0.9));
        p.setBrush(light);
        p.drawPath(body);
        p.setBrush(frame);
        p.drawPath(cap);
        p.drawPath(foot);
        p.setPen(pen(frame, 0.8));
        p.drawLine(QPointF(0, s * 0.3), QPointF(0, s * 0.9));
        p.drawLine(QPointF(-s * 0.3, s * 0.62), QPointF(s * 0.3, s * 0.62));
        p.restore();
    }
}

void bunting(QPainter& p, const Ground& g)
{
    const qreal x0 = g.left() + 4, x1 = g.right() - 4, top = g.height * 0.16, cx = g.width / 2;
    const QColor colours[] = {g.tones.main, g.tones.accent, g.tones.light, g.tones.dark};
    for (int side = -1; side <= 1; side += 2) {
        const qreal a = side < 0 ? x0 : cx, b = side < 0 ? cx : x1;
        QPainterPath string(QPointF(a, top));
        string.quadTo(QPointF((a + b) / 2, g.height * 0.42), QPointF(b, top));
        p.setPen(pen(g.tones.dark, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        const int n = 7;
        for (int k = 0; k < n; ++k) {
            const QPointF l = string.pointAtPercent((k + 0.15) / n),
                          r = string.pointAtPercent((k + 0.85) / n);
            const qreal flutter = g.moving ? 2 * qSin(2 * M_PI * (g.phase + k * 0.14)) : 0;
            QPainterPath flag;
            flag.moveTo(l);
            flag.lineTo(r);
            flag.lineTo((l + r) / 2 + QPointF(flutter, g.height * 0.4));
            flag.closeSubpath();
            p.setPen(QPen(g.tones.dark, 0.7));
            p.setBrush(colours[(k + (side > 0 ? 2 : 0)) % 4]);
            p.drawPath(flag);
        }
    }
    for (qreal x : {x0, cx, x1})
        bead(p, QPointF(x, top), 2.8, g.tones.accent);
}

void notes(QPainter& p, const Ground& g)
{
    const qreal gap = g.height * 0.11, top = g.cy() - 2 * gap;
    const qreal x0 = g.left() + 6, x1 = g.right() - 6;
    p.setPen(pen(g.tones.light.darker(110), 0.8));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(x0, top + k * gap), QPointF(x1, top + k * gap));
    // Bar lines close the staff: a single one at the start, a double at the end.
    p.setPen(QPen(g.tones.dark, 1.2));
    p.drawLine(QPointF(x0, top), QPointF(x0, top + 4 * gap));
    p.drawLine(QPointF(x1 - 4, top), QPointF(x1 - 4, top + 4 * gap));
    p.setPen(QPen(g.tones.dark, 2.6));
    p.drawLine(QPointF(x1 - 0.5, top), QPointF(x1 - 0.5, top + 4 * gap));
    const int steps[] = {4, 2, 3, 1, 5, 3, 2, 6, 4, 3, 1, 2};
    const Repeat rep = repeat(x0 + 14, x1 - 14, 24);
    for (int k = 0; k < rep.n; ++k) {
        const qreal x = rep.at(k), y = top + (8 - steps[k % 12]) * gap / 2;
        const QColor ink = k % 3 == 1 ? g.tones.accent.darker(130) : g.tones.main;
        p.save();
        p.translate(x, y);
        p.rotate(-20);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, 0), gap * 0.75, gap * 0.55);
        p.restore();
        p.setPen(pen(ink, 1.1));
        p.drawLine(QPointF(x + gap * 0.65, y - 1), QPointF(x + gap * 0.65, y - gap * 3.4));
        if (k % 2 == 0 && k + 1 < rep.n) {
            // Beam to the next note.
            const qreal ny = top + (8 - steps[(k + 1) % 12]) * gap / 2;
            p.setPen(pen(ink, 2.2));
            p.drawLine(QPointF(x + gap * 0.65, y - gap * 3.4),
                       QPointF(rep.at(k + 1) + gap * 0.65, ny - gap * 3.4));
        }
    }
}

void moons(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy();
    const int n = 9;
    const qreal x0 = g.left() + 10, x1 = g.right() - 10;
    p.setPen(pen(g.tones.light, 1));
    p.drawLine(QPointF(x0, cy), QPointF(x1, cy));
    for (int k = 0; k < n; ++k) {
        const qreal x = x0 + k * (x1 - x0) / (n - 1);
        const int d = qAbs(k - n / 2);
        const qreal r = g.height * (0.36 - d * 0.04);
        // From a thin crescent at each end to the full moon in the middle.
        QPainterPath disc;
        disc.addEllipse(QPointF(x, cy), r, r);
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(g.tones.dark.lighter(130));
        p.drawPath(disc);
        QPainterPath lit = disc;
        if (d > 0) {
            QPainterPath shade;
            const qreal off = (k < n / 2 ? 1 : -1) * r * (2.0 - d * 0.35);
            shade.addEllipse(QPointF(x + off, cy), r, r);
            lit = disc.subtracted(shade);
        }
        QRadialGradient light(QPointF(x - r * 0.3, cy - r * 0.3), r * 1.4);
        light.setColorAt(0, Qt::white);
        light.setColorAt(1, g.tones.accent);
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawPath(lit);
    }
}

void snowflakes(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy();
    const Repeat rep = repeat(g.left() + g.height * 0.4, g.right() - g.height * 0.4, 36, true);
    p.setPen(Qt::NoPen);
    p.setBrush(g.tones.light);
    for (qreal x = rep.first; x <= rep.at(rep.n - 1); x += 4.5)
        p.drawEllipse(QPointF(x, cy), 0.9, 0.9);
    for (int k = 0; k < rep.n; ++k) {
        const QPointF c(rep.at(k), cy);
        const qreal r = g.height * (k % 2 ? 0.26 : 0.4) * (qAbs(k - rep.n / 2) <= 1 ? 1.0 : 0.85);
        const qreal turn = g.moving ? 60 * g.phase : 0;
        for (int arm = 0; arm < 6; ++arm) {
            p.save();
            p.translate(c);
            p.rotate(arm * 60 + turn);
            p.setPen(pen(g.tones.dark, 2.4));
            p.drawLine(QPointF(0, 0), QPointF(0, -r));
            p.drawLine(QPointF(0, -r * 0.55), QPointF(-r * 0.25, -r * 0.78));
            p.drawLine(QPointF(0, -r * 0.55), QPointF(r * 0.25, -r * 0.78));
            p.setPen(pen(k % 2 ? g.tones.main : g.tones.accent, 1.1));
            p.drawLine(QPointF(0, 0), QPointF(0, -r));
            p.drawLine(QPointF(0, -r * 0.55), QPointF(-r * 0.25, -r * 0.78));
            p.drawLine(QPointF(0, -r * 0.55), QPointF(r * 0.25, -r * 0.78));
            p.restore();
        }
        bead(p, c, r * 0.16, g.tones.light);
    }
}

} // namespace art::border
