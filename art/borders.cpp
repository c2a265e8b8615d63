// Ornamental borders and separators (Border/bN.gif): twelve motifs in five
// colour sets, wide and flat, some animated (twinkle, shine, colour pulse).
#include "artkit.h"

#include "sites.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace art {
namespace {

constexpr int kBorderCount = 60;

struct Tones {
    QColor main, light, dark, accent;
};

Tones tones(int i, qreal pulse = 0)
{
    static const Tones sets[] = {
        {QColor(0x1e, 0x6f, 0xd9), QColor(0x8e, 0xc4, 0xf4), QColor(0x0b, 0x3a, 0x85), QColor(0xe8, 0xb0, 0x20)},
        {QColor(0xd6, 0x2a, 0x4e), QColor(0xff, 0xa8, 0xb8), QColor(0x82, 0x10, 0x28), QColor(0x3c, 0x9a, 0x3c)},
        {QColor(0x1c, 0x96, 0x5a), QColor(0x9a, 0xe0, 0xb0), QColor(0x0c, 0x55, 0x30), QColor(0xd8, 0xa8, 0x28)},
        {QColor(0x8a, 0x3c, 0xc8), QColor(0xd8, 0xb0, 0xf4), QColor(0x4a, 0x18, 0x78), QColor(0xf0, 0x5a, 0xa8)},
        {QColor(0xc8, 0x6a, 0x1a), QColor(0xf6, 0xc8, 0x8a), QColor(0x70, 0x34, 0x08), QColor(0x18, 0x8a, 0x8a)},
    };
    Tones t = sets[i % 5];
    if (pulse != 0) {
        t.main = mix(t.main, t.light, pulse);
        t.dark = mix(t.dark, t.main, pulse * 0.6);
        t.accent = mix(t.accent, QColor(255, 255, 255), pulse * 0.35);
    }
    return t;
}

enum class Motif { Vine, Arabesque, Beads, Hearts, Stars, Waves, Khatam, Bar, Diamonds, Word, Scrolls, Zigzag };
enum class Motion { None, Twinkle, Shine, Pulse };

struct Design {
    int index;   // border number
    int toneSet; // colour set
    Motif motif;
    Tones colours;
    QSize size;
    Motion motion;
};

// Horizontal line tapering to nothing at both ends.
QPainterPath taperedLine(qreal x0, qreal x1, qreal y, qreal thickness)
{
    QPainterPath p;
    const qreal mid = (x0 + x1) / 2;
    p.moveTo(x0, y);
    p.quadTo(mid, y - thickness, x1, y);
    p.quadTo(mid, y + thickness, x0, y);
    p.closeSubpath();
    return p;
}

void flower(QPainter &p, QPointF c, qreal r, const QColor &petal, const QColor &heart, qreal turn = 0)
{
    p.save();
    p.setPen(QPen(petal.darker(140), 0.8));
    QRadialGradient g(c, r * 1.2);
    g.setColorAt(0, petal.lighter(150));
    g.setColorAt(1, petal);
    p.setBrush(g);
    for (int k = 0; k < 5; ++k) {
        const qreal a = qDegreesToRadians(turn + 72.0 * k);
        p.drawEllipse(QPointF(c.x() + r * 0.55 * qCos(a), c.y() + r * 0.55 * qSin(a)), r * 0.5, r * 0.5);
    }
    p.setBrush(heart);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r * 0.33, r * 0.33);
    p.restore();
}

void bead(QPainter &p, QPointF c, qreal r, const QColor &colour)
{
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.35, colour.lighter(130));
    g.setColorAt(1, colour.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void sparkle(QPainter &p, QPointF c, qreal r, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star(c, r, r * 0.22, 4, 0));
    p.restore();
}

// Word shown in the cartouche of the Word motif, by colour set.
QString cartoucheWord(int i)
{
    static const QString words[] = {u"مرحباً"_s, u"شكراً"_s, u"مميز"_s, u"Welcome"_s, u"جديد"_s,
                                    u"Thanks"_s, u"رائع"_s, u"New"_s};
    return words[(i / 12) % 8];
}

