// Settings of one's own: where an installed copy's application folder is
// not the user's to write, sites are saved to and read from the user's
// settings folder; a portable copy keeps its files beside the program.
#include "base/appfolder.h"
#include "base/sitestore.h"
#include "tests/support/asnobody.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QByteArray deliveredLink = "http://www.tarnwell.example/zqLink/\r\n";
const QByteArray deliveredBorder = "http://www.tarnwell.example/Border/\r\n";

// A save that wrote the site (the store's answer is read only then).
bool savedYes(const files::Result<SiteStore::Saved>& saved)
{
    return saved.ok() && saved.value() == SiteStore::Saved::Yes;
}

// An application folder holding the two delivered settings files, and an
// empty home for the user's settings.
struct Installed {
    QTemporaryDir app;
    QTemporaryDir home;
    QString userRoot() const { return home.filePath(u"tarnwell"_s); }
    QString links() const { return app.filePath(u"zqLink/Links.dat"_s); }
    QString bordSite() const { return app.filePath(u"Border/BordSite.dat"_s); }
    QString userLinks() const { return home.filePath(u"tarnwell/zqLink/Links.dat"_s); }
    QString userBordSite() const { return home.filePath(u"tarnwell/Border/BordSite.dat"_s); }
    SiteStore store() const { return SiteStore(appfolder::AppFolder(app.path()), userRoot()); }

    Installed()
    {
        writeFile(links(), deliveredLink);
        writeFile(bordSite(), deliveredBorder);
    }
};

#ifdef Q_OS_UNIX
// Runs check() as a user who may not write the application folder nor its
// files, as for a copy an administrator installed. Root may write anywhere,
// so as root the check runs in a child process as nobody, whose home the
// user's folder then is.
bool asUserOfInstalledCopy(const Installed& copy, const std::function<bool()>& check)
{
    const QStringList readOnly = {copy.app.path(), copy.app.filePath(u"zqLink"_s),
                                  copy.app.filePath(u"Border"_s), copy.links(), copy.bordSite()};
    const auto setModes = [&readOnly](bool locked) {
        for (const QString& path : readOnly) {
            const bool folder = QFileInfo(path).isDir();
            ::chmod(QFile::encodeName(path).constData(),
                    locked ? (folder ? 0555 : 0444) : (folder ? 0755 : 0644));
        }
    };
    // Root's child drops to nobody, who may read the folder but not write
    // it, and whose home the user's folder then is.
    const bool root = geteuid() == 0;
    setModes(!root);
    if (root) {
        const QByteArray home = QFile::encodeName(copy.home.path());
        ::chmod(home.constData(), 0755);
        if (::chown(home.constData(), 65534, 65534) != 0)
            return false;
    }
    const bool ok = asUnprivilegedUser(check);
    setModes(false);
    return ok;
}
#endif

} // namespace

class TestUserSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portableCopyWritesBesideTheProgram();
    void installedCopySavesToTheUsersFolder();
    void brokenUserCopyFallsBackToTheDeliveredFile();
    void userSettingsRootIsPerUser();
};

void TestUserSettings::portableCopyWritesBesideTheProgram()
{
    Installed copy;
    SiteStore sites = copy.store();
    QVERIFY(!sites.load());
    QVERIFY(sites.warnings().isEmpty());
    QVERIFY(savedYes(sites.saveLinkSite(u"http://mine.example/links/"_s, {})));
    QVERIFY(savedYes(sites.saveBorderSite(u"http://mine.example/borders/"_s, {})));
    QCOMPARE(contentsOf(copy.links()), QByteArray("http://mine.example/links/\r\n"));
    QCOMPARE(contentsOf(copy.bordSite()), QByteArray("http://mine.example/borders/\r\n"));
    QVERIFY(!QFileInfo::exists(copy.userRoot()));

    // A stray user's copy does not override a portable copy's own files.
    QVERIFY(writeFile(copy.userLinks(), "http://stray.example/\r\n"));
    SiteStore again = copy.store();
    QVERIFY(!again.load());
    QCOMPARE(again.linkSite(), u"http://mine.example/links/"_s);
}

void TestUserSettings::installedCopySavesToTheUsersFolder()
{
#ifdef Q_OS_UNIX
    Installed copy;
    QVERIFY(asUserOfInstalledCopy(copy, [&copy] {
        SiteStore sites = copy.store();
        // Before any save the delivered files serve.
        if (sites.load() || sites.linkSite() != u"http://www.tarnwell.example/zqLink/"_s)
            return false;
        if (!savedYes(sites.saveLinkSite(u"http://mine.example/links/"_s, {})) ||
            !savedYes(sites.saveBorderSite(u"http://mine.example/borders/"_s, {})))
            return false;
        if (sites.linkSite() != u"http://mine.example/links/"_s)
            return false;
        // The next start reads the user's copies; the options window too.
        SiteStore next = copy.store();
        const bool loaded = !next.load();
        const files::Result<QString> shown = next.readLinkSettings();
        return loaded && next.warnings().isEmpty() &&
               next.linkSite() == u"http://mine.example/links/"_s &&
               next.borderSite() == u"http://mine.example/borders/"_s && shown.ok() &&
               shown.value() == u"http://mine.example/links/"_s;
    }));
    QCOMPARE(contentsOf(copy.userLinks()), QByteArray("http://mine.example/links/\r\n"));
    QCOMPARE(contentsOf(copy.userBordSite()), QByteArray("http://mine.example/borders/\r\n"));
    // The delivered files are untouched.
    QCOMPARE(contentsOf(copy.links()), deliveredLink);
    QCOMPARE(contentsOf(copy.bordSite()), deliveredBorder);
#else
    QSKIP("folder permissions are tested on Unix");
#endif
}

void TestUserSettings::brokenUserCopyFallsBackToTheDeliveredFile()
{
#ifdef Q_OS_UNIX
    Installed copy;
    QVERIFY(writeFile(copy.userLinks(), QByteArray())); // empty
    QVERIFY(QDir().mkpath(copy.userBordSite()));        // a folder
    QVERIFY(asUserOfInstalledCopy(copy, [&copy] {
        SiteStore sites = copy.store();
        if (sites.load() || sites.linkSite() != u"http://www.tarnwell.example/zqLink/"_s ||
            sites.borderSite() != u"http://www.tarnwell.example/Border/"_s)
            return false;
        // One message per broken copy, naming it and the file used instead.
        const QStringList warnings = sites.warnings();
        return warnings.size() == 2 &&
               warnings[0].contains(QDir::toNativeSeparators(copy.userLinks())) &&
               warnings[0].contains(QDir::toNativeSeparators(copy.links())) &&
               warnings[1].contains(QDir::toNativeSeparators(copy.userBordSite())) &&
               warnings[1].contains(QDir::toNativeSeparators(copy.bordSite()));
    }));
    QCOMPARE(contentsOf(copy.links()), deliveredLink);
#else
    QSKIP("folder permissions are tested on Unix");
#endif
}

void TestUserSettings::userSettingsRootIsPerUser()
{
#ifdef Q_OS_UNIX
    QTemporaryDir config;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString root = appfolder::userSettingsRoot();
    if (old.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", old);
    QCOMPARE(root, config.filePath(u"tarnwell"_s));
#else
    QSKIP("the Linux configuration folder");
#endif
}

QTEST_GUILESS_MAIN(TestUserSettings)
#include "test_usersettings.moc"
