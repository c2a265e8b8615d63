// GIF output: median-cut quantisation refined by a few k-means passes, and
// the giflib encoder (transparency, frame delays, NETSCAPE2.0 looping).
#include "art/gifwriter.h"

#include <gif_lib.h>

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace gif {
namespace {

// Channel weights of the colour distance: the eye tells greens apart best
// and blues worst.
constexpr std::array<int, 3> kWeight{3, 4, 2};

struct Colour {
    uint32_t rgb;   // 0x00rrggbb
    uint32_t count; // pixels of this exact colour
};

inline int channel(uint32_t rgb, int c)
{
    return int((rgb >> (16 - 8 * c)) & 0xff);
}

// Palette colours unpacked for the nearest-colour search.
struct Rgb {
    int r, g, b;
};

std::vector<Rgb> unpack(const QList<QRgb>& palette, int count)
{
    std::vector<Rgb> out;
    out.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        out.push_back({qRed(palette[i]), qGreen(palette[i]), qBlue(palette[i])});
    return out;
}

int nearest(const std::vector<Rgb>& palette, int r, int g, int b)
{
    int best = 0, bestDistance = INT32_MAX;
    const Rgb* entry = palette.data();
    for (int i = 0, n = int(palette.size()); i < n; ++i) {
        const int dr = r - entry[i].r, dg = g - entry[i].g, db = b - entry[i].b;
        const int d = kWeight[0] * dr * dr + kWeight[1] * dg * dg + kWeight[2] * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0)
                break;
        }
    }
    return best;
}

struct Box {
    int begin = 0, end = 0; // range in the colour list
    double error = 0;       // weighted squared error around the mean
    int axis = 0;           // channel with the widest spread
    QRgb mean = 0;
};

void measure(Box& box, const std::vector<Colour>& colours)
{
    double n = 0;
    std::array<double, 3> sum{}, sumSq{};
    for (int i = box.begin; i < box.end; ++i) {
        const double w = colours[size_t(i)].count;
        n += w;
        for (int c = 0; c < 3; ++c) {
            const double v = channel(colours[size_t(i)].rgb, c);
            sum[size_t(c)] += w * v;
            sumSq[size_t(c)] += w * v * v;
        }
    }
    box.error = 0;
    double widest = -1;
    std::array<int, 3> mean{};
    for (int c = 0; c < 3; ++c) {
        const double m = sum[size_t(c)] / n;
        const double spread = kWeight[size_t(c)] * std::max(0.0, sumSq[size_t(c)] - n * m * m);
        box.error += spread;
        if (spread > widest) {
            widest = spread;
            box.axis = c;
        }
        mean[size_t(c)] = std::clamp(int(m + 0.5), 0, 255);
    }
    box.mean = qRgb(mean[0], mean[1], mean[2]);
}

QList<QRgb> medianCut(std::vector<Colour>& colours, int maxColours)
{
    std::vector<Box> boxes(1);
    boxes[0].end = int(colours.size());
    measure(boxes[0], colours);
    while (int(boxes.size()) < maxColours) {
        auto it = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            const bool aSplittable = a.end - a.begin > 1, bSplittable = b.end - b.begin > 1;
            if (aSplittable != bSplittable)
                return bSplittable;
            return a.error < b.error;
        });
        if (it->end - it->begin < 2 || it->error <= 0)
            break;
        Box box = *it;
        const int axis = box.axis;
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [axis](const Colour& a, const Colour& b) {
                      return channel(a.rgb, axis) < channel(b.rgb, axis);
                  });
        uint64_t total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += colours[size_t(i)].count;
        uint64_t running = 0;
        int split = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            running += colours[size_t(i)].count;
            split = i + 1;
            if (running * 2 >= total)
                break;
        }
        Box low = box, high = box;
        low.end = split;
        high.begin = split;
        measure(low, colours);
        measure(high, colours);
        *it = low;
        boxes.push_back(high);
    }
    QList<QRgb> palette;
    for (const Box& box : boxes)
        palette.append(box.mean);
    return palette;
}

