// Start-up benchmark. Runs itself as a child process in three roles and
// prints: the time from process start to the main window shown with the
// delivered pictures, the same for a bare window of the same size (the
// floor), the time to merely decode every delivered picture, their ratio,
// and the peak resident memory of the real start-up.
//
//   bench_startup [runs]            the driver (default 9 runs per role)
//   bench_startup --child full|bare the roles it starts
#include "appfolder.h"
#include "application.h"
#include "fontsetup.h"
#include "frmvorlane.h"
#include "twips.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QString binDir()
{
    const QString fromEnv = qEnvironmentVariable("TARNWELL_BIN_DIR");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + u"/../bin"_s : fromEnv;
}

// Reports the first paint of a window on stdout, then ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                long maxRssKb = 0;
#ifdef Q_OS_UNIX
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                maxRssKb = usage.ru_maxrss;
#endif
                std::printf("shown %ld\n", maxRssKb);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};

int runChild(int argc, char* argv[], const QString& role)
{
    // As the program does before its application object exists.
    if (role == u"full"_s) {
        const QString bin = qEnvironmentVariable(
            "TARNWELL_BIN_DIR",
            QFileInfo(QFile::decodeName(argv[0])).absolutePath() + u"/../bin"_s);
        fontsetup::narrowFontSet(bin + u"/fonts.conf"_s);
    }
    QApplication app(argc, argv);
    FirstPaint watcher;
    if (role == u"bare"_s) {
        QWidget bare;
        bare.setWindowTitle(u"Tarnwell 1.3"_s);
        bare.setFixedSize(tw::toPixels(tw::Rect{0, 0, 9570, 6735}).size());
        bare.installEventFilter(&watcher);
        bare.show();
        return QApplication::exec();
    }
    QElapsedTimer phase;
    phase.start();
    Application tarnwell{appfolder::AppFolder(binDir())};
    if (tarnwell.start() != Application::StartResult::Running)
        return 1;
    std::printf("phases %.1f\n", phase.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    tarnwell.mainWindow()->installEventFilter(&watcher);
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    double startMs = 0; // the program's own start-up, window shown
    long maxRssKb = 0;
};

Sample runOnce(const QString& role)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, role});
    Sample sample;
    while (child.waitForReadyRead(30000)) {
        const QByteArray line = child.readLine();
        if (line.startsWith("phases")) {
            const QList<QByteArray> parts = line.trimmed().split(' ');
            sample.startMs = parts.value(1).toDouble();
        } else if (line.startsWith("shown")) {
            sample.ms = timer.nsecsElapsed() / 1e6;
            sample.maxRssKb = line.mid(6).trimmed().toLong();
            break;
        }
    }
    child.waitForFinished(30000);
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double decodeAllMs()
{
    QStringList files;
    QDirIterator it(binDir(), {u"*.gif"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // Only what start-up reads: the logo, link buttons, borders, options.
        if (!path.contains(u"/pics/"_s))
            files << path;
    }
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (const QString& f : files) {
            QImageReader reader(f);
            if (reader.read().isNull())
                std::fprintf(stderr, "cannot decode %s\n", qPrintable(f));
        }
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("pictures decoded per run:                 %lld\n",
                static_cast<long long>(files.size()));
    return median(runs);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv, QString::fromLatin1(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 9;
    std::vector<double> full;
    std::vector<double> bare;
    std::vector<double> startup;
    long peakKb = 0;
    // Alternate the two roles so that machine load affects both alike.
    runOnce(u"full"_s); // warm the file cache
    for (int i = 0; i < runs; ++i) {
        const Sample b = runOnce(u"bare"_s);
        const Sample f = runOnce(u"full"_s);
        if (b.ms <= 0 || f.ms <= 0) {
            std::fprintf(stderr, "a child did not show its window\n");
            return 1;
        }
        bare.push_back(b.ms);
        full.push_back(f.ms);
        startup.push_back(f.startMs);
        peakKb = std::max(peakKb, f.maxRssKb);
    }
    const double fullMs = median(full);
    const double bareMs = median(bare);
    std::printf("platform:                                 %s\n",
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", u"(default)"_s)));
    std::printf("process start to main window shown (ms):  %.1f  (median of %d)\n", fullMs, runs);
    std::printf("  of which start-up in the program (ms):  %.1f\n", median(startup));
    std::printf("bare window of the same size (ms, floor): %.1f\n", bareMs);
    std::printf("decode all delivered pictures (ms):       %.1f\n", decodeAllMs());
    std::printf("ratio shown / bare:                       %.2f  (target <= 2.0)\n",
                fullMs / bareMs);
    std::printf("peak resident memory (MB):                %.1f  (target < 80)\n", peakKb / 1024.0);
    return 0;
}
