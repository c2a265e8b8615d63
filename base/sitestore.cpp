// The site store; see sitestore.h.
#include "sitestore.h"

#include "settingsfile.h"

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
    return std::nullopt;
}

std::optional<QString> SiteStore::readLinkSettings(QString* error) const
{
    settings::ReadResult link = settings::readValue(folder_.linkSettings());
    if (!link.value && error)
        *error = link.error;
    return link.value;
}

bool SiteStore::saveLinkSite(const QString& site, QString* error)
{
    if (!settings::writeValue(folder_.linkSettings(), site, error))
        return false;
    linkSite_ = site;
    return true;
}

bool SiteStore::saveBorderSite(const QString& site, QString* error)
{
    if (!settings::writeValue(folder_.borderSettings(), site, error))
        return false;
    borderSite_ = site;
    return true;
}
