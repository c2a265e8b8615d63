// The faces the pictures are drawn with, read from their own files: the
// generator sees no other font, so whatever else a machine has installed
// cannot change a picture.
#pragma once

#include <QString>
#include <QStringList>

namespace art {

// Where the faces are read from when nothing else is asked for.
QString defaultFaceRoot();

// Hides every installed font from this process: fontconfig is pointed at a
// configuration of its own that names no font folder. Call before the
// QGuiApplication is made. Returns an empty string, or what went wrong.
QString hideInstalledFonts();

// Loads each face file the pictures use from below `root`. Returns one
// message per file that is missing or unreadable, naming the file and the
// package that installs it; empty when every face is there.
QStringList loadFaceFiles(const QString& root);

} // namespace art
