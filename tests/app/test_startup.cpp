// Start-up of the main window against a complete application folder in a
// temporary directory, the page switcher, closing, and the ways start-up
// stops when a delivered file is missing or broken.
#include "appfolderfixture.h"
#include "borderpage.h"
#include "editorpage.h"
#include "frmloading.h"
#include "frmvorlane.h"
#include "gallerylayout.h"
#include "linkpage.h"
#include "promptrecorder.h"
#include "tagtoolbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using controls::twips;

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startupBuildsBothGalleries();
    void startupShowsTheEditorPage();
    void switchingPages();
    void choosingTheCurrentTabAgainChangesNothing();
    void exitTabEndsTheProgram();
    void closingWithoutNotificationIconEndsTheProgram();
    void closingWithNotificationIconOnlyHides();
    void helpMessage();
    void missingLinkPictureStopsAfterTheOnesBefore();
    void startupFailures_data();
    void startupFailures();

private:
    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<FrmVorlane> loaded();
};

void TestStartup::init()
{
    fixture_ = std::make_unique<AppFolderFixture>();
    if (!fixture_->isValid())
        QFAIL("no delivered pictures to copy: TARNWELL_BIN_DIR must point to the built bin folder");
}

std::unique_ptr<FrmVorlane> TestStartup::loaded()
{
    auto w = std::make_unique<FrmVorlane>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    const auto result = w->load();
    if (result != FrmVorlane::LoadResult::Loaded || !prompts.messages.isEmpty())
        qWarning() << "start-up failed:" << (prompts.messages.isEmpty() ? QString() : prompts.messages.first().text);
    return result == FrmVorlane::LoadResult::Loaded ? std::move(w) : nullptr;
}

void TestStartup::startupBuildsBothGalleries()
{
    QVERIFY(fixture_->write(u"zqLink/Links.dat"_s, "\"http://links.example/a,b/\"\r\n"));
    QVERIFY(fixture_->write(u"Border/BordSite.dat"_s, "http://borders.example/x/,ignored\r\nsecond\r\n"));
    auto w = loaded();
    QVERIFY(w);
    QCOMPARE(w->linkSite, u"http://links.example/a,b/"_s);
    QCOMPARE(w->borderSite, u"http://borders.example/x/"_s);
    QVERIFY(!w->frmLoading());

    // Link buttons: 139 elements in rows of six, 400 twips apart.
    const auto& dimg = w->linkPage()->dimg();
    QCOMPARE(dimg.size(), size_t(139));
    const tw::Rect first = twips(dimg[0]);
    QCOMPARE(first, (tw::Rect{60, 60, 720, 705}));
    for (size_t i = 0; i < dimg.size(); ++i) {
        QVERIFY(!dimg[i]->isHidden());
        QCOMPARE(dimg[i]->hasPicture(), i < 138);
        QCOMPARE(twips(dimg[i]).left, 60 + int(i % 6) * 1120);
        QCOMPARE(twips(dimg[i]).top, 60 + int(i / 6) * 1105);
    }
    QCOMPARE(dimg[138]->objectName(), u"dimg(138)"_s);

    const int picCont = 705 + twips(dimg[138]).top + 1275;
    QCOMPARE(twips(w->linkPage()->picCont()).height, picCont);
    QCOMPARE(w->linkGalleryTop, 240);
    QCOMPARE(w->linkPage()->vScroll1()->maximum(), picCont - 8115 + 1275);
    for (int i = 0; i < 4; ++i)
        QVERIFY(w->linkPage()->imgView(i)->hasPicture());

    // Borders: one column, 300 twips apart, each centred on the line of l.
    const auto& bord = w->borderPage()->imgBord();
    QCOMPARE(bord.size(), size_t(61));
    QCOMPARE(w->borderCount, qint16(60));
    const int line = twips(w->borderPage()->l()).left;
    for (size_t i = 0; i < bord.size(); ++i) {
        const tw::Rect r = twips(bord[i]);
        QVERIFY(!bord[i]->isHidden());
        if (i > 0) {
            const tw::Rect above = twips(bord[i - 1]);
            QCOMPARE(r.top, above.top + above.height + 300);
        }
        QVERIFY2(std::abs(r.left + r.width / 2.0 - line) <= 0.5, qPrintable(bord[i]->objectName()));
        if (i < 60) {
            QVERIFY(bord[i]->hasPicture());
            QCOMPARE(r.height, bord[i]->picture().height() * 15);
            QCOMPARE(bord[i]->tag(), u"http://borders.example/x/b"_s + QString::number(i) + u".gif"_s);
        }
    }
    QVERIFY(!bord[60]->hasPicture());
    QVERIFY(bord[60]->tag().isEmpty());

    const int h0 = twips(bord[0]).height;
    const int lastTop = twips(bord[60]).top;
    QCOMPARE(w->borderPage()->vs()->maximum(), tw::roundHalfEven((lastTop - 6315 - 5 * h0) / 8.0));
    QCOMPARE(w->borderGalleryTop, qint16(120));
    QCOMPARE(twips(w->borderPage()->picMoveit()).height, 3 * h0 + lastTop);
    QCOMPARE(twips(w->borderPage()->picMoveit()).top, 120);

    // Scrolling moves the panels; position 0 is the start-up place.
    w->borderPage()->vs()->setValue(1);
    QCOMPARE(twips(w->borderPage()->picMoveit()).top, -8 * (1 + h0));
    w->borderPage()->vs()->setValue(0);
    QCOMPARE(twips(w->borderPage()->picMoveit()).top, 120);
    w->linkPage()->vScroll1()->setValue(1);
    QCOMPARE(twips(w->linkPage()->picCont()).top, -1);
    w->linkPage()->vScroll1()->setValue(0);
    QCOMPARE(twips(w->linkPage()->picCont()).top, 240);
}

