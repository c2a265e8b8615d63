// Small window icons: the program mark and icon sizes, the tab icons, the
// tag toolbar's image list and the tray menu icons.
#include "artkit.h"

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

QPen pen(const QColor &c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// ---- tab icons -------------------------------------------------------------

void folder(QPainter &p, const QRectF &r)
{
    QPainterPath back;
    back.moveTo(r.left(), r.top() + r.height() * 0.18);
    back.lineTo(r.left() + r.width() * 0.38, r.top() + r.height() * 0.18);
    back.lineTo(r.left() + r.width() * 0.46, r.top() + r.height() * 0.28);
    back.lineTo(r.right(), r.top() + r.height() * 0.28);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(pen(kDeep, 1.2));
    p.setBrush(vertical(r, QColor(110, 180, 250), QColor(20, 100, 210)));
    p.drawPath(back);
}

void folderFront(QPainter &p, const QRectF &r)
{
    QPainterPath front;
    front.moveTo(r.left(), r.top() + r.height() * 0.45);
    front.lineTo(r.right(), r.top() + r.height() * 0.45);
    front.lineTo(r.right() - 2, r.bottom());
    front.lineTo(r.left() + 2, r.bottom());
    front.closeSubpath();
    const QRectF fr = front.boundingRect();
    p.setPen(pen(kDeep, 1.2));
    p.setBrush(vertical(fr, QColor(140, 200, 255), kBlue));
    p.drawPath(front);
    gloss(p, front, 0.8);
}

void pencil(QPainter &p, QPointF tip, qreal length, qreal angle, qreal width)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    QPainterPath body;
    body.addRect(QRectF(width * 1.6, -width / 2, length - width * 1.6, width));
    p.setPen(pen(QColor(120, 70, 0), 0.9));
    p.setBrush(vertical(QRectF(0, -width / 2, 1, width), QColor(255, 220, 90), QColor(230, 150, 0)));
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
    p.setPen(pen(QColor(150, 160, 180), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 8, 26, 24));
    p.setPen(pen(kLight, 1.4));
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
    p.setPen(pen(QColor(150, 160, 180), 1));
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
    p.setPen(pen(QColor(120, 130, 150), 1));
    p.setBrush(vertical(pad, QColor(255, 255, 240), QColor(250, 244, 210)));
    p.drawRoundedRect(pad, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(3, 5, 24, 6));
    p.setPen(pen(QColor(150, 190, 240), 1));
    for (int k = 0; k < 6; ++k)
        p.drawLine(QPointF(6, 17 + k * 4.2), QPointF(24, 17 + k * 4.2));
    p.setPen(pen(QColor(230, 80, 80), 1));
    p.drawLine(QPointF(8.5, 12), QPointF(8.5, 41));
    // Spiral rings.
    p.setPen(pen(QColor(90, 90, 100), 1.4));
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
        p.setPen(pen(rim, 5));
        p.setBrush(vertical(QRectF(0, 3, 1, 55), QColor(255, 245, 120), QColor(255, 196, 0)));
        p.drawPath(tri);
        const QPainterPath mark = textPath(u"!"_s, font(Face::Sans, 26, QFont::Black), QPointF(34.5, 27));
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
    p.setPen(pen(dark, 1.3));
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
    p.setPen(pen(QColor(15, 90, 25), 1.6));
    p.setBrush(g);
    p.drawEllipse(disc);
    gloss(p, [&] { QPainterPath e; e.addEllipse(disc); return e; }(), 0.8);
    // Power sign.
    QPainterPath power;
    power.arcMoveTo(QRectF(13, 13.5, 22, 22), 125);
    power.arcTo(QRectF(13, 13.5, 22, 22), 125, 290);
    power.moveTo(24, 9);
    power.lineTo(24, 23);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(QColor(10, 70, 20, 150), 5.5));
    p.drawPath(power.translated(0, 0.8));
    p.setPen(pen(Qt::white, 4));
    p.drawPath(power);
    p.end();
    return image;
}

