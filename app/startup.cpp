// Start-up, in the order the program depends on: the visual-styles check,
// the main window built (not shown), the notification-area icon, then the
// main window's load step (the logo, the settings files, the link and
// border galleries grown picture by picture while the loading window shows
// the progress, the first page), then the window is shown. Also the Show
// and Exit commands and following the notification area.
#include "app/application.h"

#include "app/frmloading.h"
#include "app/frmmenu.h"
#include "app/frmvorlane.h"
#include "app/notificationicon.h"
#include "app/singleinstance.h"
#include "app/visualstyles.h"
#include "base/controls/backgroundpicture.h"
#include "base/forumchoice.h"
#include "base/picture.h"
#include "base/platform/platform.h"
#include "base/prompt.h"
#include "composer/editorpage.h"
#include "composer/tagtoolbar.h"
#include "galleries/borderpage.h"
#include "galleries/frmsmile.h"
#include "galleries/frmview.h"
#include "galleries/galleryprogress.h"
#include "galleries/linkpage.h"

#include <QAction>
#include <QApplication>

using namespace Qt::StringLiterals;

namespace {

// The loading window's progress bar and status line follow the galleries.
class LoadingProgress : public GalleryProgress {
public:
    explicit LoadingProgress(FrmLoading& window) : window_(window) {}
    void start(int maximum) override { window_.startProgress(maximum); }
    void loaded(const QString& path, int value) override
    {
        window_.showProgress(u"File: \""_s + path + u"\" successfully loaded."_s, value);
    }

private:
    FrmLoading& window_;
};

} // namespace

Application::Application(const appfolder::AppFolder& folder, QObject* parent)
    : QObject(parent), folder_(folder), sites_(folder)
{
}

Application::~Application() = default;

Application::StartResult Application::start()
{
    // Before any window exists: the first start on Windows writes the
    // manifest and starts the program anew.
    if (platform::current().usesVisualStylesManifest() &&
        visualstyles::ensureVisualStylesManifest(visualstyles::ProgramLocation::ofThisProcess()) ==
            visualstyles::ManifestOutcome::EndProcess)
        return StartResult::Restarting;

    // What the steps below would wait for is started on other threads:
    // the desktop bus the notification icon may use, and the check of every
    // picture the loading steps read, in the order they meet them.
    NotificationIcon::connectAhead();
    QStringList pictures{folder_.logo(), folder_.logo()};
    pictures << LinkPage::galleryPictures(folder_) << BorderPage::galleryPictures(folder_);
    const picture::ChecksAhead checksAhead(pictures);

    // The loading window's picture decodes while the main window is built.
    auto welcome = std::make_shared<controls::BackgroundPicture>(u":/art/welcome.png"_s);
    // The window and the notification icon share the program's icon,
    // decoded once.
    windowIcon_ = FrmVorlane::windowIconPicture();
    frmVorlane_ = std::make_unique<FrmVorlane>(folder_, sites_, nullptr, windowIcon_);
    connect(frmVorlane_.get(), &FrmVorlane::exitRequested, this, &Application::miExitClick);
    connect(frmVorlane_.get(), &FrmVorlane::smiliesRequested, this, &Application::showSmilePicker);
    // The icon comes before any window shows.
    addNotificationIcon();
    frmVorlane_->setNotificationIconShown(notificationIcon_->areaAvailable());

    frmLoading_ = std::make_unique<FrmLoading>(std::move(welcome));
    if (const auto failure = loadMainWindow()) {
        // The loading window stays behind the message with its last status.
        frmLoading_->flushProgress();
        prompt::message(frmLoading_.get(), u"Tarnwell cannot start.\n\n"_s + failure->text,
                        prompt::Icon::Critical);
        return StartResult::Failed;
    }
    frmLoading_.reset();
    // The loading loops let the icon's menu be used: its Exit has ended the
    // program already.
    if (ended_)
        return StartResult::Ended;
    frmVorlane_->show();
    running_ = true;
    return StartResult::Running;
}

