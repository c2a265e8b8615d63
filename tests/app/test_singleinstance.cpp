// One running copy: the built program started twice, as real processes.
// The second start ends with status 0 and the running copy is asked to show
// its window; two starts at the same moment leave one copy; a copy killed
// without cleaning up does not block the next start; each display has its
// own copy. The programs run offscreen, each test on a display name and in
// a runtime folder of its own; the running copy's log (its debug category)
// says when it listens and when a later start reached it.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int kStartMs = 60000; // a full start-up on a busy machine
constexpr int kHandOverMs = 10000;

constexpr QByteArrayView kListening = "listening on";
constexpr QByteArrayView kAskedToShow = "a later start asked for the main window";

QString binDir()
{
    const QString fromEnv = qEnvironmentVariable("TARNWELL_BIN_DIR");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + u"/../bin"_s : fromEnv;
}

// One start of the program, with what it wrote to its error channel.
class Copy {
public:
    Copy(const QString& runtimeDir, const QString& display)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir);
        env.insert(u"DISPLAY"_s, display);
        env.remove(u"WAYLAND_DISPLAY"_s);
        env.insert(u"QT_LOGGING_RULES"_s, u"tarnwell.singleinstance.debug=true"_s);
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(binDir());
        process_.start(binDir() + u"/tarnwell"_s, {});
    }
    ~Copy()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kHandOverMs);
        }
    }

    QProcess& process() { return process_; }
    bool running() const { return process_.state() == QProcess::Running; }

    QByteArray log()
    {
        log_ += process_.readAllStandardError();
        return log_;
    }
    // Waits for the text in the log while the program runs.
    bool waitForLog(QByteArrayView text, int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!log().contains(text)) {
            if (deadline.hasExpired() || !running())
                return false;
            process_.waitForReadyRead(100);
        }
        return true;
    }
    // True when the program ended by itself with status 0 in time.
    bool endsWithStatus0(int ms)
    {
        if (running() && !process_.waitForFinished(ms))
            return false;
        return process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
    }

private:
    QProcess process_;
    QByteArray log_;
};

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void secondStartShowsTheRunningCopy();
    void startsAtTheSameMomentLeaveOneCopy();
    void copyKilledWithoutCleaningUpBlocksNothing();
    void eachDisplayHasItsOwnCopy();

private:
    std::unique_ptr<Copy> start(const QString& display = {});
    std::unique_ptr<QTemporaryDir> runtime_;
    QString display_;
};

void TestSingleInstance::initTestCase()
{
    if (!QFileInfo(binDir() + u"/tarnwell"_s).isExecutable())
        QFAIL("no built program: TARNWELL_BIN_DIR must point to the built bin folder");
}

void TestSingleInstance::init()
{
    runtime_ = std::make_unique<QTemporaryDir>();
    QVERIFY(runtime_->isValid());
    QFile::setPermissions(runtime_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A display name no other test shares.
    display_ = u":%1"_s.arg(QCoreApplication::applicationPid() % 100000);
}

std::unique_ptr<Copy> TestSingleInstance::start(const QString& display)
{
    auto copy = std::make_unique<Copy>(runtime_->path(), display.isEmpty() ? display_ : display);
    copy->process().waitForStarted(kHandOverMs);
    return copy;
}

void TestSingleInstance::secondStartShowsTheRunningCopy()
{
    auto first = start();
    QVERIFY2(first->waitForLog(kListening, kStartMs), first->log().constData());

    auto second = start();
    QElapsedTimer timer;
    timer.start();
    QVERIFY2(second->endsWithStatus0(kHandOverMs), second->log().constData());
    qInfo("second start ended after %lld ms", static_cast<long long>(timer.elapsed()));
    QVERIFY(!second->log().contains(kListening));
    QVERIFY2(first->waitForLog(kAskedToShow, kHandOverMs), first->log().constData());
    QVERIFY(first->running());

    // Every later start finds the same copy.
    auto third = start();
    QVERIFY2(third->endsWithStatus0(kHandOverMs), third->log().constData());
    QVERIFY(first->running());
}

void TestSingleInstance::startsAtTheSameMomentLeaveOneCopy()
{
    // A double click on the menu entry; the race is tried a few times, on
    // a display of its own each.
    for (int round = 0; round < 4; ++round) {
        const QString display = display_ + QString::number(round);
        auto a = std::make_unique<Copy>(runtime_->path(), display);
        auto b = std::make_unique<Copy>(runtime_->path(), display);
        QVERIFY(a->process().waitForStarted(kHandOverMs));
        QVERIFY(b->process().waitForStarted(kHandOverMs));
        QDeadlineTimer deadline(kStartMs);
        while (a->running() && b->running() && !deadline.hasExpired())
            QTest::qWait(20);
        Copy& ended = a->running() ? *b : *a;
        Copy& runs = a->running() ? *a : *b;
        QVERIFY2(ended.endsWithStatus0(0), ended.log().constData());
        QVERIFY2(runs.running(), runs.log().constData());
        QVERIFY2(runs.waitForLog(kListening, kStartMs), runs.log().constData());
        QVERIFY2(runs.waitForLog(kAskedToShow, kHandOverMs), runs.log().constData());
    }
}

void TestSingleInstance::copyKilledWithoutCleaningUpBlocksNothing()
{
    auto crashed = start();
    QVERIFY2(crashed->waitForLog(kListening, kStartMs), crashed->log().constData());
    crashed->process().kill();
    QVERIFY(crashed->process().waitForFinished(kHandOverMs));
    // What the killed copy left behind.
    const QStringList left = QDir(runtime_->path()).entryList(QDir::System | QDir::Files);
    QVERIFY2(!left.isEmpty(), "the killed copy left no socket: nothing to check");

    auto next = start();
    QVERIFY2(next->waitForLog(kListening, kStartMs), next->log().constData());
    QVERIFY(next->running());
    // It is the running copy now.
    auto later = start();
    QVERIFY2(later->endsWithStatus0(kHandOverMs), later->log().constData());
    QVERIFY2(next->waitForLog(kAskedToShow, kHandOverMs), next->log().constData());
}

void TestSingleInstance::eachDisplayHasItsOwnCopy()
{
    auto first = start();
    QVERIFY2(first->waitForLog(kListening, kStartMs), first->log().constData());

    // The same X display named with its screen.
    auto sameDisplay = start(display_ + u".0"_s);
    QVERIFY2(sameDisplay->endsWithStatus0(kHandOverMs), sameDisplay->log().constData());

    auto otherDisplay = start(display_ + u"1"_s);
    QVERIFY2(otherDisplay->waitForLog(kListening, kStartMs), otherDisplay->log().constData());
    QVERIFY(otherDisplay->running());
    QVERIFY(first->running());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
