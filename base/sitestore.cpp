// The site store; see sitestore.h.
#include "sitestore.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Whether a save can land beside the program: the file's folder lets the
// user create a file, or the file itself may be overwritten in place. A
// path that is not a file stays where it is, so that saving it reports
// what it is.
bool writableBesideProgram(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return true;
    return QFileInfo(info.path()).isWritable() || (info.isFile() && info.isWritable());
}

QString userCopy(const QString& userRoot, const QString& relative)
{
    return userRoot + QDir::separator() + QDir::toNativeSeparators(relative);
}

const QString linkRelative = u"zqLink/Links.dat"_s;
const QString borderRelative = u"Border/BordSite.dat"_s;

} // namespace

SiteStore::SiteStore(appfolder::AppFolder folder, QString userRoot)
    : folder_(std::move(folder)), userRoot_(std::move(userRoot))
{
}

settings::ReadResult SiteStore::read(const QString& delivered, const QString& user,
                                     QStringList* warnings) const
{
    if (!writableBesideProgram(delivered)) {
        const QFileInfo mine(user);
        if (mine.exists() || mine.isSymLink()) {
            settings::ReadResult result = settings::readValue(user);
            if (result.value)
                return result;
            if (warnings)
                warnings->append(result.error + u"\n\nThe delivered settings are used instead:\n"_s +
                                 QDir::toNativeSeparators(delivered));
        }
    }
    return settings::readValue(delivered);
}

QString SiteStore::linkSettingsSavePath() const
{
    const QString delivered = folder_.linkSettings();
    return writableBesideProgram(delivered) ? delivered : userCopy(userRoot_, linkRelative);
}

QString SiteStore::borderSettingsSavePath() const
{
    const QString delivered = folder_.borderSettings();
    return writableBesideProgram(delivered) ? delivered : userCopy(userRoot_, borderRelative);
}

bool SiteStore::save(const QString& path, const QString& delivered, const QString& site,
                     QString* error) const
{
    // The user's settings folder is made on the first save; a missing
    // folder beside the program is reported, not made.
    const QString folder = QFileInfo(path).path();
    if (path != delivered && !QDir().mkpath(folder)) {
        if (error)
            *error = u"Cannot save %1:\nThe folder %2 cannot be created."_s.arg(
                QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder));
        return false;
    }
    return settings::writeValue(path, site, error);
}

std::optional<QString> SiteStore::load()
{
    QStringList warnings;
    const settings::ReadResult link =
        read(folder_.linkSettings(), userCopy(userRoot_, linkRelative), &warnings);
    if (!link.value)
        return link.error;
    const settings::ReadResult border =
        read(folder_.borderSettings(), userCopy(userRoot_, borderRelative), &warnings);
    if (!border.value)
        return border.error;
    warnings_ = warnings;
    linkSite_ = *link.value;
    borderSite_ = *border.value;
    return std::nullopt;
}

std::optional<QString> SiteStore::readLinkSettings(QString* error) const
{
    settings::ReadResult link =
        read(folder_.linkSettings(), userCopy(userRoot_, linkRelative), nullptr);
    if (!link.value && error)
        *error = link.error;
    return link.value;
}

bool SiteStore::saveLinkSite(const QString& site, QString* error)
{
    if (!save(linkSettingsSavePath(), folder_.linkSettings(), site, error))
        return false;
    linkSite_ = site;
    return true;
}

bool SiteStore::saveBorderSite(const QString& site, QString* error)
{
    if (!save(borderSettingsSavePath(), folder_.borderSettings(), site, error))
        return false;
    borderSite_ = site;
    return true;
}
