// What the program needs from the operating system beyond Qt, behind one
// interface: one implementation per platform (chosen by the build), each
// with a sound behaviour where the platform lacks the feature, and a
// recording stand-in that tests install.
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace platform {

// What came of opening an address.
enum class OpenOutcome {
    Opened,        // the handler started
    NoAssociation, // nothing handles this kind of address
    Failed,        // anything else; systemError says what
};

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::Opened;
    // For Failed: the system's own number for what went wrong, which the
    // user is shown.
    int systemError = 0;
};

// Told, later and at most once, that an opener which had started failed
// after all (the desktop's opener exits with an error when no browser is
// configured). Called on the window thread from its event loop; never
// called for a start that failed at once.
using LateFailure = std::function<void(OpenResult result)>;

class Platform {
public:
    virtual ~Platform() = default;

    // Switches the keyboard to the layout with the given Windows identifier
    // ("00000401" Arabic, "00000400" the default layout); false where it
    // cannot, which callers ignore.
    virtual bool loadKeyboardLayout(const QString& layoutId, bool activate) = 0;

    // Opens an address with the user's default handler (the web browser),
    // shown normally, without waiting for the handler to finish. An opener
    // that started and then fails calls lateFailure.
    virtual OpenResult openDocument(const QString& address, const QString& workingFolder,
                                    LateFailure lateFailure) = 0;

    // Keeps a window above all others, or puts it back among them, without
    // moving or resizing it.
    virtual void setOnTop(QWidget* window, bool onTop) = 0;

    // Tells the window manager, before a tool window is shown, that it
    // stays out of the taskbar and the pager, and keeps an empty caption
    // empty (the window system would be given the program's name).
    virtual void markToolWindow(QWidget* window) = 0;

    // Starts a program or script without a window and without waiting for
    // it; false when it could not be started.
    virtual bool startHidden(const QString& program, const QString& workingFolder) = 0;

    // Gives a file the hidden attribute where the file system has one.
    virtual bool setFileHidden(const QString& path) = 0;

    // Whether a manifest beside the executable switches on the system's
    // visual styles (Windows only).
    virtual bool usesVisualStylesManifest() const = 0;
};

// The platform the program runs on, or the stand-in a test installed.
Platform& current();
// Installs a stand-in (tests); nullptr puts the real platform back. The
// caller keeps ownership.
void install(Platform* platform);
// The implementation for the platform the program was built for.
std::unique_ptr<Platform> createNative();

} // namespace platform
