// The GIF writer on its own: quantisation quality and limits, transparency,
// animation timing and looping, file permissions; read back through Qt.
#include "tests/art/test_art.h"

#include "art/gifwriter.h"

#include <gif_lib.h>

#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QPainter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QImage readBack(const QString& path)
{
    QImageReader reader(path);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// A smooth two-axis gradient: thousands of colours.
QImage gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixel(
                x, y,
                qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 255 - (x + y) * 255 / (w + h - 2)));
    }
    return image;
}

} // namespace

void GifWriterTest::fewColoursRoundTripExactlyWithTransparency()
{
    QImage image(24, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(17, 34, 51),
                            qRgb(250, 250, 250)};
    for (int y = 2; y < 14; ++y) {
        for (int x = 3; x < 21; ++x)
            image.setPixel(x, y, colours[(x / 5 + y / 4) % 4]);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"few.gif"_s);
    QString error;
    QVERIFY2(gif::write(path, {{image, 0}}, {}, &error), qPrintable(error));
    const QImage back = readBack(path);
    QCOMPARE(back.size(), image.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb want = image.pixel(x, y), got = back.pixel(x, y);
            if (qAlpha(want) == 0)
                QCOMPARE(qAlpha(got), 0);
            else
                QCOMPARE(got, want);
        }
    }
}

void GifWriterTest::paletteBoundaryWithAndWithoutTransparency()
{
    // Exactly 256 colours fit a GIF palette; with a transparent pixel one
    // slot goes to transparency and the colours must be merged, closely.
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int i = 0; i < 256; ++i)
        image.setPixel(i % 16, i / 16, qRgb(i, (i * 7) % 256, 255 - i));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"full.gif"_s);
    QVERIFY(gif::write(path, {{image, 0}}));
    QCOMPARE(readBack(path), image);

    QImage holed = image;
    holed.setPixel(0, 0, qRgba(0, 0, 0, 0));
    holed.setPixel(1, 0, qRgb(5, 200, 9)); // keep 256 distinct opaque colours
    const gif::Quantized q = gif::quantize({holed});
    QCOMPARE(q.palette.size(), 256);
    QVERIFY(q.transparentIndex >= 0);
    QVERIFY(gif::write(path, {{holed, 0}}));
    const QImage back = readBack(path);
    QCOMPARE(qAlpha(back.pixel(0, 0)), 0);
    int inexact = 0;
    for (int i = 1; i < 256; ++i) {
        const QRgb want = holed.pixel(i % 16, i / 16), got = back.pixel(i % 16, i / 16);
        QCOMPARE(qAlpha(got), 255);
        const int e = qAbs(qRed(want) - qRed(got)) + qAbs(qGreen(want) - qGreen(got)) +
                      qAbs(qBlue(want) - qBlue(got));
        QVERIFY2(e < 40, qPrintable(QString::number(e)));
        inexact += e > 0;
    }
    QVERIFY(inexact <= 4); // one merge moves at most a few pixels
}

void GifWriterTest::partialAlphaIsBlendedOrDropped()
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(255, 0, 0, 200)); // kept, blended over the white matte
    image.setPixel(2, 0, qRgba(255, 0, 0, 60));  // too faint: transparent
    image.setPixel(3, 0, qRgba(0, 0, 0, 0));
    const gif::Quantized q = gif::quantize({image});
    QVERIFY(q.transparentIndex >= 0);
    const auto colourAt = [&q](int x) { return q.palette[uchar(q.indices[0][x])]; };
    QCOMPARE(colourAt(0), qRgb(255, 0, 0));
    const QRgb blended = colourAt(1);
    QCOMPARE(qRed(blended), 255);
    QVERIFY(qGreen(blended) > 40 && qGreen(blended) < 70); // 255 * 55 / 255
    QCOMPARE(uchar(q.indices[0][2]), uchar(q.transparentIndex));
    QCOMPARE(uchar(q.indices[0][3]), uchar(q.transparentIndex));

    gif::Options dark;
    dark.matte = qRgb(0, 0, 0);
    const gif::Quantized onBlack = gif::quantize({image}, dark);
    QVERIFY(qRed(onBlack.palette[uchar(onBlack.indices[0][1])]) < 215);
}