void Application::addNotificationIcon()
{
    notificationIcon_ = std::make_unique<NotificationIcon>();
    connect(notificationIcon_.get(), &NotificationIcon::showRequested, this,
            &Application::miViewClick);
    connect(notificationIcon_.get(), &NotificationIcon::menuRequested, this,
            [this](const QPoint& at) { frmMenu()->popUpMenu(at); });
    connect(notificationIcon_.get(), &NotificationIcon::areaAvailabilityChanged, this,
            &Application::followNotificationArea);
    // The tip keeps the version the icon has always shown. The menu is made
    // now only for a desktop-bus panel, which shows it by itself.
    // The tip says "Tarnwell 1.2" on purpose: it is the tip the icon has
    // always shown, kept as it is while the captions follow the version.
    notificationIcon_->add(u"Tarnwell 1.2"_s, windowIcon_, [this] { return frmMenu()->menFile(); });
}

FrmMenu* Application::frmMenu()
{
    if (!frmMenu_) {
        frmMenu_ = std::make_unique<FrmMenu>();
        connect(frmMenu_->miView(), &QAction::triggered, this, &Application::miViewClick);
        connect(frmMenu_->miExit(), &QAction::triggered, this, &Application::miExitClick);
        if (frmVorlane_)
            putMenuPictures();
    }
    return frmMenu_.get();
}

void Application::putMenuPictures()
{
    // The pictures live in the main window's hidden picture boxes; a
    // missing one leaves its item without a picture.
    (void)setMenuItemPicture(frmMenu_.get(), 0, 0, frmVorlane_->picNote()->picture());
    (void)setMenuItemPicture(frmMenu_.get(), 0, 2, frmVorlane_->picExit()->picture());
}

void Application::followNotificationArea(bool available)
{
    if (!frmVorlane_)
        return;
    frmVorlane_->setNotificationIconShown(available);
    // A window hidden while the area was there could not be shown again.
    if (!available && running_ && frmVorlane_->isHidden())
        miViewClick();
}

std::optional<files::Failure> Application::loadMainWindow()
{
    FrmVorlane& w = *frmVorlane_;
    w.showNoTabCurrent();
    if (auto failure = w.loadLogo())
        return failure;
    w.editorPage()->preparePickers();

    frmLoading_->show();
    if (auto failure = sites_.load())
        return failure;
    // A user's own settings file that cannot be read: the delivered one
    // serves, and the user learns which file to mend or delete.
    for (const QString& warning : sites_.warnings())
        prompt::message(frmLoading_.get(), warning, prompt::Icon::Exclamation);
    // So is a forum choice that cannot be read: the classic codes serve.
    if (const std::optional<QString> warning = w.forumChoice()->load())
        prompt::message(frmLoading_.get(), *warning, prompt::Icon::Exclamation);

    LoadingProgress progress(*frmLoading_);
    if (auto failure = w.linkPage()->loadGallery(folder_, progress))
        return failure;
    w.lblProgClick(FrmVorlane::Page::Editor);
    if (auto failure = w.borderPage()->loadGallery(folder_, sites_.borderSite(), progress))
        return failure;
    w.borderPage()->forceMiddle();
    return std::nullopt;
}

void Application::showSmilePicker()
{
    if (!frmSmile_) {
        frmView_ = std::make_unique<FrmView>();
        frmSmile_ = std::make_unique<FrmSmile>(folder_, *frmView_);
        frmVorlane_->addPageKeys(frmSmile_.get());
    }
    frmSmile_->showInFront();
    frmSmile_->activateWindow();
}

void Application::miViewClick()
{
    if (!running_ || ended_)
        return;
    FrmVorlane& w = *frmVorlane_;
    w.toolbar1()->setVisible(w.editorPageShown());
    if (w.isMinimized())
        w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

void Application::miExitClick()
{
    if (ended_)
        return;
    ended_ = true;
    running_ = false;
    if (notificationIcon_)
        notificationIcon_->remove();
    // Every window goes at once; hiding runs no close handler, and a dialog
    // or message still open returns from its loop.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->hide();
    Q_EMIT programEnded();
    QCoreApplication::exit(0);
}

int runTarnwell(const appfolder::AppFolder& folder, SingleInstance* instance)
{
    Application tarnwell(folder);
    if (instance)
        QObject::connect(instance, &SingleInstance::showRequested, &tarnwell,
                         &Application::miViewClick);
    switch (tarnwell.start()) {
    case Application::StartResult::Failed:
        return 1;
    case Application::StartResult::Restarting:
    case Application::StartResult::Ended:
        return 0;
    case Application::StartResult::Running:
        break;
    }
    return QApplication::exec();
}
