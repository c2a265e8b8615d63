// The delivered picture files that [IMG] addresses of the program's own
// sites stand for, so that a post's look shows them without going to the
// network.
#pragma once

#include "base/appfolder.h"

#include <QString>

#include <optional>

class SiteStore;

class LocalPictures {
public:
    // Without sites, only the smilies host is known. The sites are read at
    // each look-up, so a site changed in the options or by the administrator
    // counts from the next one on.
    explicit LocalPictures(appfolder::AppFolder folder, const SiteStore* sites = nullptr);

    // The delivered file for an address: the link site + "LinkN.gif"
    // (zqLink/), the border site + "bN.gif" (Border/), the smilies host's
    // "/smiliespic/C/NNN.gif" (pics/C/). A site matches with or without its
    // final "/", and "http://" and "https://" stand for each other. None
    // for any other address, or when the delivered file is missing.
    std::optional<QString> fileFor(const QString& address) const;

private:
    appfolder::AppFolder folder_;
    const SiteStore* sites_;
};
