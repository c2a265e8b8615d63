// Smilies (pics/<set>/NNN.gif): a face built from eyes, mouth, an extra
// (hat, hand, tear, heart…), a skin colour and an optional motion, drawn in
// a 100-unit box scaled to 22–30 pixels.
#include "artkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

enum class E { Dot, Oval, Happy, Wink, Closed, Wide, Hearts, Stars, Cross, Spiral, Angry, Sad, Shades, Rolling,
               Squint, Crying, Big, Uneven, Sleepy };
enum class M { Smile, Grin, Laugh, Tongue, Smirk, Kiss, O, Frown, Flat, Wavy, Teeth, BigO, Cat, Open };
enum class X { None, Blush, Sweat, Tear, Hand, PartyHat, Halo, Horns, Heart, Zzz, Question, Note, Flower, Steam,
               Orbit, Bow, Exclaim, Confetti, Crown, Bulb, Broken };
enum class A { None, Blink, Laugh, Wave, Drops, Spin, Beat, Shake, Jump, Tongue, Flash, Colour, Float };
enum class S { Yellow, Orange, Red, Green, Blue, Pink, Purple };

struct Smiley {
    E eyes;
    M mouth;
    X extra;
    A motion;
    S skin;
};

// Smiling, laughing, winking.
const Smiley kHappy[41] = {
    {E::Dot, M::Smile, X::None, A::Blink, S::Yellow},       {E::Happy, M::Grin, X::None, A::Laugh, S::Yellow},
    {E::Wink, M::Smile, X::None, A::None, S::Yellow},       {E::Oval, M::Grin, X::Blush, A::None, S::Yellow},
    {E::Happy, M::Laugh, X::Tear, A::Laugh, S::Yellow},     {E::Dot, M::Smile, X::Hand, A::Wave, S::Yellow},
    {E::Wink, M::Tongue, X::None, A::None, S::Yellow},      {E::Hearts, M::Smile, X::Blush, A::Beat, S::Yellow},
    {E::Happy, M::Smile, X::Blush, A::None, S::Pink},       {E::Oval, M::Smile, X::Halo, A::None, S::Yellow},
    {E::Big, M::Smile, X::Blush, A::Blink, S::Yellow},      {E::Closed, M::Smile, X::Note, A::Jump, S::Yellow},
    {E::Happy, M::Cat, X::Blush, A::None, S::Yellow},       {E::Stars, M::Grin, X::None, A::Beat, S::Yellow},
    {E::Shades, M::Smile, X::None, A::None, S::Yellow},     {E::Dot, M::Grin, X::Hand, A::Wave, S::Orange},
    {E::Happy, M::Open, X::Sweat, A::None, S::Yellow},      {E::Wink, M::Grin, X::None, A::Blink, S::Yellow},
    {E::Oval, M::Laugh, X::None, A::Jump, S::Yellow},       {E::Closed, M::Laugh, X::Tear, A::Laugh, S::Orange},
    {E::Dot, M::Smile, X::Flower, A::None, S::Yellow},      {E::Happy, M::Kiss, X::Heart, A::Beat, S::Yellow},
    {E::Dot, M::Smirk, X::None, A::None, S::Yellow},        {E::Big, M::Grin, X::None, A::Jump, S::Yellow},
    {E::Oval, M::Smile, X::PartyHat, A::None, S::Yellow},   {E::Happy, M::Grin, X::Crown, A::None, S::Yellow},
    {E::Wink, M::Smile, X::Note, A::None, S::Orange},       {E::Squint, M::Laugh, X::None, A::Laugh, S::Yellow},
    {E::Dot, M::Cat, X::None, A::Blink, S::Orange},         {E::Happy, M::Smile, X::Flower, A::Shake, S::Pink},
    {E::Dot, M::Open, X::Hand, A::Wave, S::Yellow},         {E::Oval, M::Tongue, X::Blush, A::None, S::Yellow},
    {E::Shades, M::Grin, X::None, A::Jump, S::Orange},      {E::Hearts, M::Kiss, X::Heart, A::Float, S::Yellow},
    {E::Happy, M::Smile, X::Halo, A::None, S::Orange},      {E::Big, M::Smile, X::Bow, A::None, S::Pink},
    {E::Wink, M::Kiss, X::Heart, A::None, S::Yellow},       {E::Closed, M::Grin, X::Blush, A::None, S::Yellow},
    {E::Dot, M::Laugh, X::Sweat, A::None, S::Yellow},       {E::Oval, M::Grin, X::Crown, A::Blink, S::Orange},
    {E::Happy, M::Open, X::Note, A::Jump, S::Pink},
};

