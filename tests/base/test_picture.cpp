// Opening picture files: the whole-structure check of a GIF, files that are
// no files at all, and the animated-picture viewer that plays them.
#include "base/controls/animatedpicture.h"
#include "base/fileaccess.h"
#include "base/picture.h"
#include "tests/support/testfiles.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImageWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// A delivered animation and a delivered still picture.
QString deliveredGif(bool animated)
{
    QDirIterator it(qEnvironmentVariable("TARNWELL_BIN_DIR") + u"/zqLink"_s, {u"*.gif"_s});
    while (it.hasNext()) {
        const QString path = it.next();
        const files::Result<picture::Info> checked = picture::check(path);
        if (checked.ok() && (checked.value().frames > 1) == animated)
            return path;
    }
    return {};
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeGifsPassAndTellTheirFrames();
    void damagedGifsAreRefusedWithTheirReason_data();
    void damagedGifsAreRefusedWithTheirReason();
    void otherKindsAreDecoded();
    void filesThatAreNotFilesAreRefused();
    void checksAheadAnswerAsTheCheckItself();
    void viewerPlaysAnimationsOnlyWhileSeen();
    void viewerShowsAStillPictureWithoutATimer();
    void viewerRaisesFailuresAndStaysEmpty();
    void viewerReportsClicksAndKeepsItsTag();
};

void TestPicture::wholeGifsPassAndTellTheirFrames()
{
    const QString animated = deliveredGif(true);
    const QString still = deliveredGif(false);
    QVERIFY2(!animated.isEmpty() && !still.isEmpty(),
             "TARNWELL_BIN_DIR must hold the delivered pictures");
    const files::Result<picture::Info> moving = picture::check(animated);
    QVERIFY(moving.ok());
    QVERIFY(moving.value().frames > 1);
    QImage first = picture::decodeFirstFrame(animated);
    QCOMPARE(moving.value().size, first.size());
    const files::Result<picture::Info> unmoving = picture::check(still);
    QVERIFY(unmoving.ok());
    QCOMPARE(unmoving.value().frames, 1);
}

void TestPicture::damagedGifsAreRefusedWithTheirReason_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray gif = contentsOf(deliveredGif(true));
    QVERIFY(gif.size() > 100);
    auto withByte = [&gif](qsizetype at, char value) {
        QByteArray b = gif;
        b[at] = value;
        return b;
    };
    QTest::newRow("empty") << QByteArray() << u"the file is empty"_s;
    QTest::newRow("header only") << gif.left(6) << u"the file is cut short"_s;
    QTest::newRow("13 bytes") << gif.left(13) << u"the file is cut short"_s;
    QTest::newRow("30 bytes") << gif.left(30) << u"the file is cut short"_s;
    QTest::newRow("half") << gif.left(gif.size() / 2) << u"the file is cut short"_s;
    QTest::newRow("no trailer") << gif.left(gif.size() - 1) << u"the file is cut short"_s;
    QTest::newRow("zero width") << withByte(6, 0).left(6) + QByteArray(2, 0) + gif.mid(8)
                                << u"implausible size 0 x %1"_s.arg(uchar(gif[8]) | uchar(gif[9])
                                                                                        << 8);
    QTest::newRow("65535 x 65535")
        << gif.left(6) + QByteArray(4, '\xff') + gif.mid(10) << u"implausible size 65535 x 65535"_s;
    QTest::newRow("stray byte before the trailer") << gif.left(gif.size() - 1) + QByteArray("\x07;")
                                                   << u"damaged at byte %1"_s.arg(gif.size() - 1);
}

void TestPicture::damagedGifsAreRefusedWithTheirReason()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"b1.gif"_s);
    QVERIFY(writeFile(path, bytes));
    const auto checked = picture::check(path);
    QVERIFY(!checked.ok());
    QCOMPARE(checked.failure().path, path);
    QCOMPARE(checked.failure().text,
             u"Invalid picture (%1):\n%2"_s.arg(reason, QDir::toNativeSeparators(path)));
    // The movie player would take some of these for pictures; the viewer
    // does not.
    const auto movie = picture::openMovie(path, nullptr);
    QVERIFY(!movie.ok());
    QCOMPARE(movie.failure().text, checked.failure().text);
}

