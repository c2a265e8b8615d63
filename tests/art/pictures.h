// Helpers the picture tests share: where the built pictures are, their
// frames, and how the program's galleries show them.
#pragma once

#include <QDir>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace pictures {

// The build's delivery folder (TARNWELL_BIN_DIR).
QDir binDir();
QString path(const QString& relative);

// Every frame of a GIF, as ARGB32 (premultiplied for painting).
QList<QImage> frames(const QString& file);
QImage firstFrame(const QString& file);

// A picture as a gallery shows it: stretched smoothly into a cell of
// `size` on the page's plain ground.
QImage inCell(const QImage& picture, QSize size, QRgb ground = 0xffffffff);

// The smallest rectangle holding every pixel at least half opaque (what a
// GIF keeps); empty for a blank picture.
QRect opaqueBounds(const QImage& picture);

// WCAG contrast ratio between two colours (1 to 21).
double contrast(QRgb a, QRgb b);
// Mean absolute difference per colour channel (0 to 255) between two
// pictures of one size.
double meanDifference(const QImage& a, const QImage& b);

QStringList linkButtons();
QStringList borders();
QStringList smilies();

} // namespace pictures
