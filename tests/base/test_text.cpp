// The text logic under the windows: settings files, application-folder
// paths and picture names, and rounding.
#include "base/appfolder.h"
#include "base/settingsfile.h"
#include "base/twips.h"
#include "tests/support/asnobody.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstField_data();
    void firstField();
    void readValueFailures();
    void writeValueRoundTrip();
    void oddSitesReadBackWhole_data();
    void oddSitesReadBackWhole();
    void sitesNoLineCanHoldAreRefused_data();
    void sitesNoLineCanHoldAreRefused();
    void codePageFilesStayInTheirCodePage();
    void writeValueFailureKeepsOldContents();
    void writeValueInPlaceWhereTheFolderForbidsNewFiles();
    void appFolderPaths();
    void pictureNames();
    void roundHalfEven();
    void twipsToPixelsKeepsEdgesTogether();
};

void TestText::firstField_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("hasField");

    QTest::newRow("plain line") << QByteArray("http://host/links/\r\n") << u"http://host/links/"_s
                                << true;
    QTest::newRow("ends at comma")
        << QByteArray("http://host/a,b/\r\n") << u"http://host/a"_s << true;
    QTest::newRow("quoted keeps commas")
        << QByteArray("\"http://host/a,b/\"\r\n") << u"http://host/a,b/"_s << true;
    QTest::newRow("leading blanks skipped")
        << QByteArray("   http://h/\r\n") << u"http://h/"_s << true;
    QTest::newRow("blanks before a quote") << QByteArray("  \" x \"\r\n") << u" x "_s << true;
    QTest::newRow("second line ignored")
        << QByteArray("first/\r\nsecond/\r\n") << u"first/"_s << true;
    QTest::newRow("bare LF line end") << QByteArray("first/\nsecond/") << u"first/"_s << true;
    QTest::newRow("no line end") << QByteArray("http://h/") << u"http://h/"_s << true;
    QTest::newRow("trailing blanks trimmed")
        << QByteArray("http://h/   \r\n") << u"http://h/"_s << true;
    QTest::newRow("unclosed quote ends with the line")
        << QByteArray("\"abc\r\nnext") << u"abc"_s << true;
    QTest::newRow("empty line is an empty field") << QByteArray("\r\n") << QString() << true;
    QTest::newRow("empty file") << QByteArray() << QString() << false;
    QTest::newRow("blanks only") << QByteArray("    ") << QString() << false;
    QTest::newRow("arabic text") << QStringLiteral(u"http://منتدى/\r\n").toLocal8Bit()
                                 << u"http://منتدى/"_s << true;
}

void TestText::firstField()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    QFETCH(bool, hasField);
    const auto field = settings::firstField(contents);
    QCOMPARE(field.has_value(), hasField);
    if (hasField)
        QCOMPARE(*field, expected);
}

void TestText::readValueFailures()
{
    QTemporaryDir dir;
    const auto missingFile = settings::readValue(dir.filePath(u"Links.dat"_s));
    QVERIFY(!missingFile.ok());
    QVERIFY(missingFile.failure().text.startsWith(u"File not found"_s));
    QVERIFY(missingFile.failure().text.contains(u"Links.dat"_s));

    const auto missingFolder = settings::readValue(dir.filePath(u"zqLink/Links.dat"_s));
    QVERIFY(!missingFolder.ok());
    QVERIFY(missingFolder.failure().text.startsWith(u"Path not found"_s));
    QVERIFY(missingFolder.failure().text.contains(u"zqLink"_s));

    QFile empty(dir.filePath(u"BordSite.dat"_s));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    const auto noField = settings::readValue(empty.fileName());
    QVERIFY(!noField.ok());
    QVERIFY(noField.failure().text.contains(u"empty"_s));
    QVERIFY(noField.failure().text.contains(u"BordSite.dat"_s));
}

