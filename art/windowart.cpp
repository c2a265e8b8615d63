// Window artwork: backgrounds, tab bars, colour swatches, the title picture,
// the loading window's "Welcome" with roses, and the dialog banner.
#include "art/artkit.h"
#include "base/catalogue.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <iterator>

using namespace Qt::StringLiterals;

namespace art {
namespace {

const QColor kWindowBlue(14, 119, 235);
const QColor kPanel(239, 243, 250);
const QColor kFrameBlue(142, 196, 244);
const QColor kDeep(8, 62, 150);

QImage tabBar(QSize size, bool active)
{
    QImage image = canvas(size.width(), size.height());
    QPainter p;
    begin(p, image);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -2);
    const QPainterPath shape = roundedRect(r, 8);
    softShadow(p, shape, QPointF(0, 1), active ? 50 : 30);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (active) {
        g.setColorAt(0, QColor(96, 178, 255));
        g.setColorAt(0.5, kWindowBlue);
        g.setColorAt(1, QColor(8, 84, 190));
    } else {
        g.setColorAt(0, QColor(126, 172, 236));
        g.setColorAt(0.5, QColor(84, 138, 222));
        g.setColorAt(1, QColor(64, 114, 200));
    }
    p.setPen(QPen(active ? kDeep : QColor(60, 104, 180), 1));
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, active ? 110 : 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roundedRect(r.adjusted(1, 1, -1, -1), 7));
    gloss(p, shape, active ? 0.85 : 0.55);
    p.end();
    return image;
}

// An irregular splash of paint with a few droplets around it.
QImage swatch(int index, const QColor& colour, QSize size)
{
    QImage image = canvas(size.width(), size.height(), Qt::white);
    QPainter p;
    begin(p, image);
    Random rng(uint64_t(index) + 101);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const qreal base = std::min(size.width(), size.height()) * 0.3;
    // A round splash with a few short spikes where the paint flew out.
    const int count = 16;
    QList<QPointF> rim;
    QList<qreal> spikes;
    for (int k = 0; k < 3; ++k)
        spikes.append(rng.real(0, 2 * M_PI));
    for (int k = 0; k < count; ++k) {
        const qreal a = 2 * M_PI * k / count;
        qreal r = base * rng.real(0.88, 1.08);
        for (qreal s : spikes) {
            const qreal d = std::remainder(a - s, 2 * M_PI);
            if (qAbs(d) < M_PI / count)
                r = base * 1.32;
        }
        rim.append(QPointF(c.x() + r * qCos(a) * 1.08, c.y() + r * qSin(a)));
    }
    QPainterPath blob = smoothClosed(rim);
    for (qreal s : spikes) {
        const qreal d = base * rng.real(1.5, 1.65), rr = std::max(1.2, base * rng.real(0.08, 0.13));
        QPointF at(c.x() + d * qCos(s + 0.25) * 1.08, c.y() + d * qSin(s + 0.25));
        at.setX(std::clamp(at.x(), rr + 1, size.width() - rr - 2));
        at.setY(std::clamp(at.y(), rr + 1, size.height() - rr - 2));
        blob.addEllipse(at, rr, rr);
    }
    blob.setFillRule(Qt::WindingFill);
    const bool pale = colour.lightness() > 220;
    softShadow(p, blob, QPointF(1, 1.5), pale ? 70 : 35);
    QRadialGradient g(c - QPointF(base * 0.4, base * 0.45), base * 1.6);
    g.setColorAt(0,
                 pale ? Qt::white : mix(colour, Qt::white, colour.lightness() < 40 ? 0.35 : 0.3));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, pale ? QColor(225, 225, 230) : colour.darker(115));
    p.setPen(QPen(pale ? QColor(150, 150, 160) : colour.darker(140), 1));
    p.setBrush(g);
    p.drawPath(blob);
    p.end();
    return image;
}

QPainterPath petal(qreal length, qreal width)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(-width, -length * 0.3, -width * 0.8, -length, 0, -length);
    path.cubicTo(width * 0.8, -length, width, -length * 0.3, 0, 0);
    return path;
}

