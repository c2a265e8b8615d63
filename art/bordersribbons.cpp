// Border motifs of ribbons and lines: a ribbon with forked ends, a bow,
// a word in a cartouche, S-scrolls, an arrow, stitching, linked hearts and
// a fleuron between rules.
#include "art/borderkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art::border {
namespace {

// A forked tail: a band end cut into a V.
QPainterPath forkedEnd(qreal x, qreal y, qreal height, int dir, qreal length)
{
    QPainterPath tail;
    tail.moveTo(x, y - height / 2);
    tail.lineTo(x + dir * length, y - height / 2);
    tail.lineTo(x + dir * (length - height * 0.45), y);
    tail.lineTo(x + dir * length, y + height / 2);
    tail.lineTo(x, y + height / 2);
    tail.closeSubpath();
    return tail;
}

} // namespace

void ribbon(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), band = g.height * 0.36;
    const qreal x0 = g.left() + 22, x1 = g.right() - 22;
    // Tails behind the band, folded down at each end.
    for (int side = -1; side <= 1; side += 2) {
        const qreal x = side < 0 ? x0 + 8 : x1 - 8;
        const QPainterPath tail = forkedEnd(x, cy + band * 0.35, band, side, 26);
        p.setPen(QPen(g.tones.dark, 0.9));
        p.setBrush(g.tones.main.darker(130));
        p.drawPath(tail);
        QPainterPath fold;
        fold.moveTo(side < 0 ? x0 : x1, cy + band / 2);
        fold.lineTo(x + side * 0, cy + band * 0.85);
        fold.lineTo(x, cy + band / 2);
        fold.closeSubpath();
        p.setBrush(g.tones.dark);
        p.drawPath(fold);
    }
    QPainterPath body;
    body.moveTo(x0, cy - band / 2);
    body.cubicTo(QPointF((x0 + g.width / 2) / 2, cy - band / 2 - 4),
                 QPointF((x1 + g.width / 2) / 2, cy - band / 2 + 4), QPointF(x1, cy - band / 2));
    body.lineTo(x1, cy + band / 2);
    body.cubicTo(QPointF((x1 + g.width / 2) / 2, cy + band / 2 + 4),
                 QPointF((x0 + g.width / 2) / 2, cy + band / 2 - 4), QPointF(x0, cy + band / 2));
    body.closeSubpath();
    p.setPen(QPen(g.tones.dark, 1));
    p.setBrush(vertical(QRectF(0, cy - band / 2, 1, band), g.tones.light, g.tones.main));
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    QPen stitch(withAlpha(Qt::white, 200), 1, Qt::DashLine);
    stitch.setDashPattern({3, 2});
    p.setPen(stitch);
    p.drawLine(QPointF(x0 + 4, cy - band / 2 + 2.5), QPointF(x1 - 4, cy - band / 2 + 2.5));
    p.drawLine(QPointF(x0 + 4, cy + band / 2 - 2.5), QPointF(x1 - 4, cy + band / 2 - 2.5));
}

void bowKnot(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy(), s = g.height * 0.42;
    for (int side = -1; side <= 1; side += 2) {
        // A trailing ribbon waving out to a forked end.
        const qreal end = side < 0 ? g.left() + 2 : g.right() - 2;
        QPainterPath trail(QPointF(cx, cy));
        trail.cubicTo(QPointF(cx + side * s * 2, cy + s), QPointF((cx + end) / 2, cy - s * 0.9),
                      QPointF(end - side * 12, cy + 1));
        outlinedStroke(p, trail, g.tones.dark, 5.4, g.tones.main, 3.6);
        const QPainterPath tail = forkedEnd(end - side * 13, cy + 1, 5, side, 12);
        p.setPen(QPen(g.tones.dark, 0.8));
        p.setBrush(g.tones.main);
        p.drawPath(tail);
        // The loop of the bow.
        QPainterPath loop(QPointF(cx, cy));
        loop.cubicTo(QPointF(cx + side * s * 1.6, cy - s * 1.2),
                     QPointF(cx + side * s * 1.8, cy + s * 0.9), QPointF(cx, cy));
        p.setPen(QPen(g.tones.dark, 1));
        p.setBrush(vertical(loop.boundingRect(), g.tones.light, g.tones.main));
        p.drawPath(loop);
    }
    p.setPen(QPen(g.tones.dark, 0.9));
    p.setBrush(g.tones.accent);
    p.drawEllipse(QPointF(cx, cy), s * 0.28, s * 0.36);
}