void drawMotif(QPainter &p, const Design &s, qreal t)
{
    const qreal w = s.size.width(), h = s.size.height(), cy = h / 2;
    const Tones &c = s.colours;
    switch (s.motif) {
    case Motif::Vine: {
        QPainterPath stem;
        const qreal amp = h * 0.2, period = 70;
        for (qreal x = 12; x <= w - 12; x += 1) {
            const qreal y = cy + amp * qSin((x - 12) * 2 * M_PI / period);
            if (x == 12)
                stem.moveTo(x, y);
            else
                stem.lineTo(x, y);
        }
        // Green leaves, except on the green set where green flowers would vanish.
        const bool greenSet = c.main.green() > c.main.red() && c.main.green() > c.main.blue();
        const QColor foliage = greenSet ? QColor(190, 150, 40) : QColor(70, 150, 60);
        p.setPen(QPen(foliage.darker(150), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(stem);
        int k = 0;
        for (qreal x = 12 + period / 4; x < w - 16; x += period / 2, ++k) {
            const qreal y = cy + amp * qSin((x - 12) * 2 * M_PI / period);
            const bool up = k % 2 == 0;
            QLinearGradient lg(x, y - 10, x, y + 10);
            lg.setColorAt(0, foliage.lighter(140));
            lg.setColorAt(1, foliage.darker(115));
            p.setPen(QPen(foliage.darker(170), 0.7));
            p.setBrush(lg);
            p.drawPath(leaf(QPointF(x - 5, y), h * 0.36, h * 0.12, up ? 160 : -160));
            p.drawPath(leaf(QPointF(x + 5, y), h * 0.36, h * 0.12, up ? 20 : -20));
            const QPointF bloom(x, y + (up ? -h * 0.1 : h * 0.1));
            flower(p, bloom, h * 0.19, c.main, c.accent.lighter(150), k * 17);
            // Small buds between the flowers.
            const qreal bx = x + period / 4, by = cy + amp * qSin((bx - 12) * 2 * M_PI / period);
            if (bx < w - 16)
                bead(p, QPointF(bx, by), h * 0.05, c.light.darker(110));
        }
        break;
    }
    case Motif::Arabesque: {
        p.setPen(QPen(c.dark, 1.2));
        p.drawLine(QPointF(10, cy - h * 0.32), QPointF(w - 10, cy - h * 0.32));
        p.drawLine(QPointF(10, cy + h * 0.32), QPointF(w - 10, cy + h * 0.32));
        const qreal period = 36, amp = h * 0.24;
        for (int strand = 0; strand < 2; ++strand) {
            QPainterPath wave;
            for (qreal x = 10; x <= w - 10; x += 1) {
                const qreal y = cy + (strand ? -1 : 1) * amp * qSin((x - 10) * 2 * M_PI / period);
                if (x == 10)
                    wave.moveTo(x, y);
                else
                    wave.lineTo(x, y);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c.dark, 3.6, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(wave);
            p.setPen(QPen(strand ? c.main : c.accent, 2.0, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(wave);
        }
        for (qreal x = 10 + period / 4; x < w - 10; x += period / 2)
            bead(p, QPointF(x, cy), 2.2, c.accent);
        break;
    }
    case Motif::Beads: {
        p.setPen(QPen(c.light, 1));
        p.drawLine(QPointF(8, cy), QPointF(w - 8, cy));
        int k = 0;
        for (qreal x = 22; x < w - 16; x += 11, ++k) {
            const bool big = k % 3 == 0;
            bead(p, QPointF(x, cy), big ? h * 0.15 : h * 0.08, big ? c.main : c.accent);
        }
        p.setPen(QPen(c.dark, 0.8));
        p.setBrush(c.main);
        p.drawPath(diamond(QPointF(10, cy), 6, 9));
        p.drawPath(diamond(QPointF(w - 10, cy), 6, 9));
        break;
    }
    case Motif::Hearts: {
        p.setPen(Qt::NoPen);
        p.setBrush(c.light);
        p.drawPath(taperedLine(6, w - 6, cy, 3));
        const int n = 9;
        for (int k = 0; k < n; ++k) {
            const qreal x = w / 2 + (k - n / 2) * (w - 40) / n;
            const bool middle = k == n / 2;
            const qreal size = middle ? h * 0.75 : h * (0.38 - 0.03 * qAbs(k - n / 2));
            QRadialGradient g(QPointF(x - size * 0.15, cy - size * 0.15), size * 0.7);
            g.setColorAt(0, c.main.lighter(160));
            g.setColorAt(1, c.main);
            p.setPen(QPen(c.dark, 0.9));
            p.setBrush(g);
            p.drawPath(heart(QPointF(x, cy), size));
        }
        break;
    }
    case Motif::Stars: {
        p.setPen(QPen(c.light, 1.2));
        p.drawLine(QPointF(8, cy), QPointF(w - 8, cy));
        const int n = 13;
        for (int k = 0; k < n; ++k) {
            const qreal x = 16 + k * (w - 32) / (n - 1);
            const int dist = qAbs(k - n / 2);
            qreal r = h * (0.42 - dist * 0.04);
            qreal glow = 0;
            if (s.motion == Motion::Twinkle) {
                const qreal phase = t * 2 * M_PI + k * 1.9;
                glow = std::max(0.0, qSin(phase));
                r *= 0.85 + 0.2 * glow;
            }
            QRadialGradient g(QPointF(x, cy), r);
            g.setColorAt(0, mix(c.accent.lighter(170), Qt::white, glow));
            g.setColorAt(1, c.accent);
            p.setPen(QPen(c.accent.darker(150), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(g);
            p.drawPath(star(QPointF(x, cy), r, r * 0.45, 5));
            if (glow > 0.6)
                sparkle(p, QPointF(x + r * 0.7, cy - r * 0.7), r * 0.6 * glow, Qt::white);
        }
        break;
    }
    case Motif::Waves: {
        for (int line = 0; line < 3; ++line) {
            QPainterPath wave;
            const qreal amp = h * (0.2 - line * 0.04), off = (line - 1) * h * 0.16;
            for (qreal x = 6; x <= w - 6; x += 1) {
                const qreal y = cy + off + amp * qSin(x * 2 * M_PI / 48 + line * 0.9);
                if (x == 6)
                    wave.moveTo(x, y);
                else
                    wave.lineTo(x, y);
            }
            QLinearGradient g(0, 0, w, 0);
            const QColor col = line == 1 ? c.main : (line == 0 ? c.light : c.dark);
            g.setColorAt(0, withAlpha(col, 0));
            g.setColorAt(0.2, col);
            g.setColorAt(0.8, col);
            g.setColorAt(1, withAlpha(col, 0));
            p.setPen(QPen(QBrush(g), line == 1 ? 3.2 : 1.8, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(wave);
        }
        break;
    }
    case Motif::Khatam: {
        const qreal r = h * 0.36, step = r * 2.9;
        const int n = int((w - 20) / step);
        const qreal x0 = (w - (n - 1) * step) / 2;
        p.setPen(QPen(c.dark, 1.6));
        p.drawLine(QPointF(x0, cy), QPointF(x0 + (n - 1) * step, cy));
        for (int k = 0; k < n; ++k) {
            const QPointF centre(x0 + k * step, cy);
            QRadialGradient g(centre, r);
            g.setColorAt(0, c.light);
            g.setColorAt(1, c.main);
            p.setPen(QPen(c.dark, 1));
            p.setBrush(g);
            p.drawPath(khatam(centre, r));
            p.setBrush(c.accent);
            p.drawPath(khatam(centre, r * 0.45));
            if (k + 1 < n) {
                p.setBrush(c.accent);
                p.drawPath(diamond(QPointF(centre.x() + step / 2, cy), 4, 4));
            }
        }
        break;
    }
    case Motif::Bar: {
        QLinearGradient g(0, cy - 5, 0, cy + 5);
        g.setColorAt(0, c.light);
        g.setColorAt(0.5, c.main);
        g.setColorAt(1, c.dark);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(taperedLine(26, w - 26, cy, 7));
        for (int side = 0; side < 2; ++side) {
            const qreal x = side == 0 ? 16 : w - 16;
            p.setPen(QPen(c.dark, 0.8));
            p.setBrush(c.accent);
            p.drawPath(star(QPointF(x, cy), h * 0.3, h * 0.13, 8, 0));
            bead(p, QPointF(x, cy), h * 0.08, c.main);
        }
        p.setPen(QPen(c.dark, 0.8));
        p.setBrush(c.accent);
        p.drawPath(diamond(QPointF(w / 2, cy), h * 0.25, h * 0.4));
        bead(p, QPointF(w / 2, cy), h * 0.1, c.main);
        break;
    }
    case Motif::Diamonds: {
        const qreal rx = 9, step = rx * 2;
        const int n = int((w - 16) / step);
        const qreal x0 = (w - (n - 1) * step) / 2;
        for (int k = 0; k < n; ++k) {
            const QPointF centre(x0 + k * step, cy);
            const bool odd = k % 2;
            const qreal ry = h * (odd ? 0.22 : 0.36);
            QLinearGradient g(centre.x(), cy - ry, centre.x(), cy + ry);
            const QColor col = odd ? c.accent : c.main;
            g.setColorAt(0, col.lighter(150));
            g.setColorAt(1, col.darker(110));
            p.setPen(QPen(c.dark, 0.8));
            p.setBrush(g);
            p.drawPath(diamond(centre, rx, ry));
        }
        break;
    }
    case Motif::Word: {
        const QString word = cartoucheWord(s.index);
        const QFont f = font(hasArabic(word) ? Face::Naskh : Face::Serif, h * 0.62, QFont::Bold, !hasArabic(word));
        const QPainterPath text = textPath(word, f, QPointF(w / 2, cy));
        const qreal half = text.boundingRect().width() / 2 + 16;
        p.setPen(Qt::NoPen);
        p.setBrush(c.main);
        p.drawPath(taperedLine(8, w / 2 - half, cy, 3));
        p.drawPath(taperedLine(w / 2 + half, w - 8, cy, 3));
        p.setPen(QPen(c.accent, 1));
        p.setBrush(withAlpha(c.light, 150));
        p.drawRoundedRect(QRectF(w / 2 - half + 4, cy - h * 0.38, 2 * half - 8, h * 0.76), h * 0.38, h * 0.38);
        p.setBrush(c.accent);
        p.setPen(Qt::NoPen);
        p.drawPath(diamond(QPointF(w / 2 - half - 2, cy), 4, 5));
        p.drawPath(diamond(QPointF(w / 2 + half + 2, cy), 4, 5));
        p.setPen(QPen(withAlpha(Qt::white, 220), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(text);
        p.setPen(Qt::NoPen);
        p.setBrush(c.dark);
        p.drawPath(text);
        break;
    }
    case Motif::Scrolls: {
        // Horizontal S-scrolls: two spirals joined by a swelling stroke.
        const qreal step = h * 1.3;
        const int n = int((w - 24) / step);
        const qreal x0 = (w - n * step) / 2;
        const qreal R = h * 0.23, d = h * 0.12;
        const auto spiral = [](QPainterPath &path, QPointF centre, qreal radius, qreal startDeg, qreal turn) {
            for (int k = 0; k <= 48; ++k) {
                const qreal a = k / 48.0 * 2.3 * M_PI;
                const qreal r = radius * (1 - a / (3.2 * M_PI));
                const qreal t = qDegreesToRadians(startDeg) + turn * a;
                path.lineTo(centre + QPointF(r * qCos(t), r * qSin(t)));
            }
        };
        for (int k = 0; k < n; ++k) {
            const qreal x = x0 + k * step;
            const bool flip = k % 2;
            const QPointF a(x + step * 0.28, cy + (flip ? d : -d)), b(x + step * 0.72, cy + (flip ? -d : d));
            const QPointF aEnd = a + QPointF(0, flip ? -R : R), bEnd = b + QPointF(0, flip ? R : -R);
            QPainterPath s(aEnd);
            // Into the first spiral, back out and across to the second.
            QPainterPath first(aEnd);
            // The flipped unit is the mirror image, so its spirals turn the other way.
            spiral(first, a, R, flip ? 270 : 90, flip ? -1 : 1);
            QPainterPath second(bEnd);
            spiral(second, b, R, flip ? 90 : 270, flip ? -1 : 1);
            s.cubicTo(aEnd + QPointF(step * 0.3, 0), bEnd - QPointF(step * 0.3, 0), bEnd);
            s.addPath(first);
            s.addPath(second);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(c.dark, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(s);
            p.setPen(QPen(k % 2 ? c.main : c.accent, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(s);
            bead(p, QPointF(x + step, cy), 2.4, c.accent);
        }
        bead(p, QPointF(x0, cy), 2.4, c.accent);
        break;
    }
    case Motif::Zigzag: {
        p.setPen(QPen(c.dark, 1.2));
        p.drawLine(QPointF(8, cy - h * 0.3), QPointF(w - 8, cy - h * 0.3));
        p.drawLine(QPointF(8, cy + h * 0.3), QPointF(w - 8, cy + h * 0.3));
        QPainterPath zig;
        const qreal step = 12;
        bool up = true;
        for (qreal x = 8; x <= w - 8; x += step, up = !up) {
            const QPointF pt(x, cy + (up ? -h * 0.22 : h * 0.22));
            if (x == 8)
                zig.moveTo(pt);
            else
                zig.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(c.main, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(zig);
        up = true;
        for (qreal x = 8 + step / 2; x < w - 8; x += step, up = !up)
            bead(p, QPointF(x, cy + (up ? h * 0.14 : -h * 0.14)), 1.8, c.accent);
        break;
    }
    }
}

QImage drawBorder(const Design &s, qreal t)
{
    Design design = s;
    if (s.motion == Motion::Pulse)
        design.colours = tones(s.toneSet, 0.5 - 0.5 * qCos(t * 2 * M_PI));
    QImage image = canvas(s.size.width(), s.size.height());
    QPainter p;
    begin(p, image);
    drawMotif(p, design, t);
    if (s.motion == Motion::Shine) {
        // Light travels along the ornament only where it is painted.
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        const qreal x = -40 + t * (s.size.width() + 80);
        QLinearGradient band(x - 30, 0, x + 30, 0);
        band.setColorAt(0, withAlpha(Qt::white, 0));
        band.setColorAt(0.5, withAlpha(Qt::white, 200));
        band.setColorAt(1, withAlpha(Qt::white, 0));
        p.fillRect(image.rect(), band);
    }
    p.end();
    return image;
}

} // namespace

void drawBorders(Sink &sink)
{
    for (int i = 0; i < kBorderCount; ++i) {
        Design s;
        s.index = i;
        s.motif = Motif(i % 12);
        s.toneSet = (i / 12 + i) % 5;
        s.colours = tones(s.toneSet);
        s.size = QSize(318 + (i * 13) % 29, 38 + (i * 7) % 15);
        s.motion = Motion::None;
        if (i % 6 == 4)
            s.motion = s.motif == Motif::Stars ? Motion::Twinkle : ((i / 12) % 2 ? Motion::Pulse : Motion::Shine);
        QList<gif::Frame> frames;
        if (s.motion == Motion::None) {
            frames.append({drawBorder(s, 0), 0});
        } else {
            const int n = s.motion == Motion::Shine ? 12 : 8;
            for (int k = 0; k < n; ++k)
                frames.append({drawBorder(s, qreal(k) / n), s.motion == Motion::Shine ? 70 : 110});
            if (s.motion == Motion::Shine)
                frames.last().delayMs = 900;
        }
        sink.deliverGif(u"Border/b%1.gif"_s.arg(i), frames);
    }
    sink.deliverText(u"Border/BordSite.dat"_s, QByteArray(sites::kDefaultBorderSite) + "\r\n");
}

} // namespace art
