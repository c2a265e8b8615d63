// See appfolderfixture.h.
#include "tests/support/appfolderfixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        // Only the delivered data, not the programs beside it.
        if (!relative.contains(u'/') && !relative.endsWith(u".gif"_s))
            continue;
        const QString target = to + u'/' + relative;
        QDir().mkpath(QFileInfo(target).path());
        // Pictures are only read: linking them is much faster than copying.
        // Settings files are copied, since tests rewrite them.
        const bool ok = relative.endsWith(u".gif"_s) ? QFile::link(source, target)
                                                     : QFile::copy(source, target);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

AppFolderFixture::AppFolderFixture()
{
    const QString bin = qEnvironmentVariable("TARNWELL_BIN_DIR");
    valid_ = dir_.isValid() && !bin.isEmpty() && QFileInfo(bin + u"/logo.gif"_s).exists() &&
             copyTree(bin, dir_.path());
}

bool AppFolderFixture::remove(const QString& relative) const
{
    // A trailing "/" names a whole folder.
    if (relative.endsWith(u'/'))
        return QDir(file(relative)).removeRecursively();
    return QFile::remove(file(relative));
}

bool AppFolderFixture::write(const QString& relative, const QByteArray& contents) const
{
    // Never write through a link into the build's own pictures.
    QFile::remove(file(relative));
    QFile f(file(relative));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(contents) == contents.size();
}

QByteArray AppFolderFixture::read(const QString& relative) const
{
    QFile f(file(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