void TestText::writeValueRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Links.dat"_s);
    QVERIFY(settings::writeValue(path, u"http://old/"_s).ok());
    QVERIFY(settings::writeValue(path, u"http://new/xy/"_s).ok());
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    // One line, CR LF, no quotes; the whole old contents replaced.
    QCOMPARE(f.readAll(), QByteArray("http://new/xy/\r\n"));
    QCOMPARE(settings::readValue(path).value().text, u"http://new/xy/"_s);
}

void TestText::oddSitesReadBackWhole_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QByteArray>("line"); // what the file holds

    // Only a value the reader would cut or trim gets quotes.
    QTest::newRow("comma") << u"http://q.example/a,b/"_s
                           << QByteArray("\"http://q.example/a,b/\"\r\n");
    QTest::newRow("leading blank") << u" http://h/"_s << QByteArray("\" http://h/\"\r\n");
    QTest::newRow("trailing blank") << u"http://h/ "_s << QByteArray("\"http://h/ \"\r\n");
    QTest::newRow("quote inside") << u"http://h/a\"b/"_s << QByteArray("http://h/a\"b/\r\n");
    QTest::newRow("quote at the end") << u"http://h/ab\""_s << QByteArray("http://h/ab\"\r\n");
    QTest::newRow("arabic") << u"http://منتدى/"_s
                            << QByteArray("http://\xD9\x85\xD9\x86\xD8\xAA\xD8\xAF\xD9\x89/\r\n");
    QTest::newRow("empty") << QString() << QByteArray("\r\n");
}

void TestText::oddSitesReadBackWhole()
{
    QFETCH(QString, site);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Links.dat"_s);
    const auto written = settings::writeValue(path, site);
    QVERIFY2(written.ok(), qPrintable(written.ok() ? QString() : written.failure().text));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), line);
    QCOMPARE(settings::readValue(path).value().text, site);
}

void TestText::sitesNoLineCanHoldAreRefused_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("reason");
    const QString oneLine = u"A site is a single line; it cannot hold a line break."_s;
    const QString quote = u"%22"_s;
    QTest::newRow("LF") << u"http://h/a/\nhttp://h/b/"_s << oneLine;
    QTest::newRow("CR LF") << u"http://h/a/\r\n"_s << oneLine;
    QTest::newRow("CR") << u"http://h/\rb/"_s << oneLine;
    // The reader drops a leading quote and ends a quoted field at the next
    // one, so no line reads back as these.
    QTest::newRow("leading quote") << u"\"http://h/"_s << quote;
    QTest::newRow("quoted site") << u"\"http://h/a,b/\""_s << quote;
    QTest::newRow("comma and quote") << u"http://h/a,b\"c/"_s << quote;
}

void TestText::sitesNoLineCanHoldAreRefused()
{
    QFETCH(QString, site);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"BordSite.dat"_s);
    QVERIFY(settings::writeValue(path, u"http://kept/"_s).ok());
    const auto written = settings::writeValue(path, site);
    QVERIFY(!written.ok());
    const QString error = written.failure().text;
    QCOMPARE(written.failure().path, path);
    QVERIFY2(error.startsWith(u"Cannot save %1:\n"_s.arg(QDir::toNativeSeparators(path))),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(contentsOf(path), QByteArray("http://kept/\r\n"));
}