// ---- tag toolbar -----------------------------------------------------------

// Icons are drawn on a 16-unit grid and scaled to their size.
using ToolPainter = void (*)(QPainter &);

void page(QPainter &p, const QRectF &r)
{
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - 4, r.top());
    sheet.lineTo(r.right(), r.top() + 4);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(pen(QColor(90, 100, 120), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
}

void textLines(QPainter &p, const qreal (&widths)[4], int align)
{
    p.setPen(pen(kInk, 1.6));
    for (int k = 0; k < 4; ++k) {
        const qreal w = widths[k];
        const qreal x0 = align == 0 ? 1.5 : (align == 1 ? 8 - w / 2 : 14.5 - w);
        p.drawLine(QPointF(x0, 2.5 + k * 3.7), QPointF(x0 + w, 2.5 + k * 3.7));
    }
}

void letter(QPainter &p, const QString &l, bool bold, bool italic, bool underline)
{
    QFont f = font(Face::Serif, 15, bold ? QFont::Black : QFont::Bold, italic);
    const QPainterPath path = textPath(l, f, QPointF(8, underline ? 6.8 : 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(path);
    if (underline) {
        p.setPen(pen(kBlue, 1.6));
        p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
    }
}

void picture(QPainter &p, const QRectF &r)
{
    p.setPen(pen(QColor(90, 100, 120), 1));
    p.setBrush(vertical(r, QColor(120, 200, 255), QColor(220, 244, 255)));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 30));
    p.drawEllipse(QPointF(r.right() - 3, r.top() + 3), 1.6, 1.6);
    QPainterPath hills;
    hills.moveTo(r.left() + 0.5, r.bottom() - 0.5);
    hills.lineTo(r.left() + 0.5, r.bottom() - 3);
    hills.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.4);
    hills.lineTo(r.left() + r.width() * 0.65, r.bottom() - 3.5);
    hills.lineTo(r.left() + r.width() * 0.78, r.bottom() - 5);
    hills.lineTo(r.right() - 0.5, r.bottom() - 2);
    hills.lineTo(r.right() - 0.5, r.bottom() - 0.5);
    hills.closeSubpath();
    p.setBrush(QColor(40, 150, 60));
    p.drawPath(hills);
}

void chain(QPainter &p, QPointF centre, qreal scale)
{
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.rotate(-45);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 2; ++k) {
        const QRectF link(k == 0 ? -7.5 : -0.5, -2.6, 8, 5.2);
        p.setPen(pen(kDeep, 2.6));
        p.drawRoundedRect(link, 2.6, 2.6);
        p.setPen(pen(QColor(120, 190, 255), 1.1));
        p.drawRoundedRect(link, 2.6, 2.6);
    }
    p.restore();
}

