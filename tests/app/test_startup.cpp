// Start-up of the program against a complete application folder in a
// temporary directory: the galleries, the first page, the page switcher,
// closing, and every way start-up stops when a delivered file is missing,
// broken or not a file at all.
#include "app/application.h"
#include "app/frmloading.h"
#include "app/frmvorlane.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"
#include "base/controls/twipgeometry.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using controls::ImageBox;
using controls::twips;

class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startupBuildsBothGalleries();
    void startupShowsTheEditorPage();
    void switchingPages();
    void decoratorPagesAreMadeBeforeTheyCanBeReached();
    void choosingTheCurrentTabAgainChangesNothing();
    void exitTabEndsTheProgram();
    void closingWithoutNotificationIconEndsTheProgram();
    void closingWithNotificationIconOnlyHides();
    void helpMessage();
    void missingLinkPictureStopsAfterTheOnesBefore();
    void brokenBorderStopsTheBorderProgress();
    void settingsFilesAreReadLinksFirst();
    void failedStartEndsWithStatusOne();
    void startupFailures_data();
    void startupFailures();
    void pipeInPlaceOfAPictureIsRefused();
    void tooLongFolderGivesTheSystemsReason();
    void loadingWindowFollowsThePictures();

private:
    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<Application> app_;
    FrmVorlane* started();
    // Starts against the fixture expecting a failure; its one message.
    prompt::Message failedStart();
};

void TestStartup::init()
{
    fixture_ = std::make_unique<AppFolderFixture>();
    app_.reset();
    if (!fixture_->isValid())
        QFAIL("no delivered pictures to copy: TARNWELL_BIN_DIR must point to the built bin folder");
}

FrmVorlane* TestStartup::started()
{
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    const auto result = app_->start();
    if (result != Application::StartResult::Running || !prompts.messages.isEmpty())
        qWarning() << "start-up failed:"
                   << (prompts.messages.isEmpty() ? QString() : prompts.messages.first().text);
    return result == Application::StartResult::Running ? app_->mainWindow() : nullptr;
}

prompt::Message TestStartup::failedStart()
{
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    if (app_->start() != Application::StartResult::Failed || prompts.messages.size() != 1)
        return {};
    return prompts.messages.first();
}

void TestStartup::startupBuildsBothGalleries()
{
    QVERIFY(fixture_->write(u"zqLink/Links.dat"_s, "\"http://links.example/a,b/\"\r\n"));
    QVERIFY(fixture_->write(u"Border/BordSite.dat"_s,
                            "http://borders.example/x/,ignored\r\nsecond\r\n"));
    FrmVorlane* w = started();
    QVERIFY(w);
    QCOMPARE(app_->sites().linkSite(), u"http://links.example/a,b/"_s);
    QCOMPARE(app_->sites().borderSite(), u"http://borders.example/x/"_s);
    QVERIFY(!app_->frmLoading());

    // Link buttons: 139 elements in rows of six, 400 twips apart.
    for (int i = 0; i <= 138; ++i) {
        auto* d = named<ImageBox>(w, u"dimg(%1)"_s.arg(i));
        QVERIFY(d);
        QVERIFY(!d->isHidden());
        QCOMPARE(d->hasPicture(), i < 138);
        QCOMPARE(twips(d), (tw::Rect{60 + (i % 6) * 1120, 60 + (i / 6) * 1105, 720, 705}));
    }
    const int picCont = 705 + twips(named<ImageBox>(w, u"dimg(138)"_s)).top + 1275;
    QCOMPARE(twips(named<QWidget>(w, u"picCont"_s)), (tw::Rect{180, 240, 6435, picCont}));
    auto* vScroll1 = named<QScrollBar>(w, u"VScroll1"_s);
    QCOMPARE(vScroll1->maximum(), picCont - 8115 + 1275);
    for (int i = 0; i < 4; ++i)
        QVERIFY(named<ImageBox>(w, u"imgView(%1)"_s.arg(i))->hasPicture());

    // Borders: one column, 300 twips apart, each centred on the line of l.
    const int line = twips(named<QLabel>(w, u"l"_s)).left;
    std::vector<ImageBox*> bord;
    for (int i = 0; i <= 60; ++i)
        bord.push_back(named<ImageBox>(w, u"imgBord(%1)"_s.arg(i)));
    QVERIFY(!w->findChild<ImageBox*>(u"imgBord(61)"_s));
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
            QCOMPARE(bord[i]->tag(),
                     u"http://borders.example/x/b"_s + QString::number(i) + u".gif"_s);
        }
    }
    QVERIFY(!bord[60]->hasPicture());
    QVERIFY(bord[60]->tag().isEmpty());

    const int h0 = twips(bord[0]).height;
    const int lastTop = twips(bord[60]).top;
    auto* vs = named<QScrollBar>(w, u"vs"_s);
    auto* picMoveit = named<QWidget>(w, u"picMoveit"_s);
    // The list scrolls until its end element reaches the bottom of the
    // gallery window (Picture3, 4995 twips high), 8 twips per unit.
    QCOMPARE(vs->maximum(), (120 + lastTop - 4995 + 7) / 8);
    QCOMPARE(twips(picMoveit).height, 3 * h0 + lastTop);
    QCOMPARE(twips(picMoveit).top, 120);

    // Scrolling moves the panels; position 0 is the start-up place.
    vs->setValue(1);
    QCOMPARE(twips(picMoveit).top, 112);
    vs->setValue(vs->maximum());
    QCOMPARE(twips(picMoveit).top, 120 - 8 * vs->maximum());
    QVERIFY(twips(picMoveit).top + lastTop <= 4995);
    vs->setValue(0);
    QCOMPARE(twips(picMoveit).top, 120);
    vScroll1->setValue(1);
    QCOMPARE(twips(named<QWidget>(w, u"picCont"_s)).top, -1);
    vScroll1->setValue(0);
    QCOMPARE(twips(named<QWidget>(w, u"picCont"_s)).top, 240);
}

