// Second-start benchmark: with a copy of the built program running, times
// a second start from process start to its end (the hand-over to the
// running copy), against the floor of a process with the same libraries
// that ends at once, started alternately in the same run.
//
//   bench_singleinstance [runs]      the driver (default 15 runs per role)
//   bench_singleinstance --bare      the floor
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QString binDir()
{
    const QString fromEnv = qEnvironmentVariable("TARNWELL_BIN_DIR");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + u"/../bin"_s : fromEnv;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Milliseconds from process start to its end with status 0; -1 otherwise.
double timeRun(const QString& program, const QStringList& arguments, const QProcessEnvironment& env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(binDir());
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0)
        return -1;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], "--bare") == 0)
        return 0;

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 15;
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    env.insert(u"DISPLAY"_s, u":%1"_s.arg(QCoreApplication::applicationPid()));
    env.remove(u"WAYLAND_DISPLAY"_s);

    // The running copy, through its start-up.
    QProcess first;
    QProcessEnvironment firstEnv = env;
    firstEnv.insert(u"QT_LOGGING_RULES"_s, u"tarnwell.singleinstance.debug=true"_s);
    first.setProcessEnvironment(firstEnv);
    first.setWorkingDirectory(binDir());
    first.start(binDir() + u"/tarnwell"_s, {});
    first.waitForStarted(10000);
    QByteArray log;
    QDeadlineTimer deadline(60000);
    while (!log.contains("listening on") && !deadline.hasExpired() &&
           first.state() == QProcess::Running) {
        first.waitForReadyRead(100);
        log += first.readAllStandardError();
    }
    if (!log.contains("listening on")) {
        std::fprintf(stderr, "the first copy did not start:\n%s\n", log.constData());
        return 1;
    }
    const QString tarnwell = binDir() + u"/tarnwell"_s;
    // Warm the file cache and let the first copy end its start-up.
    for (int i = 0; i < 3; ++i)
        timeRun(tarnwell, {}, env);

    std::vector<double> second;
    std::vector<double> bare;
    for (int i = 0; i < runs; ++i) {
        const double b = timeRun(QCoreApplication::applicationFilePath(), {u"--bare"_s}, env);
        const double s = timeRun(tarnwell, {}, env);
        if (b < 0 || s < 0) {
            std::fprintf(stderr, "a start did not end with status 0\n");
            first.kill();
            return 1;
        }
        bare.push_back(b);
        second.push_back(s);
    }
    first.kill();
    first.waitForFinished(10000);

    const double secondMs = median(second);
    const double bareMs = median(bare);
    std::printf("platform:                                  offscreen\n");
    std::printf("second start, process start to end (ms):  %.1f  (median of %d, min %.1f)\n",
                secondMs, runs, *std::min_element(second.begin(), second.end()));
    std::printf("bare process with the same libraries (ms): %.1f  (floor)\n", bareMs);
    std::printf("hand-over beyond the floor (ms):           %.1f  (target < 30)\n",
                secondMs - bareMs);
    return 0;
}
