// Start-up, in the order the program depends on: the visual-styles check,
// then the main window and its load step (the logo, the settings files,
// the link and border galleries grown picture by picture while the loading
// window shows the progress, the first page), then the window is shown.
#include "application.h"

#include "borderpage.h"
#include "editorpage.h"
#include "frmloading.h"
#include "frmsmile.h"
#include "frmview.h"
#include "frmvorlane.h"
#include "galleryprogress.h"
#include "linkpage.h"
#include "platform.h"
#include "prompt.h"
#include "visualstyles.h"

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

    // The loading window's picture decodes while the main window is built.
    auto welcome = std::make_shared<controls::BackgroundPicture>(u":/art/welcome.png"_s);
    frmVorlane_ = std::make_unique<FrmVorlane>(folder_, sites_);
    connect(frmVorlane_.get(), &FrmVorlane::exitRequested, this, &Application::miExitClick);
    connect(frmVorlane_.get(), &FrmVorlane::smiliesRequested, this, &Application::showSmilePicker);

    frmLoading_ = std::make_unique<FrmLoading>(std::move(welcome));
    if (const auto failure = loadMainWindow()) {
        // The loading window stays behind the message with its last status.
        frmLoading_->flushProgress();
        prompt::message(frmLoading_.get(), u"Tarnwell cannot start.\n\n"_s + failure->text,
                        prompt::Icon::Critical);
        return StartResult::Failed;
    }
    frmLoading_.reset();
    frmVorlane_->show();
    return StartResult::Running;
}

std::optional<files::Failure> Application::loadMainWindow()
{
    FrmVorlane& w = *frmVorlane_;
    w.showNoTabCurrent();
    if (auto failure = w.loadLogo())
        return failure;
    w.editorPage()->preparePickers();

    frmLoading_->show();
    if (const auto error = sites_.load())
        return files::Failure{{}, *error};

    LoadingProgress progress(*frmLoading_);
    if (auto failure = w.linkPage()->loadGallery(folder_, progress))
        return failure;
    w.lblProgClick(3);
    if (auto failure = w.borderPage()->loadGallery(folder_, sites_.borderSite(), progress))
        return failure;
    w.borderPage()->ForceMiddle();
    return std::nullopt;
}

void Application::showSmilePicker()
{
    if (!frmSmile_) {
        frmView_ = std::make_unique<FrmView>();
        frmSmile_ = std::make_unique<FrmSmile>(folder_, *frmView_);
    }
    frmSmile_->show();
    frmSmile_->raise();
    frmSmile_->activateWindow();
}

void Application::miExitClick()
{
    Q_EMIT programEnded();
    QCoreApplication::exit(0);
}

int runTarnwell(const appfolder::AppFolder& folder)
{
    Application tarnwell(folder);
    switch (tarnwell.start()) {
    case Application::StartResult::Failed:
        return 1;
    case Application::StartResult::Restarting:
        return 0;
    case Application::StartResult::Running:
        break;
    }
    return QApplication::exec();
}
