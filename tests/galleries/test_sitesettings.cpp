// The two site settings as the user edits them, in the options window and
// through the border page's administrative command: whatever is typed or
// pasted is saved whole and read back whole at the next start, or refused
// with a message; a file from Windows keeps its code page; a second copy of
// the program does not silently undo the first one's save; the password is
// asked for in a box that hides it.
#include "base/sitestore.h"
#include "galleries/borderpage.h"
#include "galleries/frmoptions.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/promptrecorder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kSaved = u"تم تعديل الوصلة تأكد بعدم العبث بهذه الخيارات بدون مشاورة Dravik"_s;

// A copy of the program: its own store, read at its start.
std::unique_ptr<SiteStore> started(const AppFolderFixture& folder)
{
    auto store = std::make_unique<SiteStore>(appfolder::AppFolder(folder.root()));
    return store->load() ? nullptr : std::move(store);
}

void paste(QLineEdit* box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    QTest::keySequence(box, QKeySequence::Paste);
}

} // namespace

class TestSiteSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void oddSitesComeBackAfterARestart_data();
    void oddSitesComeBackAfterARestart();
    void lineBreaksAreRefused();
    void longPasteIsSavedWhole();
    void codePageFileKeepsItsBytes();
    void secondCopyAsksBeforeReplacing();
    void borderSiteOfAnotherCopyIsNotUndoneSilently();
    void passwordIsNotShown();

private:
    std::unique_ptr<AppFolderFixture> folder_;
    std::unique_ptr<PromptRecorder> prompts_;
};

void TestSiteSettings::init()
{
    folder_ = std::make_unique<AppFolderFixture>();
    QVERIFY(folder_->isValid());
    prompts_ = std::make_unique<PromptRecorder>();
}

void TestSiteSettings::cleanup()
{
    prompts_.reset();
    folder_.reset();
}

void TestSiteSettings::oddSitesComeBackAfterARestart_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed"); // empty: saved as the window shows it

    QTest::newRow("quoted comma saved unchanged")
        << QByteArray("\"http://q.example/a,b/\"\r\n") << QString();
    QTest::newRow("comma typed") << QByteArray("http://old.example/\r\n")
                                 << u"http://q.example/c,d/"_s;
    QTest::newRow("blank at the end typed")
        << QByteArray("http://old.example/\r\n") << u"http://q.example/e/ "_s;
}

void TestSiteSettings::oddSitesComeBackAfterARestart()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QVERIFY(folder_->write(u"zqLink/Links.dat"_s, file));
    const auto copy = started(*folder_);
    QVERIFY(copy);
    FrmOptions options(*copy);
    if (!typed.isEmpty())
        options.txtSite()->setText(typed);
    const QString site = options.txtSite()->text();
    QVERIFY(site.contains(u',') || site.endsWith(u' '));
    options.cmdSave()->click();
    QCOMPARE(prompts_->messages.size(), 1);
    QCOMPARE(prompts_->messages.at(0).text, kSaved);
    QCOMPARE(copy->linkSite(), site);

    const auto next = started(*folder_);
    QVERIFY(next);
    QCOMPARE(next->linkSite(), site);
}

void TestSiteSettings::lineBreaksAreRefused()
{
    const QByteArray before = folder_->read(u"zqLink/Links.dat"_s);
    const auto copy = started(*folder_);
    QVERIFY(copy);
    const QString site = copy->linkSite();
    FrmOptions options(*copy);
    QSignalSpy savedSpy(&options, &FrmOptions::linkSaved);
    options.txtSite()->setText(u"http://a.example/\nhttp://b.example/"_s);
    options.cmdSave()->click();
    QCOMPARE(prompts_->messages.size(), 1);
    const prompt::Message& m = prompts_->messages.at(0);
    QCOMPARE(m.icon, prompt::Icon::Exclamation);
    QCOMPARE(m.text,
             u"Cannot save %1:\nA site is a single line; it cannot hold a line break."_s.arg(
                 QDir::toNativeSeparators(folder_->file(u"zqLink/Links.dat"_s))));
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), before);
    QCOMPARE(copy->linkSite(), site);
    QCOMPARE(savedSpy.size(), 0);
    // Nothing typed is lost: the box still holds it.
    QCOMPARE(options.txtSite()->text(), u"http://a.example/\nhttp://b.example/"_s);

    // The border site likewise.
    BorderPage page(*copy, nullptr);
    prompts_->messages.clear();
    prompts_->answers = {u"8052"_s, u"http://a.example/\r\nb/"_s};
    page.lllClick();
    QCOMPARE(prompts_->messages.size(), 1);
    QVERIFY2(prompts_->messages.at(0).text.contains(u"cannot hold a line break"_s),
             qPrintable(prompts_->messages.at(0).text));
    QCOMPARE(folder_->read(u"Border/BordSite.dat"_s).count('\n'), 1);
}

void TestSiteSettings::longPasteIsSavedWhole()
{
    const auto copy = started(*folder_);
    QVERIFY(copy);
    FrmOptions options(*copy);
    options.show();
    QString address = u"http://long.example/"_s;
    while (address.size() < 40000)
        address += u"abcdefghij/"_s;
    address.truncate(40000);
    paste(options.txtSite(), address);
    QCOMPARE(options.txtSite()->text().size(), 40000);
    options.cmdSave()->click();
    QCOMPARE(prompts_->messages.size(), 1);
    QCOMPARE(prompts_->messages.at(0).text, kSaved);
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), address.toLatin1() + "\r\n");
    QCOMPARE(started(*folder_)->linkSite(), address);
}

