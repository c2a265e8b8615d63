// The two web folders the galleries build their addresses from: the link
// site (zqLink/Links.dat) and the border site (Border/BordSite.dat). One
// store, read by whoever needs a site. Saving writes the settings file
// first and replaces the value in memory only when the file is written,
// so a failed save changes nothing.
//
// Where the application folder is not the user's to write (an installed
// copy), each file is read from the user's own settings folder when a copy
// is there, otherwise from the delivered file, and a save writes the user's
// copy; a portable copy keeps its files beside the program.
#pragma once

#include "appfolder.h"
#include "settingsfile.h"

#include <QString>
#include <QStringList>

#include <optional>

class SiteStore {
public:
    explicit SiteStore(appfolder::AppFolder folder,
                       QString userRoot = appfolder::userSettingsRoot());

    // Reads the link site from Links.dat, then the border site from
    // BordSite.dat. On failure returns the message naming the file; the
    // sites keep their previous values. A user's copy that cannot be read
    // is passed over for the delivered file, and warnings() says so.
    std::optional<QString> load();

    // What the last load() passed over, one message per file, each naming
    // the user's copy that could not be read.
    const QStringList& warnings() const { return warnings_; }

    // Where a save of each file lands: beside the program where its folder
    // may be written, in the user's settings folder otherwise.
    QString linkSettingsSavePath() const;
    QString borderSettingsSavePath() const;

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
    settings::ReadResult read(const QString& delivered, const QString& user,
                              QStringList* warnings) const;
    bool save(const QString& path, const QString& delivered, const QString& site,
              QString* error) const;

    appfolder::AppFolder folder_;
    QString userRoot_;
    QStringList warnings_;
    QString linkSite_;
    QString borderSite_;
};
