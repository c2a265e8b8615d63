// Unspacer in temporary folders: what ends up on disk, what File1 lists, the
// failure message, and the window.
#include "unspacer/form1.h"
#include "unspacer/messagebox.h"
#include "unspacer/platform.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using unspacer::Form1;

using Names = QList<QByteArray>;

namespace {

// Files are made and read by their raw bytes, so that the tests see exactly
// what is on disk, whatever Qt would make of the name.
void makeFile(const QByteArray& name, const QByteArray& content = {})
{
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY2(fd >= 0, name.constData());
    QCOMPARE(::write(fd, content.constData(), static_cast<size_t>(content.size())), content.size());
    ::close(fd);
}

QByteArray contentOf(const QByteArray& name)
{
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every entry of a folder, hidden ones and folders included, sorted by bytes.
Names diskNames(const QByteArray& folder = ".")
{
    Names names;
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// QTemporaryDir goes through QString and cannot remove names that are not
// valid UTF-8, so the folder is emptied by raw bytes first.
void removeContents(const QByteArray& folder)
{
    for (const QByteArray& name : diskNames(folder)) {
        const QByteArray path = folder + '/' + name;
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
            removeContents(path);
            ::rmdir(path.constData());
        } else {
            ::unlink(path.constData());
        }
    }
}

// unlink() as the system's, except for one name that it refuses, as the
// system does for someone else's file in a shared folder (which a test run
// as root could not set up).
QByteArray g_refusedUnlink;

} // namespace

extern "C" int unlink(const char* path) noexcept
{
    if (!g_refusedUnlink.isEmpty() && g_refusedUnlink == path) {
        errno = EACCES;
        return -1;
    }
    return ::unlinkat(AT_FDCWD, path, 0);
}

namespace {

QStringList listed(const Form1& form)
{
    QStringList items;
    for (int i = 0; i < form.file1()->count(); ++i)
        items.append(form.file1()->item(i)->text());
    return items;
}

} // namespace

class TestUnspacer : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* m_dir = nullptr;
    QString m_oldCurrent;
    QStringList m_titles;
    QStringList m_messages;

private Q_SLOTS:
    // Each test runs in a fresh folder that is the current one, with the
    // message box replaced by a recorder.
    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        m_oldCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_titles.clear();
        m_messages.clear();
        unspacer::replaceMessageBox([this](const QString& title, const QString& text) {
            m_titles.append(title);
            m_messages.append(text);
        });
    }

    void cleanup()
    {
        unspacer::replaceMessageBox({});
        removeContents(".");
        QDir::setCurrent(m_oldCurrent);
        delete m_dir;
        m_dir = nullptr;
    }

    void renamesEveryBlank_data()
    {
        QTest::addColumn<Names>("before");
        QTest::addColumn<Names>("after");
        QTest::newRow("inner") << Names{"a b.gif", "my file 2.txt"}
                               << Names{"ab.gif", "myfile2.txt"};
        QTest::newRow("leading, trailing, before the extension")
            << Names{"  lead.txt", "trail.txt  ", "name .gif"}
            << Names{"lead.txt", "name.gif", "trail.txt"};
        QTest::newRow("tabs and no-break spaces stay")
            << Names{"tab\there.txt", "nb\xc2\xa0sp.txt", "mixed\xc2\xa0 \tx"}
            << Names{"mixed\xc2\xa0\tx", "nb\xc2\xa0sp.txt", "tab\there.txt"};
        QTest::newRow("invalid UTF-8 keeps its bytes") << Names{"caf\xe9 x.txt", "\xff\xfe a"}
                                                       << Names{"caf\xe9x.txt", "\xff\xfe"
                                                                                "a"};
        QTest::newRow("no blanks") << Names{"plain.txt"} << Names{"plain.txt"};
    }

    void renamesEveryBlank()
    {
        QFETCH(Names, before);
        QFETCH(Names, after);
        for (const QByteArray& name : before)
            makeFile(name, name);

        Form1 form;
        QVERIFY(form.formLoad());
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(diskNames(), after);
        QCOMPARE(form.file1()->count(), before.size());
    }

    void invalidNameIsShownAsWellAsPossible()
    {
        makeFile("caf\xe9 x.txt");
        Form1 form;
        QVERIFY(form.formLoad());
        QCOMPARE(listed(form), QStringList{u"caf\uFFFD x.txt"_s});
    }

    void listIsSortedCaseInsensitively()
    {
        for (const char* name : {"b.txt", "a.txt", "C d.txt", "A.txt", "_u.txt", "B.txt"})
            makeFile(name);
        Form1 form;
        QVERIFY(form.formLoad());
        // Names equal but for case keep one fixed order (by their bytes).
        QCOMPARE(listed(form), (QStringList{u"_u.txt"_s, u"A.txt"_s, u"a.txt"_s, u"B.txt"_s,
                                            u"b.txt"_s, u"C d.txt"_s}));
    }

    void collisionStopsTheRun()
    {
        makeFile("0 z.txt", "earlier");
        makeFile("a b.gif", "spaced");
        makeFile("ab.gif", "original");
        makeFile("c d.gif", "later");

        Form1 form;
        QCOMPARE(unspacer::run(form), 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(m_titles, QStringList{u"Unspacer"_s});
        QCOMPARE(
            m_messages,
            QStringList{
                u"Run-time error 17: File exists\nCould not rename \"a b.gif\" to \"ab.gif\"."_s});
        // Renamed before the failure; nothing overwritten; the rest untouched.
        QCOMPARE(diskNames(), (Names{"0z.txt", "a b.gif", "ab.gif", "c d.gif"}));
        QCOMPARE(contentOf("0z.txt"), "earlier");
        QCOMPARE(contentOf("a b.gif"), "spaced");
        QCOMPARE(contentOf("ab.gif"), "original");
    }

    void onlyVisibleFilesAreListed()
    {
        makeFile(".hid den");
        QVERIFY(QDir().mkdir(u"sub dir"_s));
        makeFile("sub dir/in side.txt");
        makeFile("tar get.txt", "target");
        QCOMPARE(::symlink("tar get.txt", "link to"), 0);
        QCOMPARE(::symlink("nowhere", "dang ling"), 0);
        QCOMPARE(::symlink("sub dir", "dir link"), 0);
        QCOMPARE(::mkfifo("fi fo", 0644), 0);

        Form1 form;
        QVERIFY(form.formLoad());
        QCOMPARE(listed(form), (QStringList{u"link to"_s, u"tar get.txt"_s}));
        QCOMPARE(diskNames(), (Names{".hid den", "dang ling", "dir link", "fi fo", "linkto",
                                     "sub dir", "target.txt"}));
        QCOMPARE(diskNames("sub dir"), Names{"in side.txt"});
        // The link itself was renamed; it still points at the old name.
        char target[64] = {};
        QCOMPARE(::readlink("linkto", target, sizeof target - 1), qsizetype(11));
        QCOMPARE(QByteArray(target), "tar get.txt");
    }

    void emptyFolder()
    {
        Form1 form;
        QVERIFY(form.formLoad());
        QCOMPARE(form.file1()->count(), 0);
        QVERIFY(m_messages.isEmpty());
    }

    void moreThan32767Files()
    {
        // About 100,000 file operations: on a memory file system, where there
        // is one, so the disk's load does not decide how long this takes.
        QTemporaryDir inMemory(u"/dev/shm/test_unspacer-XXXXXX"_s);
        if (inMemory.isValid())
            QVERIFY(QDir::setCurrent(inMemory.path()));

        constexpr int count = 33'000;
        for (int i = 0; i < count; ++i)
            makeFile("f " + QByteArray::number(i).rightJustified(5, '0'));

        Form1 form;
        QVERIFY(form.formLoad());
        QCOMPARE(form.file1()->count(), count);
        QCOMPARE(form.file1()->item(count - 1)->text(), u"f 32999"_s);
        const Names after = diskNames();
        QCOMPARE(after.size(), count);
        QCOMPARE(after.first(), "f00000");
        QCOMPARE(after.last(), "f32999");
    }

    // The fallbacks for file systems without an atomic no-replace rename are
    // never reached on this one, so they are tried directly.
    void renameFallbacksNeverReplace_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("renameNoReplace") << 0;
        QTest::newRow("link and unlink") << 1;
        QTest::newRow("check, then rename") << 2;
    }

    void renameFallbacksNeverReplace()
    {
        QFETCH(int, way);
        const auto rename = [way](const char* from, const char* to) {
            switch (way) {
            case 1:
                return unspacer::detail::renameByLink(from, to);
            case 2:
                return unspacer::detail::renameAfterCheck(from, to);
            default:
                return unspacer::renameNoReplace(from, to);
            }
        };
        makeFile("a b", "spaced");
        makeFile("ab", "original");
        makeFile("c d", "free");
        QCOMPARE(::symlink("elsewhere", "x y"), 0);
        QCOMPARE(::symlink("elsewhere", "taken"), 0);

        QCOMPARE(rename("a b", "ab"), EEXIST);
        QCOMPARE(rename("c d", "ab"), EEXIST);
        // A dangling link still holds its name.
        QCOMPARE(rename("c d", "taken"), EEXIST);
        QCOMPARE(rename("gone", "nothing"), ENOENT);
        QCOMPARE(rename("c d", "cd"), 0);
        QCOMPARE(rename("x y", "xy"), 0);
        QCOMPARE(diskNames(), (Names{"a b", "ab", "cd", "taken", "xy"}));
        QCOMPARE(contentOf("ab"), "original");
        QCOMPARE(contentOf("a b"), "spaced");
        QCOMPARE(contentOf("cd"), "free");
    }

    void linkFallbackLeavesOneNameWhenTheOldCannotGo()
    {
        makeFile("a b", "kept");
        g_refusedUnlink = "a b";
        const int code = unspacer::detail::renameByLink("a b", "ab");
        g_refusedUnlink.clear();
        QCOMPARE(code, EACCES);
        QCOMPARE(diskNames(), Names{"a b"});
        QCOMPARE(contentOf("a b"), "kept");
    }

    void window()
    {
        makeFile("a b.txt");
        Form1 form;
        QCOMPARE(form.objectName(), u"Form1"_s);
        QCOMPARE(form.windowTitle(), u"Form1"_s);
        QCOMPARE(form.file1()->objectName(), u"File1"_s);
        QCOMPARE(form.findChild<QListWidget*>(u"File1"_s), form.file1());
        // 4680 x 3090 twips of client area; the list at 180, 120, 2175 x 2625.
        QCOMPARE(form.size(), QSize(312, 206));
        QCOMPARE(form.file1()->geometry(), QRect(12, 8, 145, 175));

        // A successful run shows the window until it is closed, then exits 0.
        bool wasVisible = false;
        QTimer::singleShot(0, &form, [&] {
            wasVisible = form.isVisible();
            form.close();
        });
        QCOMPARE(unspacer::run(form), 0);
        QVERIFY(wasVisible);
        QCOMPARE(form.size(), QSize(312, 206));
        QCOMPARE(listed(form), QStringList{u"a b.txt"_s});
        QCOMPARE(diskNames(), Names{"ab.txt"});
    }
};

int main(int argc, char* argv[])
{
    // System error texts in English, whatever the machine's language.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    TestUnspacer test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_unspacer.moc"
