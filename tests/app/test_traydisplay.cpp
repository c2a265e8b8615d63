// The notification-area icon on a real X server with a real notification
// area: the test starts Xvfb and the trayer panel, starts the built program
// (which reads its pictures beside itself) and works it with real pointer
// input (xdotool) the way a user would: close the window, double click the
// icon, right click it, choose "خروج"; and takes the notification area away
// and brings it back while the program runs. Skips itself, saying why,
// where the X server, trayer or the X tools are missing. A desktop-bus
// panel is played by the test itself on a bus of its own: it takes the
// icon in, reads the menu the icon publishes and chooses its items.
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#ifdef TARNWELL_TEST_DBUS
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QImage>
#endif

#if __has_include(<X11/Xlib.h>)
#include <X11/Xlib.h>
// Xlib's macro would rename QMetaType::Bool in the generated meta-object code.
#undef Bool
#define TARNWELL_HAVE_XLIB 1
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int kWait = 10000; // ms for anything the X server or a program must do

QString binDir()
{
    const QString fromEnv = qEnvironmentVariable("TARNWELL_BIN_DIR");
    return fromEnv.isEmpty() ? QCoreApplication::applicationDirPath() + u"/../bin"_s : fromEnv;
}

struct WindowGeometry {
    qulonglong id = 0;
    QRect rect; // on the screen
};

// The part of a desktop-bus notification panel that icons register with.
class PanelWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
public:
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList items() const { return items_; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service) { items_.append(service); }
    void RegisterStatusNotifierHost(const QString&) {}

private:
    QStringList items_;
};

#ifdef TARNWELL_TEST_DBUS
// A session bus of the test's own, with the panel's watcher on it.
class DesktopBus {
public:
    static constexpr auto kWatcher = "org.kde.StatusNotifierWatcher";

    DesktopBus()
    {
        daemon_.start(u"dbus-daemon"_s, {u"--session"_s, u"--nofork"_s, u"--print-address"_s});
        if (daemon_.waitForReadyRead(kWait))
            address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
    }
    ~DesktopBus()
    {
        QDBusConnection::disconnectFromBus(u"panel"_s);
        daemon_.kill();
        daemon_.waitForFinished(kWait);
    }
    QString address() const { return address_; }
    QDBusConnection panel() const { return QDBusConnection(u"panel"_s); }
    PanelWatcher& watcher() { return watcher_; }

    // Connects the panel and puts its watcher on the bus.
    bool startPanel()
    {
        if (address_.isEmpty())
            return false;
        QDBusConnection panel = QDBusConnection::connectToBus(address_, u"panel"_s);
        return panel.registerObject(u"/StatusNotifierWatcher"_s, &watcher_,
                                    QDBusConnection::ExportAllContents) &&
               panel.registerService(QString::fromLatin1(kWatcher));
    }

    // A call to the icon, on its own object.
    QDBusMessage callItem(const QString& path, const QString& interface, const QString& method,
                          const QVariantList& arguments = {}) const
    {
        // The newest item that answers: an icon shown anew registers again
        // (under its connection's name, or a new one) and leaves entries
        // behind that a real panel forgets when their owner leaves and this
        // minimal one keeps.
        const QStringList items = watcher_.items();
        QDBusMessage answer;
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            if (!panel().interface()->isServiceRegistered(*it))
                continue;
            QDBusMessage call = QDBusMessage::createMethodCall(*it, path, interface, method);
            call.setArguments(arguments);
            // The program reads the watcher's properties from time to time
            // and waits for the answer; a panel that stopped answering
            // while it waits for the program would hold both up.
            answer = panel().call(call, QDBus::BlockWithGui, kWait / 3);
            if (answer.type() == QDBusMessage::ReplyMessage)
                break;
        }
        return answer;
    }

private:
    QProcess daemon_;
    QString address_;
    PanelWatcher watcher_;
};

// One entry of a published menu, with the entries under it.
struct BusMenuEntry {
    int id = 0;
    QVariantMap properties;
    QList<BusMenuEntry> children;
};

