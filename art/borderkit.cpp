// Border drawing kit: repeats between finished ends and shared ornaments.
#include "art/borderkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace art::border {

Repeat repeat(qreal x0, qreal x1, qreal step, bool odd)
{
    Repeat r;
    r.step = step;
    r.n = std::max(1, int((x1 - x0) / step));
    if (odd && r.n % 2 == 0)
        r.n -= 1;
    r.first = (x0 + x1) / 2 - (r.n - 1) * step / 2;
    return r;
}

QPainterPath taperedLine(qreal x0, qreal x1, qreal y, qreal thickness)
{
    QPainterPath p;
    const qreal mid = (x0 + x1) / 2;
    p.moveTo(x0, y);
    p.quadTo(mid, y - thickness, x1, y);
    p.quadTo(mid, y + thickness, x0, y);
    p.closeSubpath();
    return p;
}

QPainterPath sineWave(qreal x0, int periods, qreal period, qreal y, qreal amplitude, qreal phase)
{
    QPainterPath path;
    const int steps = periods * 24;
    for (int k = 0; k <= steps; ++k) {
        const qreal u = qreal(k) / 24;
        const QPointF pt(x0 + u * period, y - amplitude * qSin(2 * M_PI * u + phase));
        if (k == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

void bead(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.35, colour.lighter(130));
    g.setColorAt(1, colour.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void sparkle(QPainter& p, QPointF c, qreal r, const QColor& colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star(c, r, r * 0.22, 4, 0));
    p.restore();
}

void flower(QPainter& p, QPointF c, qreal r, const QColor& petal, const QColor& heart, qreal turn)
{
    p.save();
    p.setPen(QPen(petal.darker(150), 0.8));
    QRadialGradient g(c, r * 1.2);
    g.setColorAt(0, petal.lighter(150));
    g.setColorAt(1, petal);
    p.setBrush(g);
    for (int k = 0; k < 5; ++k) {
        const qreal a = qDegreesToRadians(turn + 72.0 * k);
        p.drawEllipse(QPointF(c.x() + r * 0.55 * qCos(a), c.y() + r * 0.55 * qSin(a)), r * 0.5,
                      r * 0.5);
    }
    p.setBrush(heart);
    p.setPen(QPen(heart.darker(150), 0.6));
    p.drawEllipse(c, r * 0.33, r * 0.33);
    p.restore();
}

void shadedLeaf(QPainter& p, QPointF base, qreal length, qreal width, qreal angle,
                const QColor& colour)
{
    const QPainterPath l = leaf(base, length, width, angle);
    const QRectF b = l.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour.darker(115));
    p.setPen(QPen(colour.darker(170), 0.7));
    p.setBrush(g);
    p.drawPath(l);
}

void finial(QPainter& p, QPointF at, int dir, qreal size, const Tones& c)
{
    // A lozenge pointing outwards with a bead where it meets the line.
    p.save();
    QPainterPath spear;
    spear.moveTo(at.x() + dir * size, at.y());
    spear.lineTo(at.x() + dir * size * 0.35, at.y() - size * 0.42);
    spear.lineTo(at.x() - dir * size * 0.05, at.y());
    spear.lineTo(at.x() + dir * size * 0.35, at.y() + size * 0.42);
    spear.closeSubpath();
    p.setPen(QPen(c.dark, 0.8));
    p.setBrush(vertical(spear.boundingRect(), c.light, c.main));
    p.drawPath(spear);
    bead(p, QPointF(at.x() - dir * size * 0.12, at.y()), size * 0.2, c.accent);
    p.restore();
}

void curl(QPainter& p, QPointF at, int dir, qreal radius, const QPen& strokePen, bool up)
{
    // Half a turn and a little more, tightening: the stroke that reaches
    // `at` rolls back inwards instead of stopping.
    QPainterPath path(at);
    const qreal side = up ? -1 : 1;
    const QPointF centre(at.x(), at.y() + side * radius);
    for (int k = 1; k <= 30; ++k) {
        const qreal a = k / 30.0 * 1.6 * M_PI;
        const qreal r = radius * (1 - k / 30.0 * 0.55);
        // Start straight below (or above) the centre and turn outwards.
        const qreal angle = (up ? M_PI / 2 : -M_PI / 2) - dir * a * (up ? 1 : -1);
        path.lineTo(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
    }
    p.save();
    p.setPen(strokePen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void outlinedStroke(QPainter& p, const QPainterPath& path, const QColor& outline, qreal outer,
                    const QColor& core, qreal inner)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(outline, outer));
    p.drawPath(path);
    p.setPen(pen(core, inner));
    p.drawPath(path);
    p.restore();
}

QPen pen(const QColor& c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QColor foliage(const Tones& c)
{
    const bool green = c.main.green() > c.main.red() + 20 && c.main.green() > c.main.blue();
    return green ? QColor(150, 130, 40) : QColor(60, 140, 56);
}

} // namespace art::border
