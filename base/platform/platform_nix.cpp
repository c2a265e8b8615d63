// Platform layer for Linux and other Unix desktops.
#include "platform.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace platform {

namespace {

class UnixPlatform : public Platform {
public:
    bool loadKeyboardLayout(const QString&, bool) override
    {
        // Input methods are the desktop's business here.
        return false;
    }

    int openDocument(const QString& address, const QString&) override
    {
        const QUrl url = QUrl::fromUserInput(address);
        if (!url.isValid())
            return kFileNotFound;
        return QDesktopServices::openUrl(url) ? kOpenedOk : kNoAssociation;
    }

    void setOnTop(QWidget* window, bool onTop) override
    {
        const bool wasVisible = window->isVisible();
        const QRect geometry = window->geometry();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        // Changing a window flag hides the window; keep it where it was.
        if (wasVisible) {
            window->setGeometry(geometry);
            window->show();
        }
    }

    bool startHidden(const QString& program, const QString& workingFolder) override
    {
        return QProcess::startDetached(program, {}, workingFolder);
    }

    bool setFileHidden(const QString&) override
    {
        // A Unix file is hidden by its name, which is given.
        return true;
    }

    bool usesVisualStylesManifest() const override { return false; }
};

} // namespace

std::unique_ptr<Platform> createNative()
{
    return std::make_unique<UnixPlatform>();
}

} // namespace platform
