// What the program needs from the operating system beyond Qt: one
// interface, one implementation per platform (chosen by the build), each
// with a sound behaviour where the platform lacks the feature.
#pragma once

#include <QString>

class QWidget;

namespace platform {

// Switches the keyboard to the layout with the given Windows identifier
// ("00000401" Arabic, "00000400" the default); false where it cannot.
bool loadKeyboardLayout(const QString& layoutId, bool activate);

// Opens an address with the user's default handler (the web browser).
// Returns a shell-style code: above 32 on success, 31 when nothing is
// associated with the address, a smaller code for other failures.
int openDocument(const QString& address, const QString& workingFolder);

// Keeps a window above all others, or puts it back among them.
void setOnTop(QWidget* window, bool onTop);

// Whether a notification area exists to bring a hidden window back from.
bool hasNotificationArea();

// Makes sure the visual-styles manifest is in force. Returns false when
// this process must end because a new instance has been started.
bool ensureVisualStyles(const QString& appFolder);

} // namespace platform
