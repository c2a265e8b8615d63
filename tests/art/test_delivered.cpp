// The generated pictures as the program meets them: delivered files beside
// it (TARNWELL_BIN_DIR) and window artwork compiled in under :/art.
#include "tests/art/test_art.h"

#include "base/catalogue.h"
#include "base/sites.h"
#include "tests/art/pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Picture {
    QSize size;
    int frames = 0;
    int loops = 0; // QImageReader::loopCount: -1 forever, 0 still
    QByteArray firstFrameHash;
    QImage first;
};

Picture inspect(const QString& path)
{
    Picture p;
    QImageReader reader(path);
    p.frames = reader.imageCount();
    p.loops = reader.loopCount();
    p.first = reader.read().convertToFormat(QImage::Format_ARGB32);
    p.size = p.first.size();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(
        QByteArrayView(reinterpret_cast<const char*>(p.first.constBits()), p.first.sizeInBytes()));
    p.firstFrameHash = hash.result();
    return p;
}

QDir binDir()
{
    return pictures::binDir();
}

QStringList deliveredPictures()
{
    QStringList options;
    for (int i = 1; i <= catalogue::kOptionPictures; ++i)
        options.append(u"zqOptions/%1.gif"_s.arg(i));
    return QStringList{u"logo.gif"_s} + pictures::linkButtons() + pictures::borders() + options +
           pictures::smilies();
}

// Checks every picture of a group for distinct first frames; returns how
// many of them are animated (and fails on an animation that does not loop).
int checkGroup(const QStringList& names,
               const std::function<void(const QString&, const Picture&)>& check)
{
    QSet<QByteArray> seen;
    int animated = 0;
    for (const QString& name : names) {
        const Picture p = inspect(binDir().filePath(name));
        check(name, p);
        if (QTest::currentTestFailed())
            return animated;
        if (seen.contains(p.firstFrameHash)) {
            QTest::qFail(qPrintable(name + u" looks the same as an earlier picture"_s), __FILE__,
                         __LINE__);
            return animated;
        }
        seen.insert(p.firstFrameHash);
        if (p.frames > 1) {
            ++animated;
            if (p.loops == 0) {
                QTest::qFail(qPrintable(name + u" is animated but does not loop"_s), __FILE__,
                             __LINE__);
                return animated;
            }
        }
    }
    return animated;
}

} // namespace

void DeliveredPicturesTest::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("TARNWELL_BIN_DIR"),
             "TARNWELL_BIN_DIR must name the build's bin folder");
    QVERIFY(binDir().exists());
}

void DeliveredPicturesTest::everyFileIsThereReadableAndDecodes()
{
    const QStringList names =
        deliveredPictures() + QStringList{u"zqLink/Links.dat"_s, u"Border/BordSite.dat"_s};
    constexpr int kSmilies = catalogue::kSmileySetCount * catalogue::kSmiliesPerSet;
    QCOMPARE(names.size(), 1 + catalogue::kLinkButtons + catalogue::kBorders +
                               catalogue::kOptionPictures + kSmilies + 2);
    for (const QString& name : names) {
        const QString path = binDir().filePath(name);
        QVERIFY2(QFile::exists(path), qPrintable(name));
        const auto permissions = QFile::permissions(path);
        QVERIFY2(permissions & QFile::ReadOther,
                 qPrintable(name + u" is not readable by others"_s));
        QVERIFY2(permissions & QFile::ReadGroup, qPrintable(name));
        if (!name.endsWith(u".gif"_s))
            continue;
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("gif"));
        QVERIFY2(!reader.read().isNull(), qPrintable(name + u": "_s + reader.errorString()));
    }
    for (const QString& folder :
         {u"zqLink"_s, u"Border"_s, u"zqOptions"_s, u"pics"_s, u"pics/happy"_s}) {
        const auto permissions = QFile::permissions(binDir().filePath(folder));
        QVERIFY2((permissions & QFile::ReadOther) && (permissions & QFile::ExeOther),
                 qPrintable(folder));
    }
}

