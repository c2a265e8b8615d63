// Platform layer for Linux and other Unix desktops.
#include "platform.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

namespace platform {

bool loadKeyboardLayout(const QString&, bool)
{
    // Input methods are the desktop's business here; there is no portable
    // way to switch them from a program.
    return false;
}

int openDocument(const QString& address, const QString&)
{
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return 2;  // the shell's "file not found"
    return QDesktopServices::openUrl(url) ? 33 : 31;
}

void setOnTop(QWidget* window, bool onTop)
{
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; keep it where it was.
    if (wasVisible)
        window->show();
}

bool ensureVisualStyles(const QString&)
{
    // Qt draws its own styles; nothing to switch on.
    return true;
}

} // namespace platform
