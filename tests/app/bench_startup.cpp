// Start-up benchmark. Runs itself as a child process in three roles and
// prints: the time from process start to the main window shown with the
// delivered pictures, the work start-up leaves for after that first
// drawing, the same for a bare window of the same size (the floor), the
// time to merely decode every delivered picture, their ratio, the time from
// a click on each tab to what it shows painted, and the peak resident
// memory of the real start-up.
//
//   bench_startup [runs]                 the driver (default 9 runs per role)
//   bench_startup --child full|bare|tabs the roles it starts
#include "app/application.h"
#include "app/frmvorlane.h"
#include "base/appfolder.h"
#include "base/platform/fontsetup.h"
#include "base/twips.h"

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
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
    // Work to time once the window is reported shown: what start-up leaves
    // for after the first drawing.
    void setThen(std::function<void()> then) { then_ = std::move(then); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [this] {
                long maxRssKb = 0;
#ifdef Q_OS_UNIX
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                maxRssKb = usage.ru_maxrss;
#endif
                std::printf("shown %ld\n", maxRssKb);
                std::fflush(stdout);
                if (then_)
                    then_();
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
    std::function<void()> then_;
};

// Clicks each tab in turn, as the mouse would, and reports the time from
// the click to the first painting of what the tab shows (its page, or the
// smilies picker for tab 4): pages built when first shown pay for it here.
class TabClicker : public QObject {
public:
    explicit TabClicker(QWidget* window) : window_(window)
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(100, this, [this] { next(); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || target_.isEmpty() || !timer_.isValid())
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget &&
            (widget->objectName() == target_ || widget->window()->objectName() == target_)) {
            std::printf("tab %d %.1f\n", tabs_.at(step_), timer_.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            timer_.invalidate();
            ++step_;
            QTimer::singleShot(50, this, [this] { next(); });
        }
        return false;
    }

private:
    void next()
    {
        if (step_ >= tabs_.size()) {
            QCoreApplication::exit(0);
            return;
        }
        const int tab = tabs_.at(step_);
        target_ = tab == 4 ? u"frmSmile"_s : u"picName(%1)"_s.arg(tab);
        auto* label = window_->findChild<QWidget*>(u"lblProg(%1)"_s.arg(tab));
        const QPointF centre = QRectF(label->rect()).center();
        timer_.start();
        QMouseEvent press(QEvent::MouseButtonPress, centre, label->mapToGlobal(centre),
                          Qt::LeftButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(label, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, label->mapToGlobal(centre),
                            Qt::LeftButton, {}, {});
        QCoreApplication::sendEvent(label, &release);
    }

    QWidget* window_;
    const QList<int> tabs_{0, 1, 2, 5, 6, 4, 3};
    qsizetype step_ = 0;
    QString target_;
    QElapsedTimer timer_;
};

int runChild(int argc, char* argv[], const QString& role)
{
    // As the program does before its application object exists.
    if (role != u"bare"_s) {
        const QString bin = qEnvironmentVariable(
            "TARNWELL_BIN_DIR",
            QFileInfo(QFile::decodeName(argv[0])).absolutePath() + u"/../bin"_s);
        fontsetup::narrowFontSet(bin + u"/fonts.conf"_s);
        fontsetup::startLoadingFontSet();
    }
    QApplication app(argc, argv);
    fontsetup::finishLoadingFontSet();
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
    if (role == u"tabs"_s) {
        TabClicker clicker(tarnwell.mainWindow());
        return QApplication::exec();
    }
    FrmVorlane* window = tarnwell.mainWindow();
    watcher.setThen([window] {
        // The pages made after the first drawing, made here before that
        // step comes round.
        QElapsedTimer later;
        later.start();
        (void)window->namesPage();
        (void)window->symbolPage();
        std::printf("later %.2f\n", later.nsecsElapsed() / 1e6);
        std::fflush(stdout);
    });
    window->installEventFilter(&watcher);
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    double startMs = 0; // the program's own start-up, window shown
    double laterMs = 0; // the work left for after the first drawing
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
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("later "))
            sample.laterMs = line.mid(6).trimmed().toDouble();
    }
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
        // Only what start-up reads at 1x: the logo, link buttons, borders,
        // options (not their copies for 2x screens).
        if (!path.contains(u"/pics/"_s) && !path.contains(u"@2x."_s))
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
    std::vector<double> later;
    long peakKb = 0;
    long barePeakKb = 0;
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
        later.push_back(f.laterMs);
        peakKb = std::max(peakKb, f.maxRssKb);
        barePeakKb = std::max(barePeakKb, b.maxRssKb);
    }
    // From a click on each tab to what it shows painted, median of the runs.
    std::map<int, std::vector<double>> tabMs;
    for (int i = 0; i < std::max(3, runs / 3); ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {u"--child"_s, u"tabs"_s});
        child.waitForFinished(60000);
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("tab ")) {
                const QList<QByteArray> parts = line.split(' ');
                tabMs[parts.value(1).toInt()].push_back(parts.value(2).toDouble());
            }
        }
    }
    const double fullMs = median(full);
    const double bareMs = median(bare);
    std::printf("platform:                                 %s\n",
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", u"(default)"_s)));
    std::printf("process start to main window shown (ms):  %.1f  (median of %d)\n", fullMs, runs);
    std::printf("  of which start-up in the program (ms):  %.1f\n", median(startup));
    std::printf("  then the pages made after it (ms):     %.1f\n", median(later));
    std::printf("bare window of the same size (ms, floor): %.1f\n", bareMs);
    std::printf("decode all delivered pictures (ms):       %.1f\n", decodeAllMs());
    std::printf("ratio shown / bare:                       %.2f  (target <= 2.0)\n",
                fullMs / bareMs);
    for (const auto& [tab, times] : tabMs)
        std::printf("click on tab %d to its page painted (ms): %.1f  (target < 50)\n", tab,
                    median(times));
    std::printf("peak resident memory (MB):                %.1f  against the bare window's %.1f: "
                "%.2f  (target <= 1.2)\n",
                peakKb / 1024.0, barePeakKb / 1024.0,
                barePeakKb > 0 ? double(peakKb) / double(barePeakKb) : 0.0);
    return 0;
}
