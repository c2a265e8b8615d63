// Download buttons (zqLink/LinkN.gif) and the icons of the download-links
// page (zqOptions/N.gif). Each button is one combination of colour scheme,
// shape, wording and pictogram; every fourth one is animated.
#include "artkit.h"
#include "buttonparts.h"

#include "sites.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

using namespace button;

constexpr int kButtonCount = 138;

const Scheme &scheme(int i)
{
    static const Scheme schemes[] = {
        {QColor(0x5c, 0xb0, 0xff), QColor(0x0e, 0x5c, 0xcc), QColor(0x08, 0x36, 0x80), QColor(0xff, 0xd8, 0x4a)},
        {QColor(0x86, 0xe0, 0x5e), QColor(0x23, 0x8e, 0x2a), QColor(0x13, 0x55, 0x17), QColor(0xff, 0xf1, 0x76)},
        {QColor(0xff, 0x7a, 0x66), QColor(0xc4, 0x16, 0x16), QColor(0x72, 0x0a, 0x0a), QColor(0xff, 0xe0, 0x66)},
        {QColor(0xff, 0xc2, 0x55), QColor(0xe8, 0x6a, 0x00), QColor(0x8a, 0x3c, 0x00), QColor(0xff, 0xff, 0xff)},
        {QColor(0xbf, 0x8c, 0xff), QColor(0x6b, 0x2a, 0xc4), QColor(0x3a, 0x12, 0x78), QColor(0xff, 0xd0, 0xf0)},
        {QColor(0x5e, 0xe0, 0xd6), QColor(0x0a, 0x8c, 0x8a), QColor(0x04, 0x50, 0x50), QColor(0xff, 0xf6, 0x9a)},
        {QColor(0xff, 0x9c, 0xce), QColor(0xd9, 0x2c, 0x7c), QColor(0x80, 0x10, 0x48), QColor(0xff, 0xff, 0xff)},
        {QColor(0xff, 0xe5, 0x80), QColor(0xd2, 0x94, 0x0c), QColor(0x7a, 0x50, 0x00), QColor(0xff, 0xff, 0xff)},
        {QColor(0x7c, 0x84, 0x90), QColor(0x2a, 0x2f, 0x38), QColor(0x10, 0x12, 0x16), QColor(0xff, 0x9a, 0x2a)},
        {QColor(0xa8, 0xe2, 0xff), QColor(0x34, 0x98, 0xe6), QColor(0x14, 0x5e, 0x9e), QColor(0xff, 0xff, 0xff)},
    };
    return schemes[i % 10];
}

struct Wording {
    QString main, sub;
};

const Wording &wording(int i)
{
    static const Wording words[] = {
        {u"تحميل"_s, u"Download"_s},
        {u"اضغط هنا للتحميل"_s, {}},
        {u"Download"_s, u"تحميل"_s},
        {u"Download Now"_s, {}},
        {u"حمل الآن"_s, u"Download"_s},
        {u"رابط مباشر"_s, u"Direct Link"_s},
        {u"تحميل مباشر"_s, {}},
        {u"Free Download"_s, {}},
        {u"حمل من هنا"_s, u"Click Here"_s},
        {u"Download"_s, u"اضغط هنا"_s},
        {u"تحميل الملف"_s, u"Download File"_s},
    };
    return words[i % 11];
}

enum class Motion { None, Bounce, Shine, Glow, Blink };

struct Look {
    Scheme colours;
    Shape shape;
    Wording words;
    Icon icon;
    Motion motion;
    bool mirrored; // icon on the left (Latin wording) or right (Arabic)
};

struct FrameState {
    qreal iconShift = 0;   // pixels the pictogram moves down
    qreal shine = -1;      // 0..1 position of the sweeping highlight, <0 none
    qreal glow = 0;        // 0..1 strength of the outer glow
    bool lit = false;      // pictogram flashes in the accent colour
};

