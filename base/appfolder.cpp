// Application folder paths; see appfolder.h.
#include "base/appfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace appfolder {

AppFolder::AppFolder(const QString& root) : root_(QDir::toNativeSeparators(root))
{
}

AppFolder AppFolder::ofExecutable()
{
    return AppFolder(QCoreApplication::applicationDirPath());
}

QString AppFolder::path(const QString& relative) const
{
    return root_ + QDir::separator() + QDir::toNativeSeparators(relative);
}

QString AppFolder::logo() const
{
    return path(u"logo.gif"_s);
}
QString AppFolder::linkFolder() const
{
    return path(u"zqLink"_s);
}
QString AppFolder::linkPicture(int n) const
{
    return path(u"zqLink/"_s + linkFileName(n));
}
QString AppFolder::linkSettings() const
{
    return path(u"zqLink/Links.dat"_s);
}
QString AppFolder::optionPicture(int n) const
{
    return path(u"zqOptions/%1.gif"_s.arg(n));
}
QString AppFolder::borderFolder() const
{
    return path(u"Border"_s);
}
QString AppFolder::borderPicture(int n) const
{
    return path(u"Border/"_s + borderFileName(n));
}
QString AppFolder::borderSettings() const
{
    return path(u"Border/BordSite.dat"_s);
}
QString AppFolder::smiley(const QString& category, int n) const
{
    return path(u"pics/"_s + category + u'/' + smileyName(n) + u".gif"_s);
}

QString userSettingsRoot()
{
#ifdef Q_OS_WIN
    // %LOCALAPPDATA%\Tarnwell: the per-user store Windows itself uses for
    // programs that write beside themselves.
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
#else
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/tarnwell"_s);
#endif
}

QString linkFileName(int n)
{
    return u"Link"_s + QString::number(n) + u".gif"_s;
}
QString borderFileName(int n)
{
    return u"b"_s + QString::number(n) + u".gif"_s;
}

QString smileyName(int n)
{
    return (n <= 9 ? u"00"_s : u"0"_s) + QString::number(n);
}

QString webAddress(const QString& site, const QString& fileName)
{
    return site + fileName;
}

} // namespace appfolder
