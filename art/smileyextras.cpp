// Smiley extras: hands, drops, hats, halos, horns, hearts, letters and the
// other things drawn around a face.
#include "art/smiley.h"

#include "art/artkit.h"

#include <QLinearGradient>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace art::smiley {
namespace {

const QColor kTear(0x5a, 0xb8, 0xff);

void drawHand(QPainter& p, QPointF at, qreal angle, const Skin& s)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(1.25, 1.25);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(-10, -6, 20, 18), 7, 7);
    for (int f = 0; f < 4; ++f)
        palm.addRoundedRect(QRectF(-10 + f * 5.3, -18 + qAbs(f - 1.5) * 2.2, 4.8, 16), 2.4, 2.4);
    palm.addRoundedRect(QRectF(8, 0, 10, 5), 2.5, 2.5);
    palm = palm.simplified();
    p.setPen(QPen(s.rim, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(s.base.lighter(108));
    p.drawPath(palm);
    p.restore();
}

void drawDrop(QPainter& p, QPointF tip, qreal size)
{
    QPainterPath d(tip);
    d.cubicTo(tip + QPointF(size * 0.9, size * 1.2), tip + QPointF(size * 0.6, size * 1.9),
              tip + QPointF(0, size * 1.9));
    d.cubicTo(tip + QPointF(-size * 0.6, size * 1.9), tip + QPointF(-size * 0.9, size * 1.2), tip);
    p.setPen(QPen(QColor(0x1a, 0x6a, 0xc0), 1.4));
    p.setBrush(kTear);
    p.drawPath(d);
}

void drawLetters(QPainter& p, const QString& text, QPointF centre, qreal size, const QColor& fill,
                 const QColor& rim)
{
    const QPainterPath path = textPath(text, font(Face::Sans, size, QFont::Black), centre);
    stroke(p, path, rim, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

} // namespace

void drawExtra(QPainter& p, Extra extra, const Pose& pose, const Skin& s, bool front,
               const Spots& spots)
{
    if (pose.extraHidden)
        return;
    const QPointF badge = spots.badge - QPointF(0, pose.drop * 8);
    switch (extra) {
    case Extra::None:
        break;
    case Extra::Blush:
        if (front) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 90, 120, 110));
            p.drawEllipse(QPointF(27, 62), 8 * pose.beat, 5 * pose.beat);
            p.drawEllipse(QPointF(73, 62), 8 * pose.beat, 5 * pose.beat);
        }
        break;
    case Extra::Sweat:
    case Extra::Tear:
        if (front) {
            // Two drops half a cycle apart, each fading in as it leaves and
            // out as it lands, so the loop has no visible restart.
            for (int k = 0; k < 2; ++k) {
                const qreal phase = std::fmod(pose.drop + 0.5 * k, 1.0);
                const qreal fade = std::pow(std::sin(M_PI * phase), 2);
                if (fade < 0.02)
                    continue;
                p.save();
                p.setOpacity(fade);
                if (extra == Extra::Sweat)
                    drawDrop(p, QPointF(80, 20 + phase * 20), 7);
                else
                    drawDrop(p, QPointF(k ? 70 : 30, 52 + phase * 22), 5.5);
                p.restore();
            }
        }
        break;
    case Extra::Hand:
        if (front)
            drawHand(p, spots.hand, -10 + pose.hand, s);
        break;
    case Extra::PartyHat:
        if (front) {
            p.save();
            p.translate(58, 20);
            p.rotate(18);
            QPainterPath cone;
            cone.moveTo(-16, 8);
            cone.lineTo(0, -26);
            cone.lineTo(16, 8);
            cone.closeSubpath();
            p.setPen(QPen(QColor(0x60, 0x10, 0x80), 2));
            p.setBrush(QColor(0xa0, 0x3c, 0xe0));
            p.drawPath(cone);
            p.setClipPath(cone);
            p.setPen(QPen(QColor(0xff, 0xe0, 0x40), 4));
            p.drawLine(QPointF(-16, -4), QPointF(16, -16));
            p.drawLine(QPointF(-16, 8), QPointF(16, -4));
            p.setClipping(false);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xff, 0x50, 0x60));
            p.drawEllipse(QPointF(0, -27), 5, 5);
            p.restore();
        }
        break;
    case Extra::Halo:
        if (!front) {
            p.setPen(QPen(QColor(0xe0, 0xa0, 0x00), 6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(50, 12 - pose.drop * 4), 26, 8);
            p.setPen(QPen(QColor(0xff, 0xf0, 0x80), 3));
            p.drawEllipse(QPointF(50, 12 - pose.drop * 4), 26, 8);
        }
        break;
    case Extra::Horns:
        if (!front) {
            p.setPen(QPen(QColor(0x70, 0x00, 0x00), 2));
            p.setBrush(QColor(0xd8, 0x18, 0x18));
            for (int side = -1; side <= 1; side += 2) {
                QPainterPath h;
                h.moveTo(50 + side * 14, 22);
                h.quadTo(50 + side * 30, 16, 50 + side * 34, 0);
                h.quadTo(50 + side * 36, 20, 50 + side * 28, 30);
                h.closeSubpath();
                p.drawPath(h);
            }
        }
        break;
    case Extra::Heart:
    case Extra::Broken:
        if (front) {
            const QPointF c = extra == Extra::Heart ? badge : spots.badge + QPointF(-2, 2);
            p.setPen(QPen(QColor(0x90, 0x00, 0x18), 2));
            p.setBrush(QColor(0xff, 0x30, 0x50));
            const QPainterPath h = heart(c, 28 * pose.beat);
            if (extra == Extra::Heart) {
                p.drawPath(h);
            } else {
                QPainterPath crack(c + QPointF(-3, -12));
                crack.lineTo(c + QPointF(3, -4));
                crack.lineTo(c + QPointF(-3, 3));
                crack.lineTo(c + QPointF(2, 14));
                p.drawPath(h);
                stroke(p, crack, QColor(0x90, 0x00, 0x18), 2.5);
                stroke(p, crack, Qt::white, 1);
            }
        }
        break;
    case Extra::Zzz:
        if (front) {
            drawLetters(p, u"z"_s, spots.badge + QPointF(-8, 10 - pose.drop * 10), 16, Qt::white,
                        QColor(0x2a, 0x5a, 0xb0));
            drawLetters(p, u"Z"_s, spots.badge + QPointF(4, -4 - pose.drop * 10), 22, Qt::white,
                        QColor(0x2a, 0x5a, 0xb0));
        }
        break;
    case Extra::Question:
        if (front)
            drawLetters(p, u"?"_s, spots.badge + QPointF(0, 2), 34, QColor(0x40, 0x90, 0xff),
                        QColor(0x10, 0x30, 0x80));
        break;
    case Extra::Exclaim:
        if (front)
            drawLetters(p, u"!"_s, spots.badge + QPointF(0, 2), 34, QColor(0xff, 0x30, 0x30),
                        QColor(0x70, 0x00, 0x00));
        break;
    case Extra::Note:
        if (front) {
            const QPointF c = badge;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x20, 0x40, 0xa0));
            p.drawEllipse(c + QPointF(-6, 8), 6, 4.5);
            p.drawEllipse(c + QPointF(8, 4), 6, 4.5);
            QPainterPath stems(c + QPointF(-1, 8));
            stems.lineTo(c + QPointF(-1, -12));
            stems.lineTo(c + QPointF(13, -16));
            stems.lineTo(c + QPointF(13, 4));
            stroke(p, stems, QColor(0x20, 0x40, 0xa0), 3);
        }
        break;
    case Extra::Flower:
        if (front) {
            p.setPen(QPen(QColor(0xc0, 0x30, 0x70), 1.2));
            p.setBrush(QColor(0xff, 0x80, 0xb8));
            for (int k = 0; k < 5; ++k) {
                const qreal a = qDegreesToRadians(72.0 * k + pose.spin);
                p.drawEllipse(QPointF(20 + 8 * qCos(a), 22 + 8 * qSin(a)), 6, 6);
            }
            p.setBrush(QColor(0xff, 0xe0, 0x40));
            p.drawEllipse(QPointF(20, 22), 5, 5);
        }
        break;
    case Extra::Steam:
        if (front) {
            // Puffs blowing out of both sides of the head.
            for (int side = -1; side <= 1; side += 2) {
                const QPointF c(50 + side * 36, 16 - pose.drop * 5);
                QPainterPath puff;
                puff.addEllipse(c, 9, 7.5);
                puff.addEllipse(c + QPointF(side * 7, -6), 7, 6);
                puff.addEllipse(c + QPointF(-side * 6, -5), 6, 5);
                p.setPen(QPen(QColor(0x70, 0x74, 0x80), 2));
                p.setBrush(QColor(0xe4, 0xe6, 0xee));
                p.drawPath(puff.simplified());
            }
        }
        break;
    case Extra::Orbit:
        if (front) {
            for (int k = 0; k < 3; ++k) {
                const qreal a = qDegreesToRadians(pose.spin + k * 120.0);
                const QPointF c(50 + 34 * qCos(a), 10 + 8 * qSin(a));
                p.setPen(QPen(QColor(0xb0, 0x70, 0x00), 1.5));
                p.setBrush(QColor(0xff, 0xe8, 0x40));
                p.drawPath(star(c, 12, 5, 5));
            }
        }
        break;
    case Extra::Bow:
        if (front) {
            p.setPen(QPen(QColor(0xa0, 0x10, 0x50), 1.8));
            p.setBrush(QColor(0xff, 0x50, 0x9a));
            QPainterPath b;
            b.moveTo(24, 18);
            b.lineTo(8, 8);
            b.lineTo(10, 28);
            b.closeSubpath();
            b.moveTo(24, 18);
            b.lineTo(38, 4);
            b.lineTo(42, 24);
            b.closeSubpath();
            p.drawPath(b);
            p.drawEllipse(QPointF(24, 18), 5, 5);
        }
        break;
    case Extra::Confetti:
        if (front) {
            Random rng(7);
            const QColor colours[] = {QColor(0xff, 0x40, 0x60), QColor(0x30, 0xb0, 0xff),
                                      QColor(0x40, 0xd0, 0x40), QColor(0xff, 0xc0, 0x20),
                                      QColor(0xb0, 0x50, 0xff)};
            for (int k = 0; k < 14; ++k) {
                const QPointF c(rng.real(2, 98),
                                std::fmod(rng.real(0, 100) + pose.lift * 3, 100.0));
                // Keep the face clear: pieces fall around it.
                if (QLineF(c, QPointF(50, 54)).length() < 40)
                    continue;
                p.save();
                p.translate(c);
                p.rotate(rng.real(0, 180) + pose.spin);
                p.setPen(Qt::NoPen);
                p.setBrush(colours[k % 5]);
                p.drawRect(QRectF(-4, -2.2, 8, 4.4));
                p.restore();
            }
        }
        break;
    case Extra::Crown:
        if (front) {
            QPainterPath c;
            c.moveTo(28, 24);
            c.lineTo(26, 4);
            c.lineTo(38, 14);
            c.lineTo(50, 0);
            c.lineTo(62, 14);
            c.lineTo(74, 4);
            c.lineTo(72, 24);
            c.closeSubpath();
            QLinearGradient g(0, 0, 0, 24);
            g.setColorAt(0, QColor(0xff, 0xf0, 0x80));
            g.setColorAt(1, QColor(0xe0, 0xa0, 0x00));
            p.setPen(QPen(QColor(0x90, 0x60, 0x00), 2));
            p.setBrush(g);
            p.drawPath(c);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe0, 0x20, 0x40));
            p.drawEllipse(QPointF(50, 17), 3.5, 3.5);
        }
        break;
    case Extra::Bulb:
        if (front) {
            const QPointF c = spots.badge;
            p.setPen(QPen(QColor(0xa0, 0x80, 0x00), 2));
            p.setBrush(QColor(0xff, 0xf0, 0x50));
            p.drawEllipse(c, 11, 11);
            p.setBrush(QColor(0x90, 0x90, 0x90));
            p.drawRect(QRectF(c.x() - 5, c.y() + 9, 10, 7));
            stroke(p, arc(c + QPointF(-4, 0), c + QPointF(0, -6), c + QPointF(4, 0)),
                   QColor(0xc0, 0x80, 0x00), 1.6);
        }
        break;
    }
}

} // namespace art::smiley
