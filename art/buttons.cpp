// Download buttons (zqLink/LinkN.gif). Each button is one combination of
// colour scheme, shape, wording and pictogram; every fourth one is animated.
// The link gallery squeezes each button into a cell of 48 x 47 pixels, so
// the buttons are nearly square and their wording is set as large as the
// body allows, in one or two lines.
#include "art/artkit.h"
#include "art/buttonparts.h"

#include "base/catalogue.h"
#include "base/sites.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

using namespace button;

const Scheme& scheme(int i)
{
    static const Scheme schemes[] = {
        {QColor(0x5c, 0xb0, 0xff), QColor(0x0e, 0x5c, 0xcc), QColor(0x06, 0x2c, 0x6c),
         QColor(0xff, 0xd8, 0x4a)},
        {QColor(0x7c, 0xd8, 0x54), QColor(0x1e, 0x84, 0x24), QColor(0x0c, 0x44, 0x10),
         QColor(0xff, 0xf1, 0x76)},
        {QColor(0xff, 0x70, 0x5c), QColor(0xc4, 0x16, 0x16), QColor(0x62, 0x06, 0x06),
         QColor(0xff, 0xe0, 0x66)},
        {QColor(0xff, 0xb0, 0x40), QColor(0xd8, 0x5c, 0x00), QColor(0x6e, 0x2c, 0x00),
         QColor(0xff, 0xff, 0xff)},
        {QColor(0xb4, 0x80, 0xff), QColor(0x62, 0x22, 0xbc), QColor(0x30, 0x0c, 0x68),
         QColor(0xff, 0xd0, 0xf0)},
        {QColor(0x4c, 0xd4, 0xca), QColor(0x08, 0x84, 0x82), QColor(0x02, 0x42, 0x42),
         QColor(0xff, 0xf6, 0x9a)},
        {QColor(0xff, 0x8c, 0xc4), QColor(0xd0, 0x24, 0x74), QColor(0x6c, 0x08, 0x3a),
         QColor(0xff, 0xff, 0xff)},
        {QColor(0xff, 0xd8, 0x60), QColor(0xc8, 0x84, 0x00), QColor(0x5e, 0x3a, 0x00),
         QColor(0xff, 0xff, 0xff)},
        {QColor(0x7c, 0x84, 0x90), QColor(0x2a, 0x2f, 0x38), QColor(0x0c, 0x0e, 0x12),
         QColor(0xff, 0x9a, 0x2a)},
        {QColor(0x90, 0xd4, 0xff), QColor(0x24, 0x88, 0xd8), QColor(0x0a, 0x40, 0x80),
         QColor(0xff, 0xff, 0xff)},
    };
    return schemes[i % 10];
}

// Wordings: a line break where the words are set in two lines; a wording
// without one may still be broken at a blank when two lines set it larger.
const QString& wording(int i)
{
    static const QString words[] = {
        u"تحميل"_s,       u"اضغط هنا\nللتحميل"_s, u"Download"_s,        u"Download\nNow"_s,
        u"حمل الآن"_s,    u"رابط\nمباشر"_s,       u"تحميل\nDownload"_s, u"Free\nDownload"_s,
        u"حمل\nمن هنا"_s, u"Download\nتحميل"_s,   u"تحميل\nمباشر"_s,
    };
    return words[i % 11];
}

enum class Motion { None, Bounce, Shine, Glow, Blink };

struct Look {
    Scheme colours;
    Shape shape;
    QString words;
    Icon icon;
    Motion motion;
    bool latin; // wording starts in Latin letters: one-sided details turn left
};

struct FrameState {
    qreal iconShift = 0; // pixels the pictogram moves down
    qreal shine = -1;    // 0..1 position of the sweeping highlight, <0 none
    qreal glow = 0;      // 0..1 strength of the pulse
    bool lit = false;    // pictogram flashes in the accent colour
};

// ---- lettering --------------------------------------------------------------