void TestStartup::startupShowsTheEditorPage()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Editor);
    QVERIFY(w->editorPageShown());
    QVERIFY(!named<QToolBar>(w, u"Toolbar1"_s)->isHidden());
    QVERIFY(named<QLineEdit>(w, u"txtCode"_s)->isHidden());
    QVERIFY(named<QWidget>(w, u"shpcode"_s)->isHidden());
    for (int i = 0; i < FrmVorlane::kPageCount; ++i)
        QCOMPARE(named<QWidget>(w, u"picName(%1)"_s.arg(i))->isHidden(), i != 3);
    // What is typed straight after the window appears goes into the pane.
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), named<QPlainTextEdit>(w, u"txtEdit"_s));
    // Tab captions are centred on their bars.
    for (int i = 0; i < FrmVorlane::kTabCount; ++i) {
        const QRect bar = named<QWidget>(w, u"imgProg(%1)"_s.arg(i))->geometry();
        const QRect caption = named<QWidget>(w, u"lblProg(%1)"_s.arg(i))->geometry();
        QVERIFY(std::abs(bar.center().y() - caption.center().y()) <= 1);
    }
    // The logo on the smilies and about pages; swatch tooltips are their colours.
    QVERIFY(!named<controls::PictureBox>(w, u"picName(4)"_s)->picture().isNull());
    QVERIFY(!named<controls::PictureBox>(w, u"picName(6)"_s)->picture().isNull());
    for (int i = 0; i < 27; ++i) {
        auto* swatch = named<ImageBox>(w, u"imgClr(%1)"_s.arg(i));
        QVERIFY(!swatch->tag().isEmpty());
        QCOMPARE(swatch->toolTip(), swatch->tag());
    }
}

void TestStartup::decoratorPagesAreMadeBeforeTheyCanBeReached()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    // Start-up leaves the two decorator pages for later...
    QVERIFY(!w->findChild<QLineEdit*>(u"txtInput"_s));
    QVERIFY(!w->findChild<QPushButton*>(u"cmd(72)"_s));
    // ...but a tab clicked before then shows its page whole.
    w->lblProgClick(FrmVorlane::Page::Symbols);
    QVERIFY(named<QPushButton>(w, u"cmd(72)"_s)->isVisible());
    QVERIFY(named<QLineEdit>(w, u"txtOut"_s)->isVisible());
    // The other is made once the window is on the screen.
    QTRY_VERIFY(w->findChild<QLineEdit*>(u"txtInput"_s));
    w->lblProgClick(FrmVorlane::Page::Names);
    QVERIFY(named<QLineEdit>(w, u"txtInput"_s)->isVisible());
    QVERIFY(named<QRadioButton>(w, u"opt(23)"_s)->isVisible());
}

