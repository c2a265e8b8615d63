// The two one-line settings files (zqLink/Links.dat, Border/BordSite.dat):
// reading their first field and replacing their contents safely.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace settings {

// The first field of a settings file's contents: leading blanks skipped; a
// field opening with a double quote runs to the next one (quotes dropped);
// any other field ends at the first comma or at the end of the first line.
// std::nullopt when the contents hold no field at all (an empty file).
std::optional<QString> firstField(const QByteArray& contents);

struct ReadResult {
    std::optional<QString> value; // set on success
    QString error;                // what failed, naming the file, otherwise
};

// Reads the first field of the file at path (text in the local 8-bit code
// page). A missing file, a missing folder, an unreadable file and a file
// without a field are failures.
ReadResult readValue(const QString& path);

// Replaces the file's contents with text + CR LF. The old contents stay in
// place unless the new ones were written completely; on failure returns
// false and puts what went wrong into *error.
bool writeValue(const QString& path, const QString& text, QString* error = nullptr);

} // namespace settings
