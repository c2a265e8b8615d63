// The site store; see sitestore.h.
#include "base/sitestore.h"

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

files::Result<settings::Value> SiteStore::read(const QString& delivered, const QString& user,
                                               QStringList* warnings) const
{
    if (!writableBesideProgram(delivered)) {
        const QFileInfo mine(user);
        if (mine.exists() || mine.isSymLink()) {
            files::Result<settings::Value> result = settings::readValue(user);
            if (result.ok())
                return result;
            if (warnings)
                warnings->append(result.failure().text +
                                 u"\n\nThe delivered settings are used instead:\n"_s +
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

std::optional<files::Failure> SiteStore::load()
{
    QStringList warnings;
    const files::Result<settings::Value> link =
        read(folder_.linkSettings(), userCopy(userRoot_, linkRelative), &warnings);
    if (!link.ok())
        return link.failure();
    const files::Result<settings::Value> border =
        read(folder_.borderSettings(), userCopy(userRoot_, borderRelative), &warnings);
    if (!border.ok())
        return border.failure();
    warnings_ = warnings;
    linkSite_ = link.value().text;
    borderSite_ = border.value().text;
    linkFile_ = {link.value().text, link.value().encoding};
    borderFile_ = {border.value().text, border.value().encoding};
    return std::nullopt;
}

files::Result<QString> SiteStore::readLinkSettings()
{
    const files::Result<settings::Value> link =
        read(folder_.linkSettings(), userCopy(userRoot_, linkRelative), nullptr);
    if (!link.ok())
        return link.failure();
    // What the window shows is what a save there may replace.
    linkFile_ = {link.value().text, link.value().encoding};
    return link.value().text;
}

files::Result<SiteStore::Saved> SiteStore::saveLinkSite(const QString& site,
                                                        const ConfirmOverwrite& confirm)
{
    files::Result<Saved> saved =
        save(linkSettingsSavePath(), folder_.linkSettings(), site, linkFile_, confirm);
    if (saved.ok() && saved.value() == Saved::Yes)
        linkSite_ = site;
    return saved;
}

files::Result<SiteStore::Saved> SiteStore::saveBorderSite(const QString& site,
                                                          const ConfirmOverwrite& confirm)
{
    files::Result<Saved> saved =
        save(borderSettingsSavePath(), folder_.borderSettings(), site, borderFile_, confirm);
    if (saved.ok() && saved.value() == Saved::Yes)
        borderSite_ = site;
    return saved;
}

files::Result<SiteStore::Saved> SiteStore::save(const QString& path, const QString& delivered,
                                                const QString& site, Known& known,
                                                const ConfirmOverwrite& confirm)
{
    // The user's settings folder is made on the first save; a missing
    // folder beside the program is reported, not made.
    const QString folder = QFileInfo(path).path();
    if (path != delivered && !QDir().mkpath(folder))
        return files::Failure{
            path, u"Cannot save %1:\nThe folder %2 cannot be created."_s.arg(
                      QDir::toNativeSeparators(path), QDir::toNativeSeparators(folder))};
    // Another copy of the program may have saved since this one read the
    // file: its site is not replaced unseen. A file that cannot be read
    // now is left to the write below, which names what is wrong with it.
    files::Result<settings::Value> now = settings::readValue(path);
    while (now.ok() && known.value && now.value().text != *known.value &&
           now.value().text != site) {
        const QString question = u"%1 has been changed since it was read. It now holds:\n%2\n\n"
                                 "Replace it with:\n%3"_s.arg(QDir::toNativeSeparators(path),
                                                              shown(now.value().text), shown(site));
        if (!confirm || !confirm(question))
            return Saved::Declined;
        known = {now.value().text, now.value().encoding};
        // Asked again if it changed once more while the question was open.
        now = settings::readValue(path);
    }
    if (now.ok())
        known.encoding = now.value().encoding;
    // A file that holds the site already is kept byte for byte.
    if (now.ok() && now.value().text == site) {
        known.value = site;
        return Saved::Yes;
    }
    const files::Result<settings::Encoding> written =
        settings::writeValue(path, site, known.encoding);
    if (!written.ok())
        return written.failure();
    known = {site, written.value()};
    return Saved::Yes;
}