// Emotions: sad, angry, surprised, in love, cool, bored.
const Smiley kEmotions[41] = {
    {E::Sad, M::Frown, X::None, A::None, S::Yellow},        {E::Crying, M::Frown, X::Tear, A::Drops, S::Yellow},
    {E::Angry, M::Frown, X::None, A::Colour, S::Yellow},    {E::Angry, M::Teeth, X::Steam, A::Flash, S::Red},
    {E::Wide, M::O, X::None, A::None, S::Yellow},           {E::Wide, M::BigO, X::Exclaim, A::Flash, S::Yellow},
    {E::Hearts, M::Smile, X::Heart, A::Beat, S::Pink},      {E::Shades, M::Smirk, X::None, A::None, S::Yellow},
    {E::Rolling, M::Flat, X::None, A::None, S::Yellow},     {E::Dot, M::Flat, X::None, A::Blink, S::Yellow},
    {E::Sad, M::Wavy, X::Sweat, A::Drops, S::Yellow},       {E::Squint, M::Teeth, X::None, A::Shake, S::Orange},
    {E::Closed, M::Flat, X::Zzz, A::Float, S::Yellow},      {E::Sleepy, M::Flat, X::None, A::Blink, S::Yellow},
    {E::Dot, M::Wavy, X::Question, A::None, S::Yellow},     {E::Oval, M::Kiss, X::Heart, A::Float, S::Yellow},
    {E::Angry, M::Smirk, X::Horns, A::None, S::Purple},     {E::Happy, M::Smile, X::Halo, A::Float, S::Yellow},
    {E::Wide, M::Teeth, X::Sweat, A::None, S::Yellow},      {E::Crying, M::BigO, X::Tear, A::Drops, S::Blue},
    {E::Sad, M::Flat, X::Tear, A::Drops, S::Yellow},        {E::Shades, M::Grin, X::None, A::None, S::Blue},
    {E::Dot, M::O, X::Question, A::Shake, S::Yellow},       {E::Angry, M::Flat, X::None, A::None, S::Orange},
    {E::Big, M::Frown, X::Tear, A::Drops, S::Yellow},       {E::Hearts, M::Kiss, X::Blush, A::Beat, S::Yellow},
    {E::Sleepy, M::Smirk, X::None, A::None, S::Yellow},     {E::Oval, M::Frown, X::Blush, A::None, S::Yellow},
    {E::Wide, M::Flat, X::Exclaim, A::None, S::Yellow},     {E::Rolling, M::Smirk, X::None, A::None, S::Orange},
    {E::Angry, M::BigO, X::Steam, A::Colour, S::Yellow},    {E::Sad, M::Smile, X::Tear, A::None, S::Yellow},
    {E::Closed, M::Kiss, X::Blush, A::None, S::Pink},       {E::Dot, M::Teeth, X::Sweat, A::Shake, S::Green},
    {E::Squint, M::Frown, X::None, A::None, S::Green},      {E::Wide, M::Smile, X::Bulb, A::Flash, S::Yellow},
    {E::Shades, M::Flat, X::None, A::Shake, S::Yellow},     {E::Oval, M::O, X::Blush, A::None, S::Pink},
    {E::Crying, M::Wavy, X::None, A::Drops, S::Yellow},     {E::Angry, M::Smirk, X::Horns, A::Colour, S::Red},
    {E::Sad, M::Frown, X::Broken, A::Beat, S::Blue},
};

