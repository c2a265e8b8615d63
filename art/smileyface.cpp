// Smiley painter: skin, eyes and mouth on a 100-unit grid.
#include "art/smiley.h"

#include "art/artkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace art::smiley {
namespace {

Skin skin(SkinColour s)
{
    switch (s) {
    case SkinColour::Yellow:
        return {QColor(0xff, 0xf6, 0x9c), QColor(0xff, 0xcc, 0x1e), QColor(0xb0, 0x74, 0x00)};
    case SkinColour::Orange:
        return {QColor(0xff, 0xe0, 0x8a), QColor(0xff, 0x9e, 0x1e), QColor(0xa8, 0x50, 0x00)};
    case SkinColour::Red:
        return {QColor(0xff, 0xb0, 0x90), QColor(0xf0, 0x48, 0x2a), QColor(0x90, 0x18, 0x08)};
    case SkinColour::Green:
        return {QColor(0xe0, 0xff, 0xa0), QColor(0x8c, 0xd8, 0x3a), QColor(0x3c, 0x78, 0x10)};
    case SkinColour::Blue:
        return {QColor(0xcc, 0xee, 0xff), QColor(0x5a, 0xb4, 0xf4), QColor(0x1a, 0x5c, 0xa0)};
    case SkinColour::Pink:
        return {QColor(0xff, 0xe4, 0xf0), QColor(0xff, 0xa0, 0xc8), QColor(0xb8, 0x40, 0x78)};
    case SkinColour::Purple:
        return {QColor(0xf0, 0xd8, 0xff), QColor(0xb0, 0x78, 0xe8), QColor(0x5c, 0x28, 0x98)};
    }
    return skin(SkinColour::Yellow);
}

const QColor kInk(0x3a, 0x22, 0x08);
const QColor kTongue(0xff, 0x6e, 0x8a);
const QColor kMouth(0x8a, 0x1c, 0x1c);

void drawEyes(QPainter& p, Eyes eyes, const Pose& pose, qreal spin)
{
    const QPointF l(36, 46), r(64, 46);
    const auto glint = [&p](QPointF c, qreal s) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(-s * 0.4, -s * 0.6), s * 0.45, s * 0.45);
    };
    const auto dot = [&](QPointF c, qreal rx, qreal ry) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(c, rx, ry);
        glint(c, rx);
    };
    const auto shut = [&](QPointF c) {
        stroke(p, arc(c + QPointF(-7, 0), c + QPointF(0, 6), c + QPointF(7, 0)), kInk, 4);
    };
    const auto white = [&](QPointF c, qreal rx, qreal ry, QPointF look, qreal pupil) {
        p.setPen(QPen(kInk, 2.2));
        p.setBrush(Qt::white);
        p.drawEllipse(c, rx, ry);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(c + look, pupil, pupil);
    };
    if (eyes == Eyes::Glasses) {
        // Round rims stay on while the eyes blink behind them.
        p.setPen(QPen(kInk, 3));
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(l, 12, 11);
        p.drawEllipse(r, 12, 11);
        stroke(p, arc(l + QPointF(12, -2), QPointF(50, 40), r + QPointF(-12, -2)), kInk, 3);
    }
    const bool canShut = eyes == Eyes::Dot || eyes == Eyes::Oval || eyes == Eyes::Big ||
                         eyes == Eyes::Wide || eyes == Eyes::Sleepy || eyes == Eyes::Wink ||
                         eyes == Eyes::Angry || eyes == Eyes::Sad || eyes == Eyes::Glasses ||
                         eyes == Eyes::Puppy || eyes == Eyes::Side;
    if (pose.eyesShut && canShut) {
        shut(l);
        shut(r);
        return;
    }
    switch (eyes) {
    case Eyes::Dot:
        dot(l, 4.5, 6.5);
        dot(r, 4.5, 6.5);
        break;
    case Eyes::Oval:
        dot(l, 5.5, 8.5);
        dot(r, 5.5, 8.5);
        break;
    case Eyes::Big:
        for (QPointF c : {l, r}) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(c, 8, 10);
            p.setBrush(Qt::white);
            p.drawEllipse(c + QPointF(-2.5, -3.5), 3.2, 3.2);
            p.drawEllipse(c + QPointF(3, 4), 1.6, 1.6);
        }
        break;
    case Eyes::Happy:
        for (QPointF c : {l, r})
            stroke(p, arc(c + QPointF(-7, 3), c + QPointF(0, -8), c + QPointF(7, 3)), kInk, 4.5);
        break;
    case Eyes::Wink:
        dot(l, 4.5, 6.5);
        stroke(p, arc(r + QPointF(-7, 2), r + QPointF(0, -6), r + QPointF(7, 2)), kInk, 4.5);
        break;
    case Eyes::Closed:
        shut(l);
        shut(r);
        break;
    case Eyes::Wide:
        white(l, 8, 10, QPointF(0, 1), 4);
        white(r, 8, 10, QPointF(0, 1), 4);
        break;
    case Eyes::Hearts:
        for (QPointF c : {l, r}) {
            p.setPen(QPen(QColor(0x90, 0x00, 0x18), 1.5));
            p.setBrush(QColor(0xf0, 0x20, 0x40));
            p.drawPath(heart(c, 17 * pose.beat));
        }
        break;
    case Eyes::Stars:
        for (QPointF c : {l, r}) {
            p.setPen(
                QPen(QColor(0xb0, 0x70, 0x00), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0xff, 0xf2, 0x60));
            p.drawPath(star(c, 10 * pose.beat, 4.5 * pose.beat, 5, -90 + spin));
        }
        break;
    case Eyes::Cross:
        for (QPointF c : {l, r}) {
            QPainterPath x;
            x.moveTo(c + QPointF(-6, -6));
            x.lineTo(c + QPointF(6, 6));
            x.moveTo(c + QPointF(6, -6));
            x.lineTo(c + QPointF(-6, 6));
            stroke(p, x, kInk, 4);
        }
        break;
    case Eyes::Spiral:
        // Two turns only, in a heavy line, so the spiral still reads small.
        for (QPointF c : {l, r}) {
            QPainterPath s;
            for (int k = 0; k <= 36; ++k) {
                const qreal a = qDegreesToRadians(k * 20.0 + spin), rad = 1 + k * 0.25;
                const QPointF pt = c + QPointF(rad * qCos(a), rad * qSin(a));
                if (k == 0)
                    s.moveTo(pt);
                else
                    s.lineTo(pt);
            }
            stroke(p, s, kInk, 3.2);
        }
        break;
    case Eyes::Angry:
        dot(l + QPointF(0, 3), 4.5, 5.5);
        dot(r + QPointF(0, 3), 4.5, 5.5);
        {
            QPainterPath brows;
            brows.moveTo(l + QPointF(-9, -10));
            brows.lineTo(l + QPointF(7, -4));
            brows.moveTo(r + QPointF(9, -10));
            brows.lineTo(r + QPointF(-7, -4));
            stroke(p, brows, kInk, 4.5);
        }
        break;
    case Eyes::Sad:
        dot(l + QPointF(0, 3), 4.5, 6);
        dot(r + QPointF(0, 3), 4.5, 6);
        {
            QPainterPath brows;
            brows.moveTo(l + QPointF(-8, -5));
            brows.lineTo(l + QPointF(6, -11));
            brows.moveTo(r + QPointF(8, -5));
            brows.lineTo(r + QPointF(-6, -11));
            stroke(p, brows, kInk, 3.5);
        }
        break;
    case Eyes::Shades: {
        QPainterPath glasses;
        glasses.addRoundedRect(QRectF(22, 38, 24, 16), 6, 6);
        glasses.addRoundedRect(QRectF(54, 38, 24, 16), 6, 6);
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2));
        p.setBrush(QColor(0x18, 0x18, 0x20));
        p.drawPath(glasses);
        stroke(p, arc(QPointF(45, 42), QPointF(50, 38), QPointF(55, 42)), QColor(0x10, 0x10, 0x10),
               3);
        QPainterPath shine;
        shine.moveTo(26, 49);
        shine.lineTo(32, 41);
        shine.moveTo(58, 49);
        shine.lineTo(64, 41);
        stroke(p, shine, QColor(255, 255, 255, 200), 2.2);
        break;
    }
    case Eyes::Rolling:
        white(l, 7.5, 9.5, QPointF(1, -5), 3.5);
        white(r, 7.5, 9.5, QPointF(1, -5), 3.5);
        break;
    case Eyes::Squint: {
        QPainterPath s;
        s.moveTo(l + QPointF(-7, -6));
        s.lineTo(l + QPointF(5, 0));
        s.lineTo(l + QPointF(-7, 6));
        s.moveTo(r + QPointF(7, -6));
        s.lineTo(r + QPointF(-5, 0));
        s.lineTo(r + QPointF(7, 6));
        stroke(p, s, kInk, 4);
        break;
    }
    case Eyes::Crying:
        for (QPointF c : {l, r})
            stroke(p, arc(c + QPointF(-7, 2), c + QPointF(0, -4), c + QPointF(7, 2)), kInk, 4);
        break;
    case Eyes::Uneven:
        white(l, 6, 7, QPointF(1.5, 1), 2);
        white(r, 10, 12, QPointF(-2, 2), 5);
        break;
    case Eyes::Glasses:
        dot(l, 4, 5.5);
        dot(r, 4, 5.5);
        break;
    case Eyes::Dollar:
        for (QPointF c : {l, r}) {
            const QPainterPath d =
                textPath(u"$"_s, font(Face::Sans, 26 * pose.beat, QFont::Black), c);
            stroke(p, d, QColor(0x0c, 0x4a, 0x0c), 4.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2c, 0xb8, 0x2c));
            p.drawPath(d);
        }
        break;
    case Eyes::Puppy:
        // Big glossy eyes under brows raised in the middle.
        for (int side = -1; side <= 1; side += 2) {
            const QPointF c = side < 0 ? l : r;
            p.setPen(QPen(kInk, 2));
            p.setBrush(Qt::white);
            p.drawEllipse(c + QPointF(0, 2), 9, 10.5);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x5a, 0x32, 0x10));
            p.drawEllipse(c + QPointF(0, 4), 7, 8.5);
            p.setBrush(kInk);
            p.drawEllipse(c + QPointF(0, 5), 3.8, 4.5);
            p.setBrush(Qt::white);
            p.drawEllipse(c + QPointF(-2.6, 1), 2.8, 2.8);
            p.drawEllipse(c + QPointF(2.6, 8.5), 1.4, 1.4);
            QPainterPath brow(c + QPointF(side * 9, -9));
            brow.lineTo(c + QPointF(-side * 6, -15));
            stroke(p, brow, kInk, 3.2);
        }
        break;
    case Eyes::Side:
        // Heavy lids, both eyes glancing to one side.
        for (QPointF c : {l, r}) {
            QPainterPath eye(c + QPointF(-8, -1));
            eye.lineTo(c + QPointF(8, -1));
            eye.quadTo(c + QPointF(8, 8), c + QPointF(0, 8));
            eye.quadTo(c + QPointF(-8, 8), c + QPointF(-8, -1));
            eye.closeSubpath();
            p.setPen(QPen(kInk, 2));
            p.setBrush(Qt::white);
            p.drawPath(eye);
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(c + QPointF(4.5, 3), 3.4, 3.4);
            QPainterPath lid(c + QPointF(-9.5, -1.5));
            lid.lineTo(c + QPointF(9.5, -1.5));
            stroke(p, lid, kInk, 4);
        }
        break;
    case Eyes::Sleepy:
        for (QPointF c : {l, r}) {
            QPainterPath lower;
            lower.moveTo(c + QPointF(-7, 0));
            lower.quadTo(c + QPointF(0, 10), c + QPointF(7, 0));
            lower.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawPath(lower);
            QPainterPath lid;
            lid.moveTo(c + QPointF(-8, 0));
            lid.lineTo(c + QPointF(8, 0));
            stroke(p, lid, kInk, 3);
        }
        break;
    }
}

