// The tag toolbar's image list (tool1..tool23): editing, alignment, text
// style, picture and link icons on a 16-unit grid scaled to each size.
#include "art/artkit.h"
#include "base/catalogue.h"

#include <QRadialGradient>

#include <iterator>

using namespace Qt::StringLiterals;

namespace art {
namespace {

const QColor kBlue(14, 119, 235);
const QColor kDeep(8, 62, 150);
const QColor kInk(40, 48, 64);

// Icons are drawn on a 16-unit grid and scaled to their size.
using ToolPainter = void (*)(QPainter&);

void page(QPainter& p, const QRectF& r)
{
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - 4, r.top());
    sheet.lineTo(r.right(), r.top() + 4);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(roundPen(QColor(90, 100, 120), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
}

void textLines(QPainter& p, const qreal (&widths)[4], int align)
{
    p.setPen(roundPen(kInk, 1.6));
    for (int k = 0; k < 4; ++k) {
        const qreal w = widths[k];
        const qreal x0 = align == 0 ? 1.5 : (align == 1 ? 8 - w / 2 : 14.5 - w);
        p.drawLine(QPointF(x0, 2.5 + k * 3.7), QPointF(x0 + w, 2.5 + k * 3.7));
    }
}

void letter(QPainter& p, const QString& l, bool bold, bool italic, bool underline)
{
    QFont f = font(Face::Serif, 15, bold ? QFont::Black : QFont::Bold, italic);
    const QPainterPath path = textPath(l, f, QPointF(8, underline ? 6.8 : 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(path);
    if (underline) {
        p.setPen(roundPen(kBlue, 1.6));
        p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
    }
}

void picture(QPainter& p, const QRectF& r)
{
    p.setPen(roundPen(QColor(90, 100, 120), 1));
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

void chain(QPainter& p, QPointF centre, qreal scale)
{
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.rotate(-45);
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 2; ++k) {
        const QRectF link(k == 0 ? -7.5 : -0.5, -2.6, 8, 5.2);
        p.setPen(roundPen(kDeep, 2.6));
        p.drawRoundedRect(link, 2.6, 2.6);
        p.setPen(roundPen(QColor(120, 190, 255), 1.1));
        p.drawRoundedRect(link, 2.6, 2.6);
    }
    p.restore();
}

const ToolPainter kTools[] = {
    // 1 cut
    [](QPainter& p) {
        p.setPen(roundPen(kInk, 1.3));
        p.drawLine(QPointF(5, 1), QPointF(10.5, 10));
        p.drawLine(QPointF(11, 1), QPointF(5.5, 10));
        p.setPen(roundPen(QColor(200, 30, 30), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
        p.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
    },
    // 2 copy
    [](QPainter& p) {
        page(p, QRectF(1.5, 1.5, 9, 11));
        page(p, QRectF(5.5, 4.5, 9, 11));
    },
    // 3 paste
    [](QPainter& p) {
        p.setPen(roundPen(QColor(110, 70, 20), 1));
        p.setBrush(QColor(210, 160, 90));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1.5, 1.5);
        p.setBrush(QColor(180, 180, 190));
        p.drawRect(QRectF(4, 1, 5, 3));
        page(p, QRectF(6.5, 5.5, 8, 9.5));
    },
    // 4 new
    [](QPainter& p) {
        page(p, QRectF(3, 1.5, 10, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 190, 0));
        p.drawPath(star(QPointF(12.5, 3.5), 3.5, 1.4, 5));
    },
    // 5 open
    [](QPainter& p) {
        p.setPen(roundPen(QColor(150, 100, 0), 1));
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
    [](QPainter& p) {
        p.setPen(roundPen(kDeep, 1));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(1.5, 1, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1, 8, 5));
        p.setBrush(QColor(200, 210, 230));
        p.drawRect(QRectF(4, 9, 8, 5));
    },
    // 7 align left
    [](QPainter& p) {
        textLines(p, {13, 9, 13, 7}, 0);
    },
    // 8 align centre
    [](QPainter& p) {
        textLines(p, {13, 8, 11, 6}, 1);
    },
    // 9 align right
    [](QPainter& p) {
        textLines(p, {13, 9, 13, 7}, 2);
    },
    // 10 justify
    [](QPainter& p) {
        textLines(p, {13, 13, 13, 13}, 0);
    },
    // 11 bold
    [](QPainter& p) { letter(p, u"B"_s, true, false, false); },
    // 12 italic
    [](QPainter& p) { letter(p, u"I"_s, false, true, false); },
    // 13 underline
    [](QPainter& p) { letter(p, u"U"_s, false, false, true); },
    // 14 strike
    [](QPainter& p) {
        letter(p, u"S"_s, false, false, false);
        p.setPen(roundPen(QColor(210, 30, 30), 1.5));
        p.drawLine(QPointF(2, 8.5), QPointF(14, 8.5));
    },
    // 15 find
    [](QPainter& p) {
        p.setPen(roundPen(QColor(120, 80, 30), 2.6));
        p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
        QRadialGradient g(QPointF(5.5, 5), 6);
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(170, 215, 255));
        p.setPen(roundPen(kInk, 1.4));
        p.setBrush(g);
        p.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    },
    // 16 colour
    [](QPainter& p) {
        QPainterPath palette;
        palette.addEllipse(QRectF(1, 2, 14, 12));
        QPainterPath hole;
        hole.addEllipse(QPointF(10.5, 10.5), 1.6, 1.6);
        p.setPen(roundPen(QColor(130, 90, 40), 1));
        p.setBrush(QColor(240, 210, 160));
        p.drawPath(palette.subtracted(hole));
        const QColor paints[] = {QColor(230, 30, 30), QColor(40, 160, 40), kBlue,
                                 QColor(255, 200, 0)};
        const QPointF at[] = {QPointF(4.5, 6.5), QPointF(8, 4.8), QPointF(11.6, 6),
                              QPointF(4.6, 10.4)};
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 4; ++k) {
            p.setBrush(paints[k]);
            p.drawEllipse(at[k], 1.6, 1.6);
        }
    },
    // 17 picture
    [](QPainter& p) { picture(p, QRectF(1.5, 2.5, 13, 11)); },
    // 18 picture with a link
    [](QPainter& p) {
        picture(p, QRectF(1.5, 1.5, 11, 9.5));
        chain(p, QPointF(11, 12), 0.9);
    },
    // 19 font
    [](QPainter& p) {
        const QPainterPath a = textPath(u"A"_s, font(Face::Serif, 14, QFont::Bold), QPointF(6, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(a);
        const QPainterPath small =
            textPath(u"a"_s, font(Face::Sans, 9, QFont::Bold), QPointF(12.5, 11));
        p.setBrush(kBlue);
        p.drawPath(small);
    },
    // 20 quote
    [](QPainter& p) {
        p.setPen(roundPen(QColor(90, 100, 120), 1));
        p.setBrush(QColor(235, 242, 252));
        p.drawRoundedRect(QRectF(1, 2, 14, 10), 2.5, 2.5);
        const QPainterPath q =
            textPath(u"\u201C\u201D"_s, font(Face::Serif, 13, QFont::Bold), QPointF(8, 8.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPath(q);
    },
    // 21 text link
    [](QPainter& p) { chain(p, QPointF(8, 8), 1.25); },
    // 22 list
    [](QPainter& p) {
        for (int k = 0; k < 3; ++k) {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(2.8, 3.5 + k * 4.5), 1.6, 1.6);
            p.setPen(roundPen(kInk, 1.6));
            p.drawLine(QPointF(6, 3.5 + k * 4.5), QPointF(14.5, 3.5 + k * 4.5));
        }
    },
    // 23 undo
    [](QPainter& p) {
        QPainterPath curve;
        curve.moveTo(4, 6);
        curve.lineTo(10, 6);
        curve.cubicTo(16, 6, 16, 14, 10, 14);
        curve.lineTo(6, 14);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(QColor(20, 120, 40), 2.4));
        p.drawPath(curve);
        QPainterPath head;
        head.moveTo(0.8, 6);
        head.lineTo(5.5, 1.8);
        head.lineTo(5.5, 10.2);
        head.closeSubpath();
        p.setPen(roundPen(QColor(20, 120, 40), 1));
        p.setBrush(QColor(40, 170, 60));
        p.drawPath(head);
    },
};
static_assert(std::size(kTools) == catalogue::kToolIcons,
              "one painter per toolbar picture: the table and TARNWELL_TOOL_ICONS disagree");

QSize toolSize(int number)
{
    if (number <= 6)
        return {16, 15};
    if (number <= 14)
        return {16, 16};
    return {24, 24};
}

} // namespace

void drawPicture(QPainter& p, const QRectF& r)
{
    picture(p, r);
}

QImage toolIcon(int number)
{
    const QSize size = toolSize(number);
    QImage image = canvas(size.width(), size.height());
    QPainter p;
    begin(p, image);
    p.scale(size.width() / 16.0, size.height() / 16.0);
    kTools[number - 1](p);
    p.end();
    return image;
}

} // namespace art
