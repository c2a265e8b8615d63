// Settings files; see settingsfile.h.
#include "base/settingsfile.h"

#include "base/fileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace settings {

namespace {

// Bytes 0x80 to 0xFF of the Arabic Windows code page; below them it is
// ASCII. Built in rather than asked of the system's converters, which
// offer it only where Qt was built with ICU.
constexpr std::array<char16_t, 128> kCodePage1256 = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039,
    0x0152, 0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633,
    0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,
};

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

Encoding encodingOf(const QByteArray& contents)
{
    // Stateless, so that a sequence cut off at the end counts as invalid.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The decoder works only when its result is taken as a string.
    [[maybe_unused]] const QString text = utf8.decode(contents);
    return utf8.hasError() ? Encoding::CodePage1256 : Encoding::Utf8;
}

QString decode(const QByteArray& bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        text[i] = QChar(byte < 0x80 ? char16_t(byte) : kCodePage1256.at(byte - 0x80));
    }
    return text;
}

std::optional<QByteArray> encode(const QString& text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            bytes.append(static_cast<char>(c.unicode()));
            continue;
        }
        const auto* at = std::find(kCodePage1256.begin(), kCodePage1256.end(), c.unicode());
        if (at == kCodePage1256.end())
            return std::nullopt;
        bytes.append(static_cast<char>(0x80 + (at - kCodePage1256.begin())));
    }
    return bytes;
}

std::optional<QString> firstField(const QByteArray& contents)
{
    const Encoding encoding = encodingOf(contents);
    // A UTF-8 file saved by a Windows editor may open with a byte order
    // mark, which is no part of the site.
    qsizetype pos = encoding == Encoding::Utf8 && contents.startsWith(kUtf8Bom) ? 3 : 0;
    const qsizetype size = contents.size();
    while (pos < size && contents.at(pos) == ' ')
        ++pos;
    if (pos >= size)
        return std::nullopt;

    QByteArray field;
    if (contents.at(pos) == '"') {
        const qsizetype close = contents.indexOf('"', pos + 1);
        field = contents.mid(pos + 1, close < 0 ? -1 : close - pos - 1);
        if (close < 0) {
            // An unclosed quote still ends with its line.
            const qsizetype eol = field.indexOf('\n');
            if (eol >= 0)
                field.truncate(eol);
            if (field.endsWith('\r'))
                field.chop(1);
        }
    } else {
        qsizetype end = pos;
        while (end < size && contents.at(end) != ',' && contents.at(end) != '\r' &&
               contents.at(end) != '\n')
            ++end;
        field = contents.mid(pos, end - pos);
        // An unquoted field loses its trailing blanks.
        while (field.endsWith(' '))
            field.chop(1);
    }
    return decode(field, encoding);
}

files::Result<Value> readValue(const QString& path)
{
    const files::Result<QByteArray> contents = files::readAll(path);
    if (!contents.ok())
        return contents.failure();
    const std::optional<QString> field = firstField(contents.value());
    if (!field)
        return files::Failure{
            path, u"The settings file is empty:\n%1"_s.arg(QDir::toNativeSeparators(path))};
    return Value{*field, encodingOf(contents.value())};
}

namespace {

// Overwrites the file where it stands, for a folder that lets nobody
// create a file beside it (one an administrator installed) while the file
// itself is writable. If the new contents cannot be written completely,
// the old ones are put back.
QString writeInPlace(const QString& path, const QByteArray& line)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray old = file.readAll();
    const auto writeAll = [&file](const QByteArray& bytes) {
        return file.seek(0) && file.write(bytes) == bytes.size() && file.resize(bytes.size());
    };
    if (writeAll(line))
        return {};
    const QString reason = file.error() == QFileDevice::NoError
                               ? u"Not all of it could be written; the disk may be full."_s
                               : file.errorString();
    writeAll(old);
    return reason;
}

files::Failure cannotSave(const QString& path, const QString& reason)
{
    return {path, u"Cannot save %1:\n%2"_s.arg(QDir::toNativeSeparators(path), reason)};
}

// The file's one line for value, and the encoding it is in (see
// writeValue); a failure saying why when no line can hold the value.
struct Line {
    QByteArray bytes;
    Encoding encoding = Encoding::Utf8;
};

files::Result<Line> encodeLine(const QString& path, const QString& value, Encoding encoding)
{
    if (value.contains(u'\n') || value.contains(u'\r'))
        return cannotSave(path, u"A site is a single line; it cannot hold a line break."_s);
    // The reader drops leading blanks, ends an unquoted field at a comma and
    // trims its trailing blanks; a quoted field ends at the next double
    // quote, so a quote inside one cannot be written at all.
    const bool quoted = value.contains(u',') || value.startsWith(u' ') || value.endsWith(u' ') ||
                        value.startsWith(u'"');
    if (value.startsWith(u'"') || (quoted && value.contains(u'"')))
        return cannotSave(path, u"A site cannot begin with a double quote, nor hold one together "
                                "with a comma or a blank at either end. Write the double quote "
                                "as %22."_s);
    const QString line = quoted ? u'"' + value + u'"' : value;

    // A value the code page cannot hold goes into the file as UTF-8, which
    // reads back whole: the file holds nothing but this line. So does one
    // whose code-page bytes happen to form valid UTF-8 and would be read
    // as something else.
    for (const Encoding e : {encoding, Encoding::Utf8}) {
        std::optional<QByteArray> bytes = encode(line, e);
        if (!bytes)
            continue;
        bytes->append("\r\n");
        if (firstField(*bytes) == value)
            return Line{*bytes, e};
    }
    return cannotSave(path, u"Its text would not read back unchanged."_s);
}

} // namespace

files::Result<Encoding> writeValue(const QString& path, const QString& text, Encoding encoding)
{
    const files::Result<Line> encoded = encodeLine(path, text, encoding);
    if (!encoded.ok())
        return encoded.failure();
    const QByteArray& line = encoded.value().bytes;

    // Written next to the old file and moved over it only when complete,
    // so a failure never leaves an empty or half-written file behind.
    // Unbuffered, so that a short write (a full disk) is seen here rather
    // than lost in a final flush.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        const QFileInfo info(path);
        if (info.isFile() && info.isWritable() && !QFileInfo(info.path()).isWritable())
            reason = writeInPlace(path, line);
        else if (info.exists() && !info.isFile())
            reason = u"It is a folder, pipe or device, not a file."_s;
    } else if (file.write(line) != line.size()) {
        reason = u"Not all of it could be written; the disk may be full."_s;
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (reason.isEmpty())
        return encoded.value().encoding;
    file.cancelWriting();
    return cannotSave(path, reason);
}

} // namespace settings
