// Title artwork: the program's mark, name, Arabic tagline and version, on a
// light ground (logo.gif, about and smilies pages) or a blue one (title.png).
#include "art/artkit.h"
#include "base/version.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

const QColor kWindowBlue(14, 119, 235);
const QColor kDeepBlue(8, 62, 150);
const QColor kFrameBlue(142, 196, 244);
const QColor kTextBlue(79, 137, 234);

// Faint lattice of eight-pointed stars behind the title.
void lattice(QPainter& p, QSizeF size, const QColor& line)
{
    p.save();
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::NoBrush);
    const qreal step = 58;
    for (qreal y = 0; y < size.height() + step; y += step) {
        for (qreal x = (int(y / step) % 2) * step / 2; x < size.width() + step; x += step) {
            p.drawPath(khatam(QPointF(x, y), 16));
            p.drawEllipse(QPointF(x, y), 5, 5);
        }
    }
    p.restore();
}

void titleText(QPainter& p, const QString& text, const QFont& f, QPointF centre, const QBrush& fill,
               const QColor& rim, qreal rimWidth, bool shadow)
{
    const QPainterPath path = textPath(text, f, centre);
    if (shadow) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 20, 60, 70));
        p.drawPath(path.translated(2, 3));
    }
    if (rimWidth > 0) {
        p.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

} // namespace

QImage titleArt(QSize size, bool blueGround)
{
    const qreal w = size.width(), h = size.height();
    QImage image = canvas(size.width(), size.height(), Qt::white);
    QPainter p;
    begin(p, image);

    // Ground.
    QLinearGradient ground(0, 0, 0, h);
    if (blueGround) {
        ground.setColorAt(0, QColor(40, 140, 245));
        ground.setColorAt(0.6, kWindowBlue);
        ground.setColorAt(1, kDeepBlue);
    } else {
        ground.setColorAt(0, QColor(239, 243, 250));
        ground.setColorAt(0.5, Qt::white);
        ground.setColorAt(1, QColor(228, 238, 252));
    }
    p.fillRect(image.rect(), ground);
    lattice(p, size, blueGround ? QColor(255, 255, 255, 26) : QColor(142, 196, 244, 70));

    // Soft light behind the mark.
    QRadialGradient halo(QPointF(w / 2, h * 0.3), w * 0.42);
    halo.setColorAt(0, blueGround ? QColor(255, 255, 255, 90) : QColor(255, 255, 255, 255));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), halo);

    // Sweeping waves along the bottom.
    for (int k = 0; k < 3; ++k) {
        QPainterPath wave;
        const qreal base = h * (0.8 + k * 0.055);
        wave.moveTo(0, base);
        wave.cubicTo(w * 0.3, base - 40 + k * 12, w * 0.6, base + 36 - k * 8, w, base - 18);
        wave.lineTo(w, h);
        wave.lineTo(0, h);
        wave.closeSubpath();
        QColor c = blueGround ? mix(QColor(90, 170, 250), kDeepBlue, k * 0.4)
                              : mix(kFrameBlue, kWindowBlue, k * 0.45);
        c.setAlpha(blueGround ? 150 + k * 40 : 110 + k * 60);
        p.setPen(QPen(QColor(255, 255, 255, blueGround ? 90 : 160), 1.5));
        p.setBrush(c);
        p.drawPath(wave);
    }

    // The mark.
    const qreal markSize = std::min(w, h) * 0.3;
    drawMark(p, QRectF(w / 2 - markSize / 2, h * 0.08, markSize, markSize));

    // Name.
    QFont name =
        fitted(font(Face::Serif, 74, QFont::Bold, true), u"Tarnwell"_s, QSizeF(w * 0.8, 90));
    QLinearGradient nameFill(0, h * 0.44, 0, h * 0.56);
    if (blueGround) {
        nameFill.setColorAt(0, Qt::white);
        nameFill.setColorAt(1, QColor(214, 232, 255));
    } else {
        nameFill.setColorAt(0, QColor(60, 150, 255));
        nameFill.setColorAt(1, kDeepBlue);
    }
    titleText(p, u"Tarnwell"_s, name, QPointF(w / 2, h * 0.5), nameFill,
              blueGround ? kDeepBlue : Qt::white, 6, true);

    // Arabic tagline.
    const QString tagline = u"أدوات تزيين المواضيع للمنتديات"_s;
    QFont arabic = fitted(font(Face::Naskh, 34, QFont::Bold), tagline, QSizeF(w * 0.86, 56));
    titleText(p, tagline, arabic, QPointF(w / 2, h * 0.63),
              blueGround ? QBrush(Qt::white) : QBrush(kTextBlue.darker(115)),
              blueGround ? QColor(8, 62, 150, 160) : Qt::white, 4, false);

    // Version badge.
    const QRectF badge(w / 2 - 62, h * 0.71, 124, 30);
    QLinearGradient badgeFill(badge.topLeft(), badge.bottomLeft());
    badgeFill.setColorAt(0, blueGround ? QColor(255, 255, 255) : QColor(70, 160, 255));
    badgeFill.setColorAt(1, blueGround ? QColor(214, 232, 255) : kWindowBlue.darker(110));
    p.setPen(QPen(blueGround ? Qt::white : kDeepBlue, 1.2));
    p.setBrush(badgeFill);
    p.drawRoundedRect(badge, 15, 15);
    gloss(p, roundedRect(badge, 15), 0.7);
    const QString version = u"الإصدار "_s + QLatin1StringView(version::kVersion);
    titleText(
        p, version,
        fitted(font(Face::ArabicSans, 17, QFont::Bold), version, badge.size() - QSizeF(20, 8)),
        badge.center(), blueGround ? QBrush(kDeepBlue) : QBrush(Qt::white), Qt::transparent, 0,
        false);

    // A thin frame gives the picture an edge on the page.
    p.setPen(QPen(blueGround ? QColor(255, 255, 255, 120) : kFrameBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 6, 6);
    p.end();
    return image;
}

void drawLogo(Sink& sink)
{
    gif::Options options;
    options.dither = true;
    sink.deliverGif(u"logo.gif"_s, titleArt(QSize(493, 449), false), options);
}

} // namespace art
