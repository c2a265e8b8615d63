// Smilies (pics/<set>/NNN.gif): three sets of 41 faces, each a choice of
// eyes, mouth, extra (hat, hand, tear, heart…), skin colour and motion.
#include "artkit.h"
#include "smiley.h"

#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

using namespace smiley;

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