// Silly, dizzy, tongue out, party.
const Smiley kCrazy[41] = {
    {E::Cross, M::Wavy, X::Orbit, A::Spin, S::Yellow},      {E::Spiral, M::Wavy, X::None, A::Spin, S::Yellow},
    {E::Uneven, M::Tongue, X::None, A::Shake, S::Yellow},   {E::Wink, M::Tongue, X::None, A::Tongue, S::Yellow},
    {E::Squint, M::Tongue, X::None, A::Tongue, S::Orange},  {E::Oval, M::Grin, X::PartyHat, A::Jump, S::Yellow},
    {E::Happy, M::Laugh, X::Confetti, A::Jump, S::Yellow},  {E::Uneven, M::Grin, X::None, A::Shake, S::Green},
    {E::Rolling, M::Tongue, X::None, A::Tongue, S::Yellow}, {E::Cross, M::Tongue, X::None, A::None, S::Purple},
    {E::Big, M::Teeth, X::Sweat, A::Shake, S::Yellow},      {E::Spiral, M::Smile, X::None, A::Spin, S::Pink},
    {E::Wide, M::Laugh, X::None, A::Jump, S::Orange},       {E::Shades, M::Tongue, X::PartyHat, A::Jump, S::Yellow},
    {E::Happy, M::Tongue, X::Note, A::Jump, S::Yellow},     {E::Stars, M::Wavy, X::Orbit, A::Spin, S::Yellow},
    {E::Dot, M::Cat, X::PartyHat, A::None, S::Pink},        {E::Uneven, M::Wavy, X::Question, A::Shake, S::Yellow},
    {E::Squint, M::Grin, X::Confetti, A::Jump, S::Yellow},  {E::Closed, M::Tongue, X::Zzz, A::Float, S::Blue},
    {E::Wink, M::Laugh, X::Horns, A::None, S::Red},         {E::Wide, M::Tongue, X::Exclaim, A::Shake, S::Yellow},
    {E::Cross, M::Laugh, X::None, A::Laugh, S::Yellow},     {E::Oval, M::Tongue, X::Confetti, A::None, S::Green},
    {E::Uneven, M::BigO, X::None, A::Shake, S::Purple},     {E::Spiral, M::Grin, X::Confetti, A::Spin, S::Yellow},
    {E::Hearts, M::Tongue, X::None, A::Tongue, S::Yellow},  {E::Shades, M::Laugh, X::Note, A::Jump, S::Blue},
    {E::Rolling, M::Wavy, X::Sweat, A::Shake, S::Green},    {E::Happy, M::Grin, X::Horns, A::Jump, S::Purple},
    {E::Big, M::Tongue, X::Bow, A::Tongue, S::Pink},        {E::Stars, M::Laugh, X::Confetti, A::Jump, S::Orange},
    {E::Dot, M::Teeth, X::Steam, A::Shake, S::Red},         {E::Squint, M::Laugh, X::Sweat, A::Laugh, S::Yellow},
    {E::Wink, M::Grin, X::PartyHat, A::Jump, S::Green},     {E::Cross, M::O, X::Orbit, A::Spin, S::Blue},
    {E::Uneven, M::Smile, X::Flower, A::Shake, S::Yellow},  {E::Oval, M::Wavy, X::Bulb, A::Flash, S::Purple},
    {E::Closed, M::Laugh, X::Note, A::Jump, S::Orange},     {E::Dot, M::Tongue, X::Hand, A::Wave, S::Green},
    {E::Happy, M::Teeth, X::Crown, A::Jump, S::Yellow},
};

struct Skin {
    QColor light, base, rim;
};

Skin skin(S s)
{
    switch (s) {
    case S::Yellow: return {QColor(0xff, 0xf6, 0x9c), QColor(0xff, 0xcc, 0x1e), QColor(0xb0, 0x74, 0x00)};
    case S::Orange: return {QColor(0xff, 0xe0, 0x8a), QColor(0xff, 0x9e, 0x1e), QColor(0xa8, 0x50, 0x00)};
    case S::Red: return {QColor(0xff, 0xb0, 0x90), QColor(0xf0, 0x48, 0x2a), QColor(0x90, 0x18, 0x08)};
    case S::Green: return {QColor(0xe0, 0xff, 0xa0), QColor(0x8c, 0xd8, 0x3a), QColor(0x3c, 0x78, 0x10)};
    case S::Blue: return {QColor(0xcc, 0xee, 0xff), QColor(0x5a, 0xb4, 0xf4), QColor(0x1a, 0x5c, 0xa0)};
    case S::Pink: return {QColor(0xff, 0xe4, 0xf0), QColor(0xff, 0xa0, 0xc8), QColor(0xb8, 0x40, 0x78)};
    case S::Purple: return {QColor(0xf0, 0xd8, 0xff), QColor(0xb0, 0x78, 0xe8), QColor(0x5c, 0x28, 0x98)};
    }
    return skin(S::Yellow);
}