// A rose seen from above: two rings of petals with light edges around a
// tightly curled heart.
void rose(QPainter& p, QPointF c, qreal r, qreal turn)
{
    p.save();
    p.translate(c);
    p.rotate(turn);
    const QColor deep(128, 0, 18), mid(212, 18, 44), light(255, 120, 130);
    const auto ring = [&](int count, qreal offset, qreal length, qreal width, const QColor& edge) {
        for (int k = 0; k < count; ++k) {
            p.save();
            p.rotate(offset + 360.0 * k / count);
            QRadialGradient g(QPointF(0, 0), length);
            g.setColorAt(0, deep);
            g.setColorAt(0.55, mid);
            g.setColorAt(1, edge);
            p.setPen(QPen(deep, 0.7));
            p.setBrush(g);
            p.drawPath(petal(length, width));
            p.restore();
        }
    };
    ring(5, 0, r, r * 0.78, light);
    ring(5, 36, r * 0.72, r * 0.56, light.lighter(105));
    // The heart: a cup and curled inner petals.
    QRadialGradient cup(QPointF(-r * 0.08, -r * 0.12), r * 0.45);
    cup.setColorAt(0, light);
    cup.setColorAt(1, mid);
    p.setPen(QPen(deep, 0.8));
    p.setBrush(cup);
    p.drawEllipse(QPointF(0, 0), r * 0.42, r * 0.4);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const qreal s = r * (0.34 - k * 0.1);
        p.setPen(QPen(deep, 1.1, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(-s + k * 0.6, -s * 0.9, 2 * s, 1.8 * s), (40 + k * 120) * 16, 200 * 16);
    }
    p.restore();
}

void rosebud(QPainter& p, QPointF base, qreal size, qreal angle)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QLinearGradient g(0, -size, 0, 0);
    g.setColorAt(0, QColor(255, 110, 120));
    g.setColorAt(1, QColor(150, 0, 20));
    p.setPen(QPen(QColor(120, 0, 16), 0.7));
    p.setBrush(g);
    p.drawPath(petal(size, size * 0.55));
    p.setBrush(QColor(60, 140, 50));
    p.setPen(QPen(QColor(20, 80, 30), 0.7));
    QPainterPath sepal;
    sepal.moveTo(0, 1);
    sepal.quadTo(-size * 0.5, -size * 0.2, -size * 0.3, -size * 0.55);
    sepal.quadTo(-size * 0.1, -size * 0.2, 0, 1);
    sepal.quadTo(size * 0.5, -size * 0.2, size * 0.3, -size * 0.55);
    sepal.quadTo(size * 0.1, -size * 0.2, 0, 1);
    p.drawPath(sepal);
    p.restore();
}

void greenLeaf(QPainter& p, QPointF base, qreal length, qreal angle)
{
    const QPainterPath l = leaf(base, length, length * 0.32, angle);
    QLinearGradient g(l.boundingRect().topLeft(), l.boundingRect().bottomRight());
    g.setColorAt(0, QColor(120, 190, 80));
    g.setColorAt(1, QColor(30, 110, 40));
    p.setPen(QPen(QColor(20, 80, 30), 0.8));
    p.setBrush(g);
    p.drawPath(l);
}

