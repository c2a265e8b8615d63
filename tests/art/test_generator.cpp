// The generator run as a whole: a fresh run reproduces the built files
// byte for byte (builds are reproducible) and fails loudly when it cannot
// write.
#include "test_art.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesUnder(const QString &dir)
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
    generator.start(QStringLiteral(TARNWELL_ART_EXE), {u"--delivered"_s, delivered, u"--resources"_s, resources});
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
    for (const QString &name : deliveredFiles) {
        QVERIFY2(contents(QDir(delivered).filePath(name)) == contents(built.filePath(name)),
                 qPrintable(name + u" differs from the built one"_s));
    }
    const QStringList resourceFiles = filesUnder(resources);
    QCOMPARE(resourceFiles.size(), 26 + 27 + 23);
    for (const QString &name : resourceFiles) {
        QVERIFY2(contents(QDir(resources).filePath(name)) == contents(u":/art/"_s + name),
                 qPrintable(name + u" differs from the compiled-in one"_s));
    }
}

void GeneratorTest::refusesMissingArgumentsAndUnwritableFolders()
{
    QProcess bare;
    bare.start(QStringLiteral(TARNWELL_ART_EXE), {u"--delivered"_s, u"/tmp"_s});
    QVERIFY(bare.waitForFinished(60000));
    QCOMPARE(bare.exitCode(), 2);
    QVERIFY(bare.readAllStandardError().contains("usage"));

    QProcess blocked;
    blocked.start(QStringLiteral(TARNWELL_ART_EXE),
                  {u"--delivered"_s, u"/proc/tarnwell-none"_s, u"--resources"_s, u"/proc/tarnwell-none"_s});
    QVERIFY(blocked.waitForFinished(240000));
    QCOMPARE(blocked.exitCode(), 1);
    const QByteArray errors = blocked.readAllStandardError();
    QVERIFY(errors.contains("logo.gif"));
    QVERIFY(errors.contains("tab_active.png"));
}
