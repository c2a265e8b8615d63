// The notification-area icon; see notificationicon.h.
#include "app/notificationicon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QThreadPool>
#include <QTimer>
#include <QWidget>
#ifdef TARNWELL_HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// On X11 without a desktop-bus notifier Qt docks the icon as a small
// window of its own in an XEmbed notification area. Its presence tells the
// two Unix protocols apart.
bool hasXEmbedIconWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](const QWidget* w) { return w->objectName() == u"QSystemTrayIconSys"_s; });
}

// Headless platforms never have a notification area; Qt's icon would only
// complain that it cannot watch for one.
bool platformMayHaveArea()
{
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen"_s && platform != u"minimal"_s;
}

// Qt reaches the icon through the desktop bus when, as the first icon is
// made, a panel's watcher is on the bus and says that a panel listens;
// otherwise it docks an XEmbed window. Asked the same question right after
// Qt asked it, the watcher gives Qt's answer.
bool desktopBusPanelListens()
{
#if defined(TARNWELL_HAVE_QTDBUS) && defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!platformMayHaveArea())
        return false;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QString watcher = u"org.kde.StatusNotifierWatcher"_s;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        watcher, u"/StatusNotifierWatcher"_s, u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    ask << watcher << u"IsStatusNotifierHostRegistered"_s;
    constexpr int kAnswerMs = 2000; // a watcher that hangs has no panel to show
    const QDBusMessage answer = bus.call(ask, QDBus::Block, kAnswerMs);
    return answer.type() == QDBusMessage::ReplyMessage &&
           answer.arguments().value(0).value<QDBusVariant>().variant().toBool();
#else
    return false;
#endif
}

} // namespace

NotificationIcon::NotificationIcon(QObject* parent)
    : QObject(parent), tray_(new QSystemTrayIcon(this)), areaCheck_(new QTimer(this)),
      areaProbe_([] { return QSystemTrayIcon::isSystemTrayAvailable(); })
{
    tray_->setObjectName(u"trayIcon"_s);
    // Only the icon's own notifications arrive here; the pointer moving over
    // the program's windows never does.
    connect(tray_, &QSystemTrayIcon::activated, this, &NotificationIcon::onActivated);
    areaCheck_->setInterval(kAreaCheckMs);
    connect(areaCheck_, &QTimer::timeout, this, &NotificationIcon::checkArea);
    viaDesktopBus_ = desktopBusPanelListens();
}

NotificationIcon::~NotificationIcon() = default;

void NotificationIcon::connectAhead()
{
#ifdef TARNWELL_HAVE_QTDBUS
    // The connection is kept for the whole run, so the icon finds it made.
    QThreadPool::globalInstance()->start([] { (void)QDBusConnection::sessionBus().isConnected(); });
#endif
}

void NotificationIcon::add(const QString& tip, const QIcon& icon,
                           const std::function<QMenu*()>& makeMenu)
{
    tray_->setIcon(icon);
    tray_->setToolTip(tip);
    // A panel learns where the menu is once, when the icon registers, and
    // without it offers only a menu of its own. An XEmbed icon gets none:
    // Qt would pop it up by itself beside the program's own.
    if (viaDesktopBus_ && makeMenu && !tray_->contextMenu())
        tray_->setContextMenu(makeMenu());
    areaAvailable_ = areaProbe_();
    added_ = true;
    if (platformMayHaveArea())
        tray_->show();
    areaCheck_->start();
}

void NotificationIcon::remove()
{
    added_ = false;
    areaCheck_->stop();
    tray_->hide();
}

bool NotificationIcon::isAdded() const
{
    return added_;
}

void NotificationIcon::setAreaProbe(std::function<bool()> probe)
{
    areaProbe_ = std::move(probe);
    areaAvailable_ = areaProbe_();
}

void NotificationIcon::checkArea()
{
    const bool available = areaProbe_();
    if (available == areaAvailable_)
        return;
    areaAvailable_ = available;
    // Qt docks an XEmbed icon again by itself when a new area appears; an
    // icon on the desktop bus registers only when shown, so show it anew.
    if (available && tray_->isVisible() && !hasXEmbedIconWindow()) {
        tray_->hide();
        tray_->show();
    }
    Q_EMIT areaAvailabilityChanged(available);
}

NotificationIcon::Protocol NotificationIcon::protocol() const
{
    if (protocolOverride_)
        return *protocolOverride_;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return hasXEmbedIconWindow() ? Protocol::Clicks : Protocol::ActivationRequests;
#else
    return Protocol::Clicks;
#endif
}

NotificationIcon::Action NotificationIcon::actionFor(QSystemTrayIcon::ActivationReason reason,
                                                     Protocol protocol)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: // left button, double click
        return Action::Show;
    case QSystemTrayIcon::Context: // right button pressed
        return Action::PopUpMenu;
    case QSystemTrayIcon::Trigger:
        // A single left press where presses are reported; the notifier's
        // activation request (its "double click") where they are not.
        return protocol == Protocol::ActivationRequests ? Action::Show : Action::None;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return Action::None;
}

void NotificationIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (actionFor(reason, protocol())) {
    case Action::Show:
        Q_EMIT showRequested();
        break;
    case Action::PopUpMenu:
        Q_EMIT menuRequested(QCursor::pos());
        break;
    case Action::None:
        break;
    }
}
