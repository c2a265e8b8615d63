// The two web folders the galleries build their addresses from: the link
// site (zqLink/Links.dat) and the border site (Border/BordSite.dat). One
// store, read by whoever needs a site. Saving writes the settings file
// first and replaces the value in memory only when the file is written,
// so a failed save changes nothing.
#pragma once

#include "appfolder.h"

#include <QString>

#include <optional>

class SiteStore {
public:
    explicit SiteStore(appfolder::AppFolder folder);

    // Reads the link site from Links.dat, then the border site from
    // BordSite.dat. On failure returns the message naming the file; the
    // sites keep their previous values.
    std::optional<QString> load();

    const QString& linkSite() const { return linkSite_; }
    const QString& borderSite() const { return borderSite_; }

    // The link site as Links.dat holds it now, for showing it for editing.
    std::optional<QString> readLinkSettings(QString* error) const;

    // Writes the value to its settings file, then takes it as the site. On
    // failure returns false with the reason (naming the file) and keeps
    // both the file and the site as they were.
    bool saveLinkSite(const QString& site, QString* error);
    bool saveBorderSite(const QString& site, QString* error);

    // Takes a link site without writing it.
    void setLink(const QString& site) { linkSite_ = site; }

private:
    appfolder::AppFolder folder_;
    QString linkSite_;
    QString borderSite_;
};
