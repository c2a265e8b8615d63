// The borders as designs: wide and flat, seen whole (nothing reaches the
// picture's edges, both ends alike), and drawn from at least forty motifs,
// where a motif used twice comes back in another shape, not only in other
// colours.
#include "tests/art/test_art.h"

#include "tests/art/pictures.h"

#include <QMap>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A border's shape without its colours: where it is opaque, cropped to the
// ornament and brought to one size, so borders of different sizes compare.
QImage silhouette(const QImage& picture)
{
    const QRect box = pictures::opaqueBounds(picture);
    QImage mask(box.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x)
            mask.setPixel(x, y,
                          qAlpha(picture.pixel(box.x() + x, box.y() + y)) >= 128 ? 0xffffffff
                                                                                 : 0xff000000);
    }
    return mask.scaled(128, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

double shapeDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    }
    return sum / (255.0 * a.width() * a.height());
}

} // namespace

void BorderDesignTest::bordersAreSeenWholeWithBothEndsAlike()
{
    for (const QString& name : pictures::borders()) {
        const QList<QImage> frames = pictures::frames(pictures::path(name));
        QVERIFY2(!frames.isEmpty(), qPrintable(name));
        for (const QImage& frame : frames) {
            const QSize size = frame.size();
            // The gallery centres each border on its line and cuts anything
            // wider than 346 pixels at its right edge.
            QVERIFY2(size.width() >= 318 && size.width() <= 346 && size.height() >= 30 &&
                         size.height() <= 60,
                     qPrintable(name + u" is %1x%2"_s.arg(size.width()).arg(size.height())));
            // A stroke running into the picture's edge is cut there: every
            // ornament stops short of both edges...
            const QRect ink = pictures::opaqueBounds(frame);
            const int left = ink.left(), right = size.width() - 1 - ink.right();
            QVERIFY2(left >= 3 && right >= 3,
                     qPrintable(name + u" reaches an edge (%1, %2)"_s.arg(left).arg(right)));
            // ...and ends alike at both, so no end is left hanging.
            QVERIFY2(qAbs(left - right) <= 4,
                     qPrintable(name + u" ends unevenly (%1, %2)"_s.arg(left).arg(right)));
            QVERIFY2(ink.top() >= 0 && ink.height() >= size.height() / 4, qPrintable(name));
        }
    }
}

void BorderDesignTest::fortyMotifsOrMoreAndNoMereRecolours()
{
    // The generator names the motif and variant behind each border.
    QProcess generator;
    generator.start(QStringLiteral(TARNWELL_ART_EXE), {u"--list-borders"_s});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(generator.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 60);
    QMap<QString, QList<int>> byMotif;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u' ');
        QCOMPARE(fields.size(), 3);
        QCOMPARE(fields[0], u"b%1"_s.arg(i));
        byMotif[fields[1]].append(int(i));
    }
    QVERIFY2(byMotif.size() >= 40, qPrintable(u"%1 motifs"_s.arg(byMotif.size())));

    // A motif drawn twice must differ in shape: a border that only changes
    // colour reads as the same border.
    for (auto it = byMotif.cbegin(); it != byMotif.cend(); ++it) {
        QList<QImage> shapes;
        for (int i : it.value())
            shapes.append(silhouette(pictures::firstFrame(pictures::path(pictures::borders()[i]))));
        for (qsizetype a = 0; a < shapes.size(); ++a) {
            for (qsizetype b = a + 1; b < shapes.size(); ++b) {
                const double d = shapeDifference(shapes[a], shapes[b]);
                QVERIFY2(d >= 0.02,
                         qPrintable(u"%1: b%2 and b%3 differ only in colour (%4)"_s.arg(it.key())
                                        .arg(it.value()[a])
                                        .arg(it.value()[b])
                                        .arg(d)));
            }
        }
    }
}
