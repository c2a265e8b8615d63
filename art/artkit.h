// Shared drawing kit of the picture generator: fonts with fallbacks, colour
// mixing, ornament shapes, a seeded random source, and the file sink.
#pragma once

#include "art/gifwriter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace art {

// ---- fonts ---------------------------------------------------------------

enum class Face {
    Naskh,      // flowing Arabic (Amiri, Noto Naskh Arabic)
    Kufi,       // bold geometric Arabic for buttons (Noto Kufi Arabic)
    ArabicSans, // plain Arabic for small text (Noto Sans Arabic)
    Decorative, // ornamental Arabic (KacstDecorative, KacstTitle)
    Sans,       // Latin sans (Liberation Sans, DejaVu Sans)
    Serif,      // Latin serif (Liberation Serif, DejaVu Serif)
};

// A font of the face at a pixel size, drawing from the face's families in
// turn (a glyph one lacks comes from the next). The generator loads them
// from their files (facefiles.h) and sees no other font.
QFont font(Face face, qreal pixelSize, int weight = QFont::Normal, bool italic = false);
// Largest size (down from `font`'s) at which `text` fits in `box`.
QFont fitted(QFont font, const QString& text, QSizeF box);
bool hasArabic(const QString& text);

// Text as a path centred on `centre` (for outlines, gradients and shadows).
QPainterPath textPath(const QString& text, const QFont& font, QPointF centre);

// ---- colours ---------------------------------------------------------------

QColor mix(const QColor& a, const QColor& b, qreal t);
QColor withAlpha(QColor c, int alpha);
QColor named(const char* name);

// ---- shapes ----------------------------------------------------------------

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal rotation = -90);
QPainterPath heart(QPointF centre, qreal size);
// Eight-pointed star of two overlapping squares (khatam).
QPainterPath khatam(QPointF centre, qreal radius);
QPainterPath roundedRect(const QRectF& r, qreal radius);
QPainterPath downArrow(const QRectF& r);
QPainterPath leaf(QPointF base, qreal length, qreal width, qreal angleDeg);
QPainterPath diamond(QPointF centre, qreal rx, qreal ry);
// Smooth closed curve through the points (Catmull-Rom as cubic Béziers).
QPainterPath smoothClosed(const QList<QPointF>& points);

// Pen with round caps and joins, for line drawings.
QPen roundPen(const QColor& c, qreal width);
// Top-to-bottom gradient over `r`.
QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom);

// Glossy highlight over the upper part of `shape`.
void gloss(QPainter& p, const QPainterPath& shape, qreal strength = 1.0);
// Soft drop shadow of `shape`, drawn with a few expanding translucent copies.
void softShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int alpha = 60);

// A transparent (or filled) ARGB canvas ready for antialiased painting,
// w x h in drawing units: drawingScale() pixels to the unit, so that one
// drawing gives the picture and its sharper copy for 2x screens.
QImage canvas(int w, int h, const QColor& fill = Qt::transparent);
int drawingScale();
void setDrawingScale(int scale);
void begin(QPainter& p, QImage& image);

// ---- seeded randomness -----------------------------------------------------

// Small deterministic generator: the same seed draws the same pictures on
// every machine and library version.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint32_t next();
    qreal real(qreal lo = 0, qreal hi = 1);
    int range(int lo, int hi); // inclusive
private:
    uint64_t state_;
};

// ---- output ----------------------------------------------------------------

// Writes generated files: delivered pictures beside the program and window
// artwork into the resource folder. Files are 0644, folders 0755.
class Sink {
public:
    Sink(QString deliveredDir, QString resourceDir);

    // Inserted before the extension of every name from now on: "@2x" while
    // the sharper copies are drawn, as Qt names them.
    void setSuffix(const QString& suffix) { suffix_ = suffix; }

    void deliverGif(const QString& relative, const QList<gif::Frame>& frames,
                    const gif::Options& options = {});
    void deliverGif(const QString& relative, const QImage& still, const gif::Options& options = {});
    void deliverText(const QString& relative, const QByteArray& bytes);
    void resourcePng(const QString& name, const QImage& image);
    // A PNG under any other folder (the icon theme of an installation).
    void writePng(const QString& root, const QString& relative, const QImage& image);
    void resourceGif(const QString& name, const QList<gif::Frame>& frames,
                     const gif::Options& options = {});

    int written() const { return written_; }
    const QStringList& errors() const { return errors_; }

private:
    QString prepare(const QString& dir, const QString& relative);
    void finish(const QString& path, bool ok, const QString& error);

    QString delivered_;
    QString resources_;
    QString suffix_;
    QStringList errors_;
    int written_ = 0;
};

// ---- pieces shared between subjects ---------------------------------------

// The program's mark: a speech bubble with a tag bracket and a pen.
void drawMark(QPainter& p, const QRectF& box);
// Name, tagline and version on a light or blue ground.
QImage titleArt(QSize size, bool blueGround);
// A landscape photo (sky, sun, hills) filling `r`.
void drawPicture(QPainter& p, const QRectF& r);
// Toolbar icon number 1..23 at its size.
QImage toolIcon(int number);
// A smiling face, blinking when animated.
QList<gif::Frame> smileyFrames(int px, bool animated);

// ---- the subjects ----------------------------------------------------------

void drawLinkButtons(Sink& sink);
void drawOptionIcons(Sink& sink);
void drawBorders(Sink& sink);
// One line per border: "b<N> <motif> <variant>".
QStringList borderCatalogue();
void drawSmilies(Sink& sink);
void drawLogo(Sink& sink);
void drawWindowArt(Sink& sink);
void drawIcons(Sink& sink);
// The program's icon at the sizes of a hicolor icon theme, as
// <root>/<N>x<N>/apps/tarnwell.png.
void drawThemeIcons(Sink& sink, const QString& root);
// The program's icon, as the window and the icon theme show it.
QImage programIcon(int size);
} // namespace art