const ToolPainter kTools[23] = {
    // 1 cut
    [](QPainter &p) {
        p.setPen(pen(kInk, 1.3));
        p.drawLine(QPointF(5, 1), QPointF(10.5, 10));
        p.drawLine(QPointF(11, 1), QPointF(5.5, 10));
        p.setPen(pen(QColor(200, 30, 30), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
        p.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
    },
    // 2 copy
    [](QPainter &p) {
        page(p, QRectF(1.5, 1.5, 9, 11));
        page(p, QRectF(5.5, 4.5, 9, 11));
    },
    // 3 paste
    [](QPainter &p) {
        p.setPen(pen(QColor(110, 70, 20), 1));
        p.setBrush(QColor(210, 160, 90));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1.5, 1.5);
        p.setBrush(QColor(180, 180, 190));
        p.drawRect(QRectF(4, 1, 5, 3));
        page(p, QRectF(6.5, 5.5, 8, 9.5));
    },
    // 4 new
    [](QPainter &p) {
        page(p, QRectF(3, 1.5, 10, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 190, 0));
        p.drawPath(star(QPointF(12.5, 3.5), 3.5, 1.4, 5));
    },
    // 5 open
    [](QPainter &p) {
        p.setPen(pen(QColor(150, 100, 0), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1, 3, 12, 10));
        p.setBrush(QColor(255, 225, 120));
        QPainterPath flap;
        flap.moveTo(3, 6.5);
        flap.lineTo(15, 6.5);
        flap.lineTo(12.5, 13);
        flap.lineTo(1, 13);
        flap.closeSubpath();
        p.drawPath(flap);
    },
    // 6 save
    [](QPainter &p) {
        p.setPen(pen(kDeep, 1));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(1.5, 1, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1, 8, 5));
        p.setBrush(QColor(200, 210, 230));
        p.drawRect(QRectF(4, 9, 8, 5));
    },
    // 7 align left
    [](QPainter &p) { textLines(p, {13, 9, 13, 7}, 0); },
    // 8 align centre
    [](QPainter &p) { textLines(p, {13, 8, 11, 6}, 1); },
    // 9 align right
    [](QPainter &p) { textLines(p, {13, 9, 13, 7}, 2); },
    // 10 justify
    [](QPainter &p) { textLines(p, {13, 13, 13, 13}, 0); },
    // 11 bold
    [](QPainter &p) { letter(p, u"B"_s, true, false, false); },
    // 12 italic
    [](QPainter &p) { letter(p, u"I"_s, false, true, false); },
    // 13 underline
    [](QPainter &p) { letter(p, u"U"_s, false, false, true); },
    // 14 strike
    [](QPainter &p) {
        letter(p, u"S"_s, false, false, false);
        p.setPen(pen(QColor(210, 30, 30), 1.5));
        p.drawLine(QPointF(2, 8.5), QPointF(14, 8.5));
    },
    // 15 find
    [](QPainter &p) {
        p.setPen(pen(QColor(120, 80, 30), 2.6));
        p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
        QRadialGradient g(QPointF(5.5, 5), 6);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(170, 215, 255));
        p.setPen(pen(kInk, 1.4));
        p.setBrush(g);
        p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    },
    // 16 colour
    [](QPainter &p) {
        QPainterPath palette;
        palette.addEllipse(QRectF(1, 2, 14, 12));
        QPainterPath hole;
        hole.addEllipse(QPointF(10.5, 10.5), 1.6, 1.6);
        p.setPen(pen(QColor(130, 90, 40), 1));
        p.setBrush(QColor(240, 210, 160));
        p.drawPath(palette.subtracted(hole));
        const QColor paints[] = {QColor(230, 30, 30), QColor(40, 160, 40), kBlue, QColor(255, 200, 0)};
        const QPointF at[] = {QPointF(4.5, 6.5), QPointF(8, 4.8), QPointF(11.6, 6), QPointF(4.6, 10.4)};
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 4; ++k) {
            p.setBrush(paints[k]);
            p.drawEllipse(at[k], 1.6, 1.6);
        }
    },
    // 17 picture
    [](QPainter &p) { picture(p, QRectF(1.5, 2.5, 13, 11)); },
    // 18 picture with a link
    [](QPainter &p) {
        picture(p, QRectF(1.5, 1.5, 11, 9.5));
        chain(p, QPointF(11, 12), 0.9);
    },
    // 19 font
    [](QPainter &p) {
        const QPainterPath a = textPath(u"A"_s, font(Face::Serif, 14, QFont::Bold), QPointF(6, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(a);
        const QPainterPath small = textPath(u"a"_s, font(Face::Sans, 9, QFont::Bold), QPointF(12.5, 11));
        p.setBrush(kBlue);
        p.drawPath(small);
    },
    // 20 quote
    [](QPainter &p) {
        p.setPen(pen(QColor(90, 100, 120), 1));
        p.setBrush(QColor(235, 242, 252));
        p.drawRoundedRect(QRectF(1, 2, 14, 10), 2.5, 2.5);
        const QPainterPath q = textPath(u"\u201C\u201D"_s, font(Face::Serif, 13, QFont::Bold), QPointF(8, 8.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPath(q);
    },
    // 21 text link
    [](QPainter &p) { chain(p, QPointF(8, 8), 1.25); },
    // 22 list
    [](QPainter &p) {
        for (int k = 0; k < 3; ++k) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(2.8, 3.5 + k * 4.5), 1.6, 1.6);
            p.setPen(pen(kInk, 1.6));
            p.drawLine(QPointF(6, 3.5 + k * 4.5), QPointF(14.5, 3.5 + k * 4.5));
        }
    },
    // 23 undo
    [](QPainter &p) {
        QPainterPath curve;
        curve.moveTo(4, 6);
        curve.lineTo(10, 6);
        curve.cubicTo(16, 6, 16, 14, 10, 14);
        curve.lineTo(6, 14);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(QColor(20, 120, 40), 2.4));
        p.drawPath(curve);
        QPainterPath head;
        head.moveTo(0.8, 6);
        head.lineTo(5.5, 1.8);
        head.lineTo(5.5, 10.2);
        head.closeSubpath();
        p.setPen(pen(QColor(20, 120, 40), 1));
        p.setBrush(QColor(40, 170, 60));
        p.drawPath(head);
    },
};

