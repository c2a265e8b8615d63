// Helpers the picture tests share.
#include "tests/art/pictures.h"

#include "base/catalogue.h"

#include <QImageReader>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace pictures {

QDir binDir()
{
    return QDir(qEnvironmentVariable("TARNWELL_BIN_DIR"));
}

QString path(const QString& relative)
{
    return binDir().filePath(relative);
}

QList<QImage> frames(const QString& file)
{
    QImageReader reader(file);
    QList<QImage> out;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        out.append(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return out;
}

QImage firstFrame(const QString& file)
{
    return QImageReader(file).read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage inCell(const QImage& picture, QSize size, QRgb ground)
{
    // The galleries paint each picture into its cell with smooth scaling.
    QImage cell(size, QImage::Format_ARGB32_Premultiplied);
    cell.fill(ground);
    QPainter p(&cell);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(cell.rect(), picture);
    p.end();
    return cell.convertToFormat(QImage::Format_RGB32);
}

QRect opaqueBounds(const QImage& picture)
{
    QRect box;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) >= 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto lin = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

namespace {

QStringList numbered(const QString& pattern, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names.append(pattern.arg(i));
    return names;
}

} // namespace

QStringList linkButtons()
{
    return numbered(u"zqLink/Link%1.gif"_s, 0, catalogue::kLinkButtons - 1);
}

QStringList borders()
{
    return numbered(u"Border/b%1.gif"_s, 0, catalogue::kBorders - 1);
}

QStringList smilies()
{
    QStringList names;
    for (const char16_t* set : catalogue::kSmileySets) {
        for (int i = 1; i <= catalogue::kSmiliesPerSet; ++i)
            names.append(
                u"pics/%1/%2.gif"_s.arg(QString::fromUtf16(set)).arg(i, 3, 10, QLatin1Char('0')));
    }
    return names;
}

} // namespace pictures
