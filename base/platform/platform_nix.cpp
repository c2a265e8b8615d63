// Platform layer for Linux and other Unix desktops.
#include "base/platform/platform.h"

#include <algorithm>
#include <cerrno>

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <vector>

#ifdef TARNWELL_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#endif

namespace platform {

namespace {

#ifdef TARNWELL_HAVE_X11
// The layout groups the X server's keyboard is configured with (as
// `setxkbmap -layout us,ara` sets them), by their names ("English (US)",
// "Arabic", ...).
QStringList layoutGroups(Display* display)
{
    QStringList groups;
    XkbDescPtr keyboard = XkbAllocKeyboard();
    if (!keyboard)
        return groups;
    if (XkbGetNames(display, XkbGroupNamesMask, keyboard) == Success && keyboard->names) {
        for (int i = 0; i < XkbNumKbdGroups; ++i) {
            const Atom atom = keyboard->names->groups[i];
            if (atom == None)
                break;
            char* name = XGetAtomName(display, atom);
            groups.append(QString::fromUtf8(name ? name : ""));
            if (name)
                XFree(name);
        }
    }
    XkbFreeKeyboard(keyboard, 0, True);
    return groups;
}

bool isArabic(const QString& group)
{
    return group.startsWith(QLatin1String("Arabic"), Qt::CaseInsensitive);
}

// Switches the X keyboard to the Arabic group ("00000401"), or back to the
// first group that is not Arabic ("00000400"), where the user has set up
// an Arabic group; without one the request changes nothing.
bool switchX11Layout(const QString& layoutId, bool activate)
{
    // The X display exists only under the xcb platform; offscreen and
    // Wayland sessions have none.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    const QStringList groups = layoutGroups(display);
    const auto arabic = std::find_if(groups.cbegin(), groups.cend(), isArabic);
    if (arabic == groups.cend())
        return false;
    qsizetype target = -1;
    if (layoutId == QLatin1String("00000401")) {
        target = arabic - groups.cbegin();
    } else if (layoutId == QLatin1String("00000400")) {
        const auto other = std::find_if_not(groups.cbegin(), groups.cend(), isArabic);
        if (other == groups.cend())
            return false;
        target = other - groups.cbegin();
    } else {
        return false;
    }
    if (!activate)
        return true;
    const bool locked = XkbLockGroup(display, XkbUseCoreKbd, static_cast<unsigned>(target));
    XFlush(display);
    return locked;
}

// Adds the skip-taskbar and skip-pager states to a window that is not
// mapped yet (Qt adds its own states to these when it maps the window),
// and empties its caption properties when its title is empty.
void markX11ToolWindow(QWidget* window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    const auto id = static_cast<Window>(window->winId());
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    std::vector<Atom> states;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, id, state, 0, 64, False, XA_ATOM, &type, &format, &count, &left,
                           &data) == Success &&
        data) {
        if (type == XA_ATOM && format == 32) {
            const auto* atoms = reinterpret_cast<const Atom*>(data);
            states.assign(atoms, atoms + count);
        }
        XFree(data);
    }
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const Atom atom = XInternAtom(display, name, False);
        if (std::find(states.cbegin(), states.cend(), atom) == states.cend())
            states.push_back(atom);
    }
    XChangeProperty(display, id, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
    if (window->windowTitle().isEmpty()) {
        const unsigned char nothing[] = {0};
        XChangeProperty(display, id, XInternAtom(display, "_NET_WM_NAME", False),
                        XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace, nothing, 0);
        XChangeProperty(display, id, XA_WM_NAME, XA_STRING, 8, PropModeReplace, nothing, 0);
    }
    XFlush(display);
}
#endif

// Runs the desktop's opener on url without waiting for it, and calls
// lateFailure when it exits with an error: it answers only once it has
// looked for a browser, and with none configured that answer is a failure.
void startOpener(const QString& opener, const QUrl& url, LateFailure lateFailure)
{
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(opener);
    process->setArguments({QString::fromLatin1(url.toEncoded())});
    // The browser it starts inherits these and may outlive this program:
    // no pipes back to us.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    auto fail = [process, lateFailure = std::move(lateFailure)] {
        process->disconnect();
        process->deleteLater();
        if (lateFailure)
            lateFailure({OpenOutcome::NoAssociation});
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, fail](int exitCode, QProcess::ExitStatus status) {
                         if (exitCode != 0 || status != QProcess::NormalExit)
                             fail();
                         else
                             process->deleteLater();
                     });
    // Queued: a start that fails must not report before the caller has its
    // answer.
    QObject::connect(
        process, &QProcess::errorOccurred, process,
        [fail](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                fail();
        },
        Qt::QueuedConnection);
    // An opener still waiting for the browser when the program ends is let
    // go quietly; the browser itself stays open.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process,
                     [process] {
                         process->disconnect();
                         process->kill();
                         process->waitForFinished(1000);
                     });
    process->start();
}

class UnixPlatform : public Platform {
public:
    bool loadKeyboardLayout(const QString& layoutId, bool activate) override
    {
#ifdef TARNWELL_HAVE_X11
        return switchX11Layout(layoutId, activate);
#else
        // Elsewhere input methods are the desktop's business.
        Q_UNUSED(layoutId)
        Q_UNUSED(activate)
        return false;
#endif
    }

    OpenResult openDocument(const QString& address, const QString&,
                            LateFailure lateFailure) override
    {
        const QUrl url = QUrl::fromUserInput(address);
        // An address that names nothing is reported as the shell reports a
        // file it cannot find.
        if (!url.isValid())
            return {OpenOutcome::Failed, ENOENT};
        // The desktop's opener is what Qt would start too, but Qt lets go
        // of it and never learns that it failed.
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return {QDesktopServices::openUrl(url) ? OpenOutcome::Opened
                                                   : OpenOutcome::NoAssociation};
        startOpener(opener, url, std::move(lateFailure));
        return {OpenOutcome::Opened};
    }

    void setOnTop(QWidget* window, bool onTop) override
    {
        // A window that exists is told directly: QWidget::setWindowFlag
        // would build it anew, which hides it and shows it again (a
        // flicker, and a window mapped anew lands above the others).
        if (QWindow* handle = window->windowHandle()) {
            const Qt::WindowFlags flags =
                window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop);
            window->overrideWindowFlags(flags);
            handle->setFlags(flags);
            return;
        }
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }

    void markToolWindow(QWidget* window) override
    {
#ifdef TARNWELL_HAVE_X11
        markX11ToolWindow(window);
#else
        Q_UNUSED(window)
#endif
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

    bool usesVisualStylesManifest() const override
    {
        return false;
    }
};

} // namespace

std::unique_ptr<Platform> createNative()
{
    return std::make_unique<UnixPlatform>();
}

} // namespace platform