// Reads an entry as the menu interface sends it: (id, properties, [entries]).
BusMenuEntry readBusMenuEntry(const QDBusArgument& argument)
{
    BusMenuEntry entry;
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        entry.children.append(readBusMenuEntry(child.variant().value<QDBusArgument>()));
    }
    argument.endArray();
    argument.endStructure();
    return entry;
}

QImage busMenuPicture(const BusMenuEntry& entry)
{
    return QImage::fromData(entry.properties.value(u"icon-data"_s).toByteArray());
}
#endif

} // namespace

class TestTrayDisplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void closeShowMenuAndExit();
    void notificationAreaGoesAndComesBack();
    void desktopBusPanelRestarts();
    void desktopBusPanelShowsTheMenu();

private:
    bool startXServer();
    bool startTrayer();
    // Waits for the window, and for the icon docked in trayer's area.
    bool startTarnwell(bool docked = true);
#ifdef TARNWELL_TEST_DBUS
    // A bus of the test's own with the panel's watcher, given to the
    // program started next.
    bool startDesktopBusPanel();
    std::unique_ptr<DesktopBus> desktopBus_;
#endif
    QProcessEnvironment displayEnvironment() const;
    QString x(const QString& program, const QStringList& arguments) const;
    // The main window's id when it is on the screen, else 0.
    qulonglong visibleMainWindow() const;
    // The icon docked in the notification area, if any.
    std::optional<WindowGeometry> icon() const;
    std::optional<WindowGeometry> visibleMenu() const;
    // Asks the main window to close, as a window manager's close box does.
    bool closeWindow(qulonglong window) const;
    void click(QPoint at, int button, int count = 1) const;

    QString display_;
    QString bus_; // the address of the desktop bus the program is given
    QProcess xServer_;
    QProcess trayer_;
    QProcess tarnwell_;
};

void TestTrayDisplay::initTestCase()
{
    for (const QString& tool : {u"Xvfb"_s, u"trayer"_s, u"xdotool"_s, u"xwininfo"_s}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(tool + u" is not installed (scripts/install-deps.sh installs it)"_s));
    }
#ifndef TARNWELL_HAVE_XLIB
    QSKIP("the X11 client headers are missing (libx11-dev): no way to send a close request");
#else
    if (!QLibrary(u"X11"_s, 6).load())
        QSKIP("libX11 cannot be loaded: no way to send a close request");
#endif
    if (!QFileInfo(binDir() + u"/tarnwell"_s).isExecutable())
        QFAIL("no built program: TARNWELL_BIN_DIR must point to the built bin folder");
    if (!startXServer())
        QSKIP("Xvfb would not start on any free display");
}

void TestTrayDisplay::init()
{
    // Those tests set up a panel of their own.
    if (QByteArrayView(QTest::currentTestFunction()).startsWith("desktopBus")) {
#ifndef TARNWELL_TEST_DBUS
        QSKIP("built without Qt's D-Bus module");
#else
        if (QStandardPaths::findExecutable(u"dbus-daemon"_s).isEmpty())
            QSKIP("dbus-daemon is not installed");
#endif
        return;
    }
    // What a failed start leaves running is stopped here, so that the next
    // test starts from nothing.
    if (!startTrayer()) {
        cleanup();
        QSKIP("trayer is installed but offers no notification area on Xvfb here");
    }
    if (!startTarnwell()) {
        cleanup();
        QFAIL("the program did not show its window and its icon");
    }
}

void TestTrayDisplay::cleanup()
{
    for (QProcess* process : {&tarnwell_, &trayer_}) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kWait);
        }
    }
#ifdef TARNWELL_TEST_DBUS
    desktopBus_.reset();
    bus_.clear();
#endif
}

void TestTrayDisplay::cleanupTestCase()
{
    if (xServer_.state() != QProcess::NotRunning) {
        xServer_.terminate();
        if (!xServer_.waitForFinished(kWait)) {
            xServer_.kill();
            xServer_.waitForFinished(kWait);
        }
    }
}