namespace {

// The frames of the six word cartouches, one design each: an oval, a lobed
// panel, a pointed label, a ticket with notched corners, a scalloped badge
// and a scroll with rolled ends. `room` is the height left to the word
// inside, `widen` what the frame adds at each side for its own parts.
struct CartoucheFrame {
    QPainterPath outline;
    QPainterPath inner; // a second, thinner rule inside the outline
    QPainterPath rolls; // shaded parts drawn over the panel
    qreal room = 0;
    qreal widen = 0;
};

CartoucheFrame cartoucheFrame(int design, const QRectF& box, qreal h)
{
    CartoucheFrame f;
    const qreal cy = box.center().y();
    f.room = box.height() - 6;
    switch (design) {
    case 0:
        f.outline.addRoundedRect(box, h * 0.4, h * 0.4);
        break;
    case 1:
        f.outline = roundedRect(box.adjusted(4, 2, -4, -2), 4);
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath lobe;
            lobe.addEllipse(QPointF(side < 0 ? box.left() + 5 : box.right() - 5, cy), h * 0.2,
                            h * 0.24);
            f.outline = f.outline.united(lobe);
        }
        // The lobes reach into the panel: the word keeps clear of them.
        f.room = box.height() - 8;
        f.widen = 6;
        break;
    case 2:
        f.outline.moveTo(box.left() - h * 0.2, cy);
        f.outline.lineTo(box.left() + h * 0.15, box.top());
        f.outline.lineTo(box.right() - h * 0.15, box.top());
        f.outline.lineTo(box.right() + h * 0.2, cy);
        f.outline.lineTo(box.right() - h * 0.15, box.bottom());
        f.outline.lineTo(box.left() + h * 0.15, box.bottom());
        f.outline.closeSubpath();
        break;
    case 3: {
        // A ticket: quarter circles bitten out of the corners, and a rule
        // inside following them.
        const qreal bite = h * 0.17;
        const auto notched = [&](const QRectF& r, qreal radius) {
            QPainterPath path;
            path.addRect(r);
            for (const QPointF& corner :
                 {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
                QPainterPath cut;
                cut.addEllipse(corner, radius, radius);
                path = path.subtracted(cut);
            }
            return path;
        };
        f.outline = notched(box, bite);
        f.inner = notched(box.adjusted(3, 3, -3, -3), bite);
        f.room = box.height() - 12;
        break;
    }
    case 4: {
        // A badge with a scalloped edge: small round bumps all the way round.
        const qreal s = h * 0.085;
        const QRectF core = box.adjusted(s + 1, s, -s - 1, -s);
        f.outline.addRoundedRect(core, s, s);
        const auto bumps = [&](QPointF from, QPointF to) {
            const qreal length = QLineF(from, to).length();
            const int n = std::max(1, qRound(length / (s * 1.7)));
            for (int k = 0; k <= n; ++k) {
                QPainterPath bump;
                bump.addEllipse(from + (to - from) * (qreal(k) / n), s, s);
                f.outline = f.outline.united(bump);
            }
        };
        bumps(core.topLeft(), core.topRight());
        bumps(core.bottomLeft(), core.bottomRight());
        bumps(core.topLeft(), core.bottomLeft());
        bumps(core.topRight(), core.bottomRight());
        f.inner.addRoundedRect(core.adjusted(1.5, 1.5, -1.5, -1.5), s * 0.6, s * 0.6);
        f.room = core.height() - 6;
        f.widen = 3;
        break;
    }
    default: {
        // A scroll: a sheet between two rolls that stand a little taller.
        const qreal roll = h * 0.13;
        const QRectF sheet = box.adjusted(roll, 1.5, -roll, -1.5);
        f.outline.addRect(sheet);
        for (int side = -1; side <= 1; side += 2) {
            const qreal x = side < 0 ? box.left() + roll : box.right() - roll;
            QPainterPath r;
            r.addRoundedRect(QRectF(x - roll, box.top(), 2 * roll, box.height()), roll, roll);
            f.rolls.addPath(r);
            // The edge of the sheet wound round the roll.
            f.inner.moveTo(x, box.top() + roll * 0.8);
            f.inner.lineTo(x, box.bottom() - roll * 0.8);
        }
        f.outline = f.outline.united(f.rolls);
        f.room = sheet.height() - 5;
        f.widen = 2 * roll;
        break;
    }
    }
    return f;
}

} // namespace

