// The native keyboard-layout switch. Headless (offscreen) it must do
// nothing and say so; on an X server (run this program under
// `xvfb-run -a env QT_QPA_PLATFORM=xcb`) it switches between the layout
// groups that `setxkbmap` configures, and puts the server's layouts back
// afterwards.
#include "base/platform/platform.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#ifdef TARNWELL_TEST_X11
#include <X11/XKBlib.h>
#endif

using namespace Qt::StringLiterals;

class TestLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void withoutXNothingHappens()
    {
        if (QGuiApplication::platformName() == u"xcb"_s)
            QSKIP("an X server is there");
        const auto native = platform::createNative();
        QVERIFY(!native->loadKeyboardLayout(u"00000401"_s, true));
        QVERIFY(!native->loadKeyboardLayout(u"00000400"_s, true));
    }

    void x11Groups()
    {
#ifndef TARNWELL_TEST_X11
        QSKIP("built without X11");
#else
        if (QGuiApplication::platformName() != u"xcb"_s)
            QSKIP("needs an X server (xvfb-run -a env QT_QPA_PLATFORM=xcb ...)");
        const QString setxkbmap = QStandardPaths::findExecutable(u"setxkbmap"_s);
        if (setxkbmap.isEmpty())
            QSKIP("setxkbmap is not installed");
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11 && x11->display());
        Display* display = x11->display();
        auto group = [display] {
            XSync(display, False);
            XkbStateRec state{};
            XkbGetState(display, XkbUseCoreKbd, &state);
            return static_cast<int>(state.group);
        };
        auto layouts = [&](const QString& list) {
            return QProcess::execute(setxkbmap, {u"-layout"_s, list}) == 0;
        };
        QProcess query;
        query.start(setxkbmap, {u"-query"_s});
        query.waitForFinished();
        QString before;
        for (const QString& line : QString::fromUtf8(query.readAllStandardOutput()).split(u'\n')) {
            if (line.startsWith(u"layout:"_s))
                before = line.mid(7).trimmed();
        }
        if (!layouts(u"us,ara"_s))
            QSKIP("setxkbmap cannot set the layouts here");

        const auto native = platform::createNative();
        QVERIFY(native->loadKeyboardLayout(u"00000401"_s, true));
        QTRY_COMPARE(group(), 1);
        QVERIFY(native->loadKeyboardLayout(u"00000400"_s, true));
        QTRY_COMPARE(group(), 0);
        // Without the activate flag the layout is only looked up.
        QVERIFY(native->loadKeyboardLayout(u"00000401"_s, false));
        QCOMPARE(group(), 0);
        QVERIFY(!native->loadKeyboardLayout(u"00000409"_s, true));

        // Arabic first: "ENG" is the first group that is not Arabic.
        QVERIFY(layouts(u"ara,fr"_s));
        QVERIFY(native->loadKeyboardLayout(u"00000400"_s, true));
        QTRY_COMPARE(group(), 1);
        QVERIFY(native->loadKeyboardLayout(u"00000401"_s, true));
        QTRY_COMPARE(group(), 0);

        // No Arabic group: nothing changes.
        QVERIFY(layouts(u"us,fr"_s));
        QVERIFY(!native->loadKeyboardLayout(u"00000400"_s, true));
        QVERIFY(!native->loadKeyboardLayout(u"00000401"_s, true));
        QCOMPARE(group(), 0);

        if (!before.isEmpty())
            layouts(before);
#endif
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
