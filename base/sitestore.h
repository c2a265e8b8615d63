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

#include "base/appfolder.h"
#include "base/fileaccess.h"
#include "base/settingsfile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class SiteStore {
public:
    explicit SiteStore(appfolder::AppFolder folder,
                       QString userRoot = appfolder::userSettingsRoot());

    // Reads the link site from Links.dat, then the border site from
    // BordSite.dat. On failure returns what failed, naming the file; the
    // sites keep their previous values. A user's copy that cannot be read
    // is passed over for the delivered file, and warnings() says so.
    std::optional<files::Failure> load();

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
    files::Result<QString> readLinkSettings();

    // Asked before a save would replace a site that another copy of the
    // program (or anyone) wrote since this one read the file; gets the
    // question to show and answers true to replace it.
    using ConfirmOverwrite = std::function<bool(const QString& question)>;
    enum class Saved { Yes, Declined };

    // Writes the value to its settings file, in the encoding the file was
    // read in, then takes it as the site. A file that already holds the
    // value is left as it is. Declined when the user chose to keep what
    // another copy wrote. On failure returns the reason (naming the file)
    // and keeps both the file and the site as they were.
    files::Result<Saved> saveLinkSite(const QString& site, const ConfirmOverwrite& confirm);
    files::Result<Saved> saveBorderSite(const QString& site, const ConfirmOverwrite& confirm);

    // Takes a link site without writing it.
    void setLink(const QString& site) { linkSite_ = site; }

private:
    // What this copy last read from or wrote to a settings file.
    struct Known {
        std::optional<QString> value;
        settings::Encoding encoding = settings::Encoding::Utf8;
    };

    files::Result<settings::Value> read(const QString& delivered, const QString& user,
                                        QStringList* warnings) const;
    files::Result<Saved> save(const QString& path, const QString& delivered, const QString& site,
                              Known& known, const ConfirmOverwrite& confirm);

    appfolder::AppFolder folder_;
    QString userRoot_;
    QStringList warnings_;
    QString linkSite_;
    QString borderSite_;
    Known linkFile_;
    Known borderFile_;
};
