// The link buttons and smilies as their galleries show them: squeezed into
// fixed cells (48 x 47 for a button, 37 x 31 for a smiley), where a button
// must keep its shape and its wording must still read, and where every
// smiley fills its cell and looks like no other.
#include "tests/art/test_art.h"

#include "tests/art/pictures.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QSize kButtonCell(48, 47);
const QSize kSmileyCell(37, 31);
// The download dialog previews a button unscaled in this box.
const QSize kPreview(117, 81);

// Pixels of light lettering against a dark rim in a thumbnail: light
// pixels with a neighbour at least 4.5 times darker (WCAG's contrast for
// normal text). Lettering too small for its cell blurs into mid tones and
// leaves few of them.
struct Lettering {
    int pixels = 0;
    int rows = 0; // height of the band they occupy
};

Lettering lettering(const QImage& thumb)
{
    Lettering l;
    int top = thumb.height(), bottom = -1;
    for (int y = 1; y + 1 < thumb.height(); ++y) {
        for (int x = 1; x + 1 < thumb.width(); ++x) {
            const QRgb c = thumb.pixel(x, y);
            if (std::min({qRed(c), qGreen(c), qBlue(c)}) < 215)
                continue;
            double best = 1;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx)
                    best = std::max(best, pictures::contrast(c, thumb.pixel(x + dx, y + dy)));
            }
            if (best >= 4.5) {
                ++l.pixels;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    l.rows = bottom - top + 1;
    return l;
}

} // namespace

void GalleryCellsTest::linkButtonsKeepTheirShapeInTheirCell()
{
    for (const QString& name : pictures::linkButtons()) {
        const QList<QImage> frames = pictures::frames(pictures::path(name));
        QVERIFY2(!frames.isEmpty(), qPrintable(name));
        const QSize size = frames.first().size();
        // Not squashed in the nearly square cell...
        QVERIFY2(size.width() <= 1.25 * size.height() && size.height() <= 1.25 * size.width(),
                 qPrintable(name + u" is %1x%2"_s.arg(size.width()).arg(size.height())));
        // ...and whole and sharp in the preview, which never enlarges.
        QVERIFY2(size.width() <= kPreview.width() && size.height() <= kPreview.height(),
                 qPrintable(name));
        QVERIFY2(size.height() >= kButtonCell.height(),
                 qPrintable(name + u" is smaller than its cell"_s));
        for (const QImage& frame : frames)
            QCOMPARE(frame.size(), size);
    }
}

void GalleryCellsTest::linkButtonWordingReadsInItsCell()
{
    int fewest = INT_MAX;
    QString worst;
    for (const QString& name : pictures::linkButtons()) {
        const Lettering l =
            lettering(pictures::inCell(pictures::firstFrame(pictures::path(name)), kButtonCell));
        QVERIFY2(
            l.pixels >= 60,
            qPrintable(name + u": %1 pixels of readable lettering in its cell"_s.arg(l.pixels)));
        // Words, not a sliver: the lettering stands at least a fifth of the cell tall.
        QVERIFY2(l.rows >= kButtonCell.height() / 5,
                 qPrintable(name + u": lettering %1 rows tall"_s.arg(l.rows)));
        if (l.pixels < fewest) {
            fewest = l.pixels;
            worst = name;
        }
    }
    qInfo("least lettering: %s, %d pixels", qPrintable(worst), fewest);
}

void GalleryCellsTest::smiliesFillTheirCells()
{
    for (const QString& name : pictures::smilies()) {
        const QImage first = pictures::firstFrame(pictures::path(name));
        // The cell's proportions, so the picker does not distort the face...
        const double aspect = double(first.width()) / first.height();
        QVERIFY2(qAbs(aspect - double(kSmileyCell.width()) / kSmileyCell.height()) < 0.05,
                 qPrintable(name));
        // ...and the face reaches across most of it.
        const QRect face = pictures::opaqueBounds(first);
        QVERIFY2(face.height() >= first.height() * 0.85 && face.width() >= first.width() * 0.7,
                 qPrintable(name + u": face %1x%2 in %3x%4"_s.arg(face.width())
                                       .arg(face.height())
                                       .arg(first.width())
                                       .arg(first.height())));
    }
}

void GalleryCellsTest::noTwoSmiliesNearlyCoincide()
{
    const QStringList names = pictures::smilies();
    QList<QImage> cells;
    for (const QString& name : names)
        cells.append(pictures::inCell(pictures::firstFrame(pictures::path(name)), kSmileyCell));
    // Two faces whose cells differ by less than this on average (0-255 a
    // channel) read as one face in the picker, whatever the small detail
    // that tells them apart at full size.
    constexpr double kApart = 3.0;
    double closest = 255;
    QString pair;
    for (qsizetype a = 0; a < cells.size(); ++a) {
        for (qsizetype b = a + 1; b < cells.size(); ++b) {
            const double d = pictures::meanDifference(cells[a], cells[b]);
            if (d < closest) {
                closest = d;
                pair = names[a] + u" and "_s + names[b];
            }
        }
    }
    qInfo("closest smilies: %s, %.2f apart", qPrintable(pair), closest);
    QVERIFY2(closest >= kApart, qPrintable(pair + u" differ by only %1"_s.arg(closest)));
}
