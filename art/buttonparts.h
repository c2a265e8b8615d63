// Parts of the download buttons: colour scheme, body shapes and the
// pictograms drawn beside the wording.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace art::button {

struct Scheme {
    QColor top, bottom, edge, accent;
};

// Colour schemes, lightest at the top of each gradient.

enum class Shape { Pill, Slab, Shield, ArrowBlock, Circle, Ribbon, Tag, Seal, Stamp };
enum class Icon { Arrow, Chevrons, Tray, Ring, Page };

// The body outline and the area where wording and pictogram go.
struct Body {
    QPainterPath outline;
    QPainterPath back; // parts behind the body (ribbon tails, slab depth, banner)
    QRectF content;
};

// Picture size of each shape (80-150 by 60-100 pixels).
QSize sizeOf(Shape shape);
// `mirrored` puts the tag's point on the right for Arabic wording.
Body bodyOf(Shape shape, QSize size, bool mirrored);
void drawIcon(QPainter &p, Icon icon, const QRectF &r, const Scheme &c);

} // namespace art::button
