// Ornamental borders and separators (Border/bN.gif): sixty designs, each
// a motif of its own or a variant of one, in twelve colourways; wide and
// flat, finished at both ends, some animated.
#include "art/borderkit.h"

#include "base/catalogue.h"
#include "base/sites.h"

#include <QLinearGradient>
#include <QtMath>

#include <iterator>

using namespace Qt::StringLiterals;

namespace art {
namespace {

using namespace border;

const Tones& tones(int i)
{
    static const Tones sets[] = {
        {QColor(0x1e, 0x6f, 0xd9), QColor(0x8e, 0xc4, 0xf4), QColor(0x0b, 0x3a, 0x85),
         QColor(0xe8, 0xb0, 0x20)},
        {QColor(0xd6, 0x2a, 0x4e), QColor(0xff, 0xa8, 0xb8), QColor(0x82, 0x10, 0x28),
         QColor(0x3c, 0x9a, 0x3c)},
        {QColor(0x1c, 0x96, 0x5a), QColor(0x9a, 0xe0, 0xb0), QColor(0x0c, 0x55, 0x30),
         QColor(0xd8, 0xa8, 0x28)},
        {QColor(0x8a, 0x3c, 0xc8), QColor(0xd8, 0xb0, 0xf4), QColor(0x4a, 0x18, 0x78),
         QColor(0xf0, 0x5a, 0xa8)},
        {QColor(0xc8, 0x6a, 0x1a), QColor(0xf6, 0xc8, 0x8a), QColor(0x70, 0x34, 0x08),
         QColor(0x18, 0x8a, 0x8a)},
        {QColor(0xe0, 0x4c, 0x94), QColor(0xff, 0xc4, 0xde), QColor(0x94, 0x16, 0x54),
         QColor(0x9c, 0x6c, 0xe0)},
        {QColor(0x12, 0xa4, 0xac), QColor(0xa8, 0xec, 0xf0), QColor(0x08, 0x5a, 0x64),
         QColor(0xff, 0x78, 0x4c)},
        {QColor(0xc8, 0x96, 0x1e), QColor(0xf4, 0xdc, 0x8c), QColor(0x6e, 0x4a, 0x08),
         QColor(0xa8, 0x24, 0x2c)},
        {QColor(0x2a, 0x3c, 0x78), QColor(0xb8, 0xc4, 0xdc), QColor(0x14, 0x1c, 0x40),
         QColor(0xd8, 0xa0, 0x30)},
        {QColor(0x6a, 0x8c, 0x4a), QColor(0xc8, 0xdc, 0xb0), QColor(0x3a, 0x50, 0x20),
         QColor(0xd0, 0x64, 0x3c)},
        {QColor(0xc0, 0x20, 0x8a), QColor(0xf4, 0xa8, 0xd8), QColor(0x6a, 0x0a, 0x48),
         QColor(0xf0, 0xb8, 0x10)},
        {QColor(0x3a, 0xa0, 0xe8), QColor(0xc0, 0xe4, 0xfc), QColor(0x14, 0x52, 0x8a),
         QColor(0xff, 0x50, 0x70)},
    };
    return sets[i % 12];
}

// How a border moves: a band of light along the ornament, its colours
// swelling and fading, or a movement of the motif's own (stars twinkle,
// butterflies flap, lanterns swing, hearts beat, waves roll, flags flutter).
enum class Motion { None, Shine, Pulse, Own };

struct Design {
    const char* name; // the motif's, shared by its variants
    Motif motif;
    int colours; // index into tones()
    int height;  // pixels
    Motion motion;
    int variant; // what the motif varies on (0 its first look)
};

// Adding a design: paint the motif as a function of the Ground (borderkit.h,
// declared with its theme there, defined in borders<theme>.cpp), add its row
// here where its neighbours differ from it, and raise TARNWELL_BORDERS in
// cmake/Catalogue.cmake by one; the build fails while the two disagree. A
// variant of an existing motif needs only its row and a new `variant`
// number the motif reads. The rows are in gallery order: row N is b<N>.gif.
const Design kDesigns[] = {
    // Themes alternate so neighbours differ.
    {"vine", vine, 0, 44, Motion::None, 0},
    {"khatam-chain", khatamChain, 1, 44, Motion::Shine, 0},
    {"hearts", hearts, 5, 42, Motion::Own, 0},
    {"meander", meander, 7, 36, Motion::None, 0},
    {"tulips", tulips, 3, 46, Motion::None, 0},
    {"crescent", crescent, 8, 44, Motion::None, 0},
    {"braid", braid, 2, 42, Motion::Pulse, 0},
    {"butterflies", butterflies, 6, 46, Motion::Own, 0},
    {"lace", lace, 11, 40, Motion::None, 0},
    {"cartouche", cartouche, 0, 46, Motion::Shine, 0},
    {"laurel", laurel, 7, 44, Motion::None, 0},
    {"stars", stars, 8, 44, Motion::Own, 0},
    {"zigzag", zigzag, 4, 40, Motion::None, 0},
    {"rose-garland", roseGarland, 1, 48, Motion::None, 0},
    {"ring-chain", ringChain, 9, 38, Motion::None, 0},
    {"skyline", skyline, 11, 48, Motion::None, 0},
    {"daisy-chain", daisyChain, 2, 40, Motion::None, 0},
    {"diamonds", diamonds, 10, 42, Motion::None, 0},
    {"lanterns", lanterns, 7, 50, Motion::Own, 0},
    {"rope", rope, 4, 36, Motion::None, 0},
    {"ivy", ivy, 2, 42, Motion::None, 0},
    {"bunting", bunting, 10, 46, Motion::Own, 0},
    {"rosettes", rosettes, 6, 42, Motion::Pulse, 0},
    {"notes", notes, 3, 44, Motion::None, 0},
    {"blossom-branch", blossomBranch, 5, 46, Motion::None, 0},
    {"honeycomb", honeycomb, 7, 40, Motion::None, 0},
    {"ribbon", ribbon, 1, 44, Motion::None, 0},
    {"peacock", peacock, 6, 42, Motion::None, 0},
    {"checker", checker, 8, 36, Motion::None, 0},
    {"moons", moons, 0, 40, Motion::None, 0},
    {"fern", fern, 9, 44, Motion::None, 0},
    {"chain-links", chainLinks, 0, 36, Motion::None, 0},
    {"bow-knot", bowKnot, 5, 46, Motion::None, 0},
    {"lotus", lotus, 3, 48, Motion::None, 0},
    {"fringe", fringe, 4, 44, Motion::None, 0},
    {"snowflakes", snowflakes, 11, 44, Motion::Own, 0},
    {"cherries", cherries, 1, 46, Motion::None, 0},
    {"jewel-bar", jewelBar, 2, 40, Motion::Shine, 0},
    {"scrolls", scrolls, 10, 42, Motion::None, 0},
    {"paisley", paisley, 4, 42, Motion::None, 0},
    {"dash-dot", dashDot, 3, 36, Motion::None, 0},
    {"stitches", stitches, 9, 38, Motion::None, 0},
    {"sunburst", sunburst, 7, 42, Motion::Shine, 0},
    {"sawtooth", sawtooth, 1, 38, Motion::None, 0},
    {"heart-chain", heartChain, 10, 40, Motion::None, 0},
    {"waves", waves, 11, 44, Motion::Own, 0},
    {"circle-lattice", circleLattice, 5, 40, Motion::None, 0},
    {"fleuron", fleuron, 8, 40, Motion::None, 0},
    {"arrow", arrow, 6, 36, Motion::None, 0},
    {"pearls", pearls, 3, 44, Motion::None, 0},
    {"cartouche", cartouche, 2, 46, Motion::None, 1},
    {"cartouche", cartouche, 10, 44, Motion::Shine, 2},
    {"laurel", laurel, 0, 44, Motion::None, 1},
    {"chain-links", chainLinks, 7, 36, Motion::None, 1},
    {"cartouche", cartouche, 6, 46, Motion::None, 3},
    {"fern", fern, 3, 44, Motion::None, 1},
    {"cartouche", cartouche, 1, 44, Motion::Pulse, 4},
    {"blossom-branch", blossomBranch, 11, 46, Motion::None, 3},
    {"cartouche", cartouche, 9, 46, Motion::None, 5},
    {"vine", vine, 10, 40, Motion::None, 1},
};
static_assert(std::size(kDesigns) == catalogue::kBorders,
              "one design per border: the table and TARNWELL_BORDERS disagree");

QImage drawBorder(const Design& d, QSize size, qreal t)
{
    Ground g;
    g.width = size.width();
    g.height = size.height();
    g.tones = tones(d.colours);
    g.variant = d.variant;
    g.phase = t;
    g.moving = d.motion == Motion::Own;
    if (d.motion == Motion::Pulse) {
        const qreal pulse = 0.5 - 0.5 * qCos(t * 2 * M_PI);
        g.tones.main = mix(g.tones.main, g.tones.light, pulse);
        g.tones.dark = mix(g.tones.dark, g.tones.main, pulse * 0.6);
        g.tones.accent = mix(g.tones.accent, QColor(255, 255, 255), pulse * 0.35);
    }
    QImage image = canvas(size.width(), size.height());
    QPainter p;
    begin(p, image);
    d.motif(p, g);
    if (d.motion == Motion::Shine) {
        // Light travels along the ornament only where it is painted.
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        const qreal x = -40 + t * (size.width() + 80);
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

QStringList borderCatalogue()
{
    QStringList lines;
    for (int i = 0; i < catalogue::kBorders; ++i)
        lines.append(
            u"b%1 %2 %3"_s.arg(i).arg(QLatin1String(kDesigns[i].name)).arg(kDesigns[i].variant));
    return lines;
}

void drawBorders(Sink& sink)
{
    for (int i = 0; i < catalogue::kBorders; ++i) {
        const Design& d = kDesigns[i];
        // 318 to 346 pixels wide: the gallery centres each border on its
        // line and cuts anything wider at its right edge.
        const QSize size(318 + (i * 13) % 29, d.height);
        QList<gif::Frame> frames;
        if (d.motion == Motion::None) {
            frames.append({drawBorder(d, size, 0), 0});
        } else {
            const int n = d.motion == Motion::Shine ? 12 : 8;
            for (int k = 0; k < n; ++k)
                frames.append(
                    {drawBorder(d, size, qreal(k) / n), d.motion == Motion::Shine ? 70 : 120});
            if (d.motion == Motion::Shine)
                frames.last().delayMs = 900;
        }
        sink.deliverGif(u"Border/b%1.gif"_s.arg(i), frames);
    }
    sink.deliverText(u"Border/BordSite.dat"_s, QByteArray(sites::kDefaultBorderSite) + "\r\n");
}

} // namespace art