const QColor kInk(0x3a, 0x22, 0x08);
const QColor kTongue(0xff, 0x6e, 0x8a);
const QColor kMouth(0x8a, 0x1c, 0x1c);
const QColor kTear(0x5a, 0xb8, 0xff);

// How a frame differs from the resting face.
struct Pose {
    bool eyesShut = false;
    bool mouthAlt = false; // laughing: mouth closes a little
    qreal lift = 0;        // face moves up (units)
    qreal tilt = 0;        // face rotation (degrees)
    qreal hand = 0;        // hand rotation (degrees)
    qreal drop = 0;        // 0..1 progress of falling drops / floating extras
    qreal spin = 0;        // degrees of spinning details
    qreal beat = 1;        // scale of hearts and blush
    bool extraHidden = false;
    qreal flush = 0;       // 0..1 turn of the skin towards red
    qreal tongue = 0;      // tongue waggle (units)
};

bool needsHeadroom(X x)
{
    switch (x) {
    case X::PartyHat: case X::Halo: case X::Horns: case X::Crown: case X::Bow: case X::Orbit: case X::Steam:
        return true;
    default:
        return false;
    }
}

bool sideBadge(X x)
{
    switch (x) {
    case X::Heart: case X::Zzz: case X::Question: case X::Note: case X::Exclaim: case X::Bulb: case X::Broken:
    case X::Hand:
        return true;
    default:
        return false;
    }
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &c, qreal width)
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