void TestText::codePageFilesStayInTheirCodePage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Links.dat"_s);
    // Not UTF-8: read in the Arabic Windows code page, every byte a letter.
    const QByteArray windows("http://h\xe9\xff/z/\r\n");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(windows);
    f.close();
    const files::Result<settings::Value> read = settings::readValue(path);
    QVERIFY(read.ok());
    QCOMPARE(read.value().text, u"http://h\u00e9\u06d2/z/"_s);
    QCOMPARE(read.value().encoding, settings::Encoding::CodePage1256);

    // Written back in it, byte for byte.
    files::Result<settings::Encoding> written =
        settings::writeValue(path, read.value().text, read.value().encoding);
    QVERIFY(written.ok());
    QCOMPARE(contentsOf(path), windows);
    QCOMPARE(written.value(), settings::Encoding::CodePage1256);
    // Arabic letters too.
    QVERIFY(settings::writeValue(path, u"http://منتدى/"_s, read.value().encoding).ok());
    QCOMPARE(contentsOf(path), QByteArray("http://\xe3\xe4\xca\xcf\xec/\r\n"));
    QCOMPARE(settings::readValue(path).value().text, u"http://منتدى/"_s);

    // What the code page cannot hold goes in as UTF-8 and reads back whole;
    // so does a value whose code-page bytes would read as UTF-8 ("\xd8\xb9"
    // is also the UTF-8 of another letter).
    for (const QString& site : {u"http://例子.example/"_s, u"http://h/\u0637\u00b9/"_s}) {
        written = settings::writeValue(path, site, read.value().encoding);
        QVERIFY(written.ok());
        QCOMPARE(written.value(), settings::Encoding::Utf8);
        QCOMPARE(contentsOf(path), site.toUtf8() + "\r\n");
        QCOMPARE(settings::readValue(path).value().text, site);
    }
}

void TestText::writeValueFailureKeepsOldContents()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"BordSite.dat"_s);
    QVERIFY(settings::writeValue(path, u"http://kept/"_s).ok());

#ifdef Q_OS_UNIX
    // A write that fails half-way (the file size limit stands in for a full
    // disk, and binds root too): the old contents must survive.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const auto written =
        settings::writeValue(path, u"http://a-much-longer-site-that-does-not-fit/"_s);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written.ok());
    QVERIFY(written.failure().text.contains(path));
    QCOMPARE(settings::readValue(path).value().text, u"http://kept/"_s);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"BordSite.dat"_s});
#endif

    // A folder that does not exist is reported, not created.
    const auto noFolder = settings::writeValue(dir.filePath(u"missing/BordSite.dat"_s), u"x"_s);
    QVERIFY(!noFolder.ok());
    QVERIFY(noFolder.failure().text.contains(u"missing"_s));
    QVERIFY(!QDir(dir.filePath(u"missing"_s)).exists());
}

#ifdef Q_OS_UNIX
namespace {
// Runs check() where the folder lets nobody create a file in it but the
// file itself is writable (a folder an administrator installed). Root may
// write anywhere, so as root the check runs in a child process as nobody.
bool withoutFolderWriteAccess(const QString& folder, const std::function<bool()>& check)
{
    const QByteArray name = QFile::encodeName(folder);
    // Root's child drops to nobody, for whom the folder's owner bits do not
    // count; anyone else is kept out by the bits.
    ::chmod(name.constData(), geteuid() == 0 ? 0755 : 0555);
    const bool ok = asUnprivilegedUser(check);
    ::chmod(name.constData(), 0755);
    return ok;
}

} // namespace
#endif

void TestText::writeValueInPlaceWhereTheFolderForbidsNewFiles()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Links.dat"_s);
    QVERIFY(settings::writeValue(path, u"http://old/"_s).ok());
    ::chmod(QFile::encodeName(path).constData(), 0666);

    // No temporary file can be made beside it: the file is written in place.
    QVERIFY(withoutFolderWriteAccess(dir.path(), [&path] {
        return settings::writeValue(path, u"http://a-new-and-longer-site/"_s).ok();
    }));
    QCOMPARE(contentsOf(path), QByteArray("http://a-new-and-longer-site/\r\n"));
    QVERIFY(withoutFolderWriteAccess(
        dir.path(), [&path] { return settings::writeValue(path, u"http://short/"_s).ok(); }));
    QCOMPARE(contentsOf(path), QByteArray("http://short/\r\n"));

    // A write in place that fails half-way puts the old contents back.
    QVERIFY(withoutFolderWriteAccess(dir.path(), [&path] {
        rlimit tiny{};
        getrlimit(RLIMIT_FSIZE, &tiny);
        tiny.rlim_cur = 20;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tiny);
        const auto written =
            settings::writeValue(path, u"http://a-site-longer-than-twenty-bytes/"_s);
        return !written.ok() && written.failure().text.contains(path);
    }));
    QCOMPARE(contentsOf(path), QByteArray("http://short/\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Links.dat"_s});