struct Line {
    QString text;
    QFont font;
    QRectF box;
};

// Latin words are set a little narrow: "Download" is long, and at the
// gallery's size the height of the letters matters more than their width.
constexpr qreal kLatinCondense = 0.86;

qreal condenseOf(const QString& text)
{
    return hasArabic(text) ? 1.0 : kLatinCondense;
}

QPainterPath linePath(const Line& l)
{
    const QPainterPath path = textPath(l.text, l.font, QPointF(0, 0));
    QTransform t;
    t.translate(l.box.center().x(), l.box.center().y());
    t.scale(condenseOf(l.text), 1);
    return t.map(path);
}

QFont lineFont(const QString& text, qreal px)
{
    return hasArabic(text) ? font(Face::Kufi, px, QFont::Bold) : font(Face::Sans, px, QFont::Bold);
}

// The lines at the largest size that fits `box` (all lines of one wording
// share a size so they read as one sign). Arabic glyphs sit high in their
// box and carry tall ascenders, so an Arabic line gets a little more room.
QList<Line> setLines(const QStringList& texts, const QRectF& box, qreal maxPx, qreal taper)
{
    qreal weight = 0;
    for (const QString& t : texts)
        weight += hasArabic(t) ? 1.15 : 1.0;
    QList<Line> lines;
    qreal top = box.top();
    int size = int(maxPx);
    for (const QString& t : texts) {
        const qreal share = (hasArabic(t) ? 1.15 : 1.0) / weight;
        const qreal inset = lines.isEmpty() ? 0 : taper;
        const QRectF lineBox(box.left() + inset, top, box.width() - 2 * inset,
                             box.height() * share);
        top += lineBox.height();
        const QSizeF room(lineBox.width() / condenseOf(t), lineBox.height() - 1);
        size = std::min(size, fitted(lineFont(t, maxPx), t, room).pixelSize());
        lines.append({t, QFont(), lineBox});
    }
    for (Line& l : lines)
        l.font = lineFont(l.text, size);
    return lines;
}

QList<Line> layoutWords(const QString& words, const QRectF& box, qreal maxPx, qreal taper)
{
    if (words.contains(u'\n'))
        return setLines(words.split(u'\n'), box, maxPx, taper);
    const QList<Line> single = setLines({words}, box, maxPx, taper);
    const qsizetype blank = words.indexOf(u' ');
    if (blank < 0)
        return single;
    const QList<Line> two = setLines({words.left(blank), words.mid(blank + 1)}, box, maxPx, taper);
    return two.first().font.pixelSize() > single.first().font.pixelSize() * 1.15 ? two : single;
}

// White lettering with a heavy dark rim and a drop shadow, so the words
// still read when the gallery shrinks the button to about half its size.
void drawWords(QPainter& p, const QList<Line>& lines, const QColor& rim)
{
    p.save();
    for (const Line& l : lines) {
        const QPainterPath path = linePath(l);
        const qreal rimWidth = std::max(2.2, l.font.pixelSize() / 5.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(rim, 150), rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path.translated(0.6, 1.4));
        p.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(path);
    }
    p.restore();
}

// ---- the button -------------------------------------------------------------

// The pictogram, tinted with a bright colour on the lit frames of a blink.
void placeIcon(QPainter& p, Icon icon, const QRectF& r, const Scheme& c, bool lit)
{
    if (!lit) {
        drawIcon(p, icon, r, c);
        return;
    }
    QImage layer = canvas(p.device()->width(), p.device()->height());
    QPainter lp;
    begin(lp, layer);
    drawIcon(lp, icon, r, c);
    lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    const QColor flash = c.accent.lightness() > 230 ? QColor(255, 230, 60) : c.accent;
    lp.fillRect(layer.rect(), withAlpha(flash, 190));
    lp.end();
    p.drawImage(0, 0, layer);
}