// The pictogram, tinted with a bright colour on the lit frames of a blink.
void placeIcon(QPainter &p, Icon icon, const QRectF &r, const Scheme &c, bool lit)
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

// White lettering with a dark rim so it reads on any of the colours.
void drawWords(QPainter &p, const QString &text, const QRectF &box, const QColor &rim, qreal maxPx, bool bold = true)
{
    if (text.isEmpty())
        return;
    const Face face = hasArabic(text) ? Face::Kufi : Face::Sans;
    const QFont f = fitted(font(face, maxPx, bold ? QFont::Bold : QFont::DemiBold), text, box.size());
    const QPainterPath path = textPath(text, f, box.center());
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(rim, 200), std::max(2.0, f.pixelSize() / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.restore();
}

// Wording in one line, or in two when one line would come out too small.
void drawWordsFitting(QPainter &p, const QString &text, const QRectF &box, const QColor &rim, qreal maxPx,
                      int smallest = 14)
{
    const Face face = hasArabic(text) ? Face::Kufi : Face::Sans;
    const QFont single = fitted(font(face, maxPx, QFont::Bold), text, box.size());
    if (single.pixelSize() >= smallest || !text.contains(u' ')) {
        drawWords(p, text, box, rim, maxPx);
        return;
    }
    const qsizetype cut = text.indexOf(u' ', text.size() / 2 - 2);
    const qsizetype at = cut > 0 ? cut : text.lastIndexOf(u' ');
    const qreal half = box.height() / 2;
    drawWords(p, text.left(at), QRectF(box.left(), box.top(), box.width(), half + 1), rim, maxPx * 0.8);
    drawWords(p, text.mid(at + 1), QRectF(box.left(), box.top() + half - 1, box.width(), half + 1), rim, maxPx * 0.8);
}

// Splits a long wording in two lines for the compact shapes.
QStringList lines(const QString &text, bool compact)
{
    const qsizetype mid = text.size() / 2;
    if (!compact || text.size() < 10 || !text.contains(u' '))
        return {text};
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u' ' && (best < 0 || qAbs(i - mid) < qAbs(best - mid)))
            best = i;
    }
    return {text.left(best), text.mid(best + 1)};
}