void cartouche(QPainter& p, const Ground& g)
{
    static const QString words[] = {u"مرحباً"_s,   u"شكراً"_s, u"مميز"_s,
                                    u"Welcome"_s, u"جديد"_s, u"رائع"_s};
    const int design = g.variant % 6;
    const QString word = words[design];
    const qreal cx = g.width / 2, cy = g.cy();
    const bool arabic = hasArabic(word);
    QFont f = font(arabic ? Face::Naskh : Face::Serif, g.height * (arabic ? 0.6 : 0.5), QFont::Bold,
                   !arabic);
    QRectF box(0, cy - g.height * 0.4, 0, g.height * 0.8);
    // The word keeps clear of its frame: tall letters and long tails make it
    // smaller rather than touch the rule.
    f = fitted(f, word, QSizeF(g.width, cartoucheFrame(design, box, g.height).room));
    const QPainterPath text = textPath(word, f, QPointF(cx, cy + (arabic ? 1 : 0)));
    const qreal half =
        text.boundingRect().width() / 2 + 14 + cartoucheFrame(design, box, g.height).widen;
    box.setLeft(cx - half);
    box.setRight(cx + half);
    const CartoucheFrame frame = cartoucheFrame(design, box, g.height);
    for (int side = -1; side <= 1; side += 2) {
        // A double rule from the frame out to a finial.
        const qreal from = cx + side * (half + 5), to = side < 0 ? g.left() + 9 : g.right() - 9;
        p.setPen(pen(g.tones.main, 1.8));
        p.drawLine(QPointF(from, cy - 1.5), QPointF(to, cy - 1.5));
        p.setPen(pen(g.tones.accent, 1));
        p.drawLine(QPointF(from, cy + 1.8), QPointF(to, cy + 1.8));
        bead(p, QPointF(from, cy), 2.2, g.tones.accent);
        finial(p, QPointF(to, cy), side, 9, g.tones);
    }
    p.setPen(QPen(g.tones.accent, 1.4));
    p.setBrush(withAlpha(g.tones.light, 170));
    p.drawPath(frame.outline);
    if (!frame.rolls.isEmpty()) {
        p.setPen(QPen(g.tones.accent, 1.2));
        p.setBrush(vertical(frame.rolls.boundingRect(), g.tones.light, g.tones.main));
        p.drawPath(frame.rolls);
    }
    if (!frame.inner.isEmpty()) {
        p.setPen(QPen(withAlpha(g.tones.accent, 200), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(frame.inner);
    }
    p.setPen(QPen(withAlpha(Qt::white, 220), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(g.tones.dark);
    p.drawPath(text);
}

void scrolls(QPainter& p, const Ground& g)
{
    // Horizontal S-scrolls: two spirals joined by a swelling stroke.
    const qreal cy = g.cy(), step = g.height * 1.3;
    const Repeat rep = repeat(g.left() + 8, g.right() - 8, step);
    const qreal x0 = rep.begin();
    const qreal R = g.height * 0.23, d = g.height * 0.12;
    const auto spiral = [](QPainterPath& path, QPointF centre, qreal radius, qreal startDeg,
                           qreal turn) {
        for (int k = 0; k <= 48; ++k) {
            const qreal a = k / 48.0 * 2.3 * M_PI;
            const qreal r = radius * (1 - a / (3.2 * M_PI));
            const qreal t = qDegreesToRadians(startDeg) + turn * a;
            path.lineTo(centre + QPointF(r * qCos(t), r * qSin(t)));
        }
    };
    for (int k = 0; k < rep.n; ++k) {
        const qreal x = x0 + k * step;
        const bool flip = k % 2;
        const QPointF a(x + step * 0.28, cy + (flip ? d : -d)),
            b(x + step * 0.72, cy + (flip ? -d : d));
        const QPointF aEnd = a + QPointF(0, flip ? -R : R), bEnd = b + QPointF(0, flip ? R : -R);
        QPainterPath s(aEnd);
        QPainterPath first(aEnd);
        // The flipped unit is the mirror image, so its spirals turn the other way.
        spiral(first, a, R, flip ? 270 : 90, flip ? -1 : 1);
        QPainterPath second(bEnd);
        spiral(second, b, R, flip ? 90 : 270, flip ? -1 : 1);
        s.cubicTo(aEnd + QPointF(step * 0.3, 0), bEnd - QPointF(step * 0.3, 0), bEnd);
        s.addPath(first);
        s.addPath(second);
        outlinedStroke(p, s, g.tones.dark, 3.4, k % 2 ? g.tones.main : g.tones.accent, 1.7);
        if (k + 1 < rep.n)
            bead(p, QPointF(x + step, cy), 2.4, g.tones.accent);
    }
    bead(p, QPointF(x0 + step * 0.05, cy), 3, g.tones.main);
    bead(p, QPointF(x0 + rep.n * step - step * 0.05, cy), 3, g.tones.main);
}

void arrow(QPainter& p, const Ground& g)
{
    // Pointing left, the way the page reads.
    const qreal cy = g.cy(), x0 = g.left() + 2, x1 = g.right() - 2, head = g.height * 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(0, cy - 2, 1, 4), g.tones.light, g.tones.dark));
    p.drawRect(QRectF(x0 + head * 0.8, cy - 1.6, x1 - x0 - head * 0.8 - 22, 3.2));
    QPainterPath tip;
    tip.moveTo(x0, cy);
    tip.lineTo(x0 + head * 1.2, cy - head * 0.55);
    tip.lineTo(x0 + head * 0.85, cy);
    tip.lineTo(x0 + head * 1.2, cy + head * 0.55);
    tip.closeSubpath();
    p.setPen(QPen(g.tones.dark, 0.9));
    p.setBrush(vertical(tip.boundingRect(), g.tones.accent.lighter(130), g.tones.accent));
    p.drawPath(tip);
    // Fletching: three pairs of vanes at the tail.
    for (int k = 0; k < 3; ++k) {
        const qreal x = x1 - 22 + k * 7;
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath vane;
            vane.moveTo(x - 4, cy);
            vane.lineTo(x + 4, cy + side * g.height * 0.32);
            vane.lineTo(x + 8, cy + side * g.height * 0.32);
            vane.lineTo(x + 2, cy);
            vane.closeSubpath();
            p.setPen(QPen(g.tones.dark, 0.6));
            p.setBrush(k % 2 ? g.tones.light : g.tones.main);
            p.drawPath(vane);
        }
    }
    for (int k = 1; k <= 5; ++k)
        bead(p, QPointF(x0 + head * 1.2 + k * (x1 - x0 - head * 1.2 - 30) / 6, cy), 2.4,
             g.tones.accent);
}

void stitches(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), cx = g.width / 2;
    const qreal x0 = g.left() + g.height * 0.2 + 2, x1 = g.right() - g.height * 0.2 - 2;
    const auto button = [&](QPointF c, qreal r) {
        p.setPen(QPen(g.tones.dark, 0.9));
        p.setBrush(vertical(QRectF(0, c.y() - r, 1, 2 * r), g.tones.light, g.tones.main));
        p.drawEllipse(c, r, r);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.72, r * 0.72);
        p.setBrush(g.tones.dark);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 4; ++k)
            p.drawEllipse(c + QPointF(k % 2 ? r * 0.22 : -r * 0.22, k / 2 ? r * 0.22 : -r * 0.22),
                          r * 0.1, r * 0.1);
    };
    for (int row = -1; row <= 1; row += 2) {
        // Running stitches in whole stitches between the buttons.
        const qreal y = cy + row * g.height * 0.16;
        for (int side = -1; side <= 1; side += 2) {
            const qreal a = side < 0 ? x0 + g.height * 0.18 : cx + g.height * 0.32,
                        b = side < 0 ? cx - g.height * 0.32 : x1 - g.height * 0.18;
            const Repeat rep = repeat(a, b, 7);
            for (int k = 0; k < rep.n; ++k) {
                p.setPen(pen(row < 0 ? g.tones.main : g.tones.accent.darker(120), 1.6));
                p.drawLine(QPointF(rep.at(k) - 2.2, y), QPointF(rep.at(k) + 2.2, y));
            }
        }
    }
    button(QPointF(cx, cy), g.height * 0.3);
    button(QPointF(x0, cy), g.height * 0.2);
    button(QPointF(x1, cy), g.height * 0.2);
}