void fillBody(QPainter& p, const QPainterPath& shape, const QColor& top, const QColor& bottom,
              const QColor& edge)
{
    const QRectF r = shape.boundingRect();
    p.setPen(QPen(edge, 1.4));
    p.setBrush(vertical(r, top, bottom));
    p.drawPath(shape);
    // Inner rim light.
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(withAlpha(Qt::white, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape.translated(0, 1));
    p.restore();
}

// Where a button's pictogram and lines of words go; the same on every frame.
struct Plan {
    QSize size;
    Body body;
    QRectF icon;
    QList<Line> lines;
};

Plan plan(const Look& look)
{
    Plan plan;
    plan.size = sizeOf(look.shape);
    plan.body = bodyOf(look.shape, plan.size, look.latin);
    const Body& body = plan.body;
    constexpr qreal kLargest = 26;
    plan.icon = body.icon;
    plan.lines = layoutWords(look.words, body.words, kLargest, body.taper);
    if (plan.lines.size() > 1 && body.iconAbove) {
        // Two lines of words take room from a pictogram standing above them.
        const qreal give = 5;
        const QRectF& i = body.icon;
        plan.icon = QRectF(i.center().x() - (i.width() - give) / 2, i.top(), i.width() - give,
                           i.height() - give);
        plan.lines =
            layoutWords(look.words, body.words.adjusted(0, -give, 0, 0), kLargest, body.taper);
    }
    return plan;
}

QImage drawButton(const Look& look, const Plan& plan, const FrameState& state)
{
    const QSize size = plan.size;
    const Body& body = plan.body;
    const Scheme& c = look.colours;
    QImage image = canvas(size.width(), size.height());
    QPainter p;
    begin(p, image);

    const QPainterPath whole = body.outline.united(body.back);
    softShadow(p, whole, QPointF(0.8, 1.8), 40);

    // A pulsing button brightens as its pulse swells.
    const QColor top = mix(c.top, Qt::white, state.glow * 0.35),
                 bottom = mix(c.bottom, c.top, state.glow * 0.4);
    if (!body.back.isEmpty() && !body.wordsOnBack)
        fillBody(p, body.back, c.bottom.darker(118), c.edge, c.edge);
    fillBody(p, body.outline, top, bottom, c.edge);
    if (body.wordsOnBack) {
        // The banner over the lower part of the disc, in the dark shade.
        fillBody(p, body.back, mix(c.bottom, c.edge, 0.35), c.edge, c.edge);
        p.setPen(QPen(withAlpha(c.accent, 200), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(roundedRect(body.back.boundingRect().adjusted(2.5, 2.5, -2.5, -2.5), 6));
    }
    if (look.shape == Shape::Ticket || look.shape == Shape::Seal) {
        // Stitched inner border.
        p.save();
        QPen stitch(withAlpha(Qt::white, 190), 1.1, Qt::DashLine);
        stitch.setDashPattern({3, 2});
        p.setPen(stitch);
        p.setBrush(Qt::NoBrush);
        const QRectF bounds = body.outline.boundingRect();
        if (look.shape == Shape::Ticket)
            p.drawPath(roundedRect(bounds.adjusted(9, 3.5, -9, -3.5), 5));
        else
            p.drawEllipse(bounds.center(), bounds.width() / 2 - 6.5, bounds.height() / 2 - 6.5);
        p.restore();
    }
    gloss(p, body.outline, c.top.lightness() > 200 ? 0.55 : 0.9);
    if (state.glow > 0) {
        // Light swelling from inside, and a rim lit in the accent colour.
        p.save();
        p.setClipPath(body.outline);
        const QRectF bounds = body.outline.boundingRect();
        QRadialGradient inner(bounds.center(), std::max(bounds.width(), bounds.height()) * 0.6);
        inner.setColorAt(0, withAlpha(Qt::white, int(state.glow * 90)));
        inner.setColorAt(1, withAlpha(Qt::white, int(state.glow * 25)));
        p.fillRect(bounds, inner);
        const QColor halo = c.accent.lightness() > 230 ? QColor(255, 236, 120) : c.accent;
        p.setPen(QPen(withAlpha(halo, int(state.glow * 255)), 4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body.outline);
        p.restore();
    }

    const QRectF icon = plan.icon.translated(0, state.iconShift);
    if (look.shape == Shape::ArrowBox) {
        // The arrow head carries two chevrons, moving with the animation.
        p.save();
        p.setClipPath(body.outline);
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 2; ++k) {
            QPainterPath chevron;
            const qreal y = icon.top() + k * 8;
            chevron.moveTo(icon.left() + 1, y);
            chevron.lineTo(icon.center().x(), y + 8);
            chevron.lineTo(icon.right() - 1, y);
            p.setPen(QPen(c.edge, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(chevron);
            p.setPen(QPen(state.lit ? QColor(Qt::white) : c.accent, 2.6, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(chevron);
        }
        p.restore();
    } else {
        placeIcon(p, look.icon, icon, c, state.lit);
    }
    drawWords(p, plan.lines, c.edge);

    if (state.shine >= 0) {
        // A slanted band of light crossing the body.
        p.save();
        p.setClipPath(whole);
        const qreal x = -30 + state.shine * (size.width() + 60);
        QLinearGradient band(QPointF(x - 14, 0), QPointF(x + 14, 0));
        band.setColorAt(0, withAlpha(Qt::white, 0));
        band.setColorAt(0.5, withAlpha(Qt::white, 160));
        band.setColorAt(1, withAlpha(Qt::white, 0));
        QPolygonF slant;
        slant << QPointF(x - 8, 0) << QPointF(x + 20, 0) << QPointF(x + 8, size.height())
              << QPointF(x - 20, size.height());
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawPolygon(slant);
        p.restore();
    }
    p.end();
    return image;
}

QList<gif::Frame> animate(const Look& look)
{
    QList<gif::Frame> frames;
    const Plan arranged = plan(look);
    switch (look.motion) {
    case Motion::None:
        frames.append({drawButton(look, arranged, {}), 0});
        break;
    case Motion::Bounce: {
        const qreal shifts[] = {0, 1, 2.5, 3.5, 2.5, 1};
        for (qreal s : shifts)
            frames.append({drawButton(look, arranged, {s, -1, 0, false}), 90});
        break;
    }
    case Motion::Shine:
        for (int k = 0; k <= 7; ++k)
            frames.append({drawButton(look, arranged, {0, k / 7.0, 0, false}), 60});
        frames.append({drawButton(look, arranged, {}), 1400});
        break;
    case Motion::Glow:
        for (int k = 0; k < 6; ++k)
            frames.append(
                {drawButton(look, arranged, {0, -1, 0.5 - 0.5 * qCos(2 * M_PI * k / 6), false}),
                 120});
        break;
    case Motion::Blink:
        frames.append({drawButton(look, arranged, {}), 500});
        frames.append({drawButton(look, arranged, {0, -1, 0, true}), 350});
        break;
    }
    return frames;
}

} // namespace

void drawLinkButtons(Sink& sink)
{
    for (int i = 0; i < catalogue::kLinkButtons; ++i) {
        // Shape, colours and wording cycle with coprime periods (9, 10, 11),
        // so every index gets a combination of its own.
        Look look;
        look.shape = Shape(i % 9);
        look.colours = scheme(i % 10);
        look.words = wording(i % 11);
        look.icon = Icon((i / 3) % 5);
        look.latin = !hasArabic(look.words.section(u'\n', 0, 0));
        look.motion = (i % 4 == 1) ? Motion(1 + (i / 4) % 4) : Motion::None;
        sink.deliverGif(u"zqLink/Link%1.gif"_s.arg(i), animate(look));
    }
    sink.deliverText(u"zqLink/Links.dat"_s, QByteArray(sites::kDefaultLinkSite) + "\r\n");
}

} // namespace art
