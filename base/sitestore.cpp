// The site store; see sitestore.h.
#include "sitestore.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

// Long enough to recognise a site, short enough for a message box.
QString shown(const QString& site)
{
    constexpr qsizetype kLongest = 300;
    return site.size() <= kLongest ? site : site.left(kLongest) + u"…"_s;
}

} // namespace

SiteStore::SiteStore(appfolder::AppFolder folder) : folder_(std::move(folder))
{
}

std::optional<QString> SiteStore::load()
{
    const settings::ReadResult link = settings::readValue(folder_.linkSettings());
    if (!link.value)
        return link.error;
    const settings::ReadResult border = settings::readValue(folder_.borderSettings());
    if (!border.value)
        return border.error;
    linkSite_ = *link.value;
    borderSite_ = *border.value;
    linkFile_ = {link.value, link.encoding};
    borderFile_ = {border.value, border.encoding};
    return std::nullopt;
}

std::optional<QString> SiteStore::readLinkSettings(QString* error)
{
    settings::ReadResult link = settings::readValue(folder_.linkSettings());
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
    const Saved saved = save(folder_.linkSettings(), site, linkFile_, confirm, error);
    if (saved == Saved::Yes)
        linkSite_ = site;
    return saved;
}

SiteStore::Saved SiteStore::saveBorderSite(const QString& site, const ConfirmOverwrite& confirm,
                                           QString* error)
{
    const Saved saved = save(folder_.borderSettings(), site, borderFile_, confirm, error);
    if (saved == Saved::Yes)
        borderSite_ = site;
    return saved;
}

SiteStore::Saved SiteStore::save(const QString& path, const QString& site, Known& known,
                                 const ConfirmOverwrite& confirm, QString* error)
{
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
