// Smilies (pics/<set>/NNN.gif): three sets of faces, each a choice of
// eyes, mouth, extra (hat, hand, tear, heart…), skin colour and motion.
#include "art/artkit.h"
#include "art/smiley.h"
#include "base/catalogue.h"

#include <QtMath>

#include <iterator>

using namespace Qt::StringLiterals;

namespace art {
namespace {

using namespace smiley;

// Adding a face: a set holds exactly TARNWELL_SMILIES_PER_SET faces
// (cmake/Catalogue.cmake), so a new face takes a row of its own in each set
// with that count raised, or replaces a row; the build fails while a table
// and the count disagree, or while two faces share eyes and mouth. A new
// eye, mouth, extra, motion or skin colour is a value in smiley.h drawn in
// smileyface.cpp (eyes, mouth, skin), smileyextras.cpp (extras) or
// animateSmiley below (motions). Row N of a set is pics/<set>/<N+1>.gif.
//
// One face to a row, under short names: E eyes, M mouth, X extra, A
// motion, S skin colour.
using E = Eyes;
using M = Mouth;
using X = Extra;
using A = Motion;
using S = SkinColour;

// Smiling, laughing, winking, in love.
constexpr Smiley kHappy[] = {
    {E::Dot, M::Smile, X::None, A::Blink, S::Yellow},
    {E::Happy, M::Grin, X::None, A::Laugh, S::Yellow},
    {E::Wink, M::Smile, X::Blush, A::None, S::Blue},
    {E::Oval, M::Grin, X::Blush, A::None, S::Yellow},
    {E::Happy, M::Laugh, X::Tear, A::Laugh, S::Yellow},
    {E::Dot, M::Open, X::Hand, A::Wave, S::Yellow},
    {E::Wink, M::Tongue, X::None, A::None, S::Red},
    {E::Hearts, M::Smile, X::Blush, A::Beat, S::Pink},
    {E::Happy, M::Smile, X::Blush, A::None, S::Pink},
    {E::Oval, M::Smile, X::Halo, A::Float, S::Yellow},
    {E::Big, M::Smile, X::Blush, A::Blink, S::Yellow},
    {E::Closed, M::Smile, X::Note, A::Jump, S::Yellow},
    {E::Happy, M::Cat, X::Blush, A::None, S::Orange},
    {E::Stars, M::Grin, X::None, A::Beat, S::Orange},
    {E::Shades, M::Smile, X::None, A::None, S::Yellow},
    {E::Dot, M::Grin, X::Hand, A::Wave, S::Orange},
    {E::Happy, M::Open, X::Sweat, A::Drops, S::Yellow},
    {E::Wink, M::Grin, X::None, A::Blink, S::Green},
    {E::Oval, M::Laugh, X::None, A::Jump, S::Orange},
    {E::Closed, M::Laugh, X::Tear, A::Laugh, S::Blue},
    {E::Dot, M::Cat, X::Flower, A::None, S::Pink},
    {E::Happy, M::Kiss, X::Heart, A::Beat, S::Yellow},
    {E::Dot, M::Smirk, X::None, A::None, S::Green},
    {E::Big, M::Grin, X::None, A::Jump, S::Green},
    {E::Oval, M::Open, X::PartyHat, A::Jump, S::Yellow},
    {E::Happy, M::Teeth, X::Crown, A::None, S::Yellow},
    {E::Wink, M::Cat, X::Note, A::None, S::Green},
    {E::Squint, M::Laugh, X::None, A::Laugh, S::Yellow},
    {E::Glasses, M::Smile, X::None, A::Blink, S::Yellow},
    {E::Closed, M::Kiss, X::Flower, A::Shake, S::Pink},
    {E::Puppy, M::Smile, X::Blush, A::Blink, S::Yellow},
    {E::Oval, M::Tongue, X::Flower, A::None, S::Blue},
    {E::Shades, M::Grin, X::None, A::Jump, S::Orange},
    {E::Hearts, M::Kiss, X::Heart, A::Float, S::Pink},
    {E::Dot, M::Kiss, X::Heart, A::Float, S::Red},
    {E::Big, M::Open, X::Bow, A::None, S::Pink},
    {E::Wink, M::Kiss, X::Blush, A::None, S::Pink},
    {E::Closed, M::Grin, X::Blush, A::None, S::Purple},
    {E::Dot, M::Laugh, X::Sweat, A::Laugh, S::Yellow},
    {E::Stars, M::Smile, X::Crown, A::None, S::Orange},
    {E::Happy, M::Buck, X::Note, A::Jump, S::Pink},
};

// Feelings: sad, angry, surprised, scared, cool, bored, confused, sick.
constexpr Smiley kFeelings[] = {
    {E::Sad, M::Frown, X::None, A::None, S::Yellow},
    {E::Crying, M::BigO, X::Tear, A::Drops, S::Blue},
    {E::Angry, M::Frown, X::None, A::Colour, S::Yellow},
    {E::Angry, M::Teeth, X::Steam, A::Flash, S::Red},
    {E::Wide, M::O, X::None, A::None, S::Yellow},
    {E::Wide, M::BigO, X::Exclaim, A::Flash, S::Yellow},
    {E::Hearts, M::Grin, X::Heart, A::Beat, S::Pink},
    {E::Shades, M::Smirk, X::None, A::None, S::Purple},
    {E::Rolling, M::Flat, X::None, A::None, S::Yellow},
    {E::Dot, M::Flat, X::None, A::Blink, S::Blue},
    {E::Sad, M::Wavy, X::Sweat, A::Drops, S::Yellow},
    {E::Squint, M::Teeth, X::None, A::Shake, S::Orange},
    {E::Closed, M::Flat, X::Zzz, A::Float, S::Yellow},
    {E::Sleepy, M::Flat, X::None, A::Blink, S::Orange},
    {E::Dot, M::Wavy, X::Question, A::None, S::Yellow},
    {E::Oval, M::Kiss, X::Heart, A::Float, S::Orange},
    {E::Angry, M::Smirk, X::Horns, A::None, S::Purple},
    {E::Puppy, M::Frown, X::None, A::Blink, S::Blue},
    {E::Wide, M::Teeth, X::Sweat, A::Drops, S::Yellow},
    {E::Crying, M::Frown, X::None, A::Drops, S::Yellow},
    {E::Sad, M::Flat, X::Tear, A::Drops, S::Orange},
    {E::Shades, M::Flat, X::None, A::None, S::Blue},
    {E::Dot, M::O, X::Question, A::Shake, S::Green},
    {E::Angry, M::Flat, X::None, A::None, S::Orange},
    {E::Big, M::Frown, X::Tear, A::Drops, S::Yellow},
    {E::Hearts, M::Open, X::Blush, A::Beat, S::Yellow},
    {E::Sleepy, M::Smirk, X::None, A::None, S::Yellow},
    {E::Oval, M::Frown, X::Blush, A::None, S::Pink},
    {E::Wide, M::Flat, X::Exclaim, A::None, S::Blue},
    {E::Rolling, M::Smirk, X::None, A::None, S::Orange},
    {E::Angry, M::BigO, X::Steam, A::Colour, S::Yellow},
    {E::Sad, M::Smile, X::Tear, A::None, S::Blue},
    {E::Closed, M::O, X::Blush, A::None, S::Pink},
    {E::Dot, M::Teeth, X::Sweat, A::Shake, S::Green},
    {E::Squint, M::Frown, X::None, A::None, S::Green},
    {E::Wide, M::Smile, X::Bulb, A::Flash, S::Yellow},
    {E::Side, M::Smirk, X::None, A::None, S::Yellow},
    {E::Oval, M::O, X::None, A::Blink, S::Purple},
    {E::Crying, M::Wavy, X::None, A::Drops, S::Purple},
    {E::Angry, M::Wavy, X::Horns, A::Colour, S::Red},
    {E::Sad, M::O, X::Broken, A::Beat, S::Blue},
};

// Silly, dizzy, tongue out, party, money-mad.
constexpr Smiley kCrazy[] = {
    {E::Cross, M::Wavy, X::Orbit, A::Spin, S::Yellow},
    {E::Spiral, M::Wavy, X::None, A::Spin, S::Yellow},
    {E::Uneven, M::Tongue, X::None, A::Shake, S::Yellow},
    {E::Wink, M::Laugh, X::None, A::Laugh, S::Orange},
    {E::Squint, M::Tongue, X::None, A::Tongue, S::Pink},
    {E::Oval, M::BigO, X::PartyHat, A::Jump, S::Orange},
    {E::Happy, M::Tongue, X::Confetti, A::Jump, S::Yellow},
    {E::Uneven, M::Grin, X::None, A::Shake, S::Green},
    {E::Rolling, M::Tongue, X::None, A::Tongue, S::Green},
    {E::Cross, M::Tongue, X::Sweat, A::None, S::Green},
    {E::Big, M::Teeth, X::Sweat, A::Shake, S::Yellow},
    {E::Spiral, M::Smile, X::None, A::Spin, S::Pink},
    {E::Wide, M::Wavy, X::None, A::Shake, S::Orange},
    {E::Shades, M::Tongue, X::PartyHat, A::Jump, S::Yellow},
    {E::Dollar, M::Grin, X::None, A::Beat, S::Green},
    {E::Stars, M::Wavy, X::Orbit, A::Spin, S::Green},
    {E::Dot, M::Tongue, X::PartyHat, A::None, S::Pink},
    {E::Uneven, M::Wavy, X::Question, A::Shake, S::Yellow},
    {E::Squint, M::Grin, X::Confetti, A::Jump, S::Yellow},
    {E::Closed, M::Tongue, X::Zzz, A::Float, S::Blue},
    {E::Wink, M::Smirk, X::Horns, A::None, S::Orange},
    {E::Uneven, M::BigO, X::None, A::Shake, S::Purple},
    {E::Cross, M::Laugh, X::None, A::Laugh, S::Blue},
    {E::Oval, M::Wavy, X::Confetti, A::None, S::Green},
    {E::Spiral, M::Grin, X::Confetti, A::Spin, S::Orange},
    {E::Hearts, M::Tongue, X::None, A::Tongue, S::Yellow},
    {E::Shades, M::Laugh, X::Note, A::Jump, S::Blue},
    {E::Rolling, M::Wavy, X::Sweat, A::Shake, S::Green},
    {E::Glasses, M::Buck, X::None, A::Jump, S::Yellow},
    {E::Big, M::Tongue, X::Bow, A::Tongue, S::Purple},
    {E::Stars, M::Laugh, X::Confetti, A::Jump, S::Orange},
    {E::Side, M::Zip, X::None, A::Blink, S::Purple},
    {E::Squint, M::Wavy, X::Sweat, A::Laugh, S::Yellow},
    {E::Wink, M::Open, X::PartyHat, A::Jump, S::Green},
    {E::Cross, M::O, X::Orbit, A::Spin, S::Blue},
    {E::Uneven, M::Smile, X::Flower, A::Shake, S::Yellow},
    {E::Dollar, M::Tongue, X::Bulb, A::Flash, S::Purple},
    {E::Closed, M::Teeth, X::Note, A::Jump, S::Orange},
    {E::Puppy, M::Tongue, X::Hand, A::Wave, S::Green},
    {E::Spiral, M::O, X::None, A::Spin, S::Red},
    {E::Glasses, M::Teeth, X::Crown, A::Jump, S::Yellow},
};

// The tables in the order of catalogue::kSmileySets.
constexpr const Smiley* kSets[] = {kHappy, kFeelings, kCrazy};
static_assert(std::size(kSets) == catalogue::kSmileySetCount,
              "one table per smiley set: the tables and TARNWELL_SMILEY_SETS disagree");
static_assert(std::size(kHappy) == catalogue::kSmiliesPerSet &&
                  std::size(kFeelings) == catalogue::kSmiliesPerSet &&
                  std::size(kCrazy) == catalogue::kSmiliesPerSet,
              "a smiley table and TARNWELL_SMILIES_PER_SET disagree");

// No two faces share both their eyes and their mouth: whatever else
// differs, every face has an expression of its own.
constexpr bool expressionsAreUnique()
{
    constexpr int kFaces = catalogue::kSmileySetCount * catalogue::kSmiliesPerSet;
    for (int a = 0; a < kFaces; ++a) {
        for (int b = a + 1; b < kFaces; ++b) {
            const Smiley &x = kSets[a / catalogue::kSmiliesPerSet][a % catalogue::kSmiliesPerSet],
                         &y = kSets[b / catalogue::kSmiliesPerSet][b % catalogue::kSmiliesPerSet];
            if (x.eyes == y.eyes && x.mouth == y.mouth)
                return false;
        }
    }
    return true;
}
static_assert(expressionsAreUnique(), "two smilies share eyes and mouth");

// The picker stretches every smiley to a cell of 37 x 31 pixels: drawn at
// exactly that size, each one fills its cell without being resampled.
constexpr QSize kCell(37, 31);

QList<gif::Frame> animateSmiley(const Smiley& sm, QSize size)
{
    QList<gif::Frame> frames;
    const auto add = [&](const Pose& pose, int ms) {
        frames.append({drawSmiley(sm, size, pose), ms});
    };
    switch (sm.motion) {
    case Motion::None:
        add({}, 0);
        break;
    case Motion::Blink: {
        Pose shut;
        shut.eyesShut = true;
        add({}, 2200);
        add(shut, 140);
        add({}, 200);
        add(shut, 140);
        break;
    }
    case Motion::Laugh:
        for (int k = 0; k < 4; ++k) {
            Pose pose;
            pose.lift = (k % 2) ? 3 : 0;
            pose.mouthAlt = k % 2;
            add(pose, 120);
        }
        break;
    case Motion::Wave:
        for (qreal a : {0.0, -22.0, 0.0, 22.0}) {
            Pose pose;
            pose.hand = a;
            add(pose, 150);
        }
        break;
    case Motion::Drops:
        // Drops run down over the whole loop (they fade at both ends).
        for (int k = 0; k < 8; ++k) {
            Pose pose;
            pose.drop = k / 8.0;
            add(pose, 110);
        }
        break;
    case Motion::Float:
        // Halos, hearts and letters bob up and down again.
        for (qreal d : {0.0, 0.5, 1.0, 0.5}) {
            Pose pose;
            pose.drop = d;
            add(pose, 180);
        }
        break;
    case Motion::Spin:
        for (int k = 0; k < 6; ++k) {
            Pose pose;
            pose.spin = k * 60.0;
            add(pose, 100);
        }
        break;
    case Motion::Beat:
        for (qreal b : {1.0, 1.22, 1.0, 1.12}) {
            Pose pose;
            pose.beat = b;
            add(pose, 160);
        }
        break;
    case Motion::Shake:
        for (qreal t : {0.0, 10.0, 0.0, -10.0}) {
            Pose pose;
            pose.tilt = t;
            add(pose, 90);
        }
        break;
    case Motion::Jump:
        for (qreal l : {0.0, 5.0, 9.0, 5.0}) {
            Pose pose;
            pose.lift = l;
            pose.spin = l * 10;
            add(pose, 110);
        }
        break;
    case Motion::Tongue:
        for (qreal t : {0.0, 4.0, 0.0, -4.0}) {
            Pose pose;
            pose.tongue = t;
            pose.tilt = t * 0.8;
            add(pose, 120);
        }
        break;
    case Motion::Flash: {
        Pose hidden;
        hidden.extraHidden = true;
        add({}, 400);
        add(hidden, 250);
        break;
    }
    case Motion::Colour:
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

void drawSet(Sink& sink, const QString& folder, const Smiley* set)
{
    for (int i = 0; i < catalogue::kSmiliesPerSet; ++i)
        sink.deliverGif(u"pics/%1/%2.gif"_s.arg(folder).arg(i + 1, 3, 10, QLatin1Char('0')),
                        animateSmiley(set[i], kCell));
}

} // namespace

QList<gif::Frame> smileyFrames(int px, bool animated)
{
    const Smiley face{Eyes::Big, Mouth::Grin, Extra::Blush, animated ? Motion::Blink : Motion::None,
                      SkinColour::Yellow};
    return animateSmiley(face, QSize(px, px));
}

void drawSmilies(Sink& sink)
{
    for (int k = 0; k < catalogue::kSmileySetCount; ++k)
        drawSet(sink, QString::fromUtf16(catalogue::kSmileySets[k]), kSets[k]);
}

} // namespace art