void TestStartup::switchingPages()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    auto* toolbar = named<QToolBar>(w, u"Toolbar1"_s);
    auto* txtCode = named<QLineEdit>(w, u"txtCode"_s);
    w->lblProgClick(FrmVorlane::Page::Borders);
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Borders);
    QVERIFY(!txtCode->isHidden());
    QVERIFY(!named<QWidget>(w, u"shpcode"_s)->isHidden());
    QVERIFY(toolbar->isHidden());
    QVERIFY(!w->editorPageShown());

    w->lblProgClick(FrmVorlane::Page::Names);
    QVERIFY(txtCode->isHidden());
    QVERIFY(!named<QWidget>(w, u"picName(0)"_s)->isHidden());
    QVERIFY(named<QWidget>(w, u"picName(2)"_s)->isHidden());
    // Exactly one tab carries the active picture.
    const qint64 active = named<ImageBox>(w, u"imgActive"_s)->picture().cacheKey();
    int current = 0;
    for (int i = 0; i < FrmVorlane::kTabCount; ++i)
        current += named<ImageBox>(w, u"imgProg(%1)"_s.arg(i))->picture().cacheKey() == active;
    QCOMPARE(current, 1);

    // A click on a tab's caption switches like the tab itself, and so does
    // a click on its picture.
    QTest::mouseClick(named<QWidget>(w, u"lblProg(3)"_s), Qt::LeftButton);
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Editor);
    QVERIFY(!toolbar->isHidden());
    QVERIFY(w->editorPageShown());
    QTest::mouseClick(named<QWidget>(w, u"imgProg(1)"_s), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Symbols);
}

void TestStartup::choosingTheCurrentTabAgainChangesNothing()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    auto* toolbar = named<QToolBar>(w, u"Toolbar1"_s);
    QSignalSpy smilies(w, &FrmVorlane::smiliesRequested);
    w->lblProgClick(FrmVorlane::Page::Smilies);
    QCOMPARE(smilies.count(), 1);
    QVERIFY(toolbar->isHidden());
    // Choosing tab 4 again does not ask for the picker a second time.
    w->lblProgClick(FrmVorlane::Page::Smilies);
    QCOMPARE(smilies.count(), 1);
    w->lblProgClick(FrmVorlane::Page::Links);
    w->lblProgClick(FrmVorlane::Page::Smilies);
    QCOMPARE(smilies.count(), 2);

    // Choosing the editor twice keeps the toolbar and the flag as they are.
    w->lblProgClick(FrmVorlane::Page::Editor);
    toolbar->hide();
    w->lblProgClick(FrmVorlane::Page::Editor);
    QVERIFY(toolbar->isHidden());
    QVERIFY(w->editorPageShown());
}

void TestStartup::exitTabEndsTheProgram()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    w->setNotificationIconShown(true);
    QSignalSpy ended(app_.get(), &Application::programEnded);
    w->lblProgClick(FrmVorlane::Page::Exit);
    QCOMPARE(ended.count(), 1);
    // The last page stays as it was: the exit tab has no page.
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Editor);
}

void TestStartup::closingWithoutNotificationIconEndsTheProgram()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    QSignalSpy ended(app_.get(), &Application::programEnded);
    QVERIFY(w->close());
    QCOMPARE(ended.count(), 1);
}

void TestStartup::closingWithNotificationIconOnlyHides()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    w->setNotificationIconShown(true);
    QSignalSpy ended(app_.get(), &Application::programEnded);
    QVERIFY(!w->close());
    QVERIFY(!w->isVisible());
    QVERIFY(named<QToolBar>(w, u"Toolbar1"_s)->isHidden());
    // The page and the editor flag survive, for showing the window again.
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Editor);
    QVERIFY(w->editorPageShown());
    QCOMPARE(ended.count(), 0);
}

void TestStartup::helpMessage()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    PromptRecorder prompts;
    w->lblProgClick(FrmVorlane::Page::Links);
    QTest::mouseClick(named<QPushButton>(w, u"cmdHelp"_s), Qt::LeftButton);
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
    QVERIFY(lines[5].endsWith(u".example/nero5fullversion.exe"_s));
    QVERIFY(!lines[5].contains(u"://"_s));
    QCOMPARE(lines[6], u"ثم عليك ان تنسخ الكود الذي سيظهر ولصقه في المنتدى"_s);
}

