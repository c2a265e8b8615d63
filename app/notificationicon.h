// The program's icon in the notification area. It is added at start-up
// and removed by the Exit command; it turns the icon's notifications into
// the program's two actions for them (show the main window, pop up the
// tray menu), hands the menu to a desktop-bus panel, and watches the
// notification area come and go while the program runs.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <optional>

class QMenu;
class QTimer;

class NotificationIcon : public QObject {
    Q_OBJECT
public:
    // What a notification asks the program to do.
    enum class Action { None, Show, PopUpMenu };
    Q_ENUM(Action)
    // How the platform's notification protocol reports the user's clicks:
    // every press and double click (Windows, macOS, an XEmbed notification
    // area on X11), or only activation requests (the desktop-bus
    // StatusNotifierItem), which never carry a double click.
    enum class Protocol { Clicks, ActivationRequests };
    Q_ENUM(Protocol)

    // How often the notification area is looked for while the program runs.
    static constexpr int kAreaCheckMs = 1000;

    explicit NotificationIcon(QObject* parent = nullptr);
    ~NotificationIcon() override;

    // Where the desktop shows icons through its message bus, making the
    // icon waits for the connection to that bus (or for the attempt to
    // start one to fail). This makes the connection on a worker thread,
    // so that whatever the program builds meanwhile hides the wait.
    static void connectAhead();

    // Shows the icon with its tip and starts following the notification
    // area. Nothing is reported when there is no area; the icon appears when
    // one does. A desktop-bus panel draws the icon's menu itself, from what
    // the icon publishes when it registers: there `makeMenu` is asked for
    // the menu before the icon shows. Elsewhere it is never asked, and the
    // program pops its own menu up (menuRequested).
    void add(const QString& tip, const QIcon& icon, const std::function<QMenu*()>& makeMenu = {});
    // Takes the icon out of the notification area for good.
    void remove();
    bool isAdded() const;

    // Whether a notification area holds the icon, as last looked at.
    bool areaAvailable() const { return areaAvailable_; }

    // The table of notifications to actions: a left double click shows, a
    // right-button press pops the menu up, nothing else acts. Where the
    // protocol has no double click, its activation request stands for one.
    static Action actionFor(QSystemTrayIcon::ActivationReason reason, Protocol protocol);
    // The protocol the icon is reached through now.
    Protocol protocol() const;

    QSystemTrayIcon* trayIcon() const { return tray_; }

    // For tests, which have no notification area: the protocol to assume,
    // and what to ask whether a notification area exists (by default Qt's
    // own answer).
    void setProtocolOverride(std::optional<Protocol> protocol) { protocolOverride_ = protocol; }
    void setAreaProbe(std::function<bool()> probe);
    // Looks for the notification area now; emits areaAvailabilityChanged
    // when it has appeared or gone since the last look.
    void checkArea();

Q_SIGNALS:
    void showRequested();
    // The menu should pop up at this screen position.
    void menuRequested(const QPoint& globalPos);
    void areaAvailabilityChanged(bool available);

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon* tray_ = nullptr;
    QTimer* areaCheck_ = nullptr;
    std::function<bool()> areaProbe_;
    std::optional<Protocol> protocolOverride_;
    bool areaAvailable_ = false;
    bool added_ = false;
    // Whether Qt reaches a desktop-bus panel; it decides when the first icon
    // is made and keeps to it for the whole run.
    bool viaDesktopBus_ = false;
};