void TestStartup::startupShowsTheEditorPage()
{
    auto w = loaded();
    QVERIFY(w);
    QCOMPARE(w->currentPage(), 3);
    QVERIFY(w->editorPageShown);
    QVERIFY(!w->toolbar1()->isHidden());
    QVERIFY(w->borderPage()->txtCode()->isHidden());
    QVERIFY(w->borderPage()->shpcode()->isHidden());
    for (int i = 0; i < FrmVorlane::kPageCount; ++i)
        QCOMPARE(w->picName(i)->isHidden(), i != 3);
    // The logo on the smilies and about pages; swatch tooltips are their colours.
    QVERIFY(!static_cast<controls::PictureBox*>(w->picName(4))->picture().isNull());
    QVERIFY(!static_cast<controls::PictureBox*>(w->picName(6))->picture().isNull());
    QCOMPARE(w->editorPage()->imgClr(5)->toolTip(), w->editorPage()->imgClr(5)->tag());
    QVERIFY(!w->editorPage()->imgClr(5)->tag().isEmpty());
}

void TestStartup::switchingPages()
{
    auto w = loaded();
    QVERIFY(w);
    w->lblProgClick(2);
    QCOMPARE(w->currentPage(), 2);
    QVERIFY(!w->borderPage()->txtCode()->isHidden());
    QVERIFY(!w->borderPage()->shpcode()->isHidden());
    QVERIFY(w->toolbar1()->isHidden());
    QVERIFY(!w->editorPageShown);

    w->lblProgClick(0);
    QVERIFY(w->borderPage()->txtCode()->isHidden());
    QVERIFY(!w->picName(0)->isHidden());
    QVERIFY(w->picName(2)->isHidden());
    // Exactly one tab carries the active picture.
    int active = 0;
    for (int i = 0; i < FrmVorlane::kTabCount; ++i)
        active += w->imgProg(i)->picture().cacheKey() == w->imgActive()->picture().cacheKey();
    QCOMPARE(active, 1);

    // A click on a tab's caption switches like the tab itself.
    QTest::mouseClick(w->lblProg(3), Qt::LeftButton);
    QCOMPARE(w->currentPage(), 3);
    QVERIFY(!w->toolbar1()->isHidden());
    QVERIFY(w->editorPageShown);
}

void TestStartup::choosingTheCurrentTabAgainChangesNothing()
{
    auto w = loaded();
    QVERIFY(w);
    QSignalSpy smilies(w.get(), &FrmVorlane::smiliesRequested);
    w->lblProgClick(4);
    QCOMPARE(smilies.count(), 1);
    QVERIFY(w->toolbar1()->isHidden());
    // Choosing tab 4 again does not ask for the picker a second time.
    w->lblProgClick(4);
    QCOMPARE(smilies.count(), 1);
    w->lblProgClick(5);
    w->lblProgClick(4);
    QCOMPARE(smilies.count(), 2);

    // Choosing the editor twice keeps the toolbar and the flag as they are.
    w->lblProgClick(3);
    w->toolbar1()->hide();
    w->lblProgClick(3);
    QVERIFY(w->toolbar1()->isHidden());
    QVERIFY(w->editorPageShown);
}

void TestStartup::exitTabEndsTheProgram()
{
    auto w = loaded();
    QVERIFY(w);
    w->setNotificationIconShown(true);
    QSignalSpy ended(w.get(), &FrmVorlane::programEnded);
    w->lblProgClick(7);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!w->notificationIconShown());
}

void TestStartup::closingWithoutNotificationIconEndsTheProgram()
{
    auto w = loaded();
    QVERIFY(w);
    w->show();
    QSignalSpy ended(w.get(), &FrmVorlane::programEnded);
    QVERIFY(w->close());
    QCOMPARE(ended.count(), 1);
}

void TestStartup::closingWithNotificationIconOnlyHides()
{
    auto w = loaded();
    QVERIFY(w);
    w->setNotificationIconShown(true);
    w->show();
    QSignalSpy ended(w.get(), &FrmVorlane::programEnded);
    QVERIFY(!w->close());
    QVERIFY(!w->isVisible());
    QVERIFY(w->toolbar1()->isHidden());
    // The page and the editor flag survive, for showing the window again.
    QCOMPARE(w->currentPage(), 3);
    QVERIFY(w->editorPageShown);
    QCOMPARE(ended.count(), 0);
}

