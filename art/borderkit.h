// Border drawing kit: the ground a border motif is painted on, the rule that
// lays out whole repeats between finished ends, and the small ornaments the
// motifs share (beads, flowers, leaves, finials, curls).
#pragma once

#include "art/artkit.h"

namespace art::border {

struct Tones {
    QColor main, light, dark, accent;
};

// What a motif paints on: the picture's size, its colours and, for motifs
// that move, the phase of the animation (0..1, one loop).
struct Ground {
    qreal width = 0, height = 0;
    Tones tones;
    qreal phase = 0;
    bool moving = false;
    int variant = 0;

    qreal cy() const { return height / 2; }
    // Every motif keeps this much clear at each end of the picture, so its
    // ends are seen whole, never cut by the picture's edge.
    static constexpr qreal kMargin = 4;
    qreal left() const { return kMargin; }
    qreal right() const { return width - kMargin; }
};

using Motif = void (*)(QPainter&, const Ground&);

// `n` whole repeats of `step`, centred on the middle of [x0, x1]. Strokes that
// follow a period (waves, zigzags, braids) run over whole repeats only and
// end on a full period.
struct Repeat {
    int n = 0;
    qreal first = 0; // centre of the first repeat
    qreal step = 0;
    qreal at(int k) const { return first + k * step; }
    qreal begin() const { return first - step / 2; }
    qreal end() const { return first + (n - 0.5) * step; }
};
Repeat repeat(qreal x0, qreal x1, qreal step, bool odd = false);

// A horizontal lens: a line swelling in the middle and tapering to points.
QPainterPath taperedLine(qreal x0, qreal x1, qreal y, qreal thickness);
// A sine wave of whole periods from x0, starting upwards at phase 0.
QPainterPath sineWave(qreal x0, int periods, qreal period, qreal y, qreal amplitude,
                      qreal phase = 0);

void bead(QPainter& p, QPointF c, qreal r, const QColor& colour);
void sparkle(QPainter& p, QPointF c, qreal r, const QColor& colour);
// A five-petal flower.
void flower(QPainter& p, QPointF c, qreal r, const QColor& petal, const QColor& heart,
            qreal turn = 0);
// A leaf from `base` towards angle (degrees), shaded light to dark.
void shadedLeaf(QPainter& p, QPointF base, qreal length, qreal width, qreal angle,
                const QColor& colour);
// A spear-like finial at an end: a diamond and a bead pointing outwards
// (dir -1 at the left end, +1 at the right end).
void finial(QPainter& p, QPointF at, int dir, qreal size, const Tones& c);
// A stroke that ends in a small inward curl at `at`, for vine and scroll ends.
void curl(QPainter& p, QPointF at, int dir, qreal radius, const QPen& pen, bool up = true);
// A filled stroke with a dark outline under a lighter core.
void outlinedStroke(QPainter& p, const QPainterPath& path, const QColor& outline, qreal outer,
                    const QColor& core, qreal inner);
QPen pen(const QColor& c, qreal width);

// The greens of stems and leaves, kept clear of a green colourway.
QColor foliage(const Tones& c);

// The catalogue: motif painters by theme.
void vine(QPainter& p, const Ground& g);
void roseGarland(QPainter& p, const Ground& g);
void tulips(QPainter& p, const Ground& g);
void laurel(QPainter& p, const Ground& g);
void daisyChain(QPainter& p, const Ground& g);
void blossomBranch(QPainter& p, const Ground& g);
void ivy(QPainter& p, const Ground& g);
void butterflies(QPainter& p, const Ground& g);
void peacock(QPainter& p, const Ground& g);
void fern(QPainter& p, const Ground& g);
void lotus(QPainter& p, const Ground& g);
void cherries(QPainter& p, const Ground& g);
void paisley(QPainter& p, const Ground& g);
void sunburst(QPainter& p, const Ground& g);
void waves(QPainter& p, const Ground& g);

void khatamChain(QPainter& p, const Ground& g);
void braid(QPainter& p, const Ground& g);
void ringChain(QPainter& p, const Ground& g);
void zigzag(QPainter& p, const Ground& g);
void diamonds(QPainter& p, const Ground& g);
void meander(QPainter& p, const Ground& g);
void lace(QPainter& p, const Ground& g);
void rosettes(QPainter& p, const Ground& g);
void honeycomb(QPainter& p, const Ground& g);
void checker(QPainter& p, const Ground& g);
void chainLinks(QPainter& p, const Ground& g);
void rope(QPainter& p, const Ground& g);
void fringe(QPainter& p, const Ground& g);
void jewelBar(QPainter& p, const Ground& g);
void dashDot(QPainter& p, const Ground& g);
void sawtooth(QPainter& p, const Ground& g);
void circleLattice(QPainter& p, const Ground& g);

void hearts(QPainter& p, const Ground& g);
void stars(QPainter& p, const Ground& g);
void pearls(QPainter& p, const Ground& g);
void crescent(QPainter& p, const Ground& g);
void skyline(QPainter& p, const Ground& g);
void lanterns(QPainter& p, const Ground& g);
void bunting(QPainter& p, const Ground& g);
void notes(QPainter& p, const Ground& g);
void ribbon(QPainter& p, const Ground& g);
void bowKnot(QPainter& p, const Ground& g);
void cartouche(QPainter& p, const Ground& g);
void scrolls(QPainter& p, const Ground& g);
void moons(QPainter& p, const Ground& g);
void snowflakes(QPainter& p, const Ground& g);
void arrow(QPainter& p, const Ground& g);
void stitches(QPainter& p, const Ground& g);
void heartChain(QPainter& p, const Ground& g);
void fleuron(QPainter& p, const Ground& g);

} // namespace art::border
