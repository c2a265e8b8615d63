// Sending the user to web pages: the messages of a failed browser start,
// also when the opener fails after starting, the link labels' pressed look
// and clicks, and keeping a window on top.
#include "base/controls/clicklabel.h"
#include "base/platform/platform.h"
#include "base/platform/shellanswer_win.h"
#include "base/weblink.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/recordingplatform.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(platform::OpenResult)

namespace {

using platform::OpenOutcome;

platform::OpenResult failed(int systemError)
{
    return {OpenOutcome::Failed, systemError};
}

} // namespace

class TestWeblink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shellAnswers_data();
    void shellAnswers();
    void openWebPageMessages_data();
    void openWebPageMessages();
    void addressIsPassedUnchanged();
    void linkLabelPressedLookAndOneOpenPerClick();
    void linkLabelFailureIsReported();
    void openerFailingAfterStartIsReported();
    void desktopOpenerAnswersLater_data();
    void desktopOpenerAnswersLater();
    void homeAddresses();
    void setOnTopKeepsThePlace();
};

void TestWeblink::shellAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<platform::OpenResult>("result");
    QTest::newRow("0: out of memory") << 0 << failed(0);
    QTest::newRow("2: file not found") << 2 << failed(2);
    QTest::newRow("30") << 30 << failed(30);
    QTest::newRow("31: no association") << 31 << platform::OpenResult{OpenOutcome::NoAssociation};
    QTest::newRow("32: success") << 32 << platform::OpenResult{OpenOutcome::Opened};
    QTest::newRow("42: success") << 42 << platform::OpenResult{OpenOutcome::Opened};
}

void TestWeblink::shellAnswers()
{
    // What the Windows shell's answer to opening an address comes to.
    QFETCH(int, answer);
    QFETCH(platform::OpenResult, result);
    const platform::OpenResult read = platform::fromShellAnswer(answer);
    QCOMPARE(read.outcome, result.outcome);
    QCOMPARE(read.systemError, result.systemError);
}

void TestWeblink::openWebPageMessages_data()
{
    QTest::addColumn<platform::OpenResult>("result");
    QTest::addColumn<QString>("text");

    const QString address = u"http://www.tarnwell.example/"_s;
    const QString problem = u"Problem running your web browser. You should check that your "
                            "browser is correctly installed. (Error %1)"_s;
    QTest::newRow("failed, 0: out of memory") << failed(0) << problem.arg(0);
    QTest::newRow("failed, 2: file not found") << failed(2) << problem.arg(2);
    QTest::newRow("failed, 30") << failed(30) << problem.arg(30);
    QTest::newRow("no association")
        << platform::OpenResult{OpenOutcome::NoAssociation}
        << u"Tarnwell could not find a file association for http://www.tarnwell.example/ on your "
           "system. You should check that your browser is correctly installed and associated "
           "with this type of file."_s;
    QTest::newRow("opened") << platform::OpenResult{OpenOutcome::Opened} << QString();
}

void TestWeblink::openWebPageMessages()
{
    QFETCH(platform::OpenResult, result);
    QFETCH(QString, text);
    RecordingPlatform platform;
    platform.openResult = result;
    PromptRecorder prompts;
    weblink::openWebPage(nullptr, u"http://www.tarnwell.example/"_s);

    QCOMPARE(platform.opened.size(), 1);
    QCOMPARE(platform.opened[0].address, u"http://www.tarnwell.example/"_s);
    QCOMPARE(platform.opened[0].workingFolder, QCoreApplication::applicationDirPath());
    QVERIFY(prompts.inputs.isEmpty());
    if (text.isEmpty()) {
        QVERIFY(prompts.messages.isEmpty());
        return;
    }
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].text, text);
    QCOMPARE(prompts.messages[0].title, u"Browser Unavailable"_s);
    QCOMPARE(prompts.messages[0].icon, prompt::Icon::Exclamation);
}

void TestWeblink::addressIsPassedUnchanged()
{
    // No scheme added, nothing encoded or trimmed; the message quotes it as is.
    RecordingPlatform platform;
    platform.openResult = {OpenOutcome::NoAssociation};
    PromptRecorder prompts;
    const QString odd = u" www.example.org/صفحة?a=b c "_s;
    weblink::openWebPage(nullptr, odd);
    QCOMPARE(platform.opened[0].address, odd);
    QVERIFY(prompts.messages[0].text.contains(u" for "_s + odd + u" on your system"_s));
}

void TestWeblink::linkLabelPressedLookAndOneOpenPerClick()
{
    RecordingPlatform platform;
    PromptRecorder prompts;
    QWidget window;
    auto* label = new controls::ClickLabel(&window);
    label->setGeometry(10, 10, 170, 25);
    weblink::makeLinkLabel(label, u"http://www.tarnwell.example/"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);

    // The frame is drawn while the button is held, and only then.
    QCOMPARE(label->borderStyle(), 0);
    QTest::mousePress(label, Qt::LeftButton);
    QCOMPARE(label->borderStyle(), 1);
    QVERIFY(platform.opened.isEmpty());
    QTest::mouseRelease(label, Qt::LeftButton);
    QCOMPARE(label->borderStyle(), 0);
    QCOMPARE(platform.opened.size(), 1);
    QCOMPARE(platform.opened[0].address, u"http://www.tarnwell.example/"_s);

    // A click is one opening; a double click too, not two.
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(platform.opened.size(), 2);
    // A double click as the window system sends it: press, release, then
    // the double-click press and its release.
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseDClick(label, Qt::LeftButton);
    QCOMPARE(label->borderStyle(), 1);
    QTest::mouseRelease(label, Qt::LeftButton);
    QCOMPARE(platform.opened.size(), 3);
    QCOMPARE(label->borderStyle(), 0);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(platform.opened.size(), 4);

    // Released off the label, or with another button: the frame goes,
    // nothing opens.
    QTest::mousePress(label, Qt::LeftButton);
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
    QTest::mousePress(label, Qt::RightButton);
    QCOMPARE(label->borderStyle(), 1);
    QTest::mouseRelease(label, Qt::RightButton);
    QCOMPARE(label->borderStyle(), 0);
    QTest::mouseClick(label, Qt::MiddleButton);
    QCOMPARE(platform.opened.size(), 4);
    QVERIFY(prompts.messages.isEmpty());
}

