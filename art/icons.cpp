// Small window icons: the program mark and icon sizes, the tab icons and
// the tray menu icons.
#include "art/artkit.h"
#include "base/catalogue.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

const QColor kBlue(14, 119, 235);
const QColor kDeep(8, 62, 150);
const QColor kLight(142, 196, 244);
const QColor kInk(40, 48, 64);

// ---- tab icons -------------------------------------------------------------

void folder(QPainter& p, const QRectF& r)
{
    QPainterPath back;
    back.moveTo(r.left(), r.top() + r.height() * 0.18);
    back.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.18);
    back.lineTo(r.left() + r.width() * 0.46, r.top() + r.height() * 0.28);
    back.lineTo(r.right(), r.top() + r.height() * 0.28);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(roundPen(kDeep, 1.2));
    p.setBrush(vertical(r, QColor(110, 180, 250), QColor(20, 100, 210)));
    p.drawPath(back);
}

void folderFront(QPainter& p, const QRectF& r)
{
    QPainterPath front;
    front.moveTo(r.left(), r.top() + r.height() * 0.45);
    front.lineTo(r.right(), r.top() + r.height() * 0.45);
    front.lineTo(r.right() - 2, r.bottom());
    front.lineTo(r.left() + 2, r.bottom());
    front.closeSubpath();
    const QRectF fr = front.boundingRect();
    p.setPen(roundPen(kDeep, 1.2));
    p.setBrush(vertical(fr, QColor(140, 200, 255), kBlue));
    p.drawPath(front);
    gloss(p, front, 0.8);
}

void pencil(QPainter& p, QPointF tip, qreal length, qreal angle, qreal width)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    QPainterPath body;
    body.addRect(QRectF(width * 1.6, -width / 2, length - width * 1.6, width));
    p.setPen(roundPen(QColor(120, 70, 0), 0.9));
    p.setBrush(
        vertical(QRectF(0, -width / 2, 1, width), QColor(255, 220, 90), QColor(230, 150, 0)));
    p.drawPath(body);
    QPainterPath cone;
    cone.moveTo(0, 0);
    cone.lineTo(width * 1.6, -width / 2);
    cone.lineTo(width * 1.6, width / 2);
    cone.closeSubpath();
    p.setBrush(QColor(250, 220, 170));
    p.drawPath(cone);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(width * 0.35, 0), width * 0.2, width * 0.2);
    p.setBrush(QColor(240, 120, 140));
    p.drawRect(QRectF(length - width * 0.8, -width / 2, width * 0.8, width));
    p.restore();
}

QImage tabNames()
{
    QImage image = canvas(47, 47);
    QPainter p;
    begin(p, image);
    folder(p, QRectF(3, 6, 40, 36));
    // A sheet of paper standing in the folder.
    p.setPen(roundPen(QColor(150, 160, 180), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 8, 26, 24));
    p.setPen(roundPen(kLight, 1.4));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(14, 13 + k * 4.5), QPointF(32, 13 + k * 4.5));
    folderFront(p, QRectF(3, 6, 40, 36));
    pencil(p, QPointF(22, 30), 26, -40, 6);
    p.end();
    return image;
}