void drawEyes(QPainter &p, E eyes, const Pose &pose, qreal spin)
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
    const auto shut = [&](QPointF c) { stroke(p, arc(c + QPointF(-7, 0), c + QPointF(0, 6), c + QPointF(7, 0)), kInk, 4); };
    const auto white = [&](QPointF c, qreal rx, qreal ry, QPointF look, qreal pupil) {
        p.setPen(QPen(kInk, 2.2));
        p.setBrush(Qt::white);
        p.drawEllipse(c, rx, ry);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(c + look, pupil, pupil);
    };
    const bool canShut = eyes == E::Dot || eyes == E::Oval || eyes == E::Big || eyes == E::Wide
        || eyes == E::Sleepy || eyes == E::Wink || eyes == E::Angry || eyes == E::Sad;
    if (pose.eyesShut && canShut) {
        shut(l);
        shut(r);
        return;
    }
    switch (eyes) {
    case E::Dot: dot(l, 4.5, 6.5); dot(r, 4.5, 6.5); break;
    case E::Oval: dot(l, 5.5, 8.5); dot(r, 5.5, 8.5); break;
    case E::Big:
        for (QPointF c : {l, r}) {
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(c, 8, 10);
            p.setBrush(Qt::white);
            p.drawEllipse(c + QPointF(-2.5, -3.5), 3.2, 3.2);
            p.drawEllipse(c + QPointF(3, 4), 1.6, 1.6);
        }
        break;
    case E::Happy:
        for (QPointF c : {l, r})
            stroke(p, arc(c + QPointF(-7, 3), c + QPointF(0, -8), c + QPointF(7, 3)), kInk, 4.5);
        break;
    case E::Wink:
        dot(l, 4.5, 6.5);
        stroke(p, arc(r + QPointF(-7, 2), r + QPointF(0, -6), r + QPointF(7, 2)), kInk, 4.5);
        break;
    case E::Closed: shut(l); shut(r); break;
    case E::Wide:
        white(l, 8, 10, QPointF(0, 1), 4);
        white(r, 8, 10, QPointF(0, 1), 4);
        break;
    case E::Hearts:
        for (QPointF c : {l, r}) {
            p.setPen(QPen(QColor(0x90, 0x00, 0x18), 1.5));
            p.setBrush(QColor(0xf0, 0x20, 0x40));
            p.drawPath(heart(c, 17 * pose.beat));
        }
        break;
    case E::Stars:
        for (QPointF c : {l, r}) {
            p.setPen(QPen(QColor(0xb0, 0x70, 0x00), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0xff, 0xf2, 0x60));
            p.drawPath(star(c, 10 * pose.beat, 4.5 * pose.beat, 5, -90 + spin));
        }
        break;
    case E::Cross:
        for (QPointF c : {l, r}) {
            QPainterPath x;
            x.moveTo(c + QPointF(-6, -6));
            x.lineTo(c + QPointF(6, 6));
            x.moveTo(c + QPointF(6, -6));
            x.lineTo(c + QPointF(-6, 6));
            stroke(p, x, kInk, 4);
        }
        break;
    case E::Spiral:
        for (QPointF c : {l, r}) {
            QPainterPath s;
            for (int k = 0; k <= 60; ++k) {
                const qreal a = qDegreesToRadians(k * 12.0 + spin), rad = 1 + k * 0.14;
                const QPointF pt = c + QPointF(rad * qCos(a), rad * qSin(a));
                if (k == 0)
                    s.moveTo(pt);
                else
                    s.lineTo(pt);
            }
            stroke(p, s, kInk, 2.4);
        }
        break;
    case E::Angry:
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
    case E::Sad:
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
    case E::Shades: {
        QPainterPath glasses;
        glasses.addRoundedRect(QRectF(22, 38, 24, 16), 6, 6);
        glasses.addRoundedRect(QRectF(54, 38, 24, 16), 6, 6);
        p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2));
        p.setBrush(QColor(0x18, 0x18, 0x20));
        p.drawPath(glasses);
        stroke(p, arc(QPointF(45, 42), QPointF(50, 38), QPointF(55, 42)), QColor(0x10, 0x10, 0x10), 3);
        QPainterPath shine;
        shine.moveTo(26, 49);
        shine.lineTo(32, 41);
        shine.moveTo(58, 49);
        shine.lineTo(64, 41);
        stroke(p, shine, QColor(255, 255, 255, 200), 2.2);
        break;
    }
    case E::Rolling:
        white(l, 7.5, 9.5, QPointF(1, -5), 3.5);
        white(r, 7.5, 9.5, QPointF(1, -5), 3.5);
        break;
    case E::Squint: {
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
    case E::Crying:
        for (QPointF c : {l, r})
            stroke(p, arc(c + QPointF(-7, 2), c + QPointF(0, -4), c + QPointF(7, 2)), kInk, 4);
        break;
    case E::Uneven:
        white(l, 6, 7, QPointF(1.5, 1), 2);
        white(r, 10, 12, QPointF(-2, 2), 5);
        break;
    case E::Sleepy:
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

void drawMouth(QPainter &p, M mouth, const Pose &pose)
{
    const auto openMouth = [&p](const QPainterPath &shape, bool teeth, bool tongue) {
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
    case M::Smile: stroke(p, arc(QPointF(32, 64), QPointF(50, 82), QPointF(68, 64)), kInk, 4); break;
    case M::Grin:
    case M::Laugh:
    case M::Open: {
        const qreal depth = mouth == M::Laugh ? (pose.mouthAlt ? 78 : 88) : (mouth == M::Grin ? 82 : 78);
        const qreal half = mouth == M::Open ? 13 : 19;
        QPainterPath d;
        d.moveTo(50 - half, 62);
        d.quadTo(50, 66, 50 + half, 62);
        d.cubicTo(50 + half, depth - 8, 50 + 8, depth, 50, depth);
        d.cubicTo(50 - 8, depth, 50 - half, depth - 8, 50 - half, 62);
        d.closeSubpath();
        openMouth(d, mouth != M::Open, mouth != M::Grin);
        break;
    }
    case M::Tongue: {
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
    case M::Smirk: stroke(p, arc(QPointF(38, 70), QPointF(56, 74), QPointF(68, 62)), kInk, 4); break;
    case M::Kiss: {
        QPainterPath k;
        k.moveTo(48, 62);
        k.quadTo(58, 65, 50, 69);
        k.quadTo(58, 73, 48, 76);
        stroke(p, k, kInk, 3.6);
        break;
    }
    case M::O:
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(kMouth);
        p.drawEllipse(QPointF(50, 72), 6, 7.5);
        break;
    case M::BigO:
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(kMouth);
        p.drawEllipse(QPointF(50, 73), 10, 13);
        break;
    case M::Frown: stroke(p, arc(QPointF(34, 78), QPointF(50, 62), QPointF(66, 78)), kInk, 4); break;
    case M::Flat: {
        QPainterPath f(QPointF(36, 72));
        f.lineTo(64, 72);
        stroke(p, f, kInk, 4);
        break;
    }
    case M::Wavy: {
        QPainterPath w(QPointF(32, 72));
        w.cubicTo(38, 64, 44, 64, 50, 72);
        w.cubicTo(56, 80, 62, 80, 68, 72);
        stroke(p, w, kInk, 3.6);
        break;
    }
    case M::Teeth: {
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
    case M::Cat: {
        QPainterPath w(QPointF(36, 66));
        w.quadTo(42, 76, 50, 67);
        w.quadTo(58, 76, 64, 66);
        stroke(p, w, kInk, 3.6);
        break;
    }
    }
}

void drawHand(QPainter &p, QPointF at, qreal angle, const Skin &s)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
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

void drawDrop(QPainter &p, QPointF tip, qreal size)
{
    QPainterPath d(tip);
    d.cubicTo(tip + QPointF(size * 0.9, size * 1.2), tip + QPointF(size * 0.6, size * 1.9), tip + QPointF(0, size * 1.9));
    d.cubicTo(tip + QPointF(-size * 0.6, size * 1.9), tip + QPointF(-size * 0.9, size * 1.2), tip);
    p.setPen(QPen(QColor(0x1a, 0x6a, 0xc0), 1.4));
    p.setBrush(kTear);
    p.drawPath(d);
}

void drawLetters(QPainter &p, const QString &text, QPointF centre, qreal size, const QColor &fill, const QColor &rim)
{
    const QPainterPath path = textPath(text, font(Face::Sans, size, QFont::Black), centre);
    stroke(p, path, rim, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

// Extras that sit behind the head (drawn first) or over it (after).
void drawExtra(QPainter &p, X extra, const Pose &pose, const Skin &s, bool front)
{
    if (pose.extraHidden)
        return;
    const QPointF badge(86, 16 - pose.drop * 8);
    switch (extra) {
    case X::None: break;
    case X::Blush:
        if (front) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 90, 120, 110));
            p.drawEllipse(QPointF(27, 62), 8 * pose.beat, 5 * pose.beat);
            p.drawEllipse(QPointF(73, 62), 8 * pose.beat, 5 * pose.beat);
        }
        break;
    case X::Sweat:
        if (front)
            drawDrop(p, QPointF(80, 22 + pose.drop * 18), 7);
        break;
    case X::Tear:
        if (front) {
            drawDrop(p, QPointF(30, 52 + pose.drop * 22), 5.5);
            if (pose.drop > 0)
                drawDrop(p, QPointF(70, 52 + std::fmod(pose.drop + 0.5, 1.0) * 22), 5.5);
        }
        break;
    case X::Hand:
        if (front)
            drawHand(p, QPointF(84, 70), -15 + pose.hand, s);
        break;
    case X::PartyHat:
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
    case X::Halo:
        if (!front) {
            p.setPen(QPen(QColor(0xe0, 0xa0, 0x00), 6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(50, 12 - pose.drop * 4), 26, 8);
            p.setPen(QPen(QColor(0xff, 0xf0, 0x80), 3));
            p.drawEllipse(QPointF(50, 12 - pose.drop * 4), 26, 8);
        }
        break;
    case X::Horns:
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
    case X::Heart:
    case X::Broken:
        if (front) {
            const QPointF c = extra == X::Heart ? badge : QPointF(84, 18);
            p.setPen(QPen(QColor(0x90, 0x00, 0x18), 2));
            p.setBrush(QColor(0xff, 0x30, 0x50));
            const QPainterPath h = heart(c, 28 * pose.beat);
            if (extra == X::Heart) {
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
    case X::Zzz:
        if (front) {
            drawLetters(p, u"z"_s, QPointF(78, 26 - pose.drop * 10), 16, Qt::white, QColor(0x2a, 0x5a, 0xb0));
            drawLetters(p, u"Z"_s, QPointF(90, 12 - pose.drop * 10), 22, Qt::white, QColor(0x2a, 0x5a, 0xb0));
        }
        break;
    case X::Question:
        if (front)
            drawLetters(p, u"?"_s, QPointF(86, 18), 34, QColor(0x40, 0x90, 0xff), QColor(0x10, 0x30, 0x80));
        break;
    case X::Exclaim:
        if (front)
            drawLetters(p, u"!"_s, QPointF(86, 18), 34, QColor(0xff, 0x30, 0x30), QColor(0x70, 0x00, 0x00));
        break;
    case X::Note:
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
    case X::Flower:
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
    case X::Steam:
        if (front) {
            p.setPen(QPen(QColor(0x90, 0x90, 0x98), 1.5));
            p.setBrush(QColor(0xf0, 0xf0, 0xf4));
            for (int side = -1; side <= 1; side += 2) {
                const QPointF c(50 + side * 34, 14 - pose.drop * 4);
                p.drawEllipse(c, 8, 7);
                p.drawEllipse(c + QPointF(side * 6, -6), 6, 5);
            }
        }
        break;
    case X::Orbit:
        if (front) {
            for (int k = 0; k < 3; ++k) {
                const qreal a = qDegreesToRadians(pose.spin + k * 120.0);
                const QPointF c(50 + 30 * qCos(a), 12 + 7 * qSin(a));
                p.setPen(QPen(QColor(0xb0, 0x70, 0x00), 1.2));
                p.setBrush(QColor(0xff, 0xe8, 0x40));
                p.drawPath(star(c, 8, 3.5, 5));
            }
        }
        break;
    case X::Bow:
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
    case X::Confetti:
        if (!front) {
            Random rng(7);
            const QColor colours[] = {QColor(0xff, 0x40, 0x60), QColor(0x30, 0xb0, 0xff), QColor(0x40, 0xd0, 0x40),
                                      QColor(0xff, 0xc0, 0x20), QColor(0xb0, 0x50, 0xff)};
            for (int k = 0; k < 12; ++k) {
                const QPointF c(rng.real(4, 96), std::fmod(rng.real(2, 96) + pose.drop * 30, 100.0));
                p.save();
                p.translate(c);
                p.rotate(rng.real(0, 180) + pose.spin);
                p.setPen(Qt::NoPen);
                p.setBrush(colours[k % 5]);
                p.drawRect(QRectF(-3, -1.6, 6, 3.2));
                p.restore();
            }
        }
        break;
    case X::Crown:
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
    case X::Bulb:
        if (front) {
            const QPointF c(84, 16);
            p.setPen(QPen(QColor(0xa0, 0x80, 0x00), 2));
            p.setBrush(QColor(0xff, 0xf0, 0x50));
            p.drawEllipse(c, 11, 11);
            p.setBrush(QColor(0x90, 0x90, 0x90));
            p.drawRect(QRectF(c.x() - 5, c.y() + 9, 10, 7));
            stroke(p, arc(c + QPointF(-4, 0), c + QPointF(0, -6), c + QPointF(4, 0)), QColor(0xc0, 0x80, 0x00), 1.6);
        }
        break;
    }
}

QImage drawSmiley(const Smiley &sm, int px, const Pose &pose)
{
    QImage image = canvas(px, px);
    QPainter p;
    begin(p, image);
    p.scale(px / 100.0, px / 100.0);

    // Room for hats and badges: shrink and move the head.
    qreal scale = 1, dx = 0, dy = 0;
    if (needsHeadroom(sm.extra)) {
        scale = 0.8;
        dx = 10;
        dy = 19;
    } else if (sideBadge(sm.extra)) {
        scale = 0.8;
        dx = sm.extra == X::Hand ? 2 : 4;
        dy = sm.extra == X::Hand ? 4 : 19;
    } else if (sm.motion == A::Jump) {
        scale = 0.9;
        dx = 5;
        dy = 10;
    }
    const Skin s = [&] {
        Skin k = skin(sm.skin);
        if (pose.flush > 0) {
            const Skin red = skin(S::Red);
            k = {mix(k.light, red.light, pose.flush), mix(k.base, red.base, pose.flush), mix(k.rim, red.rim, pose.flush)};
        }
        return k;
    }();

    p.save();
    p.translate(dx, dy - pose.lift);
    p.scale(scale, scale);
    p.translate(50, 54);
    p.rotate(pose.tilt);
    p.translate(-50, -54);

    drawExtra(p, sm.extra, pose, s, false);
    QRadialGradient g(QPointF(40, 38), 52);
    g.setColorAt(0, s.light);
    g.setColorAt(0.55, s.base);
    g.setColorAt(1, s.base.darker(112));
    p.setPen(QPen(s.rim, 3.4));
    p.setBrush(g);
    p.drawEllipse(QPointF(50, 54), 44, 44);
    drawEyes(p, sm.eyes, pose, pose.spin);
    drawMouth(p, sm.mouth, pose);
    if (sm.eyes == E::Crying) {
        // Streams of tears down both cheeks.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5a, 0xb8, 0xff, 200));
        const qreal len = 18 + pose.drop * 14;
        p.drawRoundedRect(QRectF(30, 50, 6, len), 3, 3);
        p.drawRoundedRect(QRectF(64, 50, 6, len), 3, 3);
    }
    if (sm.extra != X::Hand)
        drawExtra(p, sm.extra, pose, s, true);
    p.restore();
    if (sm.extra == X::Hand) {
        // The hand stays put while the head moves.
        p.save();
        drawExtra(p, sm.extra, pose, s, true);
        p.restore();
    }
    p.end();
    return image;
}

QList<gif::Frame> animateSmiley(const Smiley &sm, int px)
{
    QList<gif::Frame> frames;
    const auto add = [&](const Pose &pose, int ms) { frames.append({drawSmiley(sm, px, pose), ms}); };
    switch (sm.motion) {
    case A::None: add({}, 0); break;
    case A::Blink: {
        Pose shut;
        shut.eyesShut = true;
        add({}, 2200);
        add(shut, 140);
        add({}, 200);
        add(shut, 140);
        break;
    }
    case A::Laugh:
        for (int k = 0; k < 4; ++k) {
            Pose pose;
            pose.lift = (k % 2) ? 3 : 0;
            pose.mouthAlt = k % 2;
            add(pose, 120);
        }
        break;
    case A::Wave:
        for (qreal a : {0.0, -22.0, 0.0, 22.0}) {
            Pose pose;
            pose.hand = a;
            add(pose, 150);
        }
        break;
    case A::Drops:
    case A::Float:
        for (int k = 0; k < 4; ++k) {
            Pose pose;
            pose.drop = k / 4.0;
            add(pose, 180);
        }
        break;
    case A::Spin:
        for (int k = 0; k < 6; ++k) {
            Pose pose;
            pose.spin = k * 60.0;
            add(pose, 100);
        }
        break;
    case A::Beat:
        for (qreal b : {1.0, 1.22, 1.0, 1.12}) {
            Pose pose;
            pose.beat = b;
            add(pose, 160);
        }
        break;
    case A::Shake:
        for (qreal t : {0.0, 10.0, 0.0, -10.0}) {
            Pose pose;
            pose.tilt = t;
            add(pose, 90);
        }
        break;
    case A::Jump:
        for (qreal l : {0.0, 5.0, 9.0, 5.0}) {
            Pose pose;
            pose.lift = l;
            pose.spin = l * 10;
            add(pose, 110);
        }
        break;
    case A::Tongue:
        for (qreal t : {0.0, 4.0, 0.0, -4.0}) {
            Pose pose;
            pose.tongue = t;
            pose.tilt = t * 0.8;
            add(pose, 120);
        }
        break;
    case A::Flash: {
        Pose hidden;
        hidden.extraHidden = true;
        add({}, 400);
        add(hidden, 250);
        break;
    }
    case A::Colour:
        for (qreal f : {0.0, 0.35, 0.7, 1.0, 0.7, 0.35}) {
            Pose pose;
            pose.flush = f;
            pose.tilt = f > 0.9 ? 4 : 0;
            add(pose, 160);
        }
        break;
    }
    return frames;
}

void drawSet(Sink &sink, const QString &folder, const Smiley (&set)[41], int sizeShift)
{
    for (int i = 0; i < 41; ++i) {
        const Smiley &sm = set[i];
        const bool roomy = needsHeadroom(sm.extra) || sideBadge(sm.extra) || sm.motion == A::Jump;
        const int px = (roomy ? 26 : 22) + 2 * ((i + sizeShift) % 3);
        sink.deliverGif(u"pics/%1/%2.gif"_s.arg(folder).arg(i + 1, 3, 10, QLatin1Char('0')), animateSmiley(sm, px));
    }
}

} // namespace

QList<gif::Frame> smileyFrames(int px, bool animated)
{
    const Smiley face{E::Big, M::Grin, X::Blush, animated ? A::Blink : A::None, S::Yellow};
    return animateSmiley(face, px);
}

void drawSmilies(Sink &sink)
{
    drawSet(sink, u"happy"_s, kHappy, 0);
    drawSet(sink, u"psmilie"_s, kEmotions, 1);
    drawSet(sink, u"crazy"_s, kCrazy, 2);
}

} // namespace art