void TestPicture::otherKindsAreDecoded()
{
    QTemporaryDir dir;
    QImage image(31, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString jpeg = dir.filePath(u"swatch.jpg"_s);
    QVERIFY(image.save(jpeg, "JPEG"));
    const auto whole = picture::check(jpeg);
    QVERIFY(whole.ok());
    QCOMPARE(whole.value().size, QSize(31, 30));
    QVERIFY(writeFile(jpeg, contentsOf(jpeg).left(40)));
    QVERIFY(!picture::check(jpeg).ok());
}

void TestPicture::filesThatAreNotFilesAreRefused()
{
    QTemporaryDir dir;
    const auto missing = files::readAll(dir.filePath(u"gone.gif"_s));
    QVERIFY(!missing.ok());
    QCOMPARE(missing.failure().text,
             u"File not found:\n"_s + QDir::toNativeSeparators(dir.filePath(u"gone.gif"_s)));
    const auto noFolder = files::readAll(dir.filePath(u"Border/b0.gif"_s));
    QVERIFY(!noFolder.ok());
    QCOMPARE(noFolder.failure().text,
             u"Path not found:\n"_s + QDir::toNativeSeparators(dir.filePath(u"Border"_s)));
    const auto folder = files::readAll(dir.path());
    QVERIFY(!folder.ok());
    QVERIFY(folder.failure().text.startsWith(
        u"Cannot read the file (it is a folder, pipe or device, not a file)"_s));
#ifdef Q_OS_UNIX
    // Reading a pipe would wait for a writer for good.
    const QString pipe = dir.filePath(u"b2.gif"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!picture::check(pipe).ok());
    QVERIFY(timer.elapsed() < 5000);
    const auto device = files::readAll(u"/dev/zero"_s);
    QVERIFY(!device.ok());
    // A name longer than the system allows: its own reason, not "not found".
    const auto tooLong = files::readAll(dir.filePath(QString(300, u'x')));
    QVERIFY(!tooLong.ok());
    const QString tooLongText = tooLong.failure().text;
    QVERIFY2(tooLongText.startsWith(u"Cannot read the file ("_s + qt_error_string(ENAMETOOLONG)),
             qPrintable(tooLongText));
#endif
}

void TestPicture::checksAheadAnswerAsTheCheckItself()
{
    const QString still = deliveredGif(false);
    QVERIFY(!still.isEmpty());
    QTemporaryDir dir;
    const QString cut = dir.filePath(u"b1.gif"_s);
    QVERIFY(writeFile(cut, contentsOf(still).chopped(3)));
    const QString gone = dir.filePath(u"b2.gif"_s);
    const QString later = dir.filePath(u"b3.gif"_s);
    QVERIFY(writeFile(later, contentsOf(still)));
    const auto cutCheck = picture::check(cut);
    const auto goneCheck = picture::check(gone);
    QVERIFY(!cutCheck.ok() && !goneCheck.ok());
    const auto alone = picture::check(still);
    QVERIFY(alone.ok());
    {
        // A picture listed twice is answered twice; a broken or missing one
        // with the reason the check itself gives.
        const picture::ChecksAhead ahead({still, cut, gone, still, later});
        const auto first = picture::check(still);
        QVERIFY(first.ok());
        QCOMPARE(first.value().size, alone.value().size);
        QCOMPARE(first.value().frames, alone.value().frames);
        const auto cutAhead = picture::check(cut);
        QVERIFY(!cutAhead.ok());
        QCOMPARE(cutAhead.failure().text, cutCheck.failure().text);
        const auto goneAhead = picture::check(gone);
        QVERIFY(!goneAhead.ok());
        QCOMPARE(goneAhead.failure().text, goneCheck.failure().text);
        const auto second = picture::check(still);
        QVERIFY(second.ok());
        QCOMPARE(second.value().size, alone.value().size);
        // Asked once more than listed: checked on the spot.
        QVERIFY(picture::check(still).ok());
        QVERIFY(!picture::check(cut).ok());
    }
    // Gone with its list: a listed picture never asked for is checked as
    // it is now.
    QVERIFY(writeFile(later, "GIF89a"));
    QVERIFY(!picture::check(later).ok());
}

void TestPicture::viewerPlaysAnimationsOnlyWhileSeen()
{
    QWidget window;
    window.resize(300, 200);
    controls::AnimatedPicture viewer(&window);
    viewer.setGeometry(0, 0, 200, 100);
    QVERIFY(!viewer.setPictureFile(deliveredGif(true)));
    QVERIFY(viewer.frameCount() > 1);
    QVERIFY(!viewer.isAnimating()); // loaded, not yet played
    viewer.play();
    QVERIFY(!viewer.isAnimating()); // its window is not shown yet
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(viewer.isAnimating());
    window.hide();
    QVERIFY(!viewer.isAnimating());
    window.show();
    QVERIFY(viewer.isAnimating());
    window.showMinimized();
    QTRY_VERIFY(!viewer.isAnimating());
}

void TestPicture::viewerShowsAStillPictureWithoutATimer()
{
    QWidget window;
    controls::AnimatedPicture viewer(&window);
    viewer.setGeometry(0, 0, 200, 100);
    QVERIFY(!viewer.setPictureFile(deliveredGif(false)));
    viewer.play();
    window.show();
    QCOMPARE(viewer.frameCount(), 1);
    QVERIFY(!viewer.isAnimating());
    // It is drawn all the same.
    const QImage shot = viewer.grab().toImage();
    bool inked = false;
    for (int y = 0; y < shot.height() && !inked; ++y)
        for (int x = 0; x < shot.width() && !inked; ++x)
            inked = qAlpha(shot.pixel(x, y)) > 0;
    QVERIFY(inked);
}

void TestPicture::viewerRaisesFailuresAndStaysEmpty()
{
    QTemporaryDir dir;
    controls::AnimatedPicture viewer;
    QVERIFY(!viewer.setPictureFile(deliveredGif(true)));
    const auto missing = viewer.setPictureFile(dir.filePath(u"Link138.gif"_s));
    QVERIFY(missing);
    QVERIFY(missing->text.startsWith(u"File not found"_s));
    viewer.play();
    QVERIFY(!viewer.isAnimating());
    QCOMPARE(viewer.frameCount(), 0);

    const QString cut = dir.filePath(u"b7.gif"_s);
    const QByteArray gif = contentsOf(deliveredGif(true));
    QVERIFY(writeFile(cut, gif.left(gif.size() * 2 / 3)));
    const auto truncated = viewer.setPictureFile(cut);
    QVERIFY(truncated);
    QVERIFY(truncated->text.contains(u"cut short"_s));
}

void TestPicture::viewerReportsClicksAndKeepsItsTag()
{
    controls::AnimatedPicture viewer;
    viewer.resize(100, 80);
    viewer.setTag(u"http://smilies.example/smiliespic/happy/001.gif"_s);
    QCOMPARE(viewer.tag(), u"http://smilies.example/smiliespic/happy/001.gif"_s);
    QSignalSpy clicked(&viewer, &controls::AnimatedPicture::clicked);
    QTest::mouseClick(&viewer, Qt::LeftButton);
    QTest::mouseClick(&viewer, Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
    // Setting a picture leaves the tag alone.
    (void)viewer.setPictureFile(deliveredGif(false));
    QCOMPARE(viewer.tag(), u"http://smilies.example/smiliespic/happy/001.gif"_s);
}

QTEST_MAIN(TestPicture)
#include "test_picture.moc"