QImage drawButton(const Look &look, const FrameState &state)
{
    const QSize size = sizeOf(look.shape);
    const Body body = bodyOf(look.shape, size, look.mirrored);
    const Scheme &c = look.colours;
    QImage image = canvas(size.width(), size.height());
    QPainter p;
    begin(p, image);

    if (state.glow > 0) {
        const QColor halo = c.accent.lightness() > 230 ? QColor(255, 236, 120) : c.accent;
        for (int i = 4; i >= 1; --i) {
            p.setPen(QPen(withAlpha(halo, int(state.glow * 230 / i)), i * 2.0, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(body.outline.united(body.back));
        }
    } else {
        softShadow(p, body.outline.united(body.back), QPointF(1, 2.5), 45);
    }

    const QRectF bounds = body.outline.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    // A pulsing button brightens as its glow swells.
    fill.setColorAt(0, mix(c.top, Qt::white, state.glow * 0.4));
    fill.setColorAt(1, mix(c.bottom, c.top, state.glow * 0.45));

    if (!body.back.isEmpty()) {
        // Depth, tails or banner, one shade darker than the body.
        QLinearGradient backFill(body.back.boundingRect().topLeft(), body.back.boundingRect().bottomLeft());
        const bool banner = look.shape == Shape::Circle;
        backFill.setColorAt(0, banner ? c.accent.lighter(105) : c.bottom.darker(115));
        backFill.setColorAt(1, banner ? c.accent.darker(125) : c.edge);
        p.setPen(QPen(c.edge, 1.2));
        p.setBrush(backFill);
        if (look.shape != Shape::Circle)
            p.drawPath(body.back);
    }

    p.setPen(QPen(c.edge, 1.4));
    p.setBrush(fill);
    p.drawPath(body.outline);

    // Inner rim light.
    p.save();
    p.setClipPath(body.outline);
    p.setPen(QPen(withAlpha(Qt::white, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body.outline.translated(0, 1));
    p.restore();

    if (look.shape == Shape::Stamp || look.shape == Shape::Seal) {
        // Stitched inner border.
        p.save();
        QPen stitch(withAlpha(Qt::white, 200), 1.2, Qt::DashLine);
        stitch.setDashPattern({3, 2});
        p.setPen(stitch);
        p.setBrush(Qt::NoBrush);
        if (look.shape == Shape::Stamp)
            p.drawPath(roundedRect(bounds.adjusted(4, 4, -4, -4), 9));
        else
            p.drawEllipse(bounds.center(), bounds.width() / 2 - 8, bounds.height() / 2 - 8);
        p.restore();
    }

    gloss(p, body.outline, look.colours.top.lightness() > 200 ? 0.6 : 1.0);
    if (state.glow > 0) {
        // Light swelling from inside the body.
        p.save();
        p.setClipPath(body.outline);
        QRadialGradient inner(bounds.center(), std::max(bounds.width(), bounds.height()) * 0.6);
        inner.setColorAt(0, withAlpha(Qt::white, int(state.glow * 95)));
        inner.setColorAt(1, withAlpha(Qt::white, int(state.glow * 30)));
        p.fillRect(bounds, inner);
        p.restore();
    }

    // Lay out pictogram and wording.
    const QRectF box = body.content;
    const QString main = look.words.main, sub = look.words.sub;
    switch (look.shape) {
    case Shape::Pill:
    case Shape::Slab:
    case Shape::Ribbon:
    case Shape::Tag:
    case Shape::Stamp: {
        const qreal iconSize = std::min(box.height() * 0.92, sub.isEmpty() ? 30.0 : 27.0);
        // A long wording over a second line needs the whole width: the
        // pictogram gives way when the wording would come out too small.
        const auto mainSize = [&](qreal width) {
            const QSizeF room(width, sub.isEmpty() ? box.height() : box.height() * 0.62);
            return fitted(font(hasArabic(main) ? Face::Kufi : Face::Sans, 22, QFont::Bold), main, room).pixelSize();
        };
        const bool iconHere = look.shape != Shape::Ribbon
            && (sub.isEmpty() || mainSize(box.width() - iconSize - 3) >= 15 || look.motion == Motion::Bounce
                || look.motion == Motion::Blink);
        QRectF textBox = box;
        if (iconHere) {
            const QRectF iconBox(look.mirrored ? box.left() : box.right() - iconSize,
                                 box.center().y() - iconSize / 2 + state.iconShift, iconSize, iconSize);
            placeIcon(p, look.icon, iconBox, c, state.lit);
            textBox = look.mirrored ? box.adjusted(iconSize + 3, 0, 0, 0) : box.adjusted(0, 0, -iconSize - 3, 0);
        }
        if (sub.isEmpty()) {
            drawWordsFitting(p, main, textBox, c.edge, 22);
        } else {
            const QRectF top(textBox.left(), textBox.top(), textBox.width(), textBox.height() * 0.62);
            const QRectF bottom(textBox.left(), top.bottom(), textBox.width(), textBox.height() * 0.38);
            drawWords(p, main, top, c.edge, 22);
            drawWords(p, sub, bottom.adjusted(4, 0, -4, 0), c.edge, 11, false);
        }
        break;
    }
    case Shape::Shield:
    case Shape::Seal: {
        const qreal iconSize = look.shape == Shape::Seal ? 26 : 30;
        const QRectF iconBox(box.center().x() - iconSize / 2, box.top() + state.iconShift, iconSize, iconSize);
        placeIcon(p, look.icon, iconBox, c, state.lit);
        const QStringList ls = lines(main, true);
        const QRectF words(box.left(), iconBox.bottom() - state.iconShift + 3, box.width(),
                           box.bottom() - iconBox.bottom() + state.iconShift - 3);
        if (ls.size() == 1) {
            drawWords(p, ls[0], words, c.edge, 18);
        } else {
            drawWords(p, ls[0], QRectF(words.left(), words.top(), words.width(), words.height() / 2), c.edge, 14);
            drawWords(p, ls[1], QRectF(words.left(), words.center().y(), words.width(), words.height() / 2),
                      c.edge, 14);
        }
        break;
    }
    case Shape::ArrowBlock: {
        const QStringList ls = lines(main, true);
        if (ls.size() == 1) {
            drawWords(p, main, box, c.edge, 20);
        } else {
            drawWords(p, ls[0], QRectF(box.left(), box.top(), box.width(), box.height() / 2), c.edge, 16);
            drawWords(p, ls[1], QRectF(box.left(), box.center().y(), box.width(), box.height() / 2), c.edge, 16);
        }
        // Chevrons in the arrow head, moving with the animation.
        p.save();
        p.setClipPath(body.outline);
        p.setPen(QPen(state.lit ? QColor(Qt::white) : c.accent, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const qreal cx = size.width() / 2.0, top = size.height() * 0.56 + state.iconShift;
        for (int k = 0; k < 2; ++k) {
            QPainterPath chevron;
            chevron.moveTo(cx - 10, top + k * 9);
            chevron.lineTo(cx, top + k * 9 + 8);
            chevron.lineTo(cx + 10, top + k * 9);
            p.drawPath(chevron);
        }
        p.restore();
        break;
    }
    case Shape::Circle: {
        const QRectF circle = body.outline.boundingRect();
        const qreal s = circle.width() * 0.5;
        placeIcon(p, look.icon,
                  QRectF(circle.center().x() - s / 2, circle.top() + circle.height() * 0.14 + state.iconShift, s, s),
                  c, state.lit);
        QLinearGradient bannerFill(body.back.boundingRect().topLeft(), body.back.boundingRect().bottomLeft());
        bannerFill.setColorAt(0, c.bottom.darker(110));
        bannerFill.setColorAt(1, c.edge);
        p.setPen(QPen(c.accent, 1.4));
        p.setBrush(bannerFill);
        p.drawPath(body.back);
        drawWords(p, main, box, c.edge, 16);
        break;
    }
    }

    if (state.shine >= 0) {
        // A slanted band of light crossing the body.
        p.save();
        p.setClipPath(body.outline.united(body.back));
        const qreal x = -40 + state.shine * (size.width() + 80);
        QLinearGradient band(QPointF(x - 18, 0), QPointF(x + 18, 0));
        band.setColorAt(0, withAlpha(Qt::white, 0));
        band.setColorAt(0.5, withAlpha(Qt::white, 170));
        band.setColorAt(1, withAlpha(Qt::white, 0));
        QPolygonF slant;
        slant << QPointF(x - 12, 0) << QPointF(x + 24, 0) << QPointF(x + 12, size.height())
              << QPointF(x - 24, size.height());
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawPolygon(slant);
        p.restore();
    }
    p.end();
    return image;
}

QList<gif::Frame> animate(const Look &look)
{
    QList<gif::Frame> frames;
    switch (look.motion) {
    case Motion::None:
        frames.append({drawButton(look, {}), 0});
        break;
    case Motion::Bounce: {
        const qreal shifts[] = {0, 1, 2.5, 4, 2.5, 1};
        for (qreal s : shifts)
            frames.append({drawButton(look, {s, -1, 0, false}), 90});
        break;
    }
    case Motion::Shine:
        for (int k = 0; k <= 8; ++k)
            frames.append({drawButton(look, {0, k / 8.0, 0, false}), 60});
        frames.append({drawButton(look, {}), 1400});
        break;
    case Motion::Glow:
        for (int k = 0; k < 6; ++k)
            frames.append({drawButton(look, {0, -1, 0.5 - 0.5 * qCos(2 * M_PI * k / 6), false}), 120});
        break;
    case Motion::Blink:
        frames.append({drawButton(look, {}), 500});
        frames.append({drawButton(look, {0, -1, 0, true}), 350});
        break;
    }
    return frames;
}

} // namespace

void drawLinkButtons(Sink &sink)
{
    for (int i = 0; i < kButtonCount; ++i) {
        // Shape, colours and wording cycle with coprime periods (9, 10, 11),
        // so every index gets a combination of its own.
        Look look;
        look.shape = Shape(i % 9);
        look.colours = scheme(i % 10);
        look.words = wording(i % 11);
        look.icon = Icon((i / 3) % 5);
        look.mirrored = !hasArabic(look.words.main);
        look.motion = (i % 4 == 1) ? Motion(1 + (i / 4) % 4) : Motion::None;
        sink.deliverGif(u"zqLink/Link%1.gif"_s.arg(i), animate(look));
    }
    sink.deliverText(u"zqLink/Links.dat"_s, QByteArray(sites::kDefaultLinkSite) + "\r\n");
}

void drawOptionIcons(Sink &sink)
{
    const Scheme &blue = scheme(0);
    // 1: download arrow on a blue disc.
    {
        QImage image = canvas(33, 25);
        QPainter p;
        begin(p, image);
        QRadialGradient g(QPointF(14, 9), 14);
        g.setColorAt(0, blue.top);
        g.setColorAt(1, blue.bottom);
        p.setPen(QPen(blue.edge, 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(5.5, 1.5, 22, 22));
        p.setPen(QPen(blue.edge, 0.8));
        p.setBrush(Qt::white);
        p.drawPath(downArrow(QRectF(10.5, 5, 12, 14)));
        p.end();
        sink.deliverGif(u"zqOptions/1.gif"_s, image);
    }
    // 2: two chain links.
    {
        QImage image = canvas(33, 25);
        QPainter p;
        begin(p, image);
        p.translate(16.5, 12.5);
        p.rotate(-35);
        for (int k = 0; k < 2; ++k) {
            const QRectF link(k == 0 ? -14 : -2, -5, 16, 10);
            p.setPen(QPen(QColor(0x0a, 0x3f, 0x8a), 4.6));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(link, 5, 5);
            p.setPen(QPen(QColor(0x6c, 0xb4, 0xff), 2.4));
            p.drawRoundedRect(link, 5, 5);
        }
        p.end();
        sink.deliverGif(u"zqOptions/2.gif"_s, image);
    }
    // 3: question mark on an orange disc.
    {
        QImage image = canvas(33, 25);
        QPainter p;
        begin(p, image);
        QRadialGradient g(QPointF(14, 8), 14);
        g.setColorAt(0, QColor(0xff, 0xc8, 0x50));
        g.setColorAt(1, QColor(0xe0, 0x70, 0x00));
        p.setPen(QPen(QColor(0x8a, 0x40, 0x00), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(5.5, 1.5, 22, 22));
        const QPainterPath q = textPath(u"?"_s, font(Face::Sans, 18, QFont::Bold), QPointF(16.5, 12.5));
        p.setPen(QPen(QColor(0x8a, 0x40, 0x00), 1.5));
        p.drawPath(q);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(q);
        p.end();
        sink.deliverGif(u"zqOptions/3.gif"_s, image);
    }
    // 4: a golden star.
    {
        QImage image = canvas(25, 25);
        QPainter p;
        begin(p, image);
        QRadialGradient g(QPointF(12.5, 10), 12);
        g.setColorAt(0, QColor(0xff, 0xf3, 0x9a));
        g.setColorAt(1, QColor(0xf0, 0xa8, 0x00));
        p.setPen(QPen(QColor(0xa0, 0x60, 0x00), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(star(QPointF(12.5, 13.2), 11.5, 5, 5));
        p.end();
        sink.deliverGif(u"zqOptions/4.gif"_s, image);
    }
}

} // namespace art