void TestWeblink::linkLabelFailureIsReported()
{
    RecordingPlatform platform;
    platform.openResult = failed(2);
    PromptRecorder prompts;
    QWidget window;
    auto* label = new controls::ClickLabel(&window);
    label->resize(100, 20);
    weblink::makeLinkLabel(label, weblink::moreSmiliesPage());
    window.show();
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY(prompts.messages[0].text.endsWith(u"(Error 2)"_s));
    QCOMPARE(label->borderStyle(), 0);
}

void TestWeblink::openerFailingAfterStartIsReported()
{
    RecordingPlatform platform;
    PromptRecorder prompts;
    QWidget window;
    auto* label = new controls::ClickLabel(&window);
    label->resize(100, 20);
    weblink::makeLinkLabel(label, weblink::homePage());
    window.show();
    QTest::mouseClick(label, Qt::LeftButton);
    // Started: nothing to report yet.
    QVERIFY(prompts.messages.isEmpty());
    // The opener finds no browser and gives up: the same message as for a
    // missing one.
    platform.failLater(0);
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].title, u"Browser Unavailable"_s);
    QCOMPARE(prompts.messages[0].icon, prompt::Icon::Exclamation);
    QVERIFY(
        prompts.messages[0].text.contains(u" for "_s + weblink::homePage() + u" on your system"_s));
    // Each opening answers for itself.
    QTest::mouseClick(label, Qt::LeftButton);
    platform.failLater(1, failed(2));
    QCOMPARE(prompts.messages.size(), 2);
    QVERIFY(prompts.messages[1].text.endsWith(u"(Error 2)"_s));
}

void TestWeblink::desktopOpenerAnswersLater_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("fails");
    QTest::newRow("opened") << 0 << false;
    QTest::newRow("no method available") << 3 << true;
    QTest::newRow("action failed") << 4 << true;
}

void TestWeblink::desktopOpenerAnswersLater()
{
#ifdef Q_OS_WIN
    QSKIP("the shell answers at once on Windows");
#else
    QFETCH(int, exitCode);
    QFETCH(bool, fails);
    // A stand-in for the desktop's opener that records its argument, waits
    // until the test lets it go, and exits with the code of the row.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile script(dir.filePath(u"xdg-open"_s));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(R"sh(#!/bin/sh
cd "$(dirname "$0")" || exit 9
printf '%s' "$1" > address
i=0
while [ ! -e go ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i + 1)); done
touch done
exit )sh" + QByteArray::number(exitCode) +
                 "\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });

    const std::unique_ptr<platform::Platform> native = platform::createNative();
    // Shared: an opener left running by a failed check may still answer.
    const auto late = std::make_shared<QList<OpenOutcome>>();
    const platform::OpenResult result =
        native->openDocument(u"http://www.tarnwell.example/Smile.htm"_s, dir.path(),
                             [late](const platform::OpenResult& r) { late->append(r.outcome); });
    // The window goes on while the opener looks for a browser.
    QCOMPARE(result.outcome, OpenOutcome::Opened);
    QTRY_VERIFY(QFile::exists(dir.filePath(u"address"_s)));
    QFile address(dir.filePath(u"address"_s));
    QVERIFY(address.open(QIODevice::ReadOnly));
    QCOMPARE(address.readAll(), "http://www.tarnwell.example/Smile.htm");
    QVERIFY(late->isEmpty());

    QVERIFY(QFile(dir.filePath(u"go"_s)).open(QIODevice::WriteOnly));
    QTRY_VERIFY(QFile::exists(dir.filePath(u"done"_s)));
    if (fails) {
        QTRY_COMPARE(*late, QList<OpenOutcome>{OpenOutcome::NoAssociation});
    } else {
        QTest::qWait(300);
        QVERIFY(late->isEmpty());
    }
#endif
}

void TestWeblink::homeAddresses()
{
    QVERIFY(weblink::homePage().startsWith(u"http://"_s));
    QVERIFY(weblink::homePage().endsWith(u"/"_s));
    QCOMPARE(weblink::moreSmiliesPage(), weblink::homePage() + u"Smile.htm"_s);
}

void TestWeblink::setOnTopKeepsThePlace()
{
    QWidget window(nullptr, Qt::Tool);
    window.setGeometry(120, 90, 200, 150);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect where = window.geometry();
    {
        RecordingPlatform platform;
        platform::current().setOnTop(&window, true);
        platform::current().setOnTop(&window, false);
        QCOMPARE(platform.onTopCalls.size(), 2);
        QCOMPARE(platform.onTopCalls[0].window.data(), &window);
        QVERIFY(platform.onTopCalls[0].onTop);
        QVERIFY(!platform.onTopCalls[1].onTop);
        QCOMPARE(window.geometry(), where);
    }
    // The real platform: on top and back, neither moved nor resized, still
    // shown.
    platform::current().setOnTop(&window, true);
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window.windowType(), Qt::Tool);
    QVERIFY(window.isVisible());
    QTRY_COMPARE(window.geometry(), where);
    platform::current().setOnTop(&window, false);
    QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QTRY_COMPARE(window.geometry(), where);
}

QTEST_MAIN(TestWeblink)
#include "test_weblink.moc"
