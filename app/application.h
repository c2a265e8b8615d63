// The program as a whole: runs start-up in order (the visual-styles check
// before any window exists, then the main window and its load step), owns
// the main window and the windows that live for the whole run, and ends
// the program.
#pragma once

#include "appfolder.h"
#include "fileaccess.h"
#include "sitestore.h"

#include <QObject>

#include <memory>
#include <optional>

class FrmLoading;
class FrmSmile;
class FrmView;
class FrmVorlane;

class Application : public QObject {
    Q_OBJECT
public:
    enum class StartResult {
        Running,    // the main window is shown
        Failed,     // a message naming what failed has been shown
        Restarting, // a new instance has been started; this one ends
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

    // The Exit command (tab 7, the notification-area menu): ends the
    // program at once; nothing is saved and no window asks first.
    void miExitClick();

Q_SIGNALS:
    void programEnded();

private:
    // The main window's load step; the failure that stopped it, if any.
    std::optional<files::Failure> loadMainWindow();

    appfolder::AppFolder folder_;
    SiteStore sites_;
    std::unique_ptr<FrmVorlane> frmVorlane_;
    std::unique_ptr<FrmLoading> frmLoading_;
    std::unique_ptr<FrmView> frmView_;
    std::unique_ptr<FrmSmile> frmSmile_;
};

// Runs Tarnwell from the given application folder and returns the exit
// status: 0 after a normal end or a restart, 1 when start-up failed.
int runTarnwell(const appfolder::AppFolder& folder);