bool TestTrayDisplay::startXServer()
{
    // A display number no other server uses; a race with another test
    // starting at the same moment makes Xvfb end at once: take the next.
    int number = 300 + static_cast<int>(QRandomGenerator::global()->bounded(400));
    for (int attempt = 0; attempt < 20; ++attempt, ++number) {
        if (QFileInfo::exists(u"/tmp/.X%1-lock"_s.arg(number)) ||
            QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)))
            continue;
        xServer_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Without -noreset the server starts over each time its last client
        // leaves (the X tools, a program ended between two tests), and a
        // program connecting meanwhile fails to start.
        xServer_.start(u"Xvfb"_s, {u":%1"_s.arg(number), u"-screen"_s, u"0"_s, u"1024x768x24"_s,
                                   u"-nolisten"_s, u"tcp"_s, u"-noreset"_s});
        if (!xServer_.waitForStarted(kWait))
            return false;
        display_ = u":%1"_s.arg(number);
        QDeadlineTimer deadline(kWait);
        while (!deadline.hasExpired() && xServer_.state() == QProcess::Running) {
            if (QFileInfo::exists(u"/tmp/.X11-unix/X%1"_s.arg(number)) &&
                !x(u"xwininfo"_s, {u"-root"_s}).isEmpty())
                return true;
            xServer_.waitForFinished(100);
        }
        xServer_.kill();
        xServer_.waitForFinished(kWait);
    }
    return false;
}

QProcessEnvironment TestTrayDisplay::displayEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"DISPLAY"_s, display_);
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    // Without a desktop bus the icon docks in the XEmbed area trayer offers.
    // The bus is one that is not there rather than none at all: with no
    // address the bus library forks a helper to look for one, and in a build
    // whose memory allocator is not safe across fork (the sanitizer build)
    // that helper can hang, and the program with it, at start-up.
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s,
               bus_.isEmpty() ? u"unix:path="_s + QDir::temp().filePath(u"tarnwell-test-no-bus"_s)
                              : bus_);
    return env;
}