void drawMouth(QPainter& p, Mouth mouth, const Pose& pose)
{
    const auto openMouth = [&p](const QPainterPath& shape, bool teeth, bool tongue) {
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kMouth);
        p.drawPath(shape);
        p.save();
        p.setClipPath(shape);
        const QRectF b = shape.boundingRect();
        p.setPen(Qt::NoPen);
        if (teeth) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(b.left(), b.top(), b.width(), b.height() * 0.3));
        }
        if (tongue) {
            p.setBrush(kTongue);
            p.drawEllipse(QPointF(b.center().x(), b.bottom()), b.width() * 0.3, b.height() * 0.45);
        }
        p.restore();
    };
    switch (mouth) {
    case Mouth::Smile:
        stroke(p, arc(QPointF(32, 64), QPointF(50, 82), QPointF(68, 64)), kInk, 4);
        break;
    case Mouth::Grin:
    case Mouth::Laugh:
    case Mouth::Open: {
        const qreal depth =
            mouth == Mouth::Laugh ? (pose.mouthAlt ? 78 : 88) : (mouth == Mouth::Grin ? 82 : 78);
        const qreal half = mouth == Mouth::Open ? 13 : 19;
        QPainterPath d;
        d.moveTo(50 - half, 62);
        d.quadTo(50, 66, 50 + half, 62);
        d.cubicTo(50 + half, depth - 8, 50 + 8, depth, 50, depth);
        d.cubicTo(50 - 8, depth, 50 - half, depth - 8, 50 - half, 62);
        d.closeSubpath();
        openMouth(d, mouth != Mouth::Open, mouth != Mouth::Grin);
        break;
    }
    case Mouth::Tongue: {
        stroke(p, arc(QPointF(34, 64), QPointF(50, 76), QPointF(66, 64)), kInk, 4);
        QPainterPath t;
        const qreal x = 54 + pose.tongue;
        t.moveTo(x - 8, 69);
        t.cubicTo(x - 9, 84, x + 9, 84, x + 8, 69);
        t.closeSubpath();
        p.setPen(QPen(kMouth, 1.8));
        p.setBrush(kTongue);
        p.drawPath(t);
        QPainterPath groove(QPointF(x, 71));
        groove.lineTo(x, 77);
        stroke(p, groove, kMouth, 1.4);
        break;
    }
    case Mouth::Smirk:
        stroke(p, arc(QPointF(38, 70), QPointF(56, 74), QPointF(68, 62)), kInk, 4);
        break;
    case Mouth::Kiss: {
        QPainterPath k;
        k.moveTo(48, 62);
        k.quadTo(58, 65, 50, 69);
        k.quadTo(58, 73, 48, 76);
        stroke(p, k, kInk, 3.6);
        break;
    }
    case Mouth::O:
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(kMouth);
        p.drawEllipse(QPointF(50, 72), 6, 7.5);
        break;
    case Mouth::BigO:
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(kMouth);
        p.drawEllipse(QPointF(50, 73), 10, 13);
        break;
    case Mouth::Frown:
        stroke(p, arc(QPointF(34, 78), QPointF(50, 62), QPointF(66, 78)), kInk, 4);
        break;
    case Mouth::Flat: {
        QPainterPath f(QPointF(36, 72));
        f.lineTo(64, 72);
        stroke(p, f, kInk, 4);
        break;
    }
    case Mouth::Wavy: {
        QPainterPath w(QPointF(32, 72));
        w.cubicTo(38, 64, 44, 64, 50, 72);
        w.cubicTo(56, 80, 62, 80, 68, 72);
        stroke(p, w, kInk, 3.6);
        break;
    }
    case Mouth::Teeth: {
        const QRectF r(32, 64, 36, 14);
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r, 5, 5);
        QPainterPath lines(QPointF(32, 71));
        lines.lineTo(68, 71);
        for (int x = 41; x < 68; x += 9) {
            lines.moveTo(x, 64);
            lines.lineTo(x, 78);
        }
        stroke(p, lines, kInk, 1.6);
        break;
    }
    case Mouth::Zip: {
        // A zipped mouth with its pull tab.
        QPainterPath line(QPointF(33, 70));
        line.lineTo(64, 70);
        stroke(p, line, kInk, 3);
        QPainterPath teeth;
        for (int x = 36; x <= 62; x += 5) {
            teeth.moveTo(x, 65.5);
            teeth.lineTo(x, 74.5);
        }
        stroke(p, teeth, kInk, 2);
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0xc8, 0xc8, 0xd0));
        p.drawRoundedRect(QRectF(63, 65, 8, 12), 2, 2);
        break;
    }
    case Mouth::Buck: {
        // A wide smile showing two big front teeth.
        QPainterPath d(QPointF(31, 62));
        d.quadTo(50, 68, 69, 62);
        d.quadTo(64, 84, 50, 84);
        d.quadTo(36, 84, 31, 62);
        d.closeSubpath();
        p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(kMouth);
        p.drawPath(d);
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(42.5, 65, 7.5, 10));
        p.drawRect(QRectF(50, 65, 7.5, 10));
        break;
    }
    case Mouth::Cat: {
        QPainterPath w(QPointF(36, 66));
        w.quadTo(42, 76, 50, 67);
        w.quadTo(58, 76, 64, 66);
        stroke(p, w, kInk, 3.6);
        break;
    }
    }
}

} // namespace

void stroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath arc(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

bool needsHeadroom(Extra extra)
{
    switch (extra) {
    case Extra::PartyHat:
    case Extra::Halo:
    case Extra::Horns:
    case Extra::Crown:
    case Extra::Bow:
    case Extra::Orbit:
    case Extra::Steam:
        return true;
    default:
        return false;
    }
}

bool sideBadge(Extra extra)
{
    switch (extra) {
    case Extra::Heart:
    case Extra::Zzz:
    case Extra::Question:
    case Extra::Note:
    case Extra::Exclaim:
    case Extra::Bulb:
    case Extra::Broken:
    case Extra::Hand:
        return true;
    default:
        return false;
    }
}

QImage drawSmiley(const Smiley& sm, QSize size, const Pose& pose)
{
    QImage image = canvas(size.width(), size.height());
    QPainter p;
    begin(p, image);
    const qreal w = size.width(), h = size.height();

    // The head as large as the picture allows: smaller under a hat, to the
    // left of a badge, and lower when it jumps.
    qreal d = std::min(w, h) - 1;
    QPointF centre(w / 2, h / 2);
    if (needsHeadroom(sm.extra)) {
        d = (h - 1) * 0.84;
        centre = QPointF(w / 2, h - 0.5 - d / 2);
    } else if (sideBadge(sm.extra)) {
        d = std::min(h - 1.5, (w - 1) * 0.78);
        centre = QPointF(0.5 + d / 2, h - 0.5 - d / 2);
    } else if (sm.motion == Motion::Jump) {
        d = (h - 1) * 0.88;
        centre = QPointF(w / 2, h - 0.5 - d / 2);
    }
    const qreal scale = d / 88;
    QTransform toPixels;
    toPixels.translate(centre.x(), centre.y());
    toPixels.scale(scale, scale);
    toPixels.translate(-50, -54);
    // Badges and the hand fill the corners the head leaves free.
    const QTransform toHead = toPixels.inverted();
    Spots spots;
    spots.badge = toHead.map(QPointF(w - 0.5 - 14 * scale, 0.5 + 14 * scale));
    spots.hand = toHead.map(QPointF(w - 0.5 - 22 * scale, h - 0.5 - 16 * scale));

    const Skin s = [&] {
        Skin k = skin(sm.skin);
        if (pose.flush > 0) {
            const Skin red = skin(SkinColour::Red);
            k = {mix(k.light, red.light, pose.flush), mix(k.base, red.base, pose.flush),
                 mix(k.rim, red.rim, pose.flush)};
        }
        return k;
    }();

    p.save();
    p.translate(0, -pose.lift * scale);
    p.setWorldTransform(toPixels, true);
    p.translate(50, 54);
    p.rotate(pose.tilt);
    p.translate(-50, -54);

    drawExtra(p, sm.extra, pose, s, false, spots);
    QRadialGradient g(QPointF(40, 38), 52);
    g.setColorAt(0, s.light);
    g.setColorAt(0.55, s.base);
    g.setColorAt(1, s.base.darker(112));
    p.setPen(QPen(s.rim, 3.4));
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 54), 44, 44);
    drawEyes(p, sm.eyes, pose, pose.spin);
    drawMouth(p, sm.mouth, pose);
    if (sm.eyes == Eyes::Crying) {
        // Streams of tears down both cheeks.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5a, 0xb8, 0xff, 200));
        const qreal len = 18 + 14 * (0.5 - 0.5 * std::cos(2 * M_PI * pose.drop));
        p.drawRoundedRect(QRectF(30, 50, 6, len), 3, 3);
        p.drawRoundedRect(QRectF(64, 50, 6, len), 3, 3);
    }
    if (sm.extra != Extra::Hand)
        drawExtra(p, sm.extra, pose, s, true, spots);
    p.restore();
    if (sm.extra == Extra::Hand) {
        // The hand stays put while the head moves.
        p.save();
        p.setWorldTransform(toPixels, true);
        drawExtra(p, sm.extra, pose, s, true, spots);
        p.restore();
    }
    p.end();
    return image;
}

} // namespace art::smiley