void GifWriterTest::manyColoursComeBackClose()
{
    const QImage image = gradient(96, 80);
    QSet<QRgb> distinct;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            distinct.insert(image.pixel(x, y));
    }
    QVERIFY(distinct.size() > 2000);

    for (bool dither : {false, true}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"many.gif"_s);
        gif::Options options;
        options.dither = dither;
        QVERIFY(gif::write(path, {{image, 0}}, options));
        const QImage back = readBack(path);
        QCOMPARE(back.size(), image.size());
        double total = 0;
        int worst = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb a = image.pixel(x, y), b = back.pixel(x, y);
                QCOMPARE(qAlpha(b), 255);
                const int e = qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                              qAbs(qBlue(a) - qBlue(b));
                total += e;
                worst = std::max(worst, e);
            }
        }
        const double mean = total / (image.width() * image.height());
        // Median cut on this gradient lands within a few levels per channel;
        // a broken quantiser (wrong channel order, clipped palette) does not.
        QVERIFY2(mean < (dither ? 18.0 : 12.0), qPrintable(QString::number(mean)));
        QVERIFY2(worst < (dither ? 90 : 60), qPrintable(QString::number(worst)));
    }
}

void GifWriterTest::paletteStaysWithinGifLimits()
{
    QImage image = gradient(64, 64);
    // A transparent hole forces one entry aside for transparency.
    for (int y = 20; y < 40; ++y) {
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    QImage inverted = image;
    inverted.invertPixels(QImage::InvertRgb); // same hole, other colours
    const gif::Quantized q = gif::quantize({image, inverted});
    QVERIFY(q.palette.size() <= 256);
    QVERIFY(q.palette.size() >= 200); // thousands of colours in: the palette is used
    QCOMPARE(q.indices.size(), 2);
    QVERIFY(q.transparentIndex >= 0 && q.transparentIndex < q.palette.size());
    QCOMPARE(qAlpha(q.palette[q.transparentIndex]), 0);
    for (const QByteArray& frame : q.indices) {
        QCOMPARE(frame.size(), 64 * 64);
        for (int k = 0; k < frame.size(); ++k) {
            const int index = uchar(frame[k]);
            QVERIFY(index < q.palette.size());
            const bool hole = (k % 64) >= 20 && (k % 64) < 40 && (k / 64) >= 20 && (k / 64) < 40;
            QCOMPARE(index == q.transparentIndex, hole);
        }
    }

    QImage flat(8, 8, QImage::Format_ARGB32);
    flat.fill(qRgb(10, 20, 30));
    const gif::Quantized one = gif::quantize({flat});
    QCOMPARE(one.transparentIndex, -1);
    QCOMPARE(one.palette, QList<QRgb>{qRgb(10, 20, 30)});
}

void GifWriterTest::framesShareOnePaletteSoStillPartsDoNotFlicker()
{
    // A gradient that stays put while a coloured square changes: with one
    // palette per frame the still part would shift colour between frames.
    QList<gif::Frame> frames;
    const QImage still = gradient(64, 48);
    for (int k = 0; k < 4; ++k) {
        QImage image = still;
        QPainter p(&image);
        p.fillRect(QRect(8 + k * 10, 8, 12, 12), QColor::fromHsv(k * 80, 255, 255));
        p.end();
        frames.append({image, 100});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"still.gif"_s);
    QVERIFY(gif::write(path, frames));
    QImageReader reader(path);
    const QImage first = reader.read().convertToFormat(QImage::Format_ARGB32);
    for (int k = 1; k < 4; ++k) {
        const QImage next = reader.read().convertToFormat(QImage::Format_ARGB32);
        for (int y = 24; y < 48; ++y) {
            for (int x = 0; x < 64; ++x)
                QCOMPARE(next.pixel(x, y), first.pixel(x, y));
        }
    }
}

void GifWriterTest::outputIsReproducible()
{
    QList<gif::Frame> frames;
    for (int k = 0; k < 3; ++k)
        frames.append({gradient(70 + k, 50).copy(0, 0, 70, 50), 80});
    gif::Options dithered;
    dithered.dither = true;
    QTemporaryDir dir;
    const QString a = dir.filePath(u"a.gif"_s), b = dir.filePath(u"b.gif"_s);
    QVERIFY(gif::write(a, frames, dithered));
    QVERIFY(gif::write(b, frames, dithered));
    QFile fa(a), fb(b);
    QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
    const QByteArray bytes = fa.readAll();
    QVERIFY(bytes.startsWith("GIF89a"));
    QCOMPARE(bytes, fb.readAll());
}

void GifWriterTest::animationKeepsFramesDelaysAndLoops()
{
    QList<gif::Frame> frames;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    const int delays[] = {100, 250, 40};
    for (int k = 0; k < 3; ++k) {
        QImage image(20, 12, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.fillRect(QRect(k * 5, 2, 8, 8), colours[k]);
        p.end();
        frames.append({image, delays[k]});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"anim.gif"_s);
    QVERIFY(gif::write(path, frames));

    QImageReader reader(path);
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.imageCount(), 3);
    QCOMPARE(reader.loopCount(), -1); // forever
    for (int k = 0; k < 3; ++k) {
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QCOMPARE(reader.nextImageDelay(), delays[k]);
        // Each frame shows its own square, and nothing of the previous one.
        QCOMPARE(image.pixelColor(k * 5 + 4, 6), colours[k]);
        if (k > 0)
            QCOMPARE(qAlpha(image.pixel((k - 1) * 5, 6)), 0);
    }

    QMovie movie(path);
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 3);

    gif::Options twice;
    twice.loopCount = 2;
    QVERIFY(gif::write(path, frames, twice));
    QCOMPARE(QImageReader(path).loopCount(), 2);
}