// Lloyd iterations: move each palette colour to the mean of the colours that
// map to it. Median cut places boxes well; this settles the colours inside.
void refine(QList<QRgb>& palette, const std::vector<Colour>& colours, int passes)
{
    const int k = int(palette.size());
    for (int pass = 0; pass < passes; ++pass) {
        const std::vector<Rgb> current = unpack(palette, k);
        std::vector<std::array<double, 4>> acc(size_t(k), {0, 0, 0, 0});
        for (const Colour& c : colours) {
            const int r = channel(c.rgb, 0), g = channel(c.rgb, 1), b = channel(c.rgb, 2);
            auto& a = acc[size_t(nearest(current, r, g, b))];
            a[0] += double(r) * c.count;
            a[1] += double(g) * c.count;
            a[2] += double(b) * c.count;
            a[3] += c.count;
        }
        for (int i = 0; i < k; ++i) {
            const auto& a = acc[size_t(i)];
            if (a[3] > 0)
                palette[i] =
                    qRgb(int(a[0] / a[3] + 0.5), int(a[1] / a[3] + 0.5), int(a[2] / a[3] + 0.5));
        }
    }
}

std::vector<Colour> pool(const std::vector<Colour>& colours)
{
    struct Sum {
        uint64_t r = 0, g = 0, b = 0;
        uint32_t count = 0;
    };
    std::unordered_map<uint32_t, Sum> sums;
    for (const Colour& c : colours) {
        const int r = channel(c.rgb, 0), g = channel(c.rgb, 1), b = channel(c.rgb, 2);
        Sum& s = sums[uint32_t((r >> 2) << 12 | (g >> 2) << 6 | (b >> 2))];
        s.r += uint64_t(r) * c.count;
        s.g += uint64_t(g) * c.count;
        s.b += uint64_t(b) * c.count;
        s.count += c.count;
    }
    std::vector<Colour> pooled;
    pooled.reserve(sums.size());
    for (const auto& [key, s] : sums) {
        const auto mean = [&s](uint64_t v) { return uint32_t((v + s.count / 2) / s.count); };
        pooled.push_back({mean(s.r) << 16 | mean(s.g) << 8 | mean(s.b), s.count});
    }
    // Hash order is not portable; sort so the palette is reproducible.
    std::sort(pooled.begin(), pooled.end(),
              [](const Colour& a, const Colour& b) { return a.rgb < b.rgb; });
    return pooled;
}

// Frame pixels after blending partial alpha over the matte; transparent
// pixels carry the marker bit 0x01000000.
constexpr uint32_t kTransparent = 0x01000000;

std::vector<uint32_t> flatten(const QImage& source, const Options& options)
{
    // Painting happens in premultiplied ARGB; read that directly instead of
    // converting, since Qt spreads conversions over a thread pool whose
    // hand-offs cost more than the work for pictures this small.
    const bool premultiplied = source.format() == QImage::Format_ARGB32_Premultiplied;
    const QImage image = premultiplied || source.format() == QImage::Format_ARGB32
                             ? source
                             : source.convertToFormat(QImage::Format_ARGB32);
    std::vector<uint32_t> out(size_t(image.width()) * size_t(image.height()));
    size_t k = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x, ++k) {
            const QRgb p = premultiplied ? qUnpremultiply(line[x]) : line[x];
            const int a = qAlpha(p);
            if (a < options.alphaThreshold) {
                out[k] = kTransparent;
                continue;
            }
            const auto blend = [a](int fg, int bg) {
                return (fg * a + bg * (255 - a) + 127) / 255;
            };
            out[k] = uint32_t(blend(qRed(p), qRed(options.matte))) << 16 |
                     uint32_t(blend(qGreen(p), qGreen(options.matte))) << 8 |
                     uint32_t(blend(qBlue(p), qBlue(options.matte)));
        }
    }
    return out;
}

