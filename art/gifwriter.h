// GIF output for the picture generator: colour quantisation of 32-bit frames
// to one shared palette, and encoding (still or animated) through giflib.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace gif {

struct Frame {
    QImage image;
    // Shown for this long before the next frame. GIF counts in hundredths
    // of a second: the delay is rounded to the nearest hundredth (halves
    // up), and to no less than two, since browsers show shorter delays as
    // a tenth of a second.
    int delayMs = 100;
};

struct Options {
    // Light error diffusion; helps smooth gradients in large stills.
    bool dither = false;
    // GIF has no partial transparency: a pixel at least this opaque is kept
    // and blended over `matte` (forum pages are white), the rest becomes
    // the transparent colour.
    int alphaThreshold = 128;
    QRgb matte = 0xffffffff;
    // NETSCAPE2.0 repetitions for animations; 0 loops forever.
    int loopCount = 0;
};

// All frames reduced to one palette of at most 256 entries. When any pixel is
// transparent, one entry (transparentIndex) is reserved for it.
struct Quantized {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;
    int transparentIndex = -1;
    QList<QByteArray> indices; // one per frame, width * height palette indices
};

// Frames must all have the size of the first one.
Quantized quantize(const QList<QImage>& frames, const Options& options = {});

// Writes a GIF with mode 0644. A single frame makes a still picture; several
// make an animation with the loop extension. Returns false and fills `error`
// on failure.
bool write(const QString& path, const QList<Frame>& frames, const Options& options = {},
           QString* error = nullptr);

} // namespace gif
