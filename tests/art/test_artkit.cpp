// The generator's drawing kit: font fallbacks and Arabic shaping, text
// fitting, seeded randomness, curves and the file sink.
#include "tests/art/test_art.h"

#include "art/artkit.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

void ArtKitTest::everyFaceResolvesToAnInstalledFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (art::Face face : {art::Face::Naskh, art::Face::Kufi, art::Face::ArabicSans,
                           art::Face::Decorative, art::Face::Sans, art::Face::Serif}) {
        const QFont f = art::font(face, 23, QFont::Bold);
        QCOMPARE(f.pixelSize(), 23);
        QVERIFY(!f.families().isEmpty());
        for (const QString& family : f.families())
            QVERIFY2(installed.contains(family, Qt::CaseInsensitive), qPrintable(family));
    }
}

void ArtKitTest::arabicTextIsShapedNotIsolated()
{
    // Joined letters are narrower than the same letters kept apart by
    // zero-width non-joiners; unshaped text would measure the same.
    const QFont f = art::font(art::Face::Kufi, 30, QFont::Bold);
    const QString joined = u"تحميل"_s;
    QString apart;
    for (QChar c : joined) {
        apart += c;
        apart += QChar(0x200C);
    }
    const QRectF a = art::textPath(joined, f, QPointF(0, 0)).boundingRect();
    const QRectF b = art::textPath(apart, f, QPointF(0, 0)).boundingRect();
    QVERIFY(a.width() > 20);
    QVERIFY2(a.width() < b.width() * 0.9, qPrintable(u"%1 vs %2"_s.arg(a.width()).arg(b.width())));
    // textPath centres the glyphs on the point it is given.
    QVERIFY(qAbs(a.center().x()) < 0.5 && qAbs(a.center().y()) < 0.5);
    QVERIFY(art::hasArabic(joined));
    QVERIFY(!art::hasArabic(u"Download 1.3"_s));
}

void ArtKitTest::fittedTextFitsWithoutShrinkingNeedlessly()
{
    const struct {
        QString text;
        QSizeF box;
    } cases[] = {
        {u"اضغط هنا للتحميل"_s, {90, 24}},
        {u"Download Now"_s, {60, 30}},
        {u"حمل"_s, {200, 18}},
        {u"Tarnwell"_s, {400, 90}},
    };
    for (const auto& c : cases) {
        const QFont start =
            art::font(art::hasArabic(c.text) ? art::Face::Kufi : art::Face::Sans, 60, QFont::Bold);
        const QFont f = art::fitted(start, c.text, c.box);
        QPainterPath path;
        path.addText(0, 0, f, c.text);
        QVERIFY2(path.boundingRect().width() <= c.box.width() &&
                     path.boundingRect().height() <= c.box.height(),
                 qPrintable(c.text));
        if (f.pixelSize() < start.pixelSize()) {
            // One size up would not have fitted.
            QFont bigger = f;
            bigger.setPixelSize(f.pixelSize() + 1);
            QPainterPath larger;
            larger.addText(0, 0, bigger, c.text);
            QVERIFY2(larger.boundingRect().width() > c.box.width() ||
                         larger.boundingRect().height() > c.box.height(),
                     qPrintable(c.text));
        }
    }
}

void ArtKitTest::randomIsReproducibleAndCoversItsRange()
{
    art::Random a(42), b(42), c(43);
    QList<uint32_t> first, second, other;
    for (int i = 0; i < 16; ++i) {
        first.append(a.next());
        second.append(b.next());
        other.append(c.next());
    }
    QCOMPARE(first, second);
    QVERIFY(first != other);
    // Fixed values: the pictures must not change between machines or
    // library versions, so the sequence is the generator's own.
    art::Random fixed(1);
    QCOMPARE(fixed.next(), 709623883u);
    QCOMPARE(fixed.next(), 4241147849u);
    art::Random r(7);
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = r.range(-3, 3);
        QVERIFY(v >= -3 && v <= 3);
        seen.insert(v);
        const qreal x = r.real(2, 5);
        QVERIFY(x >= 2 && x < 5);
    }
    QCOMPARE(seen.size(), 7);
}

void ArtKitTest::smoothCurvePassesThroughItsPoints()
{
    const QList<QPointF> points = {{10, 0}, {20, 10}, {10, 22}, {0, 9}, {3, 2}};
    const QPainterPath path = art::smoothClosed(points);
    // moveTo, then one cubic (three elements) per point.
    QCOMPARE(path.elementCount(), 1 + 3 * int(points.size()));
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPainterPath::Element e =
            path.elementAt(int(3 * ((i + points.size() - 1) % points.size()) + 3));
        QCOMPARE(QPointF(e.x, e.y), points[i]);
    }
    QVERIFY(path.contains(QPointF(10, 10)));
    QVERIFY(art::smoothClosed({{0, 0}, {1, 1}}).isEmpty());
}

void ArtKitTest::sinkWritesOrdinaryPermissionsAndReportsFailures()
{
    QTemporaryDir dir;
    const QString delivered = dir.filePath(u"out/bin"_s), resources = dir.filePath(u"out/res"_s);
    QImage image(6, 5, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const mode_t previous = ::umask(077);
    art::Sink sink(delivered, resources);
    sink.deliverGif(u"deep/er/picture.gif"_s, image);
    sink.deliverText(u"deep/site.dat"_s, "http://x/\r\n");
    sink.resourcePng(u"still.png"_s, image);
    sink.resourceGif(u"moving.gif"_s, {{image, 100}, {image.mirrored(), 100}});
    ::umask(previous);
    QVERIFY2(sink.errors().isEmpty(), qPrintable(sink.errors().join(u'\n')));
    QCOMPARE(sink.written(), 4);
    const auto mode = [](const QString& path) {
        struct stat info {};
        ::stat(QFile::encodeName(path).constData(), &info);
        return info.st_mode & 0777;
    };
    for (const QString& file :
         {delivered + u"/deep/er/picture.gif"_s, delivered + u"/deep/site.dat"_s,
          resources + u"/still.png"_s, resources + u"/moving.gif"_s})
        QVERIFY2(mode(file) == 0644, qPrintable(file));
    for (const QString& folder :
         {delivered, delivered + u"/deep"_s, delivered + u"/deep/er"_s, resources})
        QVERIFY2(mode(folder) == 0755, qPrintable(folder));
    QFile text(delivered + u"/deep/site.dat"_s);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.readAll(), QByteArray("http://x/\r\n"));

    // A file where a folder should be: every write is reported, none counted.
    QFile blocker(dir.filePath(u"blocker"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    art::Sink blocked(dir.filePath(u"blocker/bin"_s), dir.filePath(u"blocker/res"_s));
    blocked.deliverGif(u"a.gif"_s, image);
    blocked.resourcePng(u"b.png"_s, image);
    blocked.deliverText(u"c.dat"_s, "x");
    QCOMPARE(blocked.written(), 0);
    QCOMPARE(blocked.errors().size(), 3);
}
