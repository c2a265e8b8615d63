// Settings files; see settingsfile.h.
#include "settingsfile.h"

#include "fileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace settings {

std::optional<QString> firstField(const QByteArray& contents)
{
    qsizetype pos = 0;
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
    return QString::fromLocal8Bit(field);
}

ReadResult readValue(const QString& path)
{
    ReadResult result;
    QByteArray contents;
    if (auto failure = files::readAll(path, &contents)) {
        result.error = failure->text;
        return result;
    }
    result.value = firstField(contents);
    if (!result.value)
        result.error = u"The settings file is empty:\n%1"_s.arg(QDir::toNativeSeparators(path));
    return result;
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

} // namespace

bool writeValue(const QString& path, const QString& text, QString* error)
{
    // Written next to the old file and moved over it only when complete,
    // so a failure never leaves an empty or half-written file behind.
    // Unbuffered, so that a short write (a full disk) is seen here rather
    // than lost in a final flush.
    QSaveFile file(path);
    const QByteArray line = text.toLocal8Bit() + "\r\n";
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
        return true;
    file.cancelWriting();
    if (error)
        *error = u"Cannot save %1:\n%2"_s.arg(QDir::toNativeSeparators(path), reason);
    return false;
}

} // namespace settings