QString TestTrayDisplay::x(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(displayEnvironment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(kWait)) {
        tool.kill();
        tool.waitForFinished(kWait);
        return {};
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

bool TestTrayDisplay::startTrayer()
{
    trayer_.setProcessEnvironment(displayEnvironment());
    trayer_.setProcessChannelMode(QProcess::MergedChannels);
    trayer_.start(u"trayer"_s, {u"--edge"_s, u"top"_s, u"--align"_s, u"right"_s, u"--widthtype"_s,
                                u"request"_s, u"--height"_s, u"32"_s, u"--SetDockType"_s, u"true"_s,
                                u"--transparent"_s, u"false"_s});
    if (!trayer_.waitForStarted(kWait))
        return false;
    // Its panel is made once it owns the notification area.
    QDeadlineTimer deadline(kWait);
    while (!deadline.hasExpired()) {
        if (x(u"xwininfo"_s, {u"-root"_s, u"-tree"_s}).contains(u"(\"panel\" \"trayer\")"_s))
            return true;
        QTest::qWait(50);
    }
    return false;
}

bool TestTrayDisplay::startTarnwell(bool docked)
{
    tarnwell_.setProcessEnvironment(displayEnvironment());
    tarnwell_.setWorkingDirectory(binDir());
    tarnwell_.setProcessChannelMode(QProcess::ForwardedChannels);
    tarnwell_.start(binDir() + u"/tarnwell"_s, {});
    if (!tarnwell_.waitForStarted(kWait))
        return false;
    QDeadlineTimer deadline(3 * kWait);
    while (!deadline.hasExpired() && tarnwell_.state() == QProcess::Running) {
        if (visibleMainWindow() && (!docked || icon()))
            return true;
        QTest::qWait(50);
    }
    return false;
}

qulonglong TestTrayDisplay::visibleMainWindow() const
{
    const QString ids =
        x(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^Tarnwell 1\\.3$"_s});
    return ids.split(u'\n', Qt::SkipEmptyParts).value(0).toULongLong();
}

std::optional<WindowGeometry> TestTrayDisplay::icon() const
{
    // The icon is the program's one small window, reparented into the panel:
    //   0x400006 "Tarnwell": ("tarnwell" "Tarnwell")  22x30+0+0  +1001+1
    static const QRegularExpression line(
        uR"(^\s*(0x[0-9a-f]+) .*\("tarnwell" "Tarnwell"\)\s+(\d+)x(\d+)[+-]\d+[+-]\d+\s+\+(-?\d+)\+(-?\d+))"_s,
        QRegularExpression::MultilineOption);
    const QString tree = x(u"xwininfo"_s, {u"-root"_s, u"-tree"_s});
    for (const QRegularExpressionMatch& m : line.globalMatch(tree)) {
        const QRect rect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                         m.captured(3).toInt());
        if (rect.width() <= 64 && rect.height() <= 64 && rect.top() >= 0)
            return WindowGeometry{m.captured(1).toULongLong(nullptr, 16), rect};
    }
    return std::nullopt;
}

std::optional<WindowGeometry> TestTrayDisplay::visibleMenu() const
{
    const QString ids =
        x(u"xdotool"_s, {u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"^File$"_s});
    const qulonglong id = ids.split(u'\n', Qt::SkipEmptyParts).value(0).toULongLong();
    if (!id)
        return std::nullopt;
    // Position: 892,16 (screen: 0) / Geometry: 120x46
    const QString shape = x(u"xdotool"_s, {u"getwindowgeometry"_s, QString::number(id)});
    static const QRegularExpression numbers(
        uR"(Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+))"_s,
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = numbers.match(shape);
    if (!m.hasMatch())
        return std::nullopt;
    return WindowGeometry{id, QRect(m.captured(1).toInt(), m.captured(2).toInt(),
                                    m.captured(3).toInt(), m.captured(4).toInt())};
}

bool TestTrayDisplay::closeWindow(qulonglong window) const
{
#ifdef TARNWELL_HAVE_XLIB
    // The WM_DELETE_WINDOW request a window manager sends for the close box.
    QLibrary xlib(u"X11"_s, 6);
    auto open = reinterpret_cast<decltype(&XOpenDisplay)>(xlib.resolve("XOpenDisplay"));
    auto atom = reinterpret_cast<decltype(&XInternAtom)>(xlib.resolve("XInternAtom"));
    auto send = reinterpret_cast<decltype(&XSendEvent)>(xlib.resolve("XSendEvent"));
    auto flush = reinterpret_cast<decltype(&XFlush)>(xlib.resolve("XFlush"));
    auto close = reinterpret_cast<decltype(&XCloseDisplay)>(xlib.resolve("XCloseDisplay"));
    if (!open || !atom || !send || !flush || !close)
        return false;
    Display* connection = open(display_.toLatin1().constData());
    if (!connection)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = atom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(atom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = send(connection, window, False, NoEventMask, &event);
    flush(connection);
    close(connection);
    return sent != 0;
#else
    Q_UNUSED(window);
    return false;
#endif
}

void TestTrayDisplay::click(QPoint at, int button, int count) const
{
    x(u"xdotool"_s,
      {u"mousemove"_s, QString::number(at.x()), QString::number(at.y()), u"click"_s, u"--repeat"_s,
       QString::number(count), u"--delay"_s, u"80"_s, QString::number(button)});
}

void TestTrayDisplay::closeShowMenuAndExit()
{
    const qulonglong window = visibleMainWindow();
    const auto docked = icon();
    QVERIFY(window);
    QVERIFY(docked);
    const QPoint iconCentre = docked->rect.center();

    // Closing only hides the window; the program and its icon stay.
    QVERIFY(closeWindow(window));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMainWindow(), kWait);
    QCOMPARE(tarnwell_.state(), QProcess::Running);
    QVERIFY(icon());

    // A single click does nothing.
    click(iconCentre, 1);
    QTest::qWait(700);
    QVERIFY(!visibleMainWindow());
    QVERIFY(!visibleMenu());

    // A double click brings the window back.
    click(iconCentre, 1, 2);
    QTRY_COMPARE_WITH_TIMEOUT(visibleMainWindow(), window, kWait);

    // The right button pops the menu up at the pointer; "خروج" is its last
    // row, under the separator.
    click(iconCentre, 3);
    std::optional<WindowGeometry> menu;
    QTRY_VERIFY_WITH_TIMEOUT((menu = visibleMenu()).has_value(), kWait);
    QVERIFY2(menu->rect.adjusted(-30, -30, 30, 30).contains(iconCentre),
             "the menu pops up where the pointer is");
    QVERIFY(menu->rect.height() > 30);
    click({menu->rect.center().x(), menu->rect.top() + menu->rect.height() * 3 / 4}, 1);

    // The program ends at once, and its icon is gone with it.
    QTRY_COMPARE_WITH_TIMEOUT(tarnwell_.state(), QProcess::NotRunning, kWait);
    QCOMPARE(tarnwell_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tarnwell_.exitCode(), 0);
    QVERIFY(!icon());
    QCOMPARE(trayer_.state(), QProcess::Running);
}

void TestTrayDisplay::notificationAreaGoesAndComesBack()
{
    const qulonglong window = visibleMainWindow();
    QVERIFY(window);
    QVERIFY(closeWindow(window));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMainWindow(), kWait);

    // The notification area goes away while the window is hidden: the
    // window comes back, since nothing else could show it again.
    trayer_.kill();
    QVERIFY(trayer_.waitForFinished(kWait));
    QTRY_COMPARE_WITH_TIMEOUT(visibleMainWindow(), window, kWait);
    QCOMPARE(tarnwell_.state(), QProcess::Running);

    // A new area takes the icon in again, and closing only hides once more.
    QVERIFY(startTrayer());
    QTRY_VERIFY_WITH_TIMEOUT(icon().has_value(), kWait);
    QTest::qWait(1500); // the program notices the area within a second
    QVERIFY(closeWindow(window));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMainWindow(), kWait);
    QTest::qWait(300);
    QCOMPARE(tarnwell_.state(), QProcess::Running);
    click(icon()->rect.center(), 1, 2);
    QTRY_COMPARE_WITH_TIMEOUT(visibleMainWindow(), window, kWait);

    // Without an area, closing the window ends the program.
    trayer_.kill();
    QVERIFY(trayer_.waitForFinished(kWait));
    QTest::qWait(1500);
    QVERIFY(closeWindow(window));
    QTRY_COMPARE_WITH_TIMEOUT(tarnwell_.state(), QProcess::NotRunning, kWait);
    QCOMPARE(tarnwell_.exitCode(), 0);
}

#ifdef TARNWELL_TEST_DBUS
bool TestTrayDisplay::startDesktopBusPanel()
{
    desktopBus_ = std::make_unique<DesktopBus>();
    if (!desktopBus_->startPanel())
        return false;
    bus_ = desktopBus_->address();
    return true;
}
#endif

void TestTrayDisplay::desktopBusPanelRestarts()
{
#ifdef TARNWELL_TEST_DBUS
    QVERIFY2(startDesktopBusPanel(), "no bus of the test's own, or no watcher on it");
    QDBusConnection panel = desktopBus_->panel();
    const PanelWatcher& watcher = desktopBus_->watcher();
    const QString service = QString::fromLatin1(DesktopBus::kWatcher);

    QVERIFY(startTarnwell(false));
    QTRY_COMPARE_WITH_TIMEOUT(watcher.items().size(), 1, kWait);
    const qulonglong window = visibleMainWindow();
    QVERIFY(closeWindow(window));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMainWindow(), kWait);

    // The panel restarts: while it is away the window comes back; the new
    // one is told about the icon, and the icon works there.
    QVERIFY(panel.unregisterService(service));
    QTRY_COMPARE_WITH_TIMEOUT(visibleMainWindow(), window, kWait);
    const int before = watcher.items().size();
    QVERIFY(panel.registerService(service));
    QTRY_VERIFY_WITH_TIMEOUT(watcher.items().size() > before, kWait);
    QTest::qWait(1500); // the program notices the panel within a second
    QVERIFY(closeWindow(window));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMainWindow(), kWait);
    QTest::qWait(300);
    QCOMPARE(tarnwell_.state(), QProcess::Running);
    const QDBusMessage activated = desktopBus_->callItem(
        u"/StatusNotifierItem"_s, u"org.kde.StatusNotifierItem"_s, u"Activate"_s, {0, 0});
    QVERIFY2(activated.type() == QDBusMessage::ReplyMessage,
             qPrintable(activated.errorName() + u": "_s + activated.errorMessage() + u" items "_s +
                        watcher.items().join(u' ')));
    QTRY_COMPARE_WITH_TIMEOUT(visibleMainWindow(), window, kWait);