void TestStartup::missingLinkPictureStopsAfterTheOnesBefore()
{
    QVERIFY(fixture_->remove(u"zqLink/Link57.gif"_s));
    const prompt::Message m = failedStart();
    QCOMPARE(m.icon, prompt::Icon::Critical);
    QCOMPARE(m.title, u"Tarnwell"_s);
    QCOMPARE(m.text, u"Tarnwell cannot start.\n\nFile not found:\n"_s +
                         QDir::toNativeSeparators(fixture_->file(u"zqLink/Link57.gif"_s)));
    // The status line last named Link56.gif, the 57th picture.
    QVERIFY(app_->frmLoading());
    const QString status = app_->frmLoading()->lblStatus()->text();
    QCOMPARE(status, u"File: \""_s +
                         QDir::toNativeSeparators(fixture_->file(u"zqLink/Link56.gif"_s)) +
                         u"\" successfully loaded."_s);
    QCOMPARE(app_->frmLoading()->pLoading()->value(), 56);
    QCOMPARE(app_->frmLoading()->pLoading()->maximum(), 137);
}

void TestStartup::brokenBorderStopsTheBorderProgress()
{
    QVERIFY(fixture_->write(u"Border/b5.gif"_s, "GIF89a"));
    const prompt::Message m = failedStart();
    QVERIFY2(m.text.contains(u"b5.gif"_s), qPrintable(m.text));
    // The border loop counts 0..59 against a maximum of 60.
    QCOMPARE(app_->frmLoading()->pLoading()->maximum(), 60);
    QCOMPARE(app_->frmLoading()->pLoading()->value(), 4);
    QVERIFY(app_->frmLoading()->lblStatus()->text().endsWith(u"b4.gif\" successfully loaded."_s));
}

void TestStartup::settingsFilesAreReadLinksFirst()
{
    QVERIFY(fixture_->write(u"zqLink/Links.dat"_s, ""));
    QVERIFY(fixture_->write(u"Border/BordSite.dat"_s, ""));
    const prompt::Message m = failedStart();
    QCOMPARE(m.text, u"Tarnwell cannot start.\n\nThe settings file is empty:\n"_s +
                         QDir::toNativeSeparators(fixture_->file(u"zqLink/Links.dat"_s)));
}

void TestStartup::failedStartEndsWithStatusOne()
{
    QVERIFY(fixture_->remove(u"logo.gif"_s));
    PromptRecorder prompts;
    QCOMPARE(runTarnwell(appfolder::AppFolder(fixture_->root())), 1);
    QCOMPARE(prompts.messages.size(), 1);
}

void TestStartup::startupFailures_data()
{
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty BordSite.dat") << QString() << u"Border/BordSite.dat"_s << QByteArray()
                                        << u"The settings file is empty:\n@/Border/BordSite.dat"_s;
    QTest::newRow("missing logo") << u"logo.gif"_s << QString() << QByteArray()
                                  << u"File not found:\n@/logo.gif"_s;
    QTest::newRow("missing border") << u"Border/b59.gif"_s << QString() << QByteArray()
                                    << u"File not found:\n@/Border/b59.gif"_s;
    QTest::newRow("missing option picture") << u"zqOptions/3.gif"_s << QString() << QByteArray()
                                            << u"File not found:\n@/zqOptions/3.gif"_s;
    // The whole Border folder: its settings file is read first.
    QTest::newRow("missing Border folder")
        << u"Border/"_s << QString() << QByteArray() << u"Path not found:\n@/Border"_s;
    QTest::newRow("text instead of a picture")
        << QString() << u"Border/b3.gif"_s << QByteArray("not a picture")
        << u"Invalid picture (@):\n@/Border/b3.gif"_s;
    QTest::newRow("GIF cut to 13 bytes")
        << QString() << u"zqLink/Link0.gif"_s << u"13"_s.toLatin1()
        << u"Invalid picture (the file is cut short):\n@/zqLink/Link0.gif"_s;
    QTest::newRow("GIF cut to 30 bytes")
        << QString() << u"zqLink/Link9.gif"_s << u"30"_s.toLatin1()
        << u"Invalid picture (the file is cut short):\n@/zqLink/Link9.gif"_s;
    QTest::newRow("GIF cut in half")
        << QString() << u"Border/b7.gif"_s << u"half"_s.toLatin1()
        << u"Invalid picture (the file is cut short):\n@/Border/b7.gif"_s;
    QTest::newRow("GIF claiming 65535 x 65535")
        << QString() << u"Border/b0.gif"_s << u"huge"_s.toLatin1()
        << u"Invalid picture (implausible size 65535 x 65535):\n@/Border/b0.gif"_s;
    QTest::newRow("folder in place of a picture")
        << QString() << u"zqOptions/2.gif"_s << u"folder"_s.toLatin1()
        << u"Cannot read the file (it is a folder, pipe or device, not a file):\n@/zqOptions/2.gif"_s;
}

