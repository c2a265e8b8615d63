// The application folder and the names of everything delivered in it:
// pictures, picture folders and settings files, and the web addresses the
// numbered pictures have under their sites.
#pragma once

#include <QString>

namespace appfolder {

// Folder + separator + relative path, by plain concatenation: nothing is
// added or removed, so a folder that is a root gives a doubled separator.
// Relative paths are written with "/" and turned into native separators.
class AppFolder {
public:
    explicit AppFolder(const QString& root);
    // The folder of the running executable.
    static AppFolder ofExecutable();

    const QString& root() const { return root_; }
    QString path(const QString& relative) const;

    QString logo() const;
    QString linkFolder() const;
    QString linkPicture(int n) const;   // zqLink/Link<n>.gif
    QString linkSettings() const;       // zqLink/Links.dat
    QString optionPicture(int n) const; // zqOptions/<n>.gif, n = 1..4
    QString borderFolder() const;
    QString borderPicture(int n) const;                   // Border/b<n>.gif
    QString borderSettings() const;                       // Border/BordSite.dat
    QString smiley(const QString& category, int n) const; // pics/<category>/<NNN>.gif

private:
    QString root_;
};

// The user's own settings folder, which holds the settings files a user
// saves when the application folder is not theirs to write (an installed
// copy): ~/.config/tarnwell on Linux ($XDG_CONFIG_HOME honoured), the
// local application-data folder on Windows. The files keep their relative
// names there (zqLink/Links.dat, Border/BordSite.dat).
QString userSettingsRoot();

// Picture file names: numbers in decimal without leading zeros.
QString linkFileName(int n);   // "Link" + n + ".gif"
QString borderFileName(int n); // "b" + n + ".gif"
// The three-digit smiley name for n = 1..41: "001" ... "041".
QString smileyName(int n);
// A picture's web address: the site followed directly by the file name.
QString webAddress(const QString& site, const QString& fileName);

} // namespace appfolder