void heartChain(QPainter& p, const Ground& g)
{
    const qreal cy = g.cy(), s = g.height * 0.62;
    const Repeat rep = repeat(g.left() + s / 2 + 2, g.right() - s / 2 - 2, s * 0.72, true);
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k < rep.n; ++k) {
            // Outlined hearts, each one over the left half of the next.
            const bool up = k % 2 == 0;
            p.save();
            p.translate(rep.at(k), cy);
            if (!up)
                p.rotate(180);
            const QPainterPath h = heart(QPointF(0, 0), s * (up ? 1.0 : 0.8));
            if (pass == 1)
                p.setClipRect(QRectF(-s, -s, s, 2 * s));
            outlinedStroke(p, h, g.tones.dark, 3.6, up ? g.tones.main : g.tones.accent, 2);
            p.restore();
        }
    }
}

void fleuron(QPainter& p, const Ground& g)
{
    const qreal cx = g.width / 2, cy = g.cy();
    const auto leafOrnament = [&](QPointF c, qreal s, qreal angle) {
        // A broad leaf pointing along `angle`, with a stalk curling back.
        p.save();
        p.translate(c);
        p.rotate(angle);
        QPainterPath stalk(QPointF(0, 0));
        stalk.cubicTo(QPointF(-s * 0.3, -s * 0.05), QPointF(-s * 0.45, -s * 0.45),
                      QPointF(-s * 0.15, -s * 0.5));
        outlinedStroke(p, stalk, g.tones.dark, 2.4, g.tones.main, 1.1);
        shadedLeaf(p, QPointF(0, 0), s, s * 0.38, 0, g.tones.main);
        p.setPen(pen(g.tones.light, 0.7));
        p.drawLine(QPointF(s * 0.12, 0), QPointF(s * 0.75, 0));
        p.restore();
    };
    for (int side = -1; side <= 1; side += 2) {
        const qreal from = cx + side * g.height * 0.6,
                    to = side < 0 ? g.left() + g.height * 0.45 : g.right() - g.height * 0.45;
        for (int row = -1; row <= 1; row += 2) {
            p.setPen(pen(row < 0 ? g.tones.main : g.tones.dark, row < 0 ? 1.6 : 0.8));
            p.drawLine(QPointF(from, cy + row * 3), QPointF(to, cy + row * 3));
        }
        leafOrnament(QPointF(to - side * g.height * 0.1, cy), g.height * 0.36, side > 0 ? 0 : 180);
    }
    // The centre: a pair of leaves back to back round a bead.
    leafOrnament(QPointF(cx + 3, cy), g.height * 0.55, 0);
    leafOrnament(QPointF(cx - 3, cy), g.height * 0.55, 180);
    bead(p, QPointF(cx, cy), g.height * 0.1, g.tones.accent);
}

} // namespace art::border
