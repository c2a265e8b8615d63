// tarnwell-art-sheet: lays the delivered pictures out on contact sheets
// (PNG) for looking at them by eye: every link button at full size and
// squeezed into its gallery cell, the borders on a white page, the smilies
// at full size and in their picker cells, each sheet also magnified.
// Not part of the build; `cmake --build <dir> --target tarnwell-art-sheet`.
#include "base/catalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Cell {
    QSize size; // the size the gallery stretches each picture to; invalid: natural size
    int columns;
    int gap;
};

QImage frame(const QString& path, int index)
{
    QImageReader reader(path);
    QImage image;
    for (int k = 0; k <= index; ++k) {
        const QImage next = reader.read();
        if (next.isNull())
            break;
        image = next;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int frameCount(const QString& path)
{
    return std::max(1, QImageReader(path).imageCount());
}

QImage sheet(const QStringList& paths, const Cell& cell, const QColor& ground, bool allFrames)
{
    QList<QImage> pictures;
    for (const QString& path : paths) {
        const int frames = allFrames ? frameCount(path) : 1;
        QImage strip;
        for (int k = 0; k < frames; ++k) {
            QImage image = frame(path, k);
            if (cell.size.isValid()) {
                // Stretched the way the galleries draw it: smooth painting
                // into the cell on the page's ground.
                QImage cellImage(cell.size, QImage::Format_ARGB32_Premultiplied);
                cellImage.fill(ground);
                QPainter cp(&cellImage);
                cp.setRenderHint(QPainter::SmoothPixmapTransform);
                cp.drawImage(cellImage.rect(), image);
                cp.end();
                image = cellImage;
            }
            if (strip.isNull()) {
                strip = QImage(image.width() * frames + (frames - 1) * 2, image.height(),
                               QImage::Format_ARGB32_Premultiplied);
                strip.fill(Qt::transparent);
            }
            QPainter p(&strip);
            p.drawImage(k * (image.width() + 2), 0, image);
        }
        pictures.append(strip);
    }
    int cellW = 0, cellH = 0;
    for (const QImage& image : pictures) {
        cellW = std::max(cellW, image.width());
        cellH = std::max(cellH, image.height());
    }
    const int columns = cell.columns;
    const int rows = int((pictures.size() + columns - 1) / columns);
    QImage out((cellW + cell.gap) * columns + cell.gap, (cellH + cell.gap) * rows + cell.gap,
               QImage::Format_ARGB32_Premultiplied);
    out.fill(ground);
    QPainter p(&out);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const int x = cell.gap + int(i % columns) * (cellW + cell.gap);
        const int y = cell.gap + int(i / columns) * (cellH + cell.gap);
        p.drawImage(x, y, pictures[i]);
    }
    return out;
}

void save(const QImage& image, const QString& path, int magnify)
{
    image.save(path);
    if (magnify > 1) {
        QString big = path;
        big.replace(u".png"_s, u"-x%1.png"_s.arg(magnify));
        image.scaled(image.size() * magnify, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .save(big);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tarnwell-art-sheet DELIVERED-DIR OUT-DIR\n");
        return 2;
    }
    const QDir in(args[1]);
    QDir().mkpath(args[2]);
    const QDir out(args[2]);

    QStringList buttons, borders, smilies;
    for (int i = 0; i < catalogue::kLinkButtons; ++i)
        buttons.append(in.filePath(u"zqLink/Link%1.gif"_s.arg(i)));
    for (int i = 0; i < catalogue::kBorders; ++i)
        borders.append(in.filePath(u"Border/b%1.gif"_s.arg(i)));
    for (const char16_t* set : catalogue::kSmileySets) {
        for (int i = 1; i <= catalogue::kSmiliesPerSet; ++i)
            smilies.append(in.filePath(
                u"pics/%1/%2.gif"_s.arg(QString::fromUtf16(set)).arg(i, 3, 10, QLatin1Char('0'))));
    }
    const QColor white(Qt::white), panel(239, 243, 250);
    // In parts small enough to look at on one screen.
    const auto parts = [&](const QStringList& paths, qsizetype per, const QString& name,
                           const Cell& cell, const QColor& ground, bool allFrames, int magnify) {
        for (qsizetype from = 0, k = 0; from < paths.size(); from += per, ++k) {
            save(sheet(paths.mid(from, per), cell, ground, allFrames),
                 out.filePath(u"%1-%2.png"_s.arg(name).arg(k + 1)), magnify);
        }
    };
    parts(buttons, 24, u"buttons"_s, {QSize(), 8, 6}, white, false, 2);
    parts(buttons, 48, u"buttons-cell"_s, {QSize(48, 47), 6, 27}, white, false, 2);
    parts(buttons, 24, u"buttons-frames"_s, {QSize(), 3, 6}, white, true, 1);
    parts(borders, 12, u"borders"_s, {QSize(), 1, 10}, white, false, 2);
    parts(borders, 10, u"borders-frames"_s, {QSize(), 1, 6}, white, true, 1);
    parts(smilies, smilies.size(), u"smilies"_s, {QSize(), 12, 6}, white, false, 3);
    parts(smilies, smilies.size(), u"smilies-cell"_s, {QSize(37, 31), 10, 3}, panel, false, 2);
    parts(smilies, catalogue::kSmiliesPerSet, u"smilies-frames"_s, {QSize(), 3, 4}, white, true, 2);
    std::printf("sheets written to %s\n", qPrintable(out.absolutePath()));
    return 0;
}
