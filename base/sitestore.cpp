// The site store; see sitestore.h.
#include "sitestore.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Whether a save can land beside the program: the file's folder lets the
// user create a file, or the file itself may be overwritten in place. A
// path that is not a file, or a folder that is gone, stays where it is, so
// that saving there reports what is wrong with the application folder.
bool writableBesideProgram(const QString& path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.path());
    if ((info.exists() && !info.isFile()) || !folder.exists())
        return true;
    return folder.isWritable() || (info.isFile() && info.isWritable());
}

QString userCopy(const QString& userRoot, const QString& relative)
{
    return userRoot + QDir::separator() + QDir::toNativeSeparators(relative);
}

const QString linkRelative = u"zqLink/Links.dat"_s;
const QString borderRelative = u"Border/BordSite.dat"_s;

// Long enough to recognise a site, short enough for a message box.
QString shown(const QString& site)
{
    constexpr qsizetype kLongest = 300;
    return site.size() <= kLongest ? site : site.left(kLongest) + u"…"_s;
}

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
    linkFile_ = {link.value, link.encoding};
    borderFile_ = {border.value, border.encoding};
    return std::nullopt;
}

std::optional<QString> SiteStore::readLinkSettings(QString* error)
{
    settings::ReadResult link =
        read(folder_.linkSettings(), userCopy(userRoot_, linkRelative), nullptr);
    if (!link.value && error)
        *error = link.error;
    // What the window shows is what a save there may replace.
    if (link.value)
        linkFile_ = {link.value, link.encoding};
    return link.value;
}

SiteStore::Saved SiteStore::saveLinkSite(const QString& site, const ConfirmOverwrite& confirm,
                                         QString* error)
{
    const Saved saved = save(linkSettingsSavePath(), folder_.linkSettings(), site, linkFile_, confirm, error);
    if (saved == Saved::Yes)
        linkSite_ = site;
    return saved;
}

SiteStore::Saved SiteStore::saveBorderSite(const QString& site, const ConfirmOverwrite& confirm,
                                           QString* error)
{
    const Saved saved = save(borderSettingsSavePath(), folder_.borderSettings(), site, borderFile_,
                             confirm, error);
    if (saved == Saved::Yes)
        borderSite_ = site;
    return saved;
}

SiteStore::Saved SiteStore::save(const QString& path, const QString& delivered,
                                 const QString& site, Known& known,
                                 const ConfirmOverwrite& confirm, QString* error)
{
    // The user's settings folder is made on the first save; a missing
    // folder beside the program is reported, not made.
    const QString folder = QFileInfo(path).path();
    if (path != delivered && !QDir().mkpath(folder)) {
        if (error)
            *error = u"Cannot save %1:\nThe folder %2 cannot be created."_s.arg(
                QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder));
        return Saved::Failed;
    }
    // Another copy of the program may have saved since this one read the
    // file: its site is not replaced unseen. A file that cannot be read
    // now is left to the write below, which names what is wrong with it.
    settings::ReadResult now = settings::readValue(path);
    while (now.value && known.value && *now.value != *known.value && *now.value != site) {
        const QString question = u"%1 has been changed since it was read. It now holds:\n%2\n\n"
                                 "Replace it with:\n%3"_s.arg(QDir::toNativeSeparators(path),
                                                              shown(*now.value), shown(site));
        if (!confirm || !confirm(question))
            return Saved::Declined;
        known = {now.value, now.encoding};
        // Asked again if it changed once more while the question was open.
        now = settings::readValue(path);
    }
    if (now.value)
        known.encoding = now.encoding;
    // A file that holds the site already is kept byte for byte.
    if (now.value && *now.value == site) {
        known.value = site;
        return Saved::Yes;
    }
    settings::Encoding written = known.encoding;
    if (!settings::writeValue(path, site, error, known.encoding, &written))
        return Saved::Failed;
    known = {site, written};
    return Saved::Yes;
}
