// Border motifs from nature: vines, roses, tulips, laurel, daisies,
// blossom, ivy, butterflies, a peacock feather, fern, lotus, cherries,
// paisley, a sunburst and breaking waves.
#include "art/borderkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art::border {
namespace {

// A rose seen from above: a ring of petals round a curled heart.
void rose(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    p.save();
    p.setPen(QPen(colour.darker(160), 0.7));
    for (int k = 0; k < 5; ++k) {
        const qreal a = qDegreesToRadians(-90 + 72.0 * k);
        QRadialGradient g(c, r * 1.1);
        g.setColorAt(0, colour.darker(130));
        g.setColorAt(1, colour.lighter(135));
        p.setBrush(g);
        p.drawEllipse(QPointF(c.x() + r * 0.45 * qCos(a), c.y() + r * 0.45 * qSin(a)), r * 0.55,
                      r * 0.55);
    }
    QRadialGradient heart(c - QPointF(r * 0.1, r * 0.15), r * 0.6);
    heart.setColorAt(0, colour.lighter(140));
    heart.setColorAt(1, colour);
    p.setBrush(heart);
    p.drawEllipse(c, r * 0.55, r * 0.52);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(colour.darker(170), std::max(0.8, r * 0.09)));
    for (int k = 0; k < 2; ++k) {
        const qreal s = r * (0.4 - k * 0.16);
        p.drawArc(QRectF(c.x() - s, c.y() - s * 0.9, 2 * s, 1.8 * s), (30 + k * 150) * 16,
                  220 * 16);
    }
    p.restore();
}

void bud(QPainter& p, QPointF base, qreal size, qreal angle, const QColor& colour,
         const QColor& green)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath petal;
    petal.moveTo(0, 0);
    petal.cubicTo(-size * 0.5, -size * 0.3, -size * 0.35, -size, 0, -size);
    petal.cubicTo(size * 0.35, -size, size * 0.5, -size * 0.3, 0, 0);
    p.setPen(QPen(colour.darker(160), 0.6));
    p.setBrush(vertical(QRectF(0, -size, 1, size), colour.lighter(130), colour.darker(110)));
    p.drawPath(petal);
    QPainterPath sepal;
    sepal.moveTo(0, 0.5);
    sepal.quadTo(-size * 0.45, -size * 0.15, -size * 0.25, -size * 0.45);
    sepal.quadTo(0, -size * 0.15, size * 0.25, -size * 0.45);
    sepal.quadTo(size * 0.45, -size * 0.15, 0, 0.5);
    p.setPen(QPen(green.darker(150), 0.6));
    p.setBrush(green);
    p.drawPath(sepal);
    p.restore();
}

// A wing pair seen from above, `open` from 0 (edge on) to 1 (flat).
void butterfly(QPainter& p, QPointF c, qreal s, qreal open, const Tones& t)
{
    p.save();
    p.translate(c);
    for (int side = -1; side <= 1; side += 2) {
        p.save();
        p.scale(side * (0.25 + 0.75 * open), 1);
        QPainterPath upper, lower;
        upper.moveTo(0, 0);
        upper.cubicTo(s * 0.2, -s * 0.75, s * 0.85, -s * 0.7, s * 0.7, -s * 0.1);
        upper.quadTo(s * 0.4, s * 0.05, 0, 0);
        lower.moveTo(0, 0);
        lower.cubicTo(s * 0.5, 0, s * 0.6, s * 0.5, s * 0.3, s * 0.55);
        lower.quadTo(s * 0.1, s * 0.5, 0, 0);
        p.setPen(QPen(t.dark, 0.8));
        p.setBrush(vertical(QRectF(0, -s * 0.7, 1, s * 1.2), t.light, t.main));
        p.drawPath(upper);
        p.setBrush(t.accent);
        p.drawPath(lower);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Qt::white, 200));
        p.drawEllipse(QPointF(s * 0.45, -s * 0.35), s * 0.1, s * 0.1);
        p.restore();
    }
    p.setPen(pen(t.dark, s * 0.14));
    p.drawLine(QPointF(0, -s * 0.3), QPointF(0, s * 0.4));
    p.setPen(pen(t.dark, 0.7));
    p.drawLine(QPointF(0, -s * 0.3), QPointF(-s * 0.2, -s * 0.6));
    p.drawLine(QPointF(0, -s * 0.3), QPointF(s * 0.2, -s * 0.6));
    p.restore();
}

} // namespace

