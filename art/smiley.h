// Smiley faces: the parts a face is built from (eyes, mouth, extra, skin,
// motion), the pose of one animation frame, and the face painter.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace art::smiley {

// What a face is made of; smilies.cpp's tables spell each face as one row
// of these, under the short aliases E, M, X, A and S.
enum class Eyes {
    Dot,
    Oval,
    Happy,
    Wink,
    Closed,
    Wide,
    Hearts,
    Stars,
    Cross,
    Spiral,
    Angry,
    Sad,
    Shades,
    Rolling,
    Squint,
    Crying,
    Big,
    Uneven,
    Sleepy,
    Glasses,
    Dollar,
    Puppy,
    Side
};
enum class Mouth {
    Smile,
    Grin,
    Laugh,
    Tongue,
    Smirk,
    Kiss,
    O,
    Frown,
    Flat,
    Wavy,
    Teeth,
    BigO,
    Cat,
    Open,
    Zip,
    Buck
};
enum class Extra {
    None,
    Blush,
    Sweat,
    Tear,
    Hand,
    PartyHat,
    Halo,
    Horns,
    Heart,
    Zzz,
    Question,
    Note,
    Flower,
    Steam,
    Orbit,
    Bow,
    Exclaim,
    Confetti,
    Crown,
    Bulb,
    Broken
};
enum class Motion {
    None,
    Blink,
    Laugh,
    Wave,
    Drops,
    Spin,
    Beat,
    Shake,
    Jump,
    Tongue,
    Flash,
    Colour,
    Float
};
enum class SkinColour { Yellow, Orange, Red, Green, Blue, Pink, Purple };

struct Smiley {
    Eyes eyes;
    Mouth mouth;
    Extra extra;
    Motion motion;
    SkinColour skin;
};

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
    qreal flush = 0;  // 0..1 turn of the skin towards red
    qreal tongue = 0; // tongue waggle (units)
};

struct Skin {
    QColor light, base, rim;
};

// Hats, halos and horns need room above the head; badges beside it.
bool needsHeadroom(Extra extra);
bool sideBadge(Extra extra);

// Where the things beside the head go, in the head's 100-unit grid (the
// head is the circle of radius 44 round (50, 54)): the badge (heart, note,
// letters) in the free corner at the top right, the hand at the lower right.
struct Spots {
    QPointF badge{86, 16};
    QPointF hand{82, 64};
};

// Extras that sit behind the head (front = false, drawn first) or over it.
void drawExtra(QPainter& p, Extra extra, const Pose& pose, const Skin& skin, bool front,
               const Spots& spots);
// Line drawing with round ends, and a quadratic curve, for faces and extras.
void stroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width);
QPainterPath arc(QPointF from, QPointF control, QPointF to);

// The face on a transparent picture of `size`, as large as the picture
// allows once hats and badges have their room.
QImage drawSmiley(const Smiley& smiley, QSize size, const Pose& pose);

} // namespace art::smiley
