// The small pictures of the download-links page (zqOptions/N.gif): a
// download arrow, chain links, a question mark and a star.
#include "art/artkit.h"
#include "art/buttonparts.h"
#include "base/catalogue.h"

#include <QRadialGradient>

using namespace Qt::StringLiterals;

namespace art {

// Drawn one by one below, each its own picture.
static_assert(catalogue::kOptionPictures == 4,
              "drawOptionIcons draws four pictures: it and TARNWELL_OPTION_PICTURES disagree");

void drawOptionIcons(Sink& sink)
{
    const button::Scheme blue{QColor(0x5c, 0xb0, 0xff), QColor(0x0e, 0x5c, 0xcc),
                              QColor(0x08, 0x36, 0x80), QColor(0xff, 0xd8, 0x4a)};
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
        const QPainterPath q =
            textPath(u"?"_s, font(Face::Sans, 18, QFont::Bold), QPointF(16.5, 12.5));
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