void vine(QPainter& p, const Ground& g)
{
    // Variant 1 is a tighter vine of starry blossoms.
    const bool starry = g.variant % 2;
    const qreal cy = g.cy(), amp = g.height * 0.18, period = starry ? 50 : 64,
                curlR = g.height * 0.12;
    const Repeat r = repeat(g.left() + curlR * 2 + 2, g.right() - curlR * 2 - 2, period);
    const QColor green = foliage(g.tones);
    const QPen stemPen = pen(green.darker(150), 1.8);
    p.setPen(stemPen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(sineWave(r.begin(), r.n, period, cy, amp));
    // The wave starts and ends on the centre line; each end rolls into a curl.
    curl(p, QPointF(r.begin(), cy), -1, curlR, stemPen, false);
    curl(p, QPointF(r.begin() + r.n * period, cy), 1, curlR, stemPen, true);
    for (int k = 0; k < 2 * r.n; ++k) {
        const qreal x = r.begin() + (k + 0.5) * period / 2;
        const bool up = k % 2 == 0;
        const qreal y = cy + (up ? -amp : amp);
        shadedLeaf(p, QPointF(x - 3, y), g.height * 0.3, g.height * 0.1, up ? 200 : 160, green);
        shadedLeaf(p, QPointF(x + 3, y), g.height * 0.3, g.height * 0.1, up ? -20 : 20, green);
        const QPointF bloom(x, y + (up ? -g.height * 0.06 : g.height * 0.06));
        if (starry) {
            p.setPen(QPen(g.tones.dark, 0.7));
            p.setBrush(vertical(QRectF(0, bloom.y() - 8, 1, 16), g.tones.light, g.tones.main));
            p.drawPath(star(bloom, g.height * 0.2, g.height * 0.09, 6, k * 11));
            bead(p, bloom, g.height * 0.05, g.tones.accent);
        } else {
            flower(p, bloom, g.height * 0.17, g.tones.main, g.tones.accent.lighter(140), k * 17);
        }
    }
}

void roseGarland(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy(), half = (g.right() - g.left()) / 2 - g.height * 0.3;
    const QColor green = foliage(g.tones);
    for (int side = -1; side <= 1; side += 2) {
        // A sagging stem from the centre rose out to a leaf at each end.
        QPainterPath stem(QPointF(cx, cy));
        const QPointF end(cx + side * half, cy - g.height * 0.05);
        stem.quadTo(QPointF(cx + side * half * 0.5, cy + g.height * 0.32), end);
        p.setPen(pen(green.darker(150), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        shadedLeaf(p, end, g.height * 0.3, g.height * 0.11, side > 0 ? -10 : 190, green);
        for (int k = 1; k <= 4; ++k) {
            const qreal t = k / 5.0;
            const QPointF at = stem.pointAtPercent(t);
            shadedLeaf(p, at, g.height * 0.24, g.height * 0.09,
                       side > 0 ? (k % 2 ? -55 : 40) : (k % 2 ? 235 : 140), green);
            if (k % 2 == 0)
                rose(p, at + QPointF(0, -g.height * 0.05), g.height * (0.2 - k * 0.015),
                     g.tones.main);
            else
                bud(p, at, g.height * 0.28, side * 30, g.tones.main, green);
        }
    }
    rose(p, QPointF(cx, cy - g.height * 0.02), g.height * 0.32, g.tones.main);
}

void tulips(QPainter& p, const Ground& g)
{
    const qreal base = g.height * 0.82;
    const QColor green = foliage(g.tones);
    p.setPen(Qt::NoPen);
    p.setBrush(green.darker(120));
    p.drawPath(taperedLine(g.left(), g.right(), base, 2.6));
    const Repeat r = repeat(g.left() + 12, g.right() - 12, 24, true);
    for (int k = 0; k < r.n; ++k) {
        const qreal x = r.at(k), rank = qAbs(k - r.n / 2) / qreal(r.n / 2 + 1);
        const qreal top = g.height * (0.14 + rank * 0.3), size = g.height * (0.3 - rank * 0.1);
        p.setPen(pen(green.darker(130), 1.4));
        p.drawLine(QPointF(x, base), QPointF(x, top + size * 0.8));
        shadedLeaf(p, QPointF(x, base - 1), size * 0.9, size * 0.22, -60, green);
        shadedLeaf(p, QPointF(x, base - 1), size * 0.9, size * 0.22, 240, green);
        const QColor bloom = k % 2 ? g.tones.accent : g.tones.main;
        QPainterPath cup;
        const qreal cw = size * 0.5;
        cup.moveTo(x - cw, top);
        cup.lineTo(x - cw * 0.45, top + size * 0.25);
        cup.lineTo(x, top - size * 0.05);
        cup.lineTo(x + cw * 0.45, top + size * 0.25);
        cup.lineTo(x + cw, top);
        cup.cubicTo(x + cw * 1.05, top + size * 0.75, x + cw * 0.5, top + size * 0.9, x,
                    top + size * 0.9);
        cup.cubicTo(x - cw * 0.5, top + size * 0.9, x - cw * 1.05, top + size * 0.75, x - cw, top);
        p.setPen(QPen(bloom.darker(160), 0.8));
        p.setBrush(vertical(cup.boundingRect(), bloom.lighter(140), bloom.darker(110)));
        p.drawPath(cup);
    }
}

void laurel(QPainter& p, const Ground& g)
{
    // Variant 0: green branches level with paired leaves round a cluster of
    // berries. Variant 1: gilded branches sweeping up, leaves alternating,
    // round a star.
    const bool gilded = g.variant % 2;
    const qreal cx = g.width / 2, cy = gilded ? g.height * 0.56 : g.cy();
    const QColor leafColour = gilded ? g.tones.accent : foliage(g.tones);
    for (int side = -1; side <= 1; side += 2) {
        const qreal tip = side < 0 ? g.left() + g.height * 0.32 : g.right() - g.height * 0.32;
        const qreal tipY = gilded ? g.height * 0.3 : cy;
        QPainterPath branch(QPointF(cx + side * 8, cy));
        branch.quadTo(QPointF((cx + tip) / 2, cy + g.height * (gilded ? 0.2 : 0.1)),
                      QPointF(tip, tipY));
        p.setPen(pen(leafColour.darker(160), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(branch);
        const int pairs = int(qAbs(tip - cx) / (gilded ? 10 : 15));
        for (int k = 1; k <= pairs; ++k) {
            const qreal t = qreal(k) / (pairs + 0.4);
            const QPointF at = branch.pointAtPercent(t);
            const qreal size = g.height * (0.36 - 0.12 * k / pairs);
            const qreal along = qRadiansToDegrees(
                qAtan2(branch.pointAtPercent(std::min(1.0, t + 0.02)).y() - at.y(),
                       branch.pointAtPercent(std::min(1.0, t + 0.02)).x() - at.x()));
            if (gilded) {
                shadedLeaf(p, at, size, size * 0.36, along + (k % 2 ? -40 : 40), leafColour);
            } else {
                shadedLeaf(p, at, size, size * 0.32, along - 38, leafColour);
                shadedLeaf(p, at, size, size * 0.32, along + 38, leafColour);
            }
        }
        // The branch ends in one leaf pointing outwards.
        shadedLeaf(p, QPointF(tip - side * 2, tipY), g.height * 0.3, g.height * 0.09,
                   side > 0 ? (gilded ? -20 : 0) : (gilded ? 200 : 180), leafColour);
    }
    if (gilded) {
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(vertical(QRectF(0, cy - 8, 1, 16), g.tones.light, g.tones.main));
        p.drawPath(star(QPointF(cx, cy - 2), g.height * 0.3, g.height * 0.13, 5));
    } else {
        for (int k = 0; k < 3; ++k)
            bead(p, QPointF(cx + (k - 1) * 6, cy + (k == 1 ? -4 : 2)), g.height * 0.1,
                 g.tones.main);
    }
}

void daisyChain(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy();
    const Repeat r = repeat(g.left() + g.height * 0.35, g.right() - g.height * 0.35, 30, true);
    const QColor green = foliage(g.tones);
    p.setPen(pen(green.darker(130), 1.3));
    p.drawLine(QPointF(r.first, cy), QPointF(r.at(r.n - 1), cy));
    for (int k = 0; k < r.n; ++k) {
        const qreal x = r.at(k);
        if (k + 1 < r.n) {
            shadedLeaf(p, QPointF(x + 15, cy), g.height * 0.22, g.height * 0.08, -40, green);
            shadedLeaf(p, QPointF(x + 15, cy), g.height * 0.22, g.height * 0.08, 140, green);
        }
        const qreal rr = g.height * (k % 2 ? 0.22 : 0.34);
        p.setPen(QPen(g.tones.dark, 0.6));
        p.setBrush(k % 2 ? g.tones.light : QColor(Qt::white));
        const int petals = 12;
        for (int j = 0; j < petals; ++j) {
            p.save();
            p.translate(x, cy);
            p.rotate(360.0 * j / petals + k * 7);
            p.drawEllipse(QPointF(rr * 0.6, 0), rr * 0.42, rr * 0.14);
            p.restore();
        }
        bead(p, QPointF(x, cy), rr * 0.3, g.tones.accent);
    }
}

void blossomBranch(QPainter& p, const Ground& g)
{
    // Odd variants bend the other way, with their blossom below the branch.
    const qreal cy = g.cy(), x0 = g.left() + g.height * 0.3, x1 = g.right() - g.height * 0.3,
                bend = g.variant % 2 ? -1 : 1;
    const QColor bark(110, 72, 40);
    QPainterPath branch(QPointF(x0, cy + bend * g.height * 0.1));
    branch.cubicTo(QPointF(x0 + (x1 - x0) * 0.3, cy - bend * g.height * 0.25),
                   QPointF(x0 + (x1 - x0) * 0.7, cy + bend * g.height * 0.3),
                   QPointF(x1, cy - bend * g.height * 0.08));
    // Thick in the middle, thinner towards the ends, where a leaf closes
    // each tip.
    for (int k = 0; k < 40; ++k) {
        const qreal a = k / 40.0, b = (k + 1) / 40.0, mid = (a + b) / 2;
        p.setPen(pen(bark, 1.2 + 2.4 * (1 - qAbs(mid - 0.5) * 2)));
        p.drawLine(branch.pointAtPercent(a), branch.pointAtPercent(b));
    }
    const QColor green = foliage(g.tones);
    shadedLeaf(p, branch.pointAtPercent(0), g.height * 0.28, g.height * 0.11, 180 + bend * 15,
               green);
    shadedLeaf(p, branch.pointAtPercent(1), g.height * 0.28, g.height * 0.11, -bend * 15, green);
    Random rng(uint64_t(g.variant) + 5);
    for (int k = 1; k < 9; ++k) {
        const QPointF at = branch.pointAtPercent(k / 9.0);
        const qreal dir = (k % 2 ? -1 : 1) * (g.variant % 2 && k % 3 ? -1 : 1);
        const QPointF twig = at + QPointF(rng.real(-6, 6), dir * g.height * 0.22);
        p.setPen(pen(bark, 1));
        p.drawLine(at, twig);
        if (k % 3 == 0)
            bud(p, twig, g.height * 0.2, dir > 0 ? 180 : 0, g.tones.main, green);
        else
            flower(p, twig, g.height * (0.16 + rng.real(0, 0.06)), g.tones.light, g.tones.accent,
                   rng.real(0, 72));
    }
}

void ivy(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), amp = g.height * 0.12, period = 48, curlR = g.height * 0.1;
    const Repeat r = repeat(g.left() + curlR * 2 + 2, g.right() - curlR * 2 - 2, period);
    const QPen stemPen = pen(g.tones.dark, 1.4);
    p.setPen(stemPen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(sineWave(r.begin(), r.n, period, cy, amp));
    curl(p, QPointF(r.begin(), cy), -1, curlR, stemPen, false);
    curl(p, QPointF(r.begin() + r.n * period, cy), 1, curlR, stemPen, true);
    for (int k = 0; k < 2 * r.n; ++k) {
        const qreal x = r.begin() + (k + 0.5) * period / 2;
        const bool up = k % 2 == 0;
        const QPointF at(x, cy + (up ? -amp : amp));
        // An ivy leaf: a heart with a point, hanging off the stem.
        p.save();
        p.translate(at);
        p.rotate(up ? 180 + (k % 4 ? 20 : -20) : (k % 4 == 1 ? 20 : -20));
        const QPainterPath leafShape = heart(QPointF(0, g.height * 0.2), g.height * 0.36);
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(vertical(leafShape.boundingRect(), g.tones.light, g.tones.main));
        p.drawPath(leafShape);
        p.setPen(pen(g.tones.light.lighter(120), 0.7));
        p.drawLine(QPointF(0, g.height * 0.05), QPointF(0, g.height * 0.32));
        p.restore();
    }
}

void butterflies(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), x0 = g.left() + 6, x1 = g.right() - 6;
    const QPainterPath path = sineWave(x0, 2, (x1 - x0) / 2, cy, g.height * 0.16);
    // A dotted flight path, the dots shrinking away towards both ends.
    p.setPen(Qt::NoPen);
    p.setBrush(g.tones.dark);
    const int dots = int((x1 - x0) / 7);
    for (int k = 0; k <= dots; ++k) {
        const qreal t = qreal(k) / dots;
        p.drawEllipse(path.pointAtPercent(t), 0.6 + 0.9 * std::min(1.0, std::min(t, 1 - t) * 6),
                      0.6 + 0.9 * std::min(1.0, std::min(t, 1 - t) * 6));
    }
    const qreal at[] = {0.16, 0.5, 0.84};
    for (int k = 0; k < 3; ++k) {
        const qreal s = g.height * (k == 1 ? 0.44 : 0.32);
        // The wings beat out of step, all of them well open on the first frame.
        const qreal open = g.moving ? 0.55 + 0.45 * qCos(2 * M_PI * (g.phase + 0.12 * (k - 1))) : 1;
        Tones t = g.tones;
        if (k != 1)
            std::swap(t.main, t.accent);
        butterfly(p, path.pointAtPercent(at[k]), s, open, t);
    }
}

void peacock(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy();
    for (int side = -1; side <= 1; side += 2) {
        const qreal end = side < 0 ? g.left() + 5 : g.right() - 5;
        // Three plume strokes gathering into a small eye at each end.
        for (int k = -1; k <= 1; ++k) {
            QPainterPath plume(QPointF(cx + side * g.height * 0.4, cy + k * g.height * 0.2));
            plume.quadTo(QPointF((cx + end) / 2, cy + k * g.height * 0.3),
                         QPointF(end - side * 6, cy));
            p.setPen(pen(k == 0 ? g.tones.main : g.tones.dark, k == 0 ? 1.6 : 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(plume);
        }
        p.setPen(QPen(g.tones.dark, 0.6));
        p.setBrush(g.tones.accent);
        p.drawEllipse(QPointF(end - side * 4, cy), 4, 3);
        p.setBrush(g.tones.main);
        p.drawEllipse(QPointF(end - side * 4, cy), 1.8, 1.5);
    }
    // The eye: barbs round nested ovals.
    p.setPen(pen(g.tones.main.lighter(120), 0.8));
    for (int k = 0; k < 28; ++k) {
        const qreal a = 2 * M_PI * k / 28;
        p.drawLine(QPointF(cx + g.height * 0.3 * qCos(a), cy + g.height * 0.3 * qSin(a)),
                   QPointF(cx + g.height * 0.46 * qCos(a), cy + g.height * 0.46 * qSin(a)));
    }
    const QColor rings[] = {g.tones.accent, g.tones.main, g.tones.dark};
    for (int k = 0; k < 3; ++k) {
        const qreal rx = g.height * (0.36 - k * 0.1);
        p.setPen(QPen(g.tones.dark.darker(130), 0.7));
        p.setBrush(rings[k]);
        p.drawEllipse(QPointF(cx, cy + k * 1.2), rx * 0.8, rx);
    }
}

void fern(QPainter& p, const Ground& g)
{
    // Variant 0: a green frond with paired leaflets and a flower at its
    // heart. Variant 1: broad leaflets alternating along the stem, in the
    // colourway, round a lozenge.
    const bool alternate = g.variant % 2;
    const qreal cx = g.width / 2, cy = g.cy();
    const QColor green = alternate ? g.tones.main : foliage(g.tones);
    p.setPen(Qt::NoPen);
    p.setBrush(green.darker(140));
    p.drawPath(taperedLine(g.left() + 1, g.right() - 1, cy, 1.6));
    for (int side = -1; side <= 1; side += 2) {
        const qreal len = (g.right() - g.left()) / 2 - 8;
        int k = 0;
        for (qreal d = alternate ? 14 : 10; d < len; d += alternate ? 9 : 6.5, ++k) {
            const qreal size = g.height * (alternate ? 0.4 : 0.34) * (1 - d / len * 0.75);
            const QPointF at(cx + side * d, cy);
            const qreal up = side > 0 ? -62 : 242, down = side > 0 ? 62 : 118;
            if (alternate) {
                shadedLeaf(p, at, size, size * 0.4,
                           k % 2 ? (side > 0 ? -45 : 225) : (side > 0 ? 45 : 135), green);
            } else {
                shadedLeaf(p, at, size, size * 0.22, up, green);
                shadedLeaf(p, at, size, size * 0.22, down, green);
            }
        }
    }
    if (alternate) {
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(g.tones.accent);
        p.drawPath(diamond(QPointF(cx, cy), g.height * 0.2, g.height * 0.32));
        bead(p, QPointF(cx, cy), g.height * 0.07, g.tones.light);
    } else {
        flower(p, QPointF(cx, cy), g.height * 0.2, g.tones.accent, g.tones.light);
    }
}

void lotus(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, water = g.height * 0.74, budX = g.height * 0.3 + 2;
    // The water line runs between the two buds at the ends.
    p.setPen(pen(g.tones.dark, 1.6));
    p.drawLine(QPointF(g.left() + budX, water), QPointF(g.right() - budX, water));
    // Ripples under the flower, shorter further down.
    for (int k = 1; k <= 2; ++k) {
        p.setPen(pen(g.tones.main, 1.3));
        const qreal half = g.height * (1.7 - k * 0.5), y = water + 1.5 + k * 3.5;
        p.drawLine(QPointF(cx - half, y), QPointF(cx + half, y));
    }
    // The open flower: a fan of pointed petals.
    const qreal size = g.height * 0.62;
    for (int k = -3; k <= 3; ++k) {
        p.save();
        p.translate(cx, water - 1);
        p.rotate(k * 24);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(-size * 0.26, -size * 0.4, -size * 0.12, -size * 0.8, 0,
                      -size * (qAbs(k) == 3 ? 0.7 : 1));
        petal.cubicTo(size * 0.12, -size * 0.8, size * 0.26, -size * 0.4, 0, 0);
        p.setPen(QPen(g.tones.main.darker(150), 0.7));
        p.setBrush(vertical(QRectF(0, -size, 1, size), g.tones.light,
                            qAbs(k) % 2 ? g.tones.accent : g.tones.main));
        p.drawPath(petal);
        p.restore();
    }
    // Buds on short stems towards the ends.
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = side < 0 ? g.left() + budX : g.right() - budX;
        p.setPen(pen(foliage(g.tones), 1.4));
        p.drawLine(QPointF(x, water), QPointF(x, water - g.height * 0.16));
        shadedLeaf(p, QPointF(x, water), g.height * 0.26, g.height * 0.09, side < 0 ? 200 : -20,
                   foliage(g.tones));
        bud(p, QPointF(x, water - g.height * 0.14), g.height * 0.3, 0, g.tones.main,
            foliage(g.tones));
    }
}

void cherries(QPainter& p, const Ground& g)
{
    const qreal top = g.height * 0.22;
    const QColor green = foliage(g.tones), bark(110, 72, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(bark);
    p.drawPath(taperedLine(g.left(), g.right(), top, 1.8));
    const Repeat r = repeat(g.left() + 16, g.right() - 16, 38, true);
    for (int k = 0; k < r.n; ++k) {
        const QPointF hang(r.at(k), top);
        shadedLeaf(p, hang, g.height * 0.32, g.height * 0.11, k % 2 ? -25 : 205, green);
        for (int side = -1; side <= 1; side += 2) {
            const QPointF fruit(hang.x() + side * g.height * 0.17, g.height * 0.72);
            QPainterPath stem(hang);
            stem.quadTo(QPointF(hang.x() + side * 2, g.height * 0.5),
                        fruit - QPointF(0, g.height * 0.12));
            p.setPen(pen(green.darker(140), 1));
            p.setBrush(Qt::NoBrush);
            p.drawPath(stem);
            bead(p, fruit, g.height * 0.14, k % 2 ? g.tones.main.darker(125) : g.tones.main);
        }
    }
}

void paisley(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy();
    // A thread through the drops, ending at each side in a small lozenge
    // rather than trailing off as a bare cut line.
    const qreal end0 = g.left() + 4, end1 = g.right() - 4;
    p.setPen(pen(g.tones.main, 1.1));
    p.drawLine(QPointF(end0, cy), QPointF(end1, cy));
    p.setPen(QPen(g.tones.dark, 0.8));
    p.setBrush(g.tones.accent);
    p.drawPath(diamond(QPointF(end0, cy), 3.5, 3));
    p.drawPath(diamond(QPointF(end1, cy), 3.5, 3));
    const Repeat r = repeat(g.left() + 10, g.right() - 10, 28, true);
    for (int k = 0; k < r.n; ++k) {
        const qreal s = g.height * (qAbs(k - r.n / 2) <= 1 ? 0.44 : 0.34);
        const bool flip = k % 2;
        p.save();
        p.translate(r.at(k), cy);
        p.scale(flip ? -1 : 1, flip ? -1 : 1);
        // A teardrop whose tip curls over.
        QPainterPath drop;
        drop.moveTo(s * 0.1, -s);
        drop.cubicTo(s * 0.7, -s * 0.9, s * 0.6, s * 0.05, s * 0.35, s * 0.35);
        drop.cubicTo(s * 0.05, s * 0.75, -s * 0.6, s * 0.7, -s * 0.55, s * 0.1);
        drop.cubicTo(-s * 0.5, -s * 0.45, 0, -s * 0.35, s * 0.1, -s);
        drop.closeSubpath();
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(vertical(drop.boundingRect(), g.tones.light, g.tones.main));
        p.drawPath(drop);
        p.setBrush(g.tones.accent);
        p.drawEllipse(QPointF(-s * 0.08, s * 0.12), s * 0.22, s * 0.26);
        p.restore();
    }
}

void sunburst(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy(), r = g.height * 0.26;
    for (int side = -1; side <= 1; side += 2) {
        const qreal end = side < 0 ? g.left() + 7 : g.right() - 7, from = cx + side * r * 1.6;
        p.setPen(pen(g.tones.main, 2));
        p.drawLine(QPointF(from, cy), QPointF(end - side * 7, cy));
        for (int row = -1; row <= 1; row += 2) {
            p.setPen(pen(g.tones.accent, 0.9));
            p.drawLine(QPointF(from + side * 6, cy + row * 3.5),
                       QPointF(from + side * qAbs(end - from) * 0.55, cy + row * 3.5));
        }
        for (int k = 1; k <= 4; ++k)
            bead(p, QPointF(cx + side * (r * 1.7 + k * (qAbs(end - cx) - r * 1.7) / 5), cy),
                 2.6 - k * 0.3, g.tones.accent);
        p.setPen(QPen(g.tones.accent.darker(150), 0.6));
        p.setBrush(g.tones.accent);
        p.drawPath(star(QPointF(end, cy), 7, 2.2, 8, 0));
    }
    p.setPen(QPen(g.tones.accent.darker(150), 0.8));
    p.setBrush(g.tones.accent);
    p.drawPath(star(QPointF(cx, cy), r * 1.7, r * 1.05, 12));
    QRadialGradient disc(QPointF(cx - r * 0.3, cy - r * 0.3), r * 1.3);
    disc.setColorAt(0, Qt::white);
    disc.setColorAt(0.4, g.tones.accent.lighter(130));
    disc.setColorAt(1, g.tones.main);
    p.setBrush(disc);
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void waves(QPainter& p, const Ground& g)
{
    const qreal base = g.height * 0.78, size = g.height * 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(g.tones.dark);
    p.drawPath(taperedLine(g.left(), g.right(), base + 2, 2));
    const Repeat r = repeat(g.left() + 6, g.right() - 6, size * 1.25);
    const qreal drift = g.moving ? g.phase : 0;
    for (int k = 0; k < r.n; ++k) {
        const qreal x = r.begin() + k * r.step;
        // A wave rising from the base and rolling over into a curl.
        const qreal lean = size * 0.18 * qSin(2 * M_PI * (drift + k * 0.15));
        QPainterPath wave(QPointF(x, base));
        wave.cubicTo(QPointF(x + r.step * 0.25, base),
                     QPointF(x + r.step * 0.3 + lean, base - size),
                     QPointF(x + r.step * 0.62 + lean, base - size * 0.95));
        wave.cubicTo(QPointF(x + r.step * 0.92 + lean, base - size * 0.9),
                     QPointF(x + r.step * 0.85, base - size * 0.35),
                     QPointF(x + r.step * 0.66, base - size * 0.45));
        wave.cubicTo(QPointF(x + r.step * 0.55, base - size * 0.5), QPointF(x + r.step * 0.6, base),
                     QPointF(x + r.step, base));
        wave.closeSubpath();
        p.setPen(QPen(g.tones.dark, 0.9));
        p.setBrush(vertical(QRectF(0, base - size, 1, size), g.tones.light, g.tones.main));
        p.drawPath(wave);
        bead(p, QPointF(x + r.step * 0.75 + lean, base - size * 0.95), 1.6, Qt::white);
    }
}

} // namespace art::border
