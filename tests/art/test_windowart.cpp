// What the window artwork promises the windows that show it: plain areas
// under text, white text readable on the tabs, swatches in their colours.
#include "tests/art/test_art.h"

#include "base/backdrop.h"
#include "base/catalogue.h"

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <iterator>

using namespace Qt::StringLiterals;

namespace {

QImage art(const QString& name)
{
    return QImage(u":/art/"_s + name).convertToFormat(QImage::Format_ARGB32);
}

// The main window's backdrop, drawn as the window draws it.
QImage mainBackdrop()
{
    QImage image(backdrop::kMainWindowSize, QImage::Format_RGB32);
    QPainter p(&image);
    backdrop::paintMainWindow(p);
    p.end();
    return image;
}

// Relative luminance (sRGB), as used for text contrast ratios.
double luminance(QRgb c)
{
    const auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

int difference(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

} // namespace

void WindowArtTest::welcomeLeavesItsTextAreasPlain()
{
    const QImage image = art(u"welcome.png"_s);
    QCOMPARE(image.size(), QSize(326, 172));
    const QRgb ground = image.pixel(2, 2);
    // Loading text, the credit line, "Please wait.." and the lower band.
    const QRect plain[] = {QRect(0, 0, 125, 80), QRect(251, 0, 75, 25), QRect(0, 32, 100, 47),
                           QRect(0, 165, 326, 7)};
    for (const QRect& area : plain) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                QVERIFY2(difference(image.pixel(x, y), ground) <= 24,
                         qPrintable(u"busy pixel at %1,%2"_s.arg(x).arg(y)));
            }
        }
    }
    // And the picture is not empty: the lettering is red.
    int red = 0;
    for (int y = 25; y < 165; ++y) {
        for (int x = 125; x < 326; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 80 && c.blue() < 90)
                ++red;
        }
    }
    QVERIFY2(red > 1500, qPrintable(QString::number(red)));
}

void WindowArtTest::mainBackgroundIsWhiteWithABlueTabBand()
{
    const QImage image = mainBackdrop();
    double light = 0;
    int count = 0;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < 488; x += 3, ++count)
            light += QColor(image.pixel(x, y)).lightness();
    }
    QVERIFY2(light / count > 245, qPrintable(QString::number(light / count)));
    for (int y = 0; y < image.height(); y += 5) {
        for (int x = 496; x < image.width(); x += 5) {
            const QRgb c = image.pixel(x, y);
            QVERIFY2(qBlue(c) >= qRed(c) + 15,
                     qPrintable(u"band not blue at %1,%2"_s.arg(x).arg(y)));
        }
    }
}

void WindowArtTest::tabBarsKeepWhiteTextReadable()
{
    // White text is drawn over the middle of each bar: its contrast with the
    // bar (WCAG ratio) must stay usable.
    for (const QString& name : {u"tab_active.png"_s, u"tab_inactive.png"_s}) {
        const QImage image = art(name);
        double sum = 0;
        int count = 0;
        for (int y = image.height() * 3 / 10; y < image.height() * 7 / 10; ++y) {
            for (int x = image.width() / 10; x < image.width() * 9 / 10; ++x, ++count)
                sum += luminance(image.pixel(x, y));
        }
        const double ratio = 1.05 / (sum / count + 0.05);
        qInfo("%s: contrast with white %.2f", qPrintable(name), ratio);
        QVERIFY2(ratio >= 3.0, qPrintable(name + u": contrast %1"_s.arg(ratio)));
        // Opaque in the middle, clear in the rounded corners.
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
        QVERIFY(qAlpha(image.pixel(0, 0)) < 128);
    }
}

void WindowArtTest::swatchesShowTheirNamedColours()
{
    static const char* const names[] = {
        "black",      "white",     "gray",      "orangered", "crimson", "red",       "firebrick",
        "darkred",    "green",     "blue",      "darkblue",  "skyblue", "royalblue", "orange",
        "tomato",     "limegreen", "seagreen",  "deeppink",  "coral",   "indigo",    "purple",
        "sandybrown", "burlywood", "chocolate", "sienna",    "silver",  "teal"};
    static_assert(std::size(names) == catalogue::kSwatches);
    for (int i = 0; i < catalogue::kSwatches; ++i) {
        const QImage image = art(u"swatch%1.png"_s.arg(i));
        // Sample the splash a little below-right of its centre, past the
        // highlight, and find the nearest of the colours.
        const qreal b = std::min(image.width(), image.height()) * 0.3;
        const QPoint at(qRound(image.width() / 2.0 + 0.3 * b),
                        qRound(image.height() / 2.0 + 0.3 * b));
        const QRgb sample = image.pixel(at);
        int best = -1, bestDistance = INT32_MAX;
        for (int k = 0; k < catalogue::kSwatches; ++k) {
            const int d = difference(sample, QColor::fromString(QLatin1String(names[k])).rgb());
            if (d < bestDistance) {
                bestDistance = d;
                best = k;
            }
        }
        QVERIFY2(best == i,
                 qPrintable(u"swatch%1 looks like %2"_s.arg(i).arg(QLatin1String(names[best]))));
        // Painted on white: the corners are white.
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
    }
}

void WindowArtTest::animatedTabIconsChange()
{
    for (const QString& name : {u":/art/tab4.gif"_s, u":/art/tab5.gif"_s}) {
        QImageReader reader(name);
        const QImage first = reader.read();
        bool changes = false;
        for (int k = 1; k < reader.imageCount(); ++k)
            changes = changes || reader.read() != first;
        QVERIFY2(changes, qPrintable(name));
        QVERIFY(reader.nextImageDelay() > 0);
    }
}

void WindowArtTest::tabBandIsPlainUnderTheAdministrativeLabel()
{
    // The red label "خيارات إدارية" stands on the band at 520, 420 (89 x 21
    // pixels), near its foot. Around and below it the band is a smooth
    // gradient: no pixel stands out from its neighbours, as the lines of an
    // ornament would.
    const QImage image = mainBackdrop();
    const QRect area(500, 380, 138, 114);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            const QRgb around[4] = {image.pixel(x - 1, y), image.pixel(x + 1, y),
                                    image.pixel(x, y - 1),
                                    image.pixel(x, std::min(y + 1, image.height() - 1))};
            int r = 0, g = 0, b = 0;
            for (QRgb n : around) {
                r += qRed(n);
                g += qGreen(n);
                b += qBlue(n);
            }
            const int off =
                qAbs(qRed(c) - r / 4) + qAbs(qGreen(c) - g / 4) + qAbs(qBlue(c) - b / 4);
            QVERIFY2(off <= 6, qPrintable(u"the band has a mark at %1,%2"_s.arg(x).arg(y)));
        }
    }
}
