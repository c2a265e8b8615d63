// The two one-line settings files (zqLink/Links.dat, Border/BordSite.dat):
// reading their first field and replacing their contents safely, in the
// encoding the file was read in.
#pragma once

#include "base/fileaccess.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace settings {

// Files written on Windows hold the Arabic code page (1256); every other
// file, and a new one, is UTF-8.
enum class Encoding { Utf8, CodePage1256 };

// UTF-8 when the bytes are valid UTF-8, otherwise the Arabic code page,
// which gives every byte a character, so nothing is ever replaced.
Encoding encodingOf(const QByteArray& contents);
QString decode(const QByteArray& bytes, Encoding encoding);
// std::nullopt when the code page has no byte for one of the characters.
std::optional<QByteArray> encode(const QString& text, Encoding encoding);

// The first field of a settings file's contents: leading blanks skipped; a
// field opening with a double quote runs to the next one (quotes dropped);
// any other field ends at the first comma or at the end of the first line.
// Decoded as encodingOf(contents) says. std::nullopt when the contents hold
// no field at all (an empty file).
std::optional<QString> firstField(const QByteArray& contents);

// A settings file's first field, and the encoding the file was read in.
struct Value {
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// Reads the first field of the file at path. A missing file, a missing
// folder, an unreadable file and a file without a field are failures.
files::Result<Value> readValue(const QString& path);

// Replaces the file's contents with one line for text: the text, in double
// quotes when it holds a comma or begins or ends with a blank or a double
// quote, then CR LF; in the given encoding, or in UTF-8 when the code page
// cannot hold the text. Always read back by firstField as the text itself.
// The old contents stay in place unless the new ones were written
// completely. Gives the encoding written, or the failure naming the file,
// also for a text that no line can hold (a line break, a double quote that
// quoting would end early).
files::Result<Encoding> writeValue(const QString& path, const QString& text,
                                   Encoding encoding = Encoding::Utf8);

} // namespace settings