void TestStartup::startupFailures()
{
    QFETCH(QString, removed);
    QFETCH(QString, rewritten);
    QFETCH(QByteArray, contents);
    QFETCH(QString, expected);
    if (!removed.isEmpty())
        QVERIFY(fixture_->remove(removed));
    QByteArray written = contents;
    if (!rewritten.isEmpty()) {
        // Damaged copies of the real picture, or a stand-in of another kind.
        const QByteArray original = fixture_->read(rewritten);
        if (contents == "13" || contents == "30")
            written = original.left(contents.toInt());
        else if (contents == "half")
            written = original.left(original.size() / 2);
        else if (contents == "huge")
            written = original.left(6) + QByteArray("\xff\xff\xff\xff", 4) + original.mid(10);
        if (contents == "folder") {
            QVERIFY(fixture_->remove(rewritten));
            QVERIFY(QDir().mkpath(fixture_->file(rewritten)));
        } else {
            QVERIFY(fixture_->write(rewritten, written));
        }
    }

    const prompt::Message m = failedStart();
    QCOMPARE(m.icon, prompt::Icon::Critical);
    QString text = expected;
    text.replace(u"@/"_s, fixture_->root() + u'/');
    text = QDir::toNativeSeparators(text);
    if (text.contains(u"(@)"_s)) {
        // The image reader's own words for a file that is no picture.
        QVERIFY2(m.text.startsWith(u"Tarnwell cannot start.\n\nInvalid picture ("_s),
                 qPrintable(m.text));
        QVERIFY2(m.text.endsWith(text.mid(text.indexOf(u"):"_s))), qPrintable(m.text));
    } else {
        QCOMPARE(m.text, u"Tarnwell cannot start.\n\n"_s + text);
    }
    // Nothing was written or repaired.
    if (!rewritten.isEmpty() && contents != "folder")
        QCOMPARE(fixture_->read(rewritten), written);
    if (!removed.isEmpty())
        QVERIFY(!QFileInfo::exists(fixture_->file(removed)));
}

void TestStartup::pipeInPlaceOfAPictureIsRefused()
{
#ifdef Q_OS_UNIX
    // A pipe would block a reader for good; start-up names it instead.
    QVERIFY(fixture_->remove(u"zqLink/Link3.gif"_s));
    QCOMPARE(::mkfifo(QFile::encodeName(fixture_->file(u"zqLink/Link3.gif"_s)).constData(), 0644),
             0);
    const prompt::Message m = failedStart();
    QCOMPARE(
        m.text,
        u"Tarnwell cannot start.\n\nCannot read the file (it is a folder, pipe or device, not a file):\n"_s +
            fixture_->file(u"zqLink/Link3.gif"_s));
#else
    QSKIP("pipes in the file system are a Unix matter");
#endif
}

void TestStartup::tooLongFolderGivesTheSystemsReason()
{
#ifdef Q_OS_UNIX
    // An application folder whose path is longer than the system allows
    // cannot be opened by that name, whether its files are there or not;
    // the message says so instead of calling them missing.
    QString deep = fixture_->root();
    while (deep.size() < 4200)
        deep += u'/' + QString(200, u'd');
    app_ = std::make_unique<Application>(appfolder::AppFolder(deep));
    PromptRecorder prompts;
    QCOMPARE(app_->start(), Application::StartResult::Failed);
    QCOMPARE(prompts.messages.size(), 1);
    const QString text = prompts.messages.first().text;
    QVERIFY2(text.contains(qt_error_string(ENAMETOOLONG)), qPrintable(text));
    QVERIFY2(!text.contains(u"not found"_s), qPrintable(text));
#else
    QSKIP("the limit on path length differs on this system");
#endif
}

void TestStartup::loadingWindowFollowsThePictures()
{
    // The first pictures take longer than a screen frame each to read, as
    // on a slow disk: the bar and the file line must move with every one.
    QSet<QString> lines;
    QSet<int> values;
    int slowed = 0;
    QTimer slowDisk;
    slowDisk.setInterval(0);
    connect(&slowDisk, &QTimer::timeout, this, [&] {
        const FrmLoading* loading = app_ ? app_->frmLoading() : nullptr;
        if (!loading || !loading->isVisible() || slowed == 12)
            return;
        if (loading->lblStatus()->text().contains(u"Link"_s)) {
            lines.insert(loading->lblStatus()->text());
            values.insert(loading->pLoading()->value());
        }
        QThread::msleep(20);
        ++slowed;
    });
    slowDisk.start();
    QVERIFY(started());
    QVERIFY2(lines.size() >= 6, qPrintable(QStringList(lines.values()).join(u'\n')));
    QVERIFY(values.size() >= 6);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
