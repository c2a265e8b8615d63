// The drawn backdrops; see backdrop.h.
#include "base/backdrop.h"

#include <QLinearGradient>
#include <QPainter>

namespace backdrop {

void paintMainWindow(QPainter& p)
{
    const QColor panel(239, 243, 250);
    const QColor frameBlue(142, 196, 244);
    const int w = kMainWindowSize.width();
    const int h = kMainWindowSize.height();
    const int bandX = kMainWindowBandLeft;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, w, h), Qt::white);
    // Barely-there tint at the top of the working area.
    QLinearGradient top(0, 0, 0, 120);
    top.setColorAt(0, panel);
    top.setColorAt(1, Qt::white);
    p.fillRect(QRect(0, 0, bandX, 120), top);

    // Band behind the vertical tab strip.
    const QRectF band(bandX, 0, w - bandX, h);
    QLinearGradient across(band.left(), 0, band.right(), 0);
    across.setColorAt(0, QColor(214, 232, 251));
    across.setColorAt(1, QColor(160, 204, 246));
    p.fillRect(band, across);
    QLinearGradient down(0, 0, 0, h);
    down.setColorAt(0, QColor(255, 255, 255, 90));
    down.setColorAt(0.5, QColor(255, 255, 255, 0));
    down.setColorAt(1, QColor(14, 119, 235, 50));
    p.fillRect(band, down);
    // Nothing else on the band: the administrative label stands on it near
    // the foot, and any ornament there reads as a stray outline under it.
    // Edge of the band: a soft shadow on the white side and a light line.
    QLinearGradient shade(bandX - 6, 0, bandX, 0);
    shade.setColorAt(0, QColor(142, 196, 244, 0));
    shade.setColorAt(1, QColor(142, 196, 244, 110));
    p.fillRect(QRectF(bandX - 6, 0, 6, h), shade);
    p.setPen(QPen(frameBlue, 1));
    p.drawLine(QPointF(bandX + 0.5, 0), QPointF(bandX + 0.5, h));
    p.setPen(QPen(QColor(255, 255, 255, 180), 1));
    p.drawLine(QPointF(bandX + 1.5, 0), QPointF(bandX + 1.5, h));
    p.restore();
}

} // namespace backdrop