QSize toolSize(int number)
{
    if (number <= 6)
        return {16, 15};
    if (number <= 14)
        return {16, 16};
    return {24, 24};
}

} // namespace

void drawMark(QPainter &p, const QRectF &box)
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
    p.setPen(pen(kDeep, 1.6));
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
    p.setPen(pen(Qt::white, 3.2));
    p.drawPath(brackets);
    // The pen across the bubble.
    p.translate(22, 26);
    p.rotate(-50);
    QPainterPath nib;
    nib.moveTo(-20, 0);
    nib.lineTo(-12, -3.5);
    nib.lineTo(-12, 3.5);
    nib.closeSubpath();
    p.setPen(pen(QColor(90, 50, 0), 1));
    p.setBrush(QColor(255, 230, 150));
    p.drawPath(nib);
    p.setBrush(vertical(QRectF(0, -3.5, 1, 7), QColor(255, 225, 90), QColor(230, 140, 0)));
    p.drawRoundedRect(QRectF(-12, -3.5, 30, 7), 2, 2);
    p.setBrush(QColor(90, 50, 0));
    p.drawEllipse(QPointF(-18.2, 0), 1, 1);
    p.restore();
}

void drawIcons(Sink &sink)
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

    for (int n = 1; n <= 23; ++n) {
        const QSize size = toolSize(n);
        QImage image = canvas(size.width(), size.height());
        QPainter p;
        begin(p, image);
        p.scale(size.width() / 16.0, size.height() / 16.0);
        kTools[n - 1](p);
        p.end();
        sink.resourcePng(u"tool%1.png"_s.arg(n), image);
    }

    for (int s : {16, 24, 32, 48}) {
        QImage image = canvas(s, s);
        QPainter p;
        begin(p, image);
        drawMark(p, QRectF(0, 0, s, s));
        p.end();
        sink.resourcePng(u"icon%1.png"_s.arg(s), image);
    }

    {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        p.setPen(pen(QColor(140, 90, 30), 1));
        p.setBrush(vertical(QRectF(0, 1, 1, 14), QColor(230, 180, 100), QColor(170, 110, 40)));
        p.drawRect(QRectF(0.5, 1.5, 15, 13));
        picture(p, QRectF(3, 4, 10, 8));
        p.end();
        sink.resourcePng(u"picnote.png"_s, image);
    }
    {
        QImage image = canvas(10, 10);
        QPainter p;
        begin(p, image);
        p.setPen(pen(QColor(210, 20, 20), 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(5, 5), 3.6, 3.6);
        p.end();
        sink.resourcePng(u"picexit.png"_s, image);
    }
}

} // namespace art