void TestSiteSettings::codePageFileKeepsItsBytes()
{
    const QByteArray windows("http://h\xe9\xff/z/\r\n");
    QVERIFY(folder_->write(u"zqLink/Links.dat"_s, windows));
    const auto copy = started(*folder_);
    QVERIFY(copy);
    QCOMPARE(copy->linkSite(), u"http://h\u00e9\u06d2/z/"_s);
    FrmOptions options(*copy);
    options.cmdSave()->click();
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), windows);

    // A new site in the same file is written in the file's code page.
    options.txtSite()->setText(u"http://h\u00e9\u06d2/منتدى/"_s);
    options.cmdSave()->click();
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s),
             QByteArray("http://h\xe9\xff/\xe3\xe4\xca\xcf\xec/\r\n"));
    QCOMPARE(started(*folder_)->linkSite(), u"http://h\u00e9\u06d2/منتدى/"_s);
}

void TestSiteSettings::secondCopyAsksBeforeReplacing()
{
    QVERIFY(folder_->write(u"zqLink/Links.dat"_s, "http://start.example/\r\n"));
    const auto first = started(*folder_);
    const auto second = started(*folder_);
    QVERIFY(first && second);
    FrmOptions firstWindow(*first);
    FrmOptions secondWindow(*second);

    firstWindow.txtSite()->setText(u"http://first.example/"_s);
    firstWindow.cmdSave()->click();
    QVERIFY(prompts_->questions.isEmpty());
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), "http://first.example/\r\n");

    // The second window still shows what the file held when it opened.
    QCOMPARE(secondWindow.txtSite()->text(), u"http://start.example/"_s);
    secondWindow.txtSite()->setText(u"http://second.example/"_s);
    prompts_->messages.clear();
    prompts_->yesNo = {false};
    secondWindow.cmdSave()->click();
    QCOMPARE(prompts_->questions.size(), 1);
    const prompt::Message& q = prompts_->questions.at(0);
    QCOMPARE(q.icon, prompt::Icon::Question);
    QCOMPARE(q.title, prompt::appTitle());
    QCOMPARE(q.text, u"%1 has been changed since it was read. It now holds:\n"
                     "http://first.example/\n\nReplace it with:\nhttp://second.example/"_s.arg(
                         QDir::toNativeSeparators(folder_->file(u"zqLink/Links.dat"_s))));
    // Kept: nothing written, nothing taken, the typed site still in the box.
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), "http://first.example/\r\n");
    QCOMPARE(second->linkSite(), u"http://start.example/"_s);
    QVERIFY(prompts_->messages.isEmpty());
    QCOMPARE(secondWindow.txtSite()->text(), u"http://second.example/"_s);

    prompts_->yesNo = {true};
    secondWindow.cmdSave()->click();
    QCOMPARE(prompts_->questions.size(), 2);
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), "http://second.example/\r\n");
    QCOMPARE(second->linkSite(), u"http://second.example/"_s);
    QCOMPARE(prompts_->messages.size(), 1);
    QCOMPARE(prompts_->messages.at(0).text, kSaved);

    // Once seen, the second copy's own next save asks nothing.
    secondWindow.txtSite()->setText(u"http://second.example/again/"_s);
    secondWindow.cmdSave()->click();
    QCOMPARE(prompts_->questions.size(), 2);
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), "http://second.example/again/\r\n");
}

void TestSiteSettings::borderSiteOfAnotherCopyIsNotUndoneSilently()
{
    const auto first = started(*folder_);
    const auto second = started(*folder_);
    QVERIFY(first && second);
    const QString delivered = second->borderSite();
    BorderPage firstPage(*first, nullptr);
    BorderPage secondPage(*second, nullptr);
    prompts_->answers = {u"8052"_s, u"http://first.example/zqborders/"_s};
    firstPage.lllClick();
    QCOMPARE(folder_->read(u"Border/BordSite.dat"_s), "http://first.example/zqborders/\r\n");

    prompts_->messages.clear();
    prompts_->answers = {u"8052"_s, u"http://second.example/zqborders/"_s};
    secondPage.lllClick();
    QCOMPARE(prompts_->questions.size(), 1);
    QVERIFY(prompts_->questions.at(0).text.contains(u"It now holds:\nhttp://first.example/"_s));
    QVERIFY(prompts_->messages.isEmpty());
    QCOMPARE(folder_->read(u"Border/BordSite.dat"_s), "http://first.example/zqborders/\r\n");
    QCOMPARE(second->borderSite(), delivered);
}

void TestSiteSettings::passwordIsNotShown()
{
    const auto copy = started(*folder_);
    QVERIFY(copy);
    BorderPage page(*copy, nullptr);
    prompts_->answers = {u"8052"_s};
    page.lllClick();
    QCOMPARE(prompts_->inputs.size(), 2);
    QCOMPARE(prompts_->inputs.at(0).prompt, u"Password?"_s);
    QVERIFY(prompts_->inputs.at(0).password);
    // The site itself is shown as it is typed.
    QVERIFY(!prompts_->inputs.at(1).password);
}

QTEST_MAIN(TestSiteSettings)
#include "test_sitesettings.moc"
