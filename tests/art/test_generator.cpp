// The generator run as a whole: a fresh run reproduces the built files
// byte for byte (builds are reproducible), whatever other fonts the machine
// has, and fails loudly when it cannot write or a face is missing.
#include "tests/art/test_art.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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

// Names of the files a run wrote that differ from the built ones.
QStringList differences(const QString& delivered, const QString& resources)
{
    QStringList differing;
    QDirIterator it(delivered, QDir::Files, QDirIterator::Subdirectories);
    const QDir built(qEnvironmentVariable("TARNWELL_BIN_DIR"));
    int count = 0;
    while (it.hasNext()) {
        const QString name = QDir(delivered).relativeFilePath(it.next());
        ++count;
        if (contents(it.filePath()) != contents(built.filePath(name)))
            differing.append(name);
    }
    QDirIterator res(resources, QDir::Files);
    while (res.hasNext()) {
        const QString name = QFileInfo(res.next()).fileName();
        ++count;
        if (contents(res.filePath()) != contents(u":/art/"_s + name))
            differing.append(name);
    }
    if (count == 0)
        differing.append(u"(nothing written)"_s);
    return differing;
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
    // The logo and the option pictures come with their copies for 2x
    // screens; the forum's pictures without.
    QCOMPARE(deliveredFiles.size(), 1 + 138 + 60 + 4 + 123 + 2 + 1 + 4);
    const QDir built(qEnvironmentVariable("TARNWELL_BIN_DIR"));
    for (const QString& name : deliveredFiles) {
        QVERIFY2(contents(QDir(delivered).filePath(name)) == contents(built.filePath(name)),
                 qPrintable(name + u" differs from the built one"_s));
    }
    const QStringList resourceFiles = filesUnder(resources);
    QCOMPARE(resourceFiles.size(), 2 * (25 + 27 + 23));
    for (const QString& name : resourceFiles) {
        QVERIFY2(contents(QDir(resources).filePath(name)) == contents(u":/art/"_s + name),
                 qPrintable(name + u" differs from the compiled-in one"_s));
    }
}

void GeneratorTest::picturesIgnoreOtherInstalledFonts()
{
    // fonts-liberation (which a web browser pulls in) names its faces as
    // the ones the pictures are drawn with (from fonts-liberation2).
    // Running with and without it in sight must give the built pictures.
    const QString extra = u"/usr/share/fonts/truetype/liberation"_s;
    QVERIFY2(
        QFileInfo(extra).isDir(),
        "fonts-liberation is not installed: scripts/install-deps.sh installs it for this test");
    QTemporaryDir out;
    const auto config = [&](const QString& name, const QByteArray& extraRule) {
        QFile file(out.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write("<?xml version=\"1.0\"?>\n"
                   "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                   "<fontconfig>\n"
                   "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n" +
                   extraRule + "</fontconfig>\n");
        return file.fileName();
    };
    const QByteArray folder = QFile::encodeName(extra);
    const QString with = config(u"with.conf"_s, "  <dir>" + folder + "</dir>\n");
    const QString without = config(u"without.conf"_s, "  <selectfont><rejectfont><glob>" + folder +
                                                          "/*</glob></rejectfont></selectfont>\n");
    QVERIFY(!with.isEmpty() && !without.isEmpty());

    struct Run {
        QString name, config;
        QProcess process;
    } runs[2];
    runs[0].name = u"with"_s;
    runs[0].config = with;
    runs[1].name = u"without"_s;
    runs[1].config = without;
    for (Run& run : runs) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"FONTCONFIG_FILE"_s, run.config);
        run.process.setProcessEnvironment(env);
        run.process.start(QStringLiteral(TARNWELL_ART_EXE),
                          {u"--delivered"_s, out.filePath(run.name + u"/bin"_s), u"--resources"_s,
                           out.filePath(run.name + u"/res"_s)});
    }
    for (Run& run : runs) {
        QVERIFY(run.process.waitForFinished(240000));
        QVERIFY2(run.process.exitCode() == 0, run.process.readAllStandardError().constData());
    }
    for (Run& run : runs) {
        const QStringList differing =
            differences(out.filePath(run.name + u"/bin"_s), out.filePath(run.name + u"/res"_s));
        QVERIFY2(
            differing.isEmpty(),
            qPrintable(u"%1 fonts-liberation in sight, these differ from the built ones: %2"_s.arg(
                run.name, differing.join(u", "_s))));
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

    // A face missing from where its package puts it stops the run before
    // anything is drawn, naming the file and the package.
    QTemporaryDir out, faces;
    QProcess faceless;
    faceless.start(QStringLiteral(TARNWELL_ART_EXE),
                   {u"--delivered"_s, out.filePath(u"bin"_s), u"--resources"_s,
                    out.filePath(u"res"_s), u"--fonts"_s, faces.path()});
    QVERIFY(faceless.waitForFinished(60000));
    QCOMPARE(faceless.exitCode(), 1);
    const QByteArray missing = faceless.readAllStandardError();
    QVERIFY2(missing.contains(QFile::encodeName(faces.path()) +
                              "/truetype/liberation2/LiberationSans-Bold.ttf") &&
                 missing.contains("fonts-liberation2"),
             missing.constData());
    QVERIFY(filesUnder(out.path()).isEmpty());
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
