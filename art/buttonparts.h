// Parts of the download buttons: colour scheme, body shapes and the
// pictograms drawn beside the wording.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace art::button {

// Colours of one button, lightest at the top of the body's gradient; `edge`
// outlines the body and rims the lettering, `accent` marks pictograms.
struct Scheme {
    QColor top, bottom, edge, accent;
};

// The gallery squeezes every button into an almost square cell, so all the
// shapes are about as tall as they are wide (never wider than 1.25 times
// their height) and no taller than the preview, which shows them unscaled.
enum class Shape { Tile, Disc, Shield, Seal, ArrowBox, Bubble, Cloud, Hexagon, Ticket };
enum class Icon { Arrow, Chevrons, Tray, Ring, Page };

// The body outline and where pictogram and wording go.
struct Body {
    QPainterPath outline;
    QPainterPath back;        // parts behind the body (depth, banner, tails), in a darker shade
    QRectF icon;              // the pictogram's square
    QRectF words;             // the wording, one or two lines
    bool wordsOnBack = false; // the wording sits on `back` (a banner), not on the body
    bool iconAbove = true;    // the pictogram stands above the words and may give way to them
    qreal taper = 0;          // a second line of words is this much narrower at each end
};

QSize sizeOf(Shape shape);
// `mirrored` turns the shape's one-sided details (a bubble's tail, a
// tile's pictogram) towards the left, for Latin wording.
Body bodyOf(Shape shape, QSize size, bool mirrored);
void drawIcon(QPainter& p, Icon icon, const QRectF& r, const Scheme& c);

} // namespace art::button
