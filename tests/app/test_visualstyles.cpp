// The visual-styles manifest and restart script: the bytes of both files,
// the manifest's path, the three ways a start finds things, and starts where
// the files cannot be written or the script cannot be started.
#include "app/visualstyles.h"
#include "tests/support/recordingplatform.h"
#include "tests/support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace visualstyles;

class TestVisualStyles : public QObject {
    Q_OBJECT
    // Separate folders: the script belongs in the working directory.
    QTemporaryDir app_, cwd_;
    QString manifest() const { return app_.filePath(u"Tarnwell.exe.manifest"_s); }
    QString script() const { return cwd_.filePath(u"tmp.bat"_s); }
    ProgramLocation where() const { return {app_.path(), u"Tarnwell.exe"_s, cwd_.path()}; }
    void clear()
    {
        QFile::remove(manifest());
        QFile::remove(script());
    }

private Q_SLOTS:
    void init() { clear(); }

    void fileBytes()
    {
        const QByteArray text = buildManifestText();
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 24);
        QCOMPARE(text.count("\r\n"), 23); // the writer adds the last line end
        QCOMPARE(lines[0], "<?xml version=\"1.0\" encoding=\"UTF-8\"\r");
        QCOMPARE(lines[1], "standalone=\"yes\"?>\r");
        QCOMPARE(lines[7], "    name=\"Numbrook.exe\"\r");
        QCOMPARE(lines[18], "            publicKeyToken=\"6595b64144ccf1df\"\r");
        QCOMPARE(lines[19], "            language = \"*\"\r");
        QCOMPARE(lines[23], "</assembly>");
        QCOMPARE(text.count(" = "), 1);

        for (const QString& exe : {u"Tarnwell.exe"_s, u"Tarnwell"_s}) {
            QList<QByteArray> script = restartScriptText(exe).split('\n');
            QCOMPARE(script.takeLast(), ""); // after the last CR LF
            QCOMPARE(script.size(), 103);
            QCOMPARE(script.first(), "ECHO OFF\r");
            QCOMPARE(script.count("ECHO.\r"), 101);
            QCOMPARE(script.last(), "Tarnwell.exe\r");
        }
    }

    void paths()
    {
        const QStringList cases[] = {
            {u"C:\\Tools"_s, u"Tarnwell.exe"_s, u"C:\\Tools\\Tarnwell.exe.manifest"_s},
            {u"D:\\"_s, u"Tarnwell.exe"_s, u"D:\\Tarnwell.exe.manifest"_s},
            {u"C:/Tools"_s, u"Tarnwell.exe"_s, u"C:/Tools/Tarnwell.exe.manifest"_s},
            {u"D:/"_s, u"Tarnwell.exe"_s, u"D:/Tarnwell.exe.manifest"_s},
            {u"/opt/t"_s, u"My.Tool.exe"_s, u"/opt/t/My.Tool.exe.manifest"_s},
            {u"/opt/t"_s, u"tarnwell"_s, u"/opt/t/tarnwell.exe.manifest"_s},
        };
        for (const QStringList& c : cases)
            QCOMPARE(manifestPath(c[0], c[1]), c[2]);
        QCOMPARE(restartScriptPath(cwd_.path()), script());
    }

    void fileHasContentRemovesOnlyEmptyFiles()
    {
        QVERIFY(!fileHasContent(script()));
        QVERIFY(!QFile::exists(script()));
        QVERIFY(writeFile(script(), {}));
        QVERIFY(!fileHasContent(script()));
        QVERIFY(!QFile::exists(script()));
        QVERIFY(writeFile(script(), "x"));
        QVERIFY(fileHasContent(script()));
        QCOMPARE(contentsOf(script()), "x");
    }

    void firstStartRestartedStartAndNormalStart()
    {
        RecordingPlatform platform;
        QCOMPARE(ensureVisualStylesManifest(where()), ManifestOutcome::EndProcess);
        QCOMPARE(contentsOf(manifest()), buildManifestText() + "\r\n");
        QCOMPARE(platform.hiddenFiles, QStringList{manifest()});
        QCOMPARE(contentsOf(script()), restartScriptText(u"Tarnwell.exe"_s));
        QVERIFY(!QFile::exists(app_.filePath(u"tmp.bat"_s)));
        QCOMPARE(platform.started.size(), 1);
        QCOMPARE(platform.started[0].program, script());
        QCOMPARE(platform.started[0].workingFolder, cwd_.path());

        for (const char* state : {"restarted", "normal"}) {
            QCOMPARE(ensureVisualStylesManifest(where()), ManifestOutcome::ContinueLoading);
            QVERIFY2(!QFile::exists(script()), state);
            QCOMPARE(platform.started.size(), 1);
            QCOMPARE(platform.hiddenFiles.size(), 1);
        }
    }

    void anyManifestCountsAsPresent()
    {
        for (const QByteArray& contents : {QByteArray(), QByteArray("not xml")}) {
            RecordingPlatform platform;
            QVERIFY(writeFile(manifest(), contents));
            QVERIFY(writeFile(script(), {}));
            QCOMPARE(ensureVisualStylesManifest(where()), ManifestOutcome::ContinueLoading);
            QCOMPARE(contentsOf(manifest()), contents);
            QVERIFY(!QFile::exists(script()));
            QVERIFY(platform.started.isEmpty());
        }
    }

    // A folder "under" a regular file cannot be written, even by root.
    void failuresContinueWithoutRestart()
    {
        const QString file = app_.filePath(u"file"_s);
        QVERIFY(writeFile(file, "x"));
        struct Case {
            ProgramLocation at;
            bool starts;
            bool manifestKept;
        };
        const Case cases[] = {
            {{file, u"Tarnwell.exe"_s, cwd_.path()}, true, false}, // manifest unwritable
            {{app_.path(), u"Tarnwell.exe"_s, file}, true, true},  // script unwritable
            {where(), false, true},                                // script does not start
        };
        for (const Case& c : cases) {
            clear();
            RecordingPlatform platform;
            platform.startResult = c.starts;
            for (int start = 0; start < 2; ++start) // no restart on the next start either
                QCOMPARE(ensureVisualStylesManifest(c.at), ManifestOutcome::ContinueLoading);
            QCOMPARE(platform.started.size(), c.starts ? 0 : 1);
            QCOMPARE(contentsOf(manifest()),
                     c.manifestKept ? buildManifestText() + "\r\n" : QByteArray());
            QVERIFY(!QFile::exists(script()));
            QCOMPARE(QDir(app_.path()).entryList(QDir::Files | QDir::Hidden).size(),
                     c.manifestKept ? 2 : 1); // no half-written leftovers
        }
    }
};

QTEST_GUILESS_MAIN(TestVisualStyles)
#include "test_visualstyles.moc"
