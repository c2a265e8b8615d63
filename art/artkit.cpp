// Shared drawing kit: fonts, colours, shapes, randomness and file output.
#include "art/artkit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {

// ---- fonts ---------------------------------------------------------------

namespace {

QStringList candidates(Face face)
{
    switch (face) {
    case Face::Naskh:
        return {u"Amiri"_s, u"Noto Naskh Arabic"_s, u"Noto Sans Arabic"_s, u"DejaVu Sans"_s};
    case Face::Kufi:
        return {u"Noto Kufi Arabic"_s, u"Noto Sans Arabic"_s, u"KacstTitle"_s, u"DejaVu Sans"_s};
    case Face::ArabicSans:
        return {u"Noto Sans Arabic"_s, u"Noto Naskh Arabic"_s, u"Amiri"_s, u"DejaVu Sans"_s};
    case Face::Decorative:
        return {u"KacstDecorative"_s, u"KacstTitle"_s, u"Amiri"_s, u"Noto Naskh Arabic"_s,
                u"DejaVu Sans"_s};
    case Face::Sans:
        return {u"Liberation Sans"_s, u"DejaVu Sans"_s, u"Noto Sans"_s};
    case Face::Serif:
        return {u"Liberation Serif"_s, u"DejaVu Serif"_s, u"Noto Serif"_s, u"Amiri"_s};
    }
    return {};
}

const QStringList& installedFamilies()
{
    static const QStringList families = QFontDatabase::families();
    return families;
}

} // namespace

QFont font(Face face, qreal pixelSize, int weight, bool italic)
{
    QStringList present;
    for (const QString& family : candidates(face)) {
        if (installedFamilies().contains(family, Qt::CaseInsensitive))
            present.append(family);
    }
    QFont f;
    if (!present.isEmpty()) {
        f.setFamily(present.first());
        f.setFamilies(present);
    }
    f.setPixelSize(std::max(4, qRound(pixelSize)));
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont fitted(QFont f, const QString& text, QSizeF box)
{
    while (f.pixelSize() > 6) {
        QPainterPath path;
        path.addText(0, 0, f, text);
        const QRectF r = path.boundingRect();
        if (r.width() <= box.width() && r.height() <= box.height())
            break;
        f.setPixelSize(f.pixelSize() - 1);
    }
    return f;
}

bool hasArabic(const QString& text)
{
    for (QChar c : text) {
        if (c.script() == QChar::Script_Arabic)
            return true;
    }
    return false;
}

QPainterPath textPath(const QString& text, const QFont& f, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF r = path.boundingRect();
    return path.translated(centre - r.center());
}

// ---- colours ---------------------------------------------------------------

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    const auto lerp = [t](qreal x, qreal y) { return x + (y - x) * t; };
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF())), float(lerp(a.greenF(), b.greenF())),
                            float(lerp(a.blueF(), b.blueF())), float(lerp(a.alphaF(), b.alphaF())));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QColor named(const char* name)
{
    return QColor::fromString(QLatin1String(name));
}

// ---- shapes ----------------------------------------------------------------

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal rotation)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = qDegreesToRadians(rotation + 180.0 * i / points);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(QPointF c, qreal s)
{
    // Two lobes and a point, in a unit box scaled by s.
    QPainterPath path;
    path.moveTo(c.x(), c.y() + 0.45 * s);
    path.cubicTo(c.x() - 0.1 * s, c.y() + 0.3 * s, c.x() - 0.5 * s, c.y() + 0.05 * s,
                 c.x() - 0.5 * s, c.y() - 0.17 * s);
    path.cubicTo(c.x() - 0.5 * s, c.y() - 0.45 * s, c.x() - 0.1 * s, c.y() - 0.5 * s, c.x(),
                 c.y() - 0.25 * s);
    path.cubicTo(c.x() + 0.1 * s, c.y() - 0.5 * s, c.x() + 0.5 * s, c.y() - 0.45 * s,
                 c.x() + 0.5 * s, c.y() - 0.17 * s);
    path.cubicTo(c.x() + 0.5 * s, c.y() + 0.05 * s, c.x() + 0.1 * s, c.y() + 0.3 * s, c.x(),
                 c.y() + 0.45 * s);
    path.closeSubpath();
    return path;
}

QPainterPath khatam(QPointF c, qreal r)
{
    QPainterPath a, b;
    QPolygonF sq1, sq2;
    for (int i = 0; i < 4; ++i) {
        const qreal t1 = qDegreesToRadians(90.0 * i), t2 = qDegreesToRadians(90.0 * i + 45);
        sq1 << QPointF(c.x() + r * qCos(t1), c.y() + r * qSin(t1));
        sq2 << QPointF(c.x() + r * qCos(t2), c.y() + r * qSin(t2));
    }
    a.addPolygon(sq1);
    a.closeSubpath();
    b.addPolygon(sq2);
    b.closeSubpath();
    return a.united(b);
}

QPainterPath roundedRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath downArrow(const QRectF& r)
{
    const qreal shaft = r.width() * 0.38;
    const qreal headTop = r.top() + r.height() * 0.48;
    QPainterPath path;
    path.moveTo(r.center().x() - shaft / 2, r.top());
    path.lineTo(r.center().x() + shaft / 2, r.top());
    path.lineTo(r.center().x() + shaft / 2, headTop);
    path.lineTo(r.right(), headTop);
    path.lineTo(r.center().x(), r.bottom());
    path.lineTo(r.left(), headTop);
    path.lineTo(r.center().x() - shaft / 2, headTop);
    path.closeSubpath();
    return path;
}