QByteArray mapFrame(const std::vector<uint32_t>& pixels, int width, int height, const Quantized& q,
                    int opaqueCount, bool approximate, bool dither)
{
    QByteArray out(qsizetype(pixels.size()), '\0');
    const std::vector<Rgb> palette = unpack(q.palette, opaqueCount);
    // Exact colours when the palette holds them all; otherwise colours that
    // differ only in the two lowest bits of each channel share one answer.
    std::unordered_map<uint32_t, uint8_t> exact;
    std::vector<int16_t> buckets(approximate ? size_t(1) << 18 : 0, int16_t(-1));
    const auto lookup = [&](int r, int g, int b) -> uint8_t {
        if (approximate) {
            int16_t& slot = buckets[size_t((r >> 2) << 12 | (g >> 2) << 6 | (b >> 2))];
            if (slot < 0)
                slot = int16_t(nearest(palette, r, g, b));
            return uint8_t(slot);
        }
        const uint32_t key = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
        auto it = exact.find(key);
        if (it != exact.end())
            return it->second;
        const auto index = uint8_t(nearest(palette, r, g, b));
        exact.emplace(key, index);
        return index;
    };
    // Two rows of diffused error (r, g, b), with a guard pixel at each end.
    std::vector<std::array<float, 3>> current(size_t(width) + 2), next(size_t(width) + 2);
    constexpr float kStrength = 0.75f; // full-strength diffusion looks grainy
    for (int y = 0; y < height; ++y) {
        std::fill(next.begin(), next.end(), std::array<float, 3>{0, 0, 0});
        for (int x = 0; x < width; ++x) {
            const size_t k = size_t(y) * size_t(width) + size_t(x);
            const uint32_t p = pixels[k];
            if (p & kTransparent) {
                out[qsizetype(k)] = char(q.transparentIndex);
                continue;
            }
            int rgb[3] = {channel(p, 0), channel(p, 1), channel(p, 2)};
            if (dither) {
                for (int c = 0; c < 3; ++c)
                    rgb[c] = std::clamp(
                        int(float(rgb[c]) + current[size_t(x) + 1][size_t(c)] + 0.5f), 0, 255);
            }
            const uint8_t index = lookup(rgb[0], rgb[1], rgb[2]);
            out[qsizetype(k)] = char(index);
            if (dither) {
                const Rgb& chosen = palette[index];
                const int got[3] = {chosen.r, chosen.g, chosen.b};
                for (int c = 0; c < 3; ++c) {
                    const float e = float(rgb[c] - got[c]) * kStrength;
                    current[size_t(x) + 2][size_t(c)] += e * 7 / 16;
                    next[size_t(x)][size_t(c)] += e * 3 / 16;
                    next[size_t(x) + 1][size_t(c)] += e * 5 / 16;
                    next[size_t(x) + 2][size_t(c)] += e * 1 / 16;
                }
            }
        }
        std::swap(current, next);
    }
    return out;
}

} // namespace

Quantized quantize(const QList<QImage>& frames, const Options& options)
{
    Quantized q;
    if (frames.isEmpty())
        return q;
    q.width = frames.first().width();
    q.height = frames.first().height();

    std::vector<std::vector<uint32_t>> flat;
    std::vector<uint32_t> all;
    bool anyTransparent = false;
    for (const QImage& frame : frames) {
        QImage image = frame;
        if (image.size() != QSize(q.width, q.height))
            image = image.copy(0, 0, q.width, q.height);
        flat.push_back(flatten(image, options));
        for (uint32_t p : flat.back()) {
            if (p & kTransparent)
                anyTransparent = true;
            else
                all.push_back(p);
        }
    }

    // Distinct colours with their pixel counts, shared by all frames so the
    // animation keeps one palette and does not flicker.
    std::sort(all.begin(), all.end());
    std::vector<Colour> colours;
    for (uint32_t p : all) {
        if (!colours.empty() && colours.back().rgb == p)
            ++colours.back().count;
        else
            colours.push_back({p, 1});
    }
    all.clear();
    all.shrink_to_fit();

    const int maxColours = anyTransparent ? 255 : 256;
    if (colours.empty()) {
        q.palette.append(qRgb(0, 0, 0));
    } else if (int(colours.size()) <= maxColours) {
        for (const Colour& c : colours)
            q.palette.append(QRgb(0xff000000u | c.rgb));
    } else {
        // Too many colours: pool near-identical ones (6 bits a channel) so
        // the palette search works on far fewer entries, then choose.
        std::vector<Colour> pooled = pool(colours);
        q.palette = medianCut(pooled, maxColours);
        refine(q.palette, pooled, 3);
    }
    const int opaqueCount = int(q.palette.size());
    if (anyTransparent) {
        q.transparentIndex = opaqueCount;
        q.palette.append(qRgba(0, 0, 0, 0));
    }
    const bool reduced = int(colours.size()) > maxColours;
    const bool dither = options.dither && reduced;
    for (const auto& pixels : flat)
        q.indices.append(mapFrame(pixels, q.width, q.height, q, opaqueCount, reduced, dither));
    return q;
}