QImage tabSpecial()
{
    QImage image = canvas(47, 46);
    QPainter p;
    begin(p, image);
    folder(p, QRectF(3, 6, 40, 36));
    // A photo with a sun and hills.
    p.save();
    p.translate(23, 20);
    p.rotate(-8);
    const QRectF photo(-14, -13, 28, 22);
    p.setPen(roundPen(QColor(150, 160, 180), 1));
    p.setBrush(Qt::white);
    p.drawRect(photo);
    const QRectF inner = photo.adjusted(2.5, 2.5, -2.5, -2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(inner, QColor(120, 200, 255), QColor(210, 240, 255)));
    p.drawRect(inner);
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPointF(inner.right() - 5, inner.top() + 4), 2.6, 2.6);
    QPainterPath hills;
    hills.moveTo(inner.left(), inner.bottom());
    hills.lineTo(inner.left(), inner.bottom() - 5);
    hills.quadTo(inner.left() + 7, inner.bottom() - 13, inner.left() + 13, inner.bottom() - 5);
    hills.quadTo(inner.left() + 18, inner.bottom() - 10, inner.right(), inner.bottom() - 4);
    hills.lineTo(inner.right(), inner.bottom());
    hills.closeSubpath();
    p.setBrush(QColor(60, 170, 70));
    p.drawPath(hills);
    p.restore();
    folderFront(p, QRectF(3, 6, 40, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPath(star(QPointF(23, 34), 5, 2.2, 5));
    p.end();
    return image;
}

QImage tabRibbon()
{
    // Shown squeezed to 32 x 24: horizontal lines survive the squeeze, so
    // the ornament is made of bands and of diamonds drawn very wide.
    QImage image = canvas(422, 60);
    QPainter p;
    begin(p, image);
    QPainterPath band;
    band.moveTo(2, 6);
    band.lineTo(420, 6);
    band.lineTo(380, 30);
    band.lineTo(420, 54);
    band.lineTo(2, 54);
    band.lineTo(42, 30);
    band.closeSubpath();
    p.setPen(QPen(QColor(120, 10, 40), 2.5));
    p.setBrush(vertical(QRectF(0, 6, 1, 48), QColor(255, 100, 130), QColor(190, 16, 56)));
    p.drawPath(band);
    gloss(p, band, 0.6);
    p.setClipPath(band);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawRect(QRectF(0, 10, 422, 4));
    p.drawRect(QRectF(0, 46, 422, 4));
    p.setClipping(false);
    for (int k = 0; k < 3; ++k) {
        const QPointF centre(111 + k * 100, 30);
        p.setPen(QPen(QColor(140, 80, 0), 2));
        p.setBrush(vertical(QRectF(0, 18, 1, 24), QColor(255, 240, 140), QColor(235, 160, 0)));
        p.drawPath(diamond(centre, 46, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 20, 60));
        p.drawPath(diamond(centre, 18, 5));
    }
    p.end();
    return image;
}

QImage tabNotepad()
{
    QImage image = canvas(30, 44);
    QPainter p;
    begin(p, image);
    const QRectF pad(3, 5, 24, 37);
    p.setPen(roundPen(QColor(120, 130, 150), 1));
    p.setBrush(vertical(pad, QColor(255, 255, 240), QColor(250, 244, 210)));
    p.drawRoundedRect(pad, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(3, 5, 24, 6));
    p.setPen(roundPen(QColor(150, 190, 240), 1));
    for (int k = 0; k < 6; ++k)
        p.drawLine(QPointF(6, 17 + k * 4.2), QPointF(24, 17 + k * 4.2));
    p.setPen(roundPen(QColor(230, 80, 80), 1));
    p.drawLine(QPointF(8.5, 12), QPointF(8.5, 41));
    // Spiral rings.
    p.setPen(roundPen(QColor(90, 90, 100), 1.4));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 5; ++k)
        p.drawEllipse(QRectF(5.5 + k * 4.5, 2, 2.6, 5));
    p.end();
    return image;
}

QList<gif::Frame> tabWarning()
{
    QList<gif::Frame> frames;
    for (int k = 0; k < 2; ++k) {
        QImage image = canvas(69, 62);
        QPainter p;
        begin(p, image);
        QPainterPath tri;
        tri.moveTo(34.5, 3);
        tri.lineTo(66, 58);
        tri.lineTo(3, 58);
        tri.closeSubpath();
        const QColor rim = k == 0 ? QColor(220, 20, 20) : QColor(255, 120, 0);
        p.setPen(roundPen(rim, 5));
        p.setBrush(vertical(QRectF(0, 3, 1, 55), QColor(255, 245, 120), QColor(255, 196, 0)));
        p.drawPath(tri);
        const QPainterPath mark =
            textPath(u"!"_s, font(Face::Sans, 26, QFont::Black), QPointF(34.5, 27));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 20, 0));
        p.drawPath(mark);
        const QString words = u"اضغط هنا"_s;
        const QFont f = fitted(font(Face::Kufi, 13, QFont::Bold), words, QSizeF(38, 13));
        const QPainterPath text = textPath(words, f, QPointF(34.5, 48));
        p.setBrush(k == 0 ? QColor(200, 0, 0) : QColor(20, 20, 20));
        p.drawPath(text);
        p.end();
        frames.append({image, 450});
    }
    return frames;
}

QImage tabAbout()
{
    QImage image = canvas(47, 40);
    QPainter p;
    begin(p, image);
    const QColor dark(20, 110, 30), light(130, 220, 110);
    QPainterPath body;
    body.moveTo(8, 39);
    body.cubicTo(8, 24, 16, 21, 23.5, 21);
    body.cubicTo(31, 21, 39, 24, 39, 39);
    body.closeSubpath();
    p.setPen(roundPen(dark, 1.3));
    p.setBrush(vertical(QRectF(0, 21, 1, 18), light, QColor(40, 160, 50)));
    p.drawPath(body);
    QRadialGradient head(QPointF(21, 8), 11);
    head.setColorAt(0, light.lighter(120));
    head.setColorAt(1, QColor(40, 160, 50));
    p.setBrush(head);
    p.drawEllipse(QPointF(23.5, 11.5), 9, 9);
    gloss(p, body, 0.6);
    // The "i" of information on the chest.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(23.5, 26.5), 1.8, 1.8);
    p.drawRoundedRect(QRectF(21.9, 29.5, 3.2, 8), 1.2, 1.2);
    p.end();
    return image;
}