QPainterPath leaf(QPointF base, qreal length, qreal width, qreal angleDeg)
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(length * 0.3, -width, length * 0.75, -width * 0.8, length, 0);
    path.cubicTo(length * 0.75, width * 0.8, length * 0.3, width, 0, 0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(angleDeg);
    return t.map(path);
}

QPainterPath diamond(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() - ry);
    path.lineTo(c.x() + rx, c.y());
    path.lineTo(c.x(), c.y() + ry);
    path.lineTo(c.x() - rx, c.y());
    path.closeSubpath();
    return path;
}

QPainterPath smoothClosed(const QList<QPointF>& pts)
{
    QPainterPath path;
    const qsizetype n = pts.size();
    if (n < 3)
        return path;
    path.moveTo(pts[0]);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF &p0 = pts[(i + n - 1) % n], &p1 = pts[i], &p2 = pts[(i + 1) % n],
                      &p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPen roundPen(const QColor& c, qreal width)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void gloss(QPainter& p, const QPainterPath& shape, qreal strength)
{
    const QRectF r = shape.boundingRect();
    QPainterPath upper;
    upper.addRoundedRect(
        QRectF(r.left() - 2, r.top() - r.height() * 0.5, r.width() + 4, r.height()),
        r.height() * 0.5, r.height() * 0.5);
    QLinearGradient g(r.topLeft(), QPointF(r.left(), r.top() + r.height() * 0.5));
    g.setColorAt(0, QColor(255, 255, 255, int(190 * strength)));
    g.setColorAt(1, QColor(255, 255, 255, int(35 * strength)));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape.intersected(upper));
    p.restore();
}

void softShadow(QPainter& p, const QPainterPath& shape, QPointF offset, int alpha)
{
    p.save();
    const QPainterPath moved = shape.translated(offset);
    p.setBrush(Qt::NoBrush);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(0, 0, 0, alpha / (i + 1)), i * 1.6, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(moved);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha));
    p.drawPath(moved);
    p.restore();
}

namespace {
int scale = 1;
} // namespace

int drawingScale()
{
    return scale;
}

void setDrawingScale(int s)
{
    scale = s;
}

QImage canvas(int w, int h, const QColor& fill)
{
    // The painter takes the pixel ratio as its scale: the drawing code
    // keeps its units.
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

void begin(QPainter& p, QImage& image)
{
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// ---- seeded randomness -----------------------------------------------------

uint32_t Random::next()
{
    // splitmix64
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return uint32_t((z ^ (z >> 31)) >> 32);
}

qreal Random::real(qreal lo, qreal hi)
{
    return lo + (hi - lo) * (next() / 4294967296.0);
}

int Random::range(int lo, int hi)
{
    return lo + int(next() % uint32_t(hi - lo + 1));
}

// ---- output ----------------------------------------------------------------

namespace {

constexpr auto kFilePermissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                  QFile::ReadOther | QFile::ReadUser | QFile::WriteUser;
constexpr auto kDirPermissions =
    kFilePermissions | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther;

} // namespace

Sink::Sink(QString deliveredDir, QString resourceDir)
    : delivered_(std::move(deliveredDir)), resources_(std::move(resourceDir))
{
}

QString Sink::prepare(const QString& dir, const QString& name)
{
    QString relative = name;
    if (const qsizetype dot = relative.lastIndexOf(u'.'); dot > relative.lastIndexOf(u'/'))
        relative.insert(dot, suffix_);
    const QString path = QDir(dir).filePath(relative);
    QDir base(dir);
    if (!base.exists()) {
        base.mkpath(u"."_s);
        QFile::setPermissions(dir, kDirPermissions);
    }
    // Create each missing folder below the base with ordinary permissions.
    const QStringList parts = relative.split(u'/');
    QString current = dir;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        current = QDir(current).filePath(parts[i]);
        if (!QFileInfo::exists(current)) {
            QDir().mkdir(current);
            QFile::setPermissions(current, kDirPermissions);
        }
    }
    return path;
}

void Sink::finish(const QString& path, bool ok, const QString& error)
{
    if (ok && QFile::setPermissions(path, kFilePermissions)) {
        ++written_;
        return;
    }
    errors_.append(error.isEmpty() ? u"cannot write "_s + path : error);
}

void Sink::deliverGif(const QString& relative, const QList<gif::Frame>& frames,
                      const gif::Options& options)
{
    const QString path = prepare(delivered_, relative);
    QString error;
    const bool ok = gif::write(path, frames, options, &error);
    finish(path, ok, error);
}

void Sink::deliverGif(const QString& relative, const QImage& still, const gif::Options& options)
{
    deliverGif(relative, QList<gif::Frame>{{still, 0}}, options);
}

void Sink::deliverText(const QString& relative, const QByteArray& bytes)
{
    const QString path = prepare(delivered_, relative);
    QFile file(path);
    const bool ok =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    file.close();
    finish(path, ok, {});
}

void Sink::resourcePng(const QString& name, const QImage& image)
{
    writePng(resources_, name, image);
}

namespace {
bool opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}
} // namespace

void Sink::writePng(const QString& root, const QString& relative, const QImage& image)
{
    const QString path = prepare(root, relative);
    // A picture without a see-through pixel is stored without an alpha
    // channel: the program decodes and draws it more cheaply.
    const QImage stored = opaque(image) ? image.convertToFormat(QImage::Format_RGB32) : image;
    finish(path, stored.save(path, "PNG"), {});
}

void Sink::resourceGif(const QString& name, const QList<gif::Frame>& frames,
                       const gif::Options& options)
{
    const QString path = prepare(resources_, name);
    QString error;
    const bool ok = gif::write(path, frames, options, &error);
    finish(path, ok, error);
}

} // namespace art