void DeliveredPicturesTest::siteFilesHoldTheDefaultAddress()
{
    const auto read = [](const QString& name) {
        QFile f(binDir().filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QCOMPARE(read(u"zqLink/Links.dat"_s), QByteArray(sites::kDefaultLinkSite) + "\r\n");
    QCOMPARE(read(u"Border/BordSite.dat"_s), QByteArray(sites::kDefaultBorderSite) + "\r\n");
    QVERIFY(read(u"Border/BordSite.dat"_s).endsWith("/\r\n"));
}

void DeliveredPicturesTest::linkButtonsAreDistinctAndSomeAnimated()
{
    const int animated = checkGroup(pictures::linkButtons(), [](const QString&, const Picture& p) {
        // Buttons sit on forum pages of any colour: the corners stay clear.
        QCOMPARE(qAlpha(p.first.pixel(0, 0)), 0);
    });
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(animated >= catalogue::kLinkButtons / 6 && animated <= catalogue::kLinkButtons / 2,
             qPrintable(QString::number(animated)));
}

void DeliveredPicturesTest::bordersAreDistinctAndSomeAnimated()
{
    const int animated = checkGroup(pictures::borders(), [](const QString&, const Picture&) {});
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(animated >= 6 && animated <= 20, qPrintable(QString::number(animated)));
}

void DeliveredPicturesTest::smiliesAreTransparentDistinctAndOftenAnimated()
{
    const int animated = checkGroup(pictures::smilies(), [](const QString& name, const Picture& p) {
        QVERIFY2(p.first.hasAlphaChannel(), qPrintable(name));
        QCOMPARE(qAlpha(p.first.pixel(p.size.width() - 1, p.size.height() - 1)), 0);
    });
    if (QTest::currentTestFailed())
        return;
    QVERIFY2(animated >= pictures::smilies().size() / 3, qPrintable(QString::number(animated)));
}

void DeliveredPicturesTest::fixedSizePictures()
{
    QCOMPARE(inspect(binDir().filePath(u"logo.gif"_s)).size, QSize(493, 449));
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(inspect(binDir().filePath(u"zqOptions/%1.gif"_s.arg(i))).size, QSize(33, 25));
    QCOMPARE(inspect(binDir().filePath(u"zqOptions/4.gif"_s)).size, QSize(25, 25));
}

void DeliveredPicturesTest::resourcesLoadAtTheirSizes()
{
    // Resources come from a static library: its initialiser must have run.
    QList<QPair<QString, QSize>> expected = {
        {u"tab_active.png"_s, {123, 37}},
        {u"tab_inactive.png"_s, {125, 39}},
        {u"tab0.png"_s, {47, 47}},
        {u"tab1.png"_s, {47, 46}},
        {u"tab2.png"_s, {422, 60}},
        {u"tab3.png"_s, {30, 44}},
        {u"tab4.gif"_s, {20, 20}},
        {u"tab5.gif"_s, {69, 62}},
        {u"tab6.png"_s, {47, 40}},
        {u"tab7.png"_s, {48, 47}},
        {u"picnote.png"_s, {16, 16}},
        {u"picexit.png"_s, {10, 10}},
        {u"icon16.png"_s, {16, 16}},
        {u"icon24.png"_s, {24, 24}},
        {u"icon32.png"_s, {32, 32}},
        {u"icon48.png"_s, {48, 48}},
        {u"title.png"_s, {494, 449}},
        {u"welcome.png"_s, {326, 172}},
        {u"smile_back.png"_s, {438, 545}},
        {u"smile_icon.png"_s, {32, 32}},
        {u"view_back.png"_s, {138, 117}},
        {u"option1_back.png"_s, {395, 283}},
        {u"options_back.png"_s, {423, 179}},
        {u"options_banner.png"_s, {747, 30}},
        {u"viewborder_back.png"_s, {579, 343}},
    };
    for (int i = 0; i < catalogue::kSwatches; ++i)
        expected.append({u"swatch%1.png"_s.arg(i), i == 1 ? QSize(31, 30) : QSize(50, 45)});
    for (int i = 1; i <= catalogue::kToolIcons; ++i) {
        const QSize size = i <= 6 ? QSize(16, 15) : (i <= 14 ? QSize(16, 16) : QSize());
        expected.append({u"tool%1.png"_s.arg(i), size});
    }
    for (const auto& [name, size] : expected) {
        const QString path = u":/art/"_s + name;
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + u": "_s + reader.errorString()));
        if (size.isValid()) {
            QVERIFY2(image.size() == size, qPrintable(path));
        } else {
            // The larger toolbar icons are square, 20 to 32 pixels.
            QVERIFY2(image.width() == image.height() && image.width() >= 20 && image.width() <= 32,
                     qPrintable(path));
        }
    }
    for (const QString& animated : {u":/art/tab4.gif"_s, u":/art/tab5.gif"_s}) {
        QImageReader reader(animated);
        QVERIFY2(reader.imageCount() > 1, qPrintable(animated));
        QVERIFY(reader.loopCount() != 0);
    }
    // Swatches show their colour in the middle.
    QCOMPARE(QImage(u":/art/swatch5.png"_s).pixelColor(25, 22).hue(), 0);
    QVERIFY(QImage(u":/art/swatch9.png"_s).pixelColor(25, 22).blue() > 150);
}

void DeliveredPicturesTest::animationsLoopWithoutAJump()
{
    // An animation plays round and round: going from its last frame back to
    // its first should change the picture no more than one step within it.
    const QStringList names = pictures::linkButtons() + pictures::borders() + pictures::smilies();
    int animations = 0;
    QStringList jumps;
    for (const QString& name : names) {
        const QList<QImage> frames = pictures::frames(pictures::path(name));
        if (frames.size() < 2)
            continue;
        ++animations;
        QList<QImage> flat;
        for (const QImage& frame : frames)
            flat.append(pictures::inCell(frame, frame.size()));
        double largestStep = 0;
        for (qsizetype k = 1; k < flat.size(); ++k)
            largestStep = std::max(largestStep, pictures::meanDifference(flat[k - 1], flat[k]));
        const double wrap = pictures::meanDifference(flat.last(), flat.first());
        if (wrap > largestStep * 1.5 + 0.5)
            jumps.append(name + u" (%1 against steps of up to %2)"_s.arg(wrap, 0, 'f', 2)
                                    .arg(largestStep, 0, 'f', 2));
    }
    QVERIFY(animations > 50);
    QVERIFY2(jumps.isEmpty(),
             qPrintable(u"jump back to their first frame: "_s + jumps.join(u", "_s)));
}
