// The two one-line settings files (zqLink/Links.dat, Border/BordSite.dat):
// reading their first field and replacing their contents safely, in the
// encoding the file was read in.
#pragma once

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

struct ReadResult {
    std::optional<QString> value; // set on success
    QString error;                // what failed, naming the file, otherwise
    QByteArray contents;          // the bytes read, when the file could be read
    Encoding encoding = Encoding::Utf8;
};

// Reads the first field of the file at path. A missing file, a missing
// folder, an unreadable file and a file without a field are failures.
ReadResult readValue(const QString& path);

// The file's one line for value: the value, in double quotes when it holds
// a comma or begins or ends with a blank or a double quote, then CR LF;
// in the given encoding, or in UTF-8 when the code page cannot hold the
// value. Always read back by firstField as the value itself. A value that
// no line can hold (a line break, a double quote that quoting would end
// early) gives std::nullopt and, in *reason, why.
std::optional<QByteArray> encodeLine(const QString& value, Encoding encoding, QString* reason,
                                     Encoding* written = nullptr);

// Replaces the file's contents with the value's line (encodeLine). The old
// contents stay in place unless the new ones were written completely; on
// failure, or for a value no line can hold, returns false and puts what
// went wrong, naming the file, into *error. *written gets the encoding
// used.
bool writeValue(const QString& path, const QString& text, QString* error = nullptr,
                Encoding encoding = Encoding::Utf8, Encoding* written = nullptr);

} // namespace settings