#else
    QSKIP("folder permissions are tested on Unix");
#endif
}

void TestText::appFolderPaths()
{
    const appfolder::AppFolder folder(u"/opt/tarnwell"_s);
    const QString sep = QDir::separator();
    QCOMPARE(folder.logo(), QDir::toNativeSeparators(u"/opt/tarnwell/logo.gif"_s));
    QCOMPARE(folder.linkPicture(57),
             QDir::toNativeSeparators(u"/opt/tarnwell/zqLink/Link57.gif"_s));
    QCOMPARE(folder.linkSettings(), QDir::toNativeSeparators(u"/opt/tarnwell/zqLink/Links.dat"_s));
    QCOMPARE(folder.borderPicture(0), QDir::toNativeSeparators(u"/opt/tarnwell/Border/b0.gif"_s));
    QCOMPARE(folder.borderSettings(),
             QDir::toNativeSeparators(u"/opt/tarnwell/Border/BordSite.dat"_s));
    QCOMPARE(folder.optionPicture(4), QDir::toNativeSeparators(u"/opt/tarnwell/zqOptions/4.gif"_s));
    QCOMPARE(folder.smiley(u"psmilie"_s, 10),
             QDir::toNativeSeparators(u"/opt/tarnwell/pics/psmilie/010.gif"_s));
    // Plain concatenation: a root folder gives a doubled separator.
    const appfolder::AppFolder root(sep);
    QCOMPARE(root.logo(), sep + sep + u"logo.gif"_s);
}

void TestText::pictureNames()
{
    QCOMPARE(appfolder::linkFileName(0), u"Link0.gif"_s);
    QCOMPARE(appfolder::linkFileName(137), u"Link137.gif"_s);
    QCOMPARE(appfolder::borderFileName(59), u"b59.gif"_s);
    QCOMPARE(appfolder::smileyName(1), u"001"_s);
    QCOMPARE(appfolder::smileyName(9), u"009"_s);
    QCOMPARE(appfolder::smileyName(10), u"010"_s);
    QCOMPARE(appfolder::smileyName(41), u"041"_s);
    // Nothing is put between a site and a file name.
    QCOMPARE(appfolder::webAddress(u"http://h/links"_s, appfolder::linkFileName(5)),
             u"http://h/linksLink5.gif"_s);
    QCOMPARE(appfolder::webAddress(QString(), appfolder::borderFileName(7)), u"b7.gif"_s);
}

void TestText::roundHalfEven()
{
    QCOMPARE(tw::roundHalfEven(2.5), 2);
    QCOMPARE(tw::roundHalfEven(3.5), 4);
    QCOMPARE(tw::roundHalfEven(-2.5), -2);
    QCOMPARE(tw::roundHalfEven(-3.5), -4);
    QCOMPARE(tw::roundHalfEven(2.4999), 2);
    QCOMPARE(tw::roundHalfEven(-0.6), -1);
    QCOMPARE(tw::roundHalfEven(7.0), 7);
}

void TestText::twipsToPixelsKeepsEdgesTogether()
{
    QCOMPARE(tw::toPixels(tw::Rect{7500, 840, 1815, 495}), QRect(500, 56, 121, 33));
    // Two controls that touch in twips touch in pixels, whatever the rounding.
    const QRect a = tw::toPixels(tw::Rect{0, 0, 7, 22});
    const QRect b = tw::toPixels(tw::Rect{7, 22, 8, 8});
    QCOMPARE(a.x() + a.width(), b.x());
    QCOMPARE(a.y() + a.height(), b.y());
}

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