QImage tabExit()
{
    QImage image = canvas(48, 47);
    QPainter p;
    begin(p, image);
    const QRectF disc(4, 3.5, 40, 40);
    QRadialGradient g(QPointF(18, 14), 34);
    g.setColorAt(0, QColor(150, 235, 130));
    g.setColorAt(1, QColor(20, 130, 40));
    p.setPen(roundPen(QColor(15, 90, 25), 1.6));
    p.setBrush(g);
    p.drawEllipse(disc);
    gloss(
        p,
        [&] {
            QPainterPath e;
            e.addEllipse(disc);
            return e;
        }(),
        0.8);
    // Power sign.
    QPainterPath power;
    power.arcMoveTo(QRectF(13, 13.5, 22, 22), 125);
    power.arcTo(QRectF(13, 13.5, 22, 22), 125, 290);
    power.moveTo(24, 9);
    power.lineTo(24, 23);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(10, 70, 20, 150), 5.5));
    p.drawPath(power.translated(0, 0.8));
    p.setPen(roundPen(Qt::white, 4));
    p.drawPath(power);
    p.end();
    return image;
}

} // namespace

void drawMark(QPainter& p, const QRectF& box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 48.0, box.height() / 48.0);
    // Speech bubble.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2, 5, 40, 30), 9, 9);
    QPainterPath tail;
    tail.moveTo(10, 32);
    tail.lineTo(7, 44);
    tail.lineTo(20, 34);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.setPen(roundPen(kDeep, 1.6));
    p.setBrush(vertical(QRectF(0, 5, 1, 38), QColor(80, 170, 255), QColor(10, 90, 205)));
    p.drawPath(bubble);
    gloss(p, bubble, 0.8);
    // The tag bracket.
    QPainterPath brackets;
    brackets.moveTo(14, 12);
    brackets.lineTo(10, 12);
    brackets.lineTo(10, 28);
    brackets.lineTo(14, 28);
    brackets.moveTo(30, 12);
    brackets.lineTo(34, 12);
    brackets.lineTo(34, 28);
    brackets.lineTo(30, 28);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(Qt::white, 3.2));
    p.drawPath(brackets);
    // The pen across the bubble.
    p.translate(22, 26);
    p.rotate(-50);
    QPainterPath nib;
    nib.moveTo(-20, 0);
    nib.lineTo(-12, -3.5);
    nib.lineTo(-12, 3.5);
    nib.closeSubpath();
    p.setPen(roundPen(QColor(90, 50, 0), 1));
    p.setBrush(QColor(255, 230, 150));
    p.drawPath(nib);
    p.setBrush(vertical(QRectF(0, -3.5, 1, 7), QColor(255, 225, 90), QColor(230, 140, 0)));
    p.drawRoundedRect(QRectF(-12, -3.5, 30, 7), 2, 2);
    p.setBrush(QColor(90, 50, 0));
    p.drawEllipse(QPointF(-18.2, 0), 1, 1);
    p.restore();
}

QImage programIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    drawMark(p, QRectF(0, 0, size, size));
    p.end();
    return image;
}

void drawThemeIcons(Sink& sink, const QString& root)
{
    for (int s : {16, 22, 24, 32, 48, 64, 128, 256})
        sink.writePng(root, u"%1x%1/apps/tarnwell.png"_s.arg(s), programIcon(s));
}

void drawIcons(Sink& sink)
{
    sink.resourcePng(u"tab0.png"_s, tabNames());
    sink.resourcePng(u"tab1.png"_s, tabSpecial());
    sink.resourcePng(u"tab2.png"_s, tabRibbon());
    sink.resourcePng(u"tab3.png"_s, tabNotepad());
    sink.resourceGif(u"tab4.gif"_s, smileyFrames(20, true));
    sink.resourceGif(u"tab5.gif"_s, tabWarning());
    sink.resourcePng(u"tab6.png"_s, tabAbout());
    sink.resourcePng(u"tab7.png"_s, tabExit());
    sink.resourcePng(u"smile_icon.png"_s, smileyFrames(32, false).first().image);

    for (int n = 1; n <= catalogue::kToolIcons; ++n)
        sink.resourcePng(u"tool%1.png"_s.arg(n), toolIcon(n));

    for (int s : {16, 24, 32, 48})
        sink.resourcePng(u"icon%1.png"_s.arg(s), programIcon(s));

    {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        p.setPen(roundPen(QColor(140, 90, 30), 1));
        p.setBrush(vertical(QRectF(0, 1, 1, 14), QColor(230, 180, 100), QColor(170, 110, 40)));
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        drawPicture(p, QRectF(3, 4, 10, 8));
        p.end();
        sink.resourcePng(u"picnote.png"_s, image);
    }
    {
        QImage image = canvas(10, 10);
        QPainter p;
        begin(p, image);
        p.setPen(roundPen(QColor(210, 20, 20), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(5, 5), 3.6, 3.6);
        p.end();
        sink.resourcePng(u"picexit.png"_s, image);
    }
}

} // namespace art
