// The program as a whole: runs start-up in order (the visual-styles check
// before any window exists, the notification-area icon and its menu, then
// the main window and its load step), owns the main window and the windows
// that live for the whole run, and ends the program.
#pragma once

#include "base/appfolder.h"
#include "base/fileaccess.h"
#include "base/sitestore.h"

#include <QIcon>
#include <QObject>

#include <memory>
#include <optional>

class FrmLoading;
class FrmMenu;
class FrmSmile;
class FrmView;
class FrmVorlane;
class NotificationIcon;
class SingleInstance;

class Application : public QObject {
    Q_OBJECT
public:
    enum class StartResult {
        Running,    // the main window is shown
        Failed,     // a message naming what failed has been shown
        Restarting, // a new instance has been started; this one ends
        Ended,      // the Exit command was chosen while start-up ran
    };

    explicit Application(const appfolder::AppFolder& folder, QObject* parent = nullptr);
    ~Application() override;

    StartResult start();

    FrmVorlane* mainWindow() const { return frmVorlane_.get(); }
    // The loading window while start-up runs, and after a failed one.
    FrmLoading* frmLoading() const { return frmLoading_.get(); }
    SiteStore& sites() { return sites_; }

    // The smilies picker, shown modeless (tab 4). There is one picker for
    // the whole run, created the first time it is asked for; nullptr until
    // then.
    void showSmilePicker();
    FrmSmile* frmSmile() const { return frmSmile_.get(); }
    FrmView* frmView() const { return frmView_.get(); }

    // The notification-area icon, made at start-up before the main window,
    // and the hidden window that owns its menu, made when the menu is
    // first wanted (with the icon, where a desktop-bus panel shows it).
    NotificationIcon* notificationIcon() const { return notificationIcon_.get(); }
    FrmMenu* frmMenu();

    // The Show command (the icon's double click, the menu's "إظهار"): the
    // main window comes back with the page it had, the tag toolbar with it
    // only when that page is the forum editor. Does nothing while start-up
    // still runs.
    void miViewClick();
    // The Exit command (tab 7, the notification-area menu): removes the
    // icon and ends the program at once; nothing is saved and no window
    // asks first.
    void miExitClick();

Q_SIGNALS:
    void programEnded();

private:
    // The main window's load step; the failure that stopped it, if any.
    std::optional<files::Failure> loadMainWindow();
    void addNotificationIcon();
    void putMenuPictures();
    // The notification area appeared or went away while the program runs.
    void followNotificationArea(bool available);

    appfolder::AppFolder folder_;
    SiteStore sites_;
    bool running_ = false; // start-up finished and the main window shown
    bool ended_ = false;   // the Exit command has run
    std::unique_ptr<FrmMenu> frmMenu_;
    std::unique_ptr<NotificationIcon> notificationIcon_;
    QIcon windowIcon_;
    std::unique_ptr<FrmVorlane> frmVorlane_;
    std::unique_ptr<FrmLoading> frmLoading_;
    std::unique_ptr<FrmView> frmView_;
    std::unique_ptr<FrmSmile> frmSmile_;
};

// Runs Tarnwell from the given application folder and returns the exit
// status: 0 after a normal end or a restart, 1 when start-up failed. A later
// start that hands over to this copy shows its main window.
int runTarnwell(const appfolder::AppFolder& folder, SingleInstance* instance = nullptr);
