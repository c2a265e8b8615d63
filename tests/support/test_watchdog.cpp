// The test programs' watchdog, seen from outside: this program runs itself
// as a child whose tests hang the ways tests have hung (a dialog left open,
// a prompt reaching a real input box, an event loop nobody ends) and checks
// that the child fails within seconds, saying which window or test it was.
#include "base/prompt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
constexpr char kChild[] = "TARNWELL_WATCHDOG_CHILD";
} // namespace

// The child's tests, which would hang without the watchdog.
class Stuck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogLeftOpen()
    {
        QMessageBox box(QMessageBox::Warning, u"Stuck title"_s, u"Nobody answers this."_s);
        box.setObjectName(u"stuckBox"_s);
        box.exec();
    }
    void promptWithoutRecorder() { (void)prompt::input(nullptr, u"Name?"_s, u"Unanswered"_s); }
    void goesOn() { QVERIFY(true); }
    void loopNobodyEnds() { QEventLoop().exec(); }
};

class TestWatchdog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hangsFailWithinSeconds()
    {
        QElapsedTimer clock;
        clock.start();
        QProcess dialogs;
        QProcess loop;
        start(dialogs, {u"dialogLeftOpen"_s, u"promptWithoutRecorder"_s, u"goesOn"_s});
        // The test programs' time limit for one test, cut down to seconds.
        QProcessEnvironment limited;
        limited.insert(u"QTEST_FUNCTION_TIMEOUT"_s, u"2000"_s);
        limited.insert(u"QTEST_DISABLE_STACK_DUMP"_s, u"1"_s);
        limited.insert(u"QTEST_DISABLE_CORE_DUMP"_s, u"1"_s);
        start(loop, {u"loopNobodyEnds"_s, u"goesOn"_s}, limited);
        QVERIFY(dialogs.waitForFinished(30000));
        QVERIFY(loop.waitForFinished(30000));
        QVERIFY2(clock.elapsed() < 20000, "the watchdog took longer than a few seconds");

        // Each open window fails its own test and is closed; the program
        // goes on with the next test.
        const QString log = QString::fromUtf8(dialogs.readAll());
        QVERIFY2(dialogs.exitCode() == 2, qPrintable(log));
        QVERIFY2(
            log.contains(uR"(FAIL!  : Stuck::dialogLeftOpen() a modal window was left open )"
                         uR"(for 1 s: QMessageBox, object name "stuckBox", title "Stuck title")"_s),
            qPrintable(log));
        QVERIFY2(log.contains(
                     uR"(FAIL!  : Stuck::promptWithoutRecorder() a modal window was )"
                     uR"(left open for 1 s: QInputDialog, object name "", title "Unanswered")"_s),
                 qPrintable(log));
        QVERIFY2(log.contains(u"PASS   : Stuck::goesOn()"_s), qPrintable(log));

        // A loop that waits with no window open ends the program, naming
        // the test.
        const QString loopLog = QString::fromUtf8(loop.readAll());
        QVERIFY(loop.exitStatus() != QProcess::NormalExit || loop.exitCode() != 0);
        QVERIFY2(loopLog.contains(u"Stuck::loopNobodyEnds() Test function timed out"_s),
                 qPrintable(loopLog));
    }

private:
    static void start(QProcess& child, const QStringList& tests,
                      const QProcessEnvironment& extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChild), u"1"_s);
        env.insert(u"TARNWELL_TEST_MODAL_SECONDS"_s, u"1"_s);
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(extra);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), tests);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChild)) {
        Stuck child;
        return QTest::qExec(&child, argc, argv);
    }
    TestWatchdog test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_watchdog.moc"