namespace {

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool write(const QString& path, const QList<Frame>& frames, const Options& options, QString* error)
{
    if (frames.isEmpty() || frames.first().image.isNull())
        return fail(error, u"no picture to write"_s);
    QList<QImage> images;
    for (const Frame& f : frames)
        images.append(f.image);
    const Quantized q = quantize(images, options);

    // giflib wants a power-of-two colour map of at least two entries.
    int bits = 1;
    while ((1 << bits) < int(q.palette.size()))
        ++bits;
    std::vector<GifColorType> map(size_t(1) << bits, GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < q.palette.size(); ++i)
        map[size_t(i)] = {GifByteType(qRed(q.palette[i])), GifByteType(qGreen(q.palette[i])),
                          GifByteType(qBlue(q.palette[i]))};

    const QByteArray nativePath = QFile::encodeName(path);
    const int fd = ::open(nativePath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return fail(error, u"cannot create "_s + path);
    ::fchmod(fd, 0644); // the umask may have removed bits
    int status = 0;
    GifFileType* file = EGifOpenFileHandle(fd, &status);
    if (!file) {
        ::close(fd);
        return fail(error, u"giflib: "_s + QString::fromLatin1(GifErrorString(status)));
    }
    ColorMapObject* colourMap = GifMakeMapObject(1 << bits, map.data());
    bool ok = colourMap != nullptr;
    const bool animated = frames.size() > 1;
    EGifSetGifVersion(file, true);
    ok = ok &&
         EGifPutScreenDesc(file, q.width, q.height, 8,
                           q.transparentIndex >= 0 ? q.transparentIndex : 0, colourMap) == GIF_OK;
    if (ok && animated) {
        const unsigned char loops[3] = {
            1, static_cast<unsigned char>(options.loopCount & 0xff),
            static_cast<unsigned char>((options.loopCount >> 8) & 0xff)};
        ok = EGifPutExtensionLeader(file, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
             EGifPutExtensionBlock(file, 11, "NETSCAPE2.0") == GIF_OK &&
             EGifPutExtensionBlock(file, 3, loops) == GIF_OK &&
             EGifPutExtensionTrailer(file) == GIF_OK;
    }
    for (qsizetype f = 0; ok && f < frames.size(); ++f) {
        if (animated || q.transparentIndex >= 0) {
            GraphicsControlBlock gcb{};
            // Every frame is complete; clearing to the background keeps
            // transparent areas from showing the previous frame.
            gcb.DisposalMode = q.transparentIndex >= 0 ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
            gcb.UserInputFlag = false;
            gcb.DelayTime = animated ? std::max(2, (frames[f].delayMs + 5) / 10) : 0;
            gcb.TransparentColor =
                q.transparentIndex >= 0 ? q.transparentIndex : NO_TRANSPARENT_COLOR;
            GifByteType extension[4];
            const size_t length = EGifGCBToExtension(&gcb, extension);
            ok = EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
        }
        ok = ok && EGifPutImageDesc(file, 0, 0, q.width, q.height, false, nullptr) == GIF_OK;
        QByteArray indices = q.indices[f];
        for (int y = 0; ok && y < q.height; ++y)
            ok = EGifPutLine(
                     file, reinterpret_cast<GifPixelType*>(indices.data()) + qsizetype(y) * q.width,
                     q.width) == GIF_OK;
    }
    const int writeError = file->Error;
    GifFreeMapObject(colourMap);
    if (EGifCloseFile(file, &status) != GIF_OK)
        ok = false;
    if (!ok)
        return fail(error,
                    u"giflib failed writing "_s + path + u": "_s +
                        QString::fromLatin1(GifErrorString(writeError ? writeError : status)));
    return true;
}

} // namespace gif