void GifWriterTest::filesAreWorldReadableWhateverTheUmask()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"private.gif"_s);
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const mode_t previous = ::umask(077);
    const bool ok = gif::write(path, {{image, 0}});
    ::umask(previous);
    QVERIFY(ok);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0644));
}

void GifWriterTest::unwritablePathReportsAnError()
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QString error;
    QVERIFY(!gif::write(u"/nonexistent-folder/x.gif"_s, {{image, 0}}, {}, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!gif::write(u"/tmp/x.gif"_s, {}, {}, &error));
}

namespace {

// The delay of every frame as stored in the file, in hundredths of a
// second, read with giflib itself rather than through Qt.
QList<int> storedDelays(const QString& path)
{
    QList<int> delays;
    int error = 0;
    GifFileType* file = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!file)
        return delays;
    if (DGifSlurp(file) == GIF_OK) {
        for (int i = 0; i < file->ImageCount; ++i) {
            GraphicsControlBlock gcb{};
            delays.append(DGifSavedExtensionToGCB(file, i, &gcb) == GIF_OK ? gcb.DelayTime : -1);
        }
    }
    DGifCloseFile(file, &error);
    return delays;
}

} // namespace

void GifWriterTest::frameDelaysRoundToTheNearestHundredth()
{
    // Milliseconds asked for, and the hundredths the file must hold: to the
    // nearest, halves up, never below two.
    const QList<QPair<int, int>> cases = {{35, 4}, {34, 3},     {25, 3},     {15, 2},
                                          {44, 4}, {45, 5},     {5, 2},      {0, 2},
                                          {20, 2}, {1000, 100}, {1994, 199}, {1995, 200}};
    QList<gif::Frame> frames;
    for (qsizetype k = 0; k < cases.size(); ++k) {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(QColor::fromHsv(int(k) * 25, 200, 230));
        frames.append({image, cases[k].first});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"delays.gif"_s);
    QVERIFY(gif::write(path, frames));
    const QList<int> delays = storedDelays(path);
    QCOMPARE(delays.size(), cases.size());
    for (qsizetype k = 0; k < cases.size(); ++k)
        QVERIFY2(delays[k] == cases[k].second,
                 qPrintable(u"%1 ms stored as %2 hundredths, not %3"_s.arg(cases[k].first)
                                .arg(delays[k])
                                .arg(cases[k].second)));
    // A still picture has no delay to speak of.
    QVERIFY(gif::write(path, {{frames.first().image, 500}}));
    QVERIFY(storedDelays(path).value(0, 0) <= 0);
}

void GifWriterTest::alphaThresholdKeepsPixelsAtTheThreshold()
{
    // "At least this opaque is kept": a pixel exactly at the threshold
    // stays, one level below it goes; straight and premultiplied alike.
    for (int threshold : {128, 200, 1, 255}) {
        for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
            QImage image(3, 1, format);
            const int alphas[3] = {threshold - 1, threshold, std::min(255, threshold + 1)};
            for (int x = 0; x < 3; ++x) {
                const QRgb colour = qRgba(200, 40, 10, alphas[x]);
                image.setPixel(x, 0,
                               format == QImage::Format_ARGB32 ? colour : qPremultiply(colour));
            }
            gif::Options options;
            options.alphaThreshold = threshold;
            const gif::Quantized q = gif::quantize({image}, options);
            const auto transparent = [&q](int x) {
                return uchar(q.indices[0][x]) == q.transparentIndex;
            };
            const QString at = u"threshold %1, format %2: "_s.arg(threshold).arg(int(format));
            QVERIFY2(!transparent(1), qPrintable(at + u"alpha at the threshold was dropped"_s));
            QVERIFY2(!transparent(2), qPrintable(at + u"alpha above the threshold was dropped"_s));
            QVERIFY2(transparent(0), qPrintable(at + u"alpha below the threshold was kept"_s));
        }
    }
}
