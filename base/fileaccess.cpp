// Reading delivered files; see fileaccess.h.
#include "base/fileaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace files {

namespace {

Failure notAFile(const QString& path)
{
    return {path, u"Cannot read the file (it is a folder, pipe or device, not a file):\n%1"_s.arg(
                      QDir::toNativeSeparators(path))};
}

Failure missing(const QString& path)
{
    const QFileInfo info(path);
    if (!QFileInfo(info.path()).isDir())
        return {path, u"Path not found:\n%1"_s.arg(QDir::toNativeSeparators(info.path()))};
    return {path, u"File not found:\n%1"_s.arg(QDir::toNativeSeparators(path))};
}

// Through Qt's file layer: resources compiled into the program, and
// platforms without the POSIX calls.
Result<QByteArray> readWithQt(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return missing(path);
    if (!info.isFile())
        return notAFile(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{path, u"Cannot read the file (%1):\n%2"_s.arg(
                                 file.errorString(), QDir::toNativeSeparators(path))};
    return file.readAll();
}

} // namespace

Failure openFailure(const QString& path, int systemError)
{
    if (systemError == ENOENT || systemError == ENOTDIR)
        return missing(path);
    return {path, u"Cannot read the file (%1):\n%2"_s.arg(qt_error_string(systemError),
                                                          QDir::toNativeSeparators(path))};
}

#ifdef Q_OS_UNIX

Result<QByteArray> readAll(const QString& path)
{
    if (path.startsWith(u':'))
        return readWithQt(path);
    // Opened without waiting (a pipe would otherwise block until a writer
    // comes), then checked to be a regular file before anything is read.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return openFailure(path, errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return notAFile(path);
    }
    QByteArray data;
    data.resize(static_cast<qsizetype>(status.st_size));
    qsizetype filled = 0;
    for (;;) {
        if (filled == data.size())
            data.resize(data.size() + 4096); // the file grew since fstat
        const ssize_t n =
            ::read(fd, data.data() + filled, static_cast<size_t>(data.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return openFailure(path, error);
        }
        if (n == 0)
            break;
        filled += n;
    }
    ::close(fd);
    data.truncate(filled);
    return data;
}

#else

Result<QByteArray> readAll(const QString& path)
{
    return readWithQt(path);
}

#endif

} // namespace files
