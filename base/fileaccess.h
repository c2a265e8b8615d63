// Reading the delivered files safely: a file that is missing, a folder, a
// pipe or a device, or unreadable, gives a message that names it and the
// system's reason instead of a hang or a misleading "not found".
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace files {

// Why a file could not be used: the file, and a message for the user that
// names it ("File not found:", "Path not found:", or the system's reason).
struct Failure {
    QString path;
    QString text;
};

// Reads a whole regular file. Never blocks on a pipe or device: anything
// that is not a regular file is refused without being read.
std::optional<Failure> readAll(const QString& path, QByteArray* contents);

// The message for a file that could not be opened, from the system's error
// number: missing files and folders are named as such, anything else
// carries the system's own text (a name too long, permission denied...).
Failure openFailure(const QString& path, int systemError);

} // namespace files
