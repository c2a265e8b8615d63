// The delivered files behind picture addresses; see localpictures.h.
#include "base/localpictures.h"

#include "base/sites.h"
#include "base/sitestore.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The address without its scheme when that is http or https: a post may
// carry either for the same picture.
QStringView withoutWebScheme(QStringView address)
{
    for (QStringView scheme : {u"http://", u"https://"}) {
        if (address.startsWith(scheme, Qt::CaseInsensitive))
            return address.mid(scheme.size());
    }
    return address;
}

// What follows the site in the address, or none when the address is not
// under the site. The program joins site and file name as they are, so a
// site written without its final "/" gives "…/zqlinkLink5.gif"; a member
// who adds the "/" by hand writes "…/zqlink/Link5.gif". Both are the site's.
std::optional<QStringView> underSite(QStringView address, const QString& site)
{
    QStringView folder = withoutWebScheme(QStringView(site).trimmed());
    while (folder.endsWith(u'/'))
        folder.chop(1);
    if (folder.isEmpty())
        return std::nullopt;
    const QStringView rest = withoutWebScheme(address);
    // Host names are case-blind, and so is the Windows server the sites were
    // first put on.
    if (!rest.startsWith(folder, Qt::CaseInsensitive))
        return std::nullopt;
    QStringView name = rest.mid(folder.size());
    if (name.startsWith(u'/'))
        name = name.mid(1);
    return name;
}

// The picture number of "<prefix>N.gif", N without leading zeros.
std::optional<int> numbered(QStringView name, QStringView prefix)
{
    static const QRegularExpression number(u"^(0|[1-9][0-9]{0,3})\\.gif$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    if (!name.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QRegularExpressionMatch m = number.match(name.mid(prefix.size()));
    if (!m.hasMatch())
        return std::nullopt;
    return m.capturedView(1).toInt();
}

std::optional<QString> existing(const QString& path)
{
    if (QFileInfo(path).isFile())
        return path;
    return std::nullopt;
}

} // namespace

LocalPictures::LocalPictures(appfolder::AppFolder folder, const SiteStore* sites)
    : folder_(std::move(folder)), sites_(sites)
{
}

std::optional<QString> LocalPictures::fileFor(const QString& address) const
{
    const QString trimmed = address.trimmed();
    if (sites_) {
        if (const auto name = underSite(trimmed, sites_->linkSite())) {
            if (const auto n = numbered(*name, u"Link"))
                return existing(folder_.linkPicture(*n));
        }
        if (const auto name = underSite(trimmed, sites_->borderSite())) {
            if (const auto n = numbered(*name, u"b"))
                return existing(folder_.borderPicture(*n));
        }
    }
    const QString smilies = QString::fromLatin1(sites::kSmiliesHost) + u"/smiliespic/"_s;
    if (const QStringView rest = withoutWebScheme(trimmed);
        rest.startsWith(smilies, Qt::CaseInsensitive)) {
        // The category is one folder name: nothing that climbs out of pics/.
        static const QRegularExpression smiley(u"^([A-Za-z0-9_-]+)/([0-9]{3})\\.gif$"_s,
                                               QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = smiley.match(rest.mid(smilies.size()));
        if (m.hasMatch()) {
            return existing(folder_.path(u"pics/%1/%2.gif"_s.arg(m.captured(1), m.captured(2))));
        }
    }
    return std::nullopt;
}