void TestStartup::helpMessage()
{
    auto w = loaded();
    QVERIFY(w);
    PromptRecorder prompts;
    w->lblProgClick(5);
    QTest::mouseClick(w->linkPage()->cmdHelp(), Qt::LeftButton);
    QCOMPARE(prompts.messages.size(), 1);
    const prompt::Message m = prompts.messages.first();
    QCOMPARE(m.title, u"Tarnwell"_s);
    QCOMPARE(m.icon, prompt::Icon::Information);
    const QStringList lines = m.text.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], u"يتخصص هذ البرنامج للمنتديات حيث يقوم بوضع وصلات للتحميل"_s);
    QCOMPARE(lines[1], u"طريقة إستخدام البرنامج:"_s);
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], u"تختار الصورة التي تريد عملة وصلة بها"_s);
    QCOMPARE(lines[4], u"سوف يسألك البرنامج ان تضع الوصلة مثلاً"_s);
    QVERIFY(lines[5].endsWith(u"/nero5fullversion.exe"_s));
    QVERIFY(!lines[5].contains(u"://"_s));
    QCOMPARE(lines[6], u"ثم عليك ان تنسخ الكود الذي سيظهر ولصقه في المنتدى"_s);
}

void TestStartup::missingLinkPictureStopsAfterTheOnesBefore()
{
    QVERIFY(fixture_->remove(u"zqLink/Link57.gif"_s));
    FrmVorlane w{appfolder::AppFolder(fixture_->root())};
    PromptRecorder prompts;
    QCOMPARE(w.load(), FrmVorlane::LoadResult::Failed);
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].icon, prompt::Icon::Critical);
    QCOMPARE(prompts.messages[0].title, u"Tarnwell"_s);
    QVERIFY(prompts.messages[0].text.contains(u"File not found"_s));
    QVERIFY(prompts.messages[0].text.contains(u"Link57.gif"_s));
    // The status line last named Link56.gif, the 57th picture.
    QVERIFY(w.frmLoading());
    const QString status = w.frmLoading()->lblStatus()->text();
    QVERIFY2(status.endsWith(u"Link56.gif\" successfully loaded."_s), qPrintable(status));
    QVERIFY(status.startsWith(u"File: \""_s + fixture_->root()));
    QCOMPARE(w.frmLoading()->pLoading()->value(), 56);
    QCOMPARE(w.frmLoading()->pLoading()->maximum(), 137);
}

void TestStartup::startupFailures_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("named");

    QTest::newRow("empty BordSite.dat") << QString() << QByteArray("Border/BordSite.dat")
                                        << u"empty"_s << u"BordSite.dat"_s;
    QTest::newRow("empty Links.dat") << QString() << QByteArray("zqLink/Links.dat") << u"empty"_s
                                     << u"Links.dat"_s;
    QTest::newRow("missing logo") << u"logo.gif"_s << QByteArray() << u"File not found"_s
                                  << u"logo.gif"_s;
    QTest::newRow("missing border") << u"Border/b59.gif"_s << QByteArray() << u"File not found"_s
                                    << u"b59.gif"_s;
    QTest::newRow("missing option picture") << u"zqOptions/3.gif"_s << QByteArray()
                                            << u"File not found"_s << u"3.gif"_s;
    QTest::newRow("missing Border folder") << u"Border/"_s << QByteArray() << u"Path not found"_s
                                           << u"Border"_s;
    QTest::newRow("broken picture") << QString() << QByteArray("Border/b3.gif") << u"Invalid picture"_s
                                    << u"b3.gif"_s;
}

void TestStartup::startupFailures()
{
    QFETCH(QString, removed);
    QFETCH(QByteArray, rewritten);
    QFETCH(QString, expected);
    QFETCH(QString, named);
    if (!removed.isEmpty())
        QVERIFY(fixture_->remove(removed));
    const QString target = QString::fromLatin1(rewritten);
    // Settings files become empty; pictures become text that is no picture.
    const QByteArray contents = target.endsWith(u".gif"_s) ? QByteArray("not a picture") : QByteArray();
    if (!target.isEmpty())
        QVERIFY(fixture_->write(target, contents));

    FrmVorlane w{appfolder::AppFolder(fixture_->root())};
    PromptRecorder prompts;
    QCOMPARE(w.load(), FrmVorlane::LoadResult::Failed);
    QCOMPARE(prompts.messages.size(), 1);
    QVERIFY2(prompts.messages[0].text.contains(expected), qPrintable(prompts.messages[0].text));
    QVERIFY2(prompts.messages[0].text.contains(named), qPrintable(prompts.messages[0].text));
    // Nothing was written or repaired.
    if (!target.isEmpty()) {
        QFile f(fixture_->file(target));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), contents);
    }
    if (!removed.isEmpty())
        QVERIFY(!QFile::exists(fixture_->file(removed)));
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