#endif
}

void TestTrayDisplay::desktopBusPanelShowsTheMenu()
{
#ifdef TARNWELL_TEST_DBUS
    QVERIFY2(startDesktopBusPanel(), "no bus of the test's own, or no watcher on it");
    QVERIFY(startTarnwell(false));
    QTRY_COMPARE_WITH_TIMEOUT(desktopBus_->watcher().items().size(), 1, kWait);

    // The panel finds the icon's menu where the icon says it is; without
    // one it could offer only a menu of its own.
    const QDBusMessage menuPlace =
        desktopBus_->callItem(u"/StatusNotifierItem"_s, u"org.freedesktop.DBus.Properties"_s,
                              u"Get"_s, {u"org.kde.StatusNotifierItem"_s, u"Menu"_s});
    QCOMPARE(menuPlace.type(), QDBusMessage::ReplyMessage);
    const QString menuPath = menuPlace.arguments()
                                 .value(0)
                                 .value<QDBusVariant>()
                                 .variant()
                                 .value<QDBusObjectPath>()
                                 .path();
    QVERIFY2(!menuPath.isEmpty() && menuPath != u"/NO_DBUSMENU"_s,
             qPrintable(u"the icon publishes no menu: "_s + menuPath));

    // The whole menu, as the panel reads it before showing it: "إظهار", a
    // separator, "خروج", the first and last with their pictures.
    const QString menuInterface = u"com.canonical.dbusmenu"_s;
    const QDBusMessage layout =
        desktopBus_->callItem(menuPath, menuInterface, u"GetLayout"_s, {0, -1, QStringList()});
    QCOMPARE(layout.type(), QDBusMessage::ReplyMessage);
    const BusMenuEntry root = readBusMenuEntry(layout.arguments().value(1).value<QDBusArgument>());
    QCOMPARE(root.children.size(), 3);
    const BusMenuEntry& show = root.children[0];
    const BusMenuEntry& separator = root.children[1];
    const BusMenuEntry& exit = root.children[2];
    QCOMPARE(show.properties.value(u"label"_s).toString(), u"إظهار"_s);
    QCOMPARE(separator.properties.value(u"type"_s).toString(), u"separator"_s);
    QCOMPARE(exit.properties.value(u"label"_s).toString(), u"خروج"_s);
    for (const BusMenuEntry& item : {show, exit}) {
        QVERIFY(item.properties.value(u"enabled"_s, true).toBool());
        QVERIFY(item.properties.value(u"visible"_s, true).toBool());
    }
    const QImage showPicture = busMenuPicture(show);
    const QImage exitPicture = busMenuPicture(exit);
    QCOMPARE(showPicture.size(), QSize(16, 16));
    QCOMPARE(exitPicture.size(), QSize(10, 10));
    QVERIFY(busMenuPicture(separator).isNull());

    // "إظهار" brings the closed window back.
    const qulonglong window = visibleMainWindow();
    QVERIFY(closeWindow(window));
    QTRY_VERIFY_WITH_TIMEOUT(!visibleMainWindow(), kWait);
    const auto click = [&](const BusMenuEntry& item) {
        return desktopBus_->callItem(
            menuPath, menuInterface, u"Event"_s,
            {item.id, u"clicked"_s, QVariant::fromValue(QDBusVariant(0)), 0u});
    };
    QCOMPARE(click(show).type(), QDBusMessage::ReplyMessage);
    QTRY_COMPARE_WITH_TIMEOUT(visibleMainWindow(), window, kWait);
    QCOMPARE(tarnwell_.state(), QProcess::Running);

    // "خروج" ends the program.
    click(exit);
    QTRY_COMPARE_WITH_TIMEOUT(tarnwell_.state(), QProcess::NotRunning, kWait);
    QCOMPARE(tarnwell_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tarnwell_.exitCode(), 0);
#endif
}

QTEST_GUILESS_MAIN(TestTrayDisplay)
#include "test_traydisplay.moc"