QImage welcome()
{
    const int w = 326, h = 172;
    const QColor cream(255, 251, 240);
    QImage image = canvas(w, h, cream);
    QPainter p;
    begin(p, image);
    // A warm glow behind the lettering, fading out before the text areas.
    p.save();
    p.translate(226, 82);
    p.scale(1, 0.6);
    QRadialGradient glow(QPointF(0, 0), 100);
    glow.setColorAt(0, QColor(255, 228, 214));
    glow.setColorAt(1, QColor(255, 228, 214, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.restore();

    // Stem curling under the word, from the roses at the lower left.
    QPainterPath stem(QPointF(60, 140));
    stem.cubicTo(120, 150, 170, 142, 210, 128);
    stem.cubicTo(250, 114, 290, 122, 312, 108);
    p.setPen(QPen(QColor(40, 110, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    const qreal leafAt[][3] = {
        {130, 146, -20}, {172, 139, 200}, {226, 122, -35}, {268, 116, 190}, {300, 113, -60}};
    for (const auto& l : leafAt)
        greenLeaf(p, QPointF(l[0], l[1]), 17, l[2]);
    rosebud(p, QPointF(250, 118), 13, 60);
    rosebud(p, QPointF(312, 108), 11, 30);

    // "Welcome" in red lettering with a light rim and a shadow.
    QFont f = fitted(font(Face::Serif, 60, QFont::Bold, true), u"Welcome"_s, QSizeF(188, 70));
    const QPainterPath word = textPath(u"Welcome"_s, f, QPointF(226, 76));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 0, 10, 60));
    p.drawPath(word.translated(2.5, 3));
    p.setPen(QPen(QColor(255, 255, 255), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    const QRectF wb = word.boundingRect();
    QLinearGradient red(wb.topLeft(), wb.bottomLeft());
    red.setColorAt(0, QColor(255, 90, 90));
    red.setColorAt(0.5, QColor(220, 16, 32));
    red.setColorAt(1, QColor(140, 0, 16));
    p.setPen(QPen(QColor(110, 0, 12), 1.2));
    p.setBrush(red);
    p.drawPath(word);
    // Flourish under the word.
    QPainterPath swash(QPointF(wb.left() + 6, wb.bottom() + 8));
    swash.cubicTo(wb.left() + 60, wb.bottom() + 18, wb.right() - 60, wb.bottom() - 2,
                  wb.right() - 4, wb.bottom() + 10);
    p.setPen(QPen(QColor(200, 20, 40), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(swash);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 40));
    p.drawPath(heart(QPointF(wb.right() + 2, wb.bottom() + 9), 9));

    // Roses at the lower left, clear of the text above them.
    greenLeaf(p, QPointF(40, 130), 22, 200);
    greenLeaf(p, QPointF(70, 150), 20, 20);
    greenLeaf(p, QPointF(95, 125), 18, -50);
    rose(p, QPointF(30, 140), 17, 10);
    rose(p, QPointF(70, 128), 20, 40);
    rose(p, QPointF(105, 150), 13, 75);
    p.end();
    return image;
}

QImage blueTopBackground(QSize size)
{
    QImage image = canvas(size.width(), size.height(), Qt::white);
    QPainter p;
    begin(p, image);
    QLinearGradient g(0, 0, 0, size.height());
    const qreal band = std::min(0.45, 90.0 / size.height());
    g.setColorAt(0, kWindowBlue);
    g.setColorAt(band * 0.35, QColor(70, 150, 240));
    g.setColorAt(band, kFrameBlue.lighter(112));
    g.setColorAt(std::min(1.0, band * 2.2), Qt::white);
    g.setColorAt(1, Qt::white);
    p.fillRect(image.rect(), g);
    // A gentle wave marks the end of the band.
    QPainterPath wave(QPointF(0, size.height() * band * 0.9));
    wave.cubicTo(size.width() * 0.35, size.height() * band * 0.5, size.width() * 0.65,
                 size.height() * band * 1.3, size.width(), size.height() * band * 0.8);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    p.end();
    return image;
}

QImage diagonal(QSize size, const QColor& from, const QColor& to)
{
    QImage image = canvas(size.width(), size.height(), Qt::white);
    QPainter p;
    begin(p, image);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(image.rect(), g);
    p.end();
    return image;
}

QImage banner()
{
    const int w = 747, h = 30;
    QImage image = canvas(w, h, Qt::white);
    QPainter p;
    begin(p, image);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(80, 165, 250));
    g.setColorAt(0.5, kWindowBlue);
    g.setColorAt(1, QColor(10, 88, 196));
    p.fillRect(image.rect(), g);
    QLinearGradient sheen(0, 0, 0, h / 2.0);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 20));
    p.fillRect(QRectF(0, 0, w, h / 2.0), sheen);
    // A row of faint stars fading towards the left.
    for (int k = 0; k < 14; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 12 + k * 3));
        p.drawPath(khatam(QPointF(40 + k * 34, h / 2.0), 8));
    }
    drawMark(p, QRectF(w - 30, 2, 26, 26));
    const QString name = u"Tarnwell 1.3"_s;
    const QPainterPath text =
        textPath(name, font(Face::Sans, 17, QFont::Bold), QPointF(0, h / 2.0));
    const QPainterPath placed = text.translated(w - 38 - text.boundingRect().right(), 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 90, 110));
    p.drawPath(placed.translated(1, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(placed);
    p.setPen(QPen(kDeep, 1));
    p.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));
    p.end();
    return image;
}

} // namespace

void drawWindowArt(Sink& sink)
{
    sink.resourcePng(u"tab_active.png"_s, tabBar(QSize(123, 37), true));
    sink.resourcePng(u"tab_inactive.png"_s, tabBar(QSize(125, 39), false));

    static const char* const colours[] = {
        "black",      "white",     "gray",      "orangered", "crimson", "red",       "firebrick",
        "darkred",    "green",     "blue",      "darkblue",  "skyblue", "royalblue", "orange",
        "tomato",     "limegreen", "seagreen",  "deeppink",  "coral",   "indigo",    "purple",
        "sandybrown", "burlywood", "chocolate", "sienna",    "silver",  "teal"};
    static_assert(std::size(colours) == catalogue::kSwatches,
                  "one colour per swatch: the table and TARNWELL_SWATCHES disagree");
    for (int i = 0; i < catalogue::kSwatches; ++i)
        sink.resourcePng(u"swatch%1.png"_s.arg(i),
                         swatch(i, named(colours[i]), i == 1 ? QSize(31, 30) : QSize(50, 45)));

    sink.resourcePng(u"title.png"_s, titleArt(QSize(494, 449), true));
    sink.resourcePng(u"welcome.png"_s, welcome());
    sink.resourcePng(u"smile_back.png"_s,
                     diagonal(QSize(438, 545), Qt::white, QColor(178, 214, 248)));
    sink.resourcePng(u"view_back.png"_s, diagonal(QSize(138, 117), kPanel, QColor(196, 224, 250)));
    sink.resourcePng(u"option1_back.png"_s, blueTopBackground(QSize(395, 283)));
    sink.resourcePng(u"options_back.png"_s, blueTopBackground(QSize(423, 179)));
    sink.resourcePng(u"viewborder_back.png"_s, blueTopBackground(QSize(579, 343)));
    sink.resourcePng(u"options_banner.png"_s, banner());
}

} // namespace art
