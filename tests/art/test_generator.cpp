// The generator run as a whole: a fresh run reproduces the built files
// byte for byte (builds are reproducible) and fails loudly when it cannot
// write.
#include "test_art.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesUnder(const QString& dir)
{
    QStringList names;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        names.append(QDir(dir).relativeFilePath(it.next()));
    names.sort();
    return names;
}

} // namespace

void GeneratorTest::rerunReproducesTheBuiltFilesQuickly()
{
    QTemporaryDir out;
    const QString delivered = out.filePath(u"bin"_s), resources = out.filePath(u"res"_s);
    QProcess generator;
    QElapsedTimer timer;
    timer.start();
    generator.start(QStringLiteral(TARNWELL_ART_EXE),
                    {u"--delivered"_s, delivered, u"--resources"_s, resources});
    QVERIFY(generator.waitForFinished(240000));
    const qint64 elapsed = timer.elapsed();
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());
    qInfo("generation took %lld ms", static_cast<long long>(elapsed));
    // Generous: the build runs it every time, sanitizer builds included.
    QVERIFY(elapsed < 120000);

    const QStringList deliveredFiles = filesUnder(delivered);
    QCOMPARE(deliveredFiles.size(), 1 + 138 + 60 + 4 + 123 + 2);
    const QDir built(qEnvironmentVariable("TARNWELL_BIN_DIR"));
    for (const QString& name : deliveredFiles) {
        QVERIFY2(contents(QDir(delivered).filePath(name)) == contents(built.filePath(name)),
                 qPrintable(name + u" differs from the built one"_s));
    }
    const QStringList resourceFiles = filesUnder(resources);
    QCOMPARE(resourceFiles.size(), 25 + 27 + 23);
    for (const QString& name : resourceFiles) {
        QVERIFY2(contents(QDir(resources).filePath(name)) == contents(u":/art/"_s + name),
                 qPrintable(name + u" differs from the compiled-in one"_s));
    }
}

void GeneratorTest::refusesMissingArgumentsAndUnwritableFolders()
{
    for (const QStringList& args : {QStringList{u"--delivered"_s, u"/tmp"_s}, QStringList{}}) {
        QProcess bare;
        bare.start(QStringLiteral(TARNWELL_ART_EXE), args);
        QVERIFY(bare.waitForFinished(60000));
        QCOMPARE(bare.exitCode(), 2);
        QVERIFY(bare.readAllStandardError().contains("usage"));
    }

    QProcess blocked;
    blocked.start(QStringLiteral(TARNWELL_ART_EXE), {u"--delivered"_s, u"/proc/tarnwell-none"_s,
                                                     u"--resources"_s, u"/proc/tarnwell-none"_s});
    QVERIFY(blocked.waitForFinished(240000));
    QCOMPARE(blocked.exitCode(), 1);
    const QByteArray errors = blocked.readAllStandardError();
    QVERIFY(errors.contains("logo.gif"));
    QVERIFY(errors.contains("tab_active.png"));
}

void GeneratorTest::drawsTheProgramIconAsAnIconTheme()
{
    // On its own, --icons draws the icon theme and nothing else.
    QTemporaryDir out;
    QProcess generator;
    generator.start(QStringLiteral(TARNWELL_ART_EXE), {u"--icons"_s, out.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    const QList<int> sizes = {16, 22, 24, 32, 48, 64, 128, 256};
    QStringList expected;
    for (int size : sizes)
        expected.append(u"%1x%1/apps/tarnwell.png"_s.arg(size));
    expected.sort();
    QCOMPARE(filesUnder(out.path()), expected);

    const QDir built(QStringLiteral(TARNWELL_ICON_THEME_DIR));
    for (int size : sizes) {
        const QString name = u"%1x%1/apps/tarnwell.png"_s.arg(size);
        const QImage icon(QDir(out.path()).filePath(name));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY2(icon.hasAlphaChannel() && qAlpha(icon.pixel(0, size - 1)) == 0, qPrintable(name));
        // The build draws the same theme for installing...
        QVERIFY2(contents(QDir(out.path()).filePath(name)) == contents(built.filePath(name)),
                 qPrintable(name));
        // ...and at the window's sizes it is the window's icon.
        if (QFile::exists(u":/art/icon%1.png"_s.arg(size))) {
            QCOMPARE(
                icon.convertToFormat(QImage::Format_ARGB32),
                QImage(u":/art/icon%1.png"_s.arg(size)).convertToFormat(QImage::Format_ARGB32));
        }
    }
}
