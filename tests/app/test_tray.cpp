// The notification-area icon and its menu, headless: the table of the
// icon's notifications, the Show and Exit commands through the menu, the
// icon and the exit tab, the menu's items and pictures, the notification
// area coming and going, and the icon's use while start-up still runs.
// (There is no notification area offscreen: the tests drive the icon's
// own notifications and tell it whether an area exists.)
#include "app/application.h"
#include "app/frmmenu.h"
#include "app/frmvorlane.h"
#include "app/notificationicon.h"
#include "base/controls/picturebox.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/recordingplatform.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>
#include <QtTest>

using namespace Qt::StringLiterals;
using Action = NotificationIcon::Action;
using Protocol = NotificationIcon::Protocol;
using Reason = QSystemTrayIcon::ActivationReason;

namespace {

// Counts the close requests a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        closes += event->type() == QEvent::Close;
        return false;
    }
};

bool sameImage(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                              b.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestTray : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void codeTable_data();
    void codeTable();
    void iconNotificationsThroughTheApplication_data();
    void iconNotificationsThroughTheApplication();
    void pointerMovingOverTheWindowDoesNothing();
    void iconAddedWithTipAndWindowIcon();
    void menuItemsCaptionsAndPictures();
    void setMenuItemPictureIgnoresErrors();
    void showRestoresTheToolbarOnlyOnTheEditorPage_data();
    void showRestoresTheToolbarOnlyOnTheEditorPage();
    void showingAVisibleWindowChangesNothing();
    void exitRemovesTheIconAndRunsNoCloseHandler();
    void exitTabRemovesTheIcon();
    void notificationAreaComesAndGoes();
    void iconDuringStartup();
    void exitDuringStartupEndsIt();
    void manifestCheckRunsFirstWhereItIsInForce();

private:
    FrmVorlane* started();
    // Tells the icon whether a notification area exists, as if it had
    // looked for one.
    void setArea(bool available);
    // Closes the main window the way its close box does.
    void closeMainWindow();
    void notify(Reason reason);

    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<Application> app_;
    bool area_ = false;
};

void TestTray::init()
{
    fixture_ = std::make_unique<AppFolderFixture>();
    area_ = false;
    if (!fixture_->isValid())
        QFAIL("no delivered pictures to copy: TARNWELL_BIN_DIR must point to the built bin folder");
}

void TestTray::cleanup()
{
    app_.reset();
}

FrmVorlane* TestTray::started()
{
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    if (app_->start() != Application::StartResult::Running)
        return nullptr;
    app_->notificationIcon()->setAreaProbe([this] { return area_; });
    return app_->mainWindow();
}

void TestTray::setArea(bool available)
{
    area_ = available;
    app_->notificationIcon()->checkArea();
}

void TestTray::closeMainWindow()
{
    QCloseEvent close;
    QApplication::sendEvent(app_->mainWindow(), &close);
}

void TestTray::notify(Reason reason)
{
    Q_EMIT app_->notificationIcon()->trayIcon()->activated(reason);
}

void TestTray::codeTable_data()
{
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<Protocol>("protocol");
    QTest::addColumn<Action>("action");

    QTest::newRow("left double click") << Reason::DoubleClick << Protocol::Clicks << Action::Show;
    QTest::newRow("right press") << Reason::Context << Protocol::Clicks << Action::PopUpMenu;
    QTest::newRow("single left press") << Reason::Trigger << Protocol::Clicks << Action::None;
    QTest::newRow("middle press") << Reason::MiddleClick << Protocol::Clicks << Action::None;
    QTest::newRow("unknown") << Reason::Unknown << Protocol::Clicks << Action::None;
    // The desktop-bus notifier never reports a double click: its activation
    // request stands for one.
    QTest::newRow("notifier: activation")
        << Reason::Trigger << Protocol::ActivationRequests << Action::Show;
    QTest::newRow("notifier: context menu")
        << Reason::Context << Protocol::ActivationRequests << Action::PopUpMenu;
    QTest::newRow("notifier: secondary activation")
        << Reason::MiddleClick << Protocol::ActivationRequests << Action::None;
}

void TestTray::codeTable()
{
    QFETCH(Reason, reason);
    QFETCH(Protocol, protocol);
    QFETCH(Action, action);
    QCOMPARE(NotificationIcon::actionFor(reason, protocol), action);
}

void TestTray::iconNotificationsThroughTheApplication_data()
{
    QTest::addColumn<Protocol>("protocol");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<bool>("shows");
    QTest::addColumn<bool>("popsUpMenu");

    QTest::newRow("double click") << Protocol::Clicks << Reason::DoubleClick << true << false;
    QTest::newRow("right press") << Protocol::Clicks << Reason::Context << false << true;
    QTest::newRow("single click") << Protocol::Clicks << Reason::Trigger << false << false;
    QTest::newRow("middle click") << Protocol::Clicks << Reason::MiddleClick << false << false;
    QTest::newRow("notifier activation")
        << Protocol::ActivationRequests << Reason::Trigger << true << false;
    QTest::newRow("notifier context menu")
        << Protocol::ActivationRequests << Reason::Context << false << true;
}

void TestTray::iconNotificationsThroughTheApplication()
{
    QFETCH(Protocol, protocol);
    QFETCH(Reason, reason);
    QFETCH(bool, shows);
    QFETCH(bool, popsUpMenu);

    FrmVorlane* w = started();
    QVERIFY(w);
    app_->notificationIcon()->setProtocolOverride(protocol);
    setArea(true);
    closeMainWindow();
    QVERIFY(w->isHidden());
    QMenu* menFile = app_->frmMenu()->menFile();

    notify(reason);
    QCOMPARE(w->isVisible(), shows);
    QCOMPARE(menFile->isVisible(), popsUpMenu);
    if (popsUpMenu)
        menFile->hide();
    QVERIFY(app_->frmMenu()->isHidden());
}

void TestTray::pointerMovingOverTheWindowDoesNothing()
{
    // A pointer movement over the window 515 or 516 pixels from its left
    // edge is only that, whatever buttons are held.
    FrmVorlane* w = started();
    QVERIFY(w);
    setArea(true);
    auto* toolbar = named<QToolBar>(w, u"Toolbar1"_s);
    toolbar->hide(); // Show would bring it back: the editor page is current
    QSignalSpy ended(app_.get(), &Application::programEnded);
    for (const int x : {515, 516}) {
        for (const Qt::MouseButtons buttons :
             {Qt::MouseButtons(Qt::NoButton), Qt::MouseButtons(Qt::LeftButton),
              Qt::MouseButtons(Qt::RightButton)}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, 300), w->mapToGlobal(QPointF(x, 300)),
                             Qt::NoButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(w, &move);
        }
        QTest::mouseMove(w, QPoint(x, 200));
    }
    QApplication::processEvents();
    QVERIFY(!app_->frmMenu()->menFile()->isVisible());
    QVERIFY(toolbar->isHidden());
    QCOMPARE(ended.count(), 0);
}

void TestTray::iconAddedWithTipAndWindowIcon()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    NotificationIcon* icon = app_->notificationIcon();
    QVERIFY(icon->isAdded());
    QSystemTrayIcon* tray = icon->trayIcon();
    QCOMPARE(tray->toolTip(), u"Tarnwell 1.2"_s);
    QCOMPARE(w->windowTitle(), u"Tarnwell 1.3"_s);
    // The window's own icon, at every size it comes in.
    for (const int size : {16, 32, 48})
        QVERIFY(sameImage(tray->icon().pixmap(size), w->windowIcon().pixmap(size)));
    // The menu is Qt's to pop up only through the program: no context menu
    // of the icon's own would pop up beside it.
    QVERIFY(!tray->contextMenu());
}

void TestTray::menuItemsCaptionsAndPictures()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    FrmMenu* frmMenu = app_->frmMenu();
    QCOMPARE(frmMenu->objectName(), u"frmMenu"_s);
    QCOMPARE(frmMenu->windowTitle(), u"Form1"_s);
    QCOMPARE(frmMenu->frame(), controls::FormWindow::Frame::Sizable);
    QCOMPARE(frmMenu->size(), QSize(4680 / 15, 3090 / 15));
    QVERIFY(frmMenu->isHidden());

    auto* menFile = named<QMenu>(frmMenu, u"menFile"_s);
    QCOMPARE(menFile->title(), u"File"_s);
    QCOMPARE(menFile->layoutDirection(), Qt::RightToLeft);
    const QList<QAction*> items = menFile->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), u"miView"_s);
    QCOMPARE(items[0]->text(), u"إظهار"_s);
    QCOMPARE(items[1]->objectName(), u"miLIne1"_s);
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->objectName(), u"miExit"_s);
    QCOMPARE(items[2]->text(), u"خروج"_s);

    // The pictures of the main window's hidden picture boxes, at their own
    // sizes, beside the first and the last item.
    const QPixmap note = named<controls::PictureBox>(w, u"picNote"_s)->picture();
    const QPixmap exit = named<controls::PictureBox>(w, u"picExit"_s)->picture();
    QCOMPARE(note.size(), QSize(16, 16));
    QCOMPARE(exit.size(), QSize(10, 10));
    QVERIFY(sameImage(items[0]->icon().pixmap(16), note));
    QCOMPARE(items[2]->icon().availableSizes(), QList<QSize>{QSize(10, 10)});
    QVERIFY(sameImage(items[2]->icon().pixmap(16), exit));
    QVERIFY(items[1]->icon().isNull());

    // The menu as it pops up: its three rows drawn, right to left.
    menFile->popup(QPoint(100, 100));
    QTRY_VERIFY(menFile->isVisible());
    const QRect view = menFile->actionGeometry(items[0]);
    const QRect separator = menFile->actionGeometry(items[1]);
    const QRect exitRow = menFile->actionGeometry(items[2]);
    QVERIFY(view.bottom() < separator.top() + 1 && separator.bottom() < exitRow.top() + 1);
    QVERIFY(separator.height() < view.height());
    menFile->hide();
}

void TestTray::setMenuItemPictureIgnoresErrors()
{
    controls::FormWindow bare(u"bare"_s, u"bare"_s, QSize(1500, 1500),
                              controls::FormWindow::Frame::Sizable, std::nullopt);
    QPixmap red(12, 12);
    red.fill(Qt::red);
    QPixmap blue(12, 12);
    blue.fill(Qt::blue);
    QVERIFY(!setMenuItemPicture(nullptr, 0, 0, red));
    QVERIFY(!setMenuItemPicture(&bare, 0, 0, red)); // no menu bar

    FrmMenu frmMenu;
    QMenu* menFile = frmMenu.menFile();
    QVERIFY(!setMenuItemPicture(&frmMenu, 1, 0, red));
    QVERIFY(!setMenuItemPicture(&frmMenu, -1, 0, red));
    QVERIFY(!setMenuItemPicture(&frmMenu, 0, 3, red));
    QVERIFY(!setMenuItemPicture(&frmMenu, 0, -1, red));
    for (QAction* item : menFile->actions())
        QVERIFY(item->icon().isNull());

    QVERIFY(setMenuItemPicture(&frmMenu, 0, 2, red, blue));
    const QIcon picture = frmMenu.miExit()->icon();
    QVERIFY(sameImage(picture.pixmap(QSize(12, 12), QIcon::Normal, QIcon::Off), red));
    QVERIFY(sameImage(picture.pixmap(QSize(12, 12), QIcon::Normal, QIcon::On), blue));
    // No picture takes the old one away.
    QVERIFY(setMenuItemPicture(&frmMenu, 0, 2, QPixmap()));
    QVERIFY(frmMenu.miExit()->icon().isNull());
}

void TestTray::showRestoresTheToolbarOnlyOnTheEditorPage_data()
{
    using Page = FrmVorlane::Page;
    QTest::addColumn<Page>("page");
    QTest::addColumn<bool>("throughMenu");
    for (const Page page : {Page::Editor, Page::Borders, Page::Names, Page::Links}) {
        QTest::addRow("page %d, menu", static_cast<int>(page)) << page << true;
        QTest::addRow("page %d, double click", static_cast<int>(page)) << page << false;
    }
}

void TestTray::showRestoresTheToolbarOnlyOnTheEditorPage()
{
    using Page = FrmVorlane::Page;
    QFETCH(Page, page);
    QFETCH(bool, throughMenu);
    FrmVorlane* w = started();
    QVERIFY(w);
    setArea(true);
    app_->notificationIcon()->setProtocolOverride(Protocol::Clicks);
    w->lblProgClick(page);
    auto* toolbar = named<QToolBar>(w, u"Toolbar1"_s);
    closeMainWindow();
    QVERIFY(w->isHidden());
    QVERIFY(toolbar->isHidden());

    if (throughMenu)
        app_->frmMenu()->miView()->trigger();
    else
        notify(Reason::DoubleClick);
    QVERIFY(w->isVisible());
    QCOMPARE(w->currentPage(), page);
    QCOMPARE(!toolbar->isHidden(), page == Page::Editor);
    QCOMPARE(w->editorPageShown(), page == Page::Editor);
    QCOMPARE(!named<QLineEdit>(w, u"txtCode"_s)->isHidden(), page == Page::Borders);
    for (int i = 0; i < FrmVorlane::kPageCount; ++i)
        QCOMPARE(named<QWidget>(w, u"picName(%1)"_s.arg(i))->isHidden(),
                 i != static_cast<int>(page));
}

void TestTray::showingAVisibleWindowChangesNothing()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    w->lblProgClick(FrmVorlane::Page::Links);
    app_->miViewClick();
    QVERIFY(w->isVisible());
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Links);
    QVERIFY(named<QToolBar>(w, u"Toolbar1"_s)->isHidden());

    // A minimised window comes back to the screen.
    w->showMinimized();
    app_->miViewClick();
    QVERIFY(!w->isMinimized());
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Links);
}

void TestTray::exitRemovesTheIconAndRunsNoCloseHandler()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    setArea(true);
    const QByteArray links = fixture_->read(u"zqLink/Links.dat"_s);
    const QByteArray borders = fixture_->read(u"Border/BordSite.dat"_s);
    CloseCounter closes;
    w->installEventFilter(&closes);
    QSignalSpy ended(app_.get(), &Application::programEnded);
    QSignalSpy shown(app_->notificationIcon(), &NotificationIcon::showRequested);

    // Chosen from the popped-up menu.
    app_->frmMenu()->popUpMenu(QPoint(50, 50));
    QTRY_VERIFY(app_->frmMenu()->menFile()->isVisible());
    app_->frmMenu()->miExit()->trigger();

    QCOMPARE(ended.count(), 1);
    QVERIFY(!app_->notificationIcon()->isAdded());
    QVERIFY(!app_->notificationIcon()->trayIcon()->isVisible());
    QCOMPARE(closes.closes, 0);
    QVERIFY(w->isHidden());
    QVERIFY(!app_->frmMenu()->menFile()->isVisible());
    QCOMPARE(fixture_->read(u"zqLink/Links.dat"_s), links);
    QCOMPARE(fixture_->read(u"Border/BordSite.dat"_s), borders);

    // The program is ending: the icon's last notifications do nothing.
    app_->miViewClick();
    QVERIFY(w->isHidden());
    app_->miExitClick();
    QCOMPARE(ended.count(), 1);
}

void TestTray::exitTabRemovesTheIcon()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    setArea(true);
    CloseCounter closes;
    w->installEventFilter(&closes);
    QSignalSpy ended(app_.get(), &Application::programEnded);
    QTest::mouseClick(named<QWidget>(w, u"lblProg(7)"_s), Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!app_->notificationIcon()->isAdded());
    QCOMPARE(closes.closes, 0);
}

void TestTray::notificationAreaComesAndGoes()
{
    FrmVorlane* w = started();
    QVERIFY(w);
    QSignalSpy ended(app_.get(), &Application::programEnded);
    QSignalSpy changes(app_->notificationIcon(), &NotificationIcon::areaAvailabilityChanged);
    QVERIFY(!w->notificationIconShown());

    // An area appears: closing the window now only hides it.
    setArea(true);
    QCOMPARE(changes.count(), 1);
    QVERIFY(w->notificationIconShown());
    w->lblProgClick(FrmVorlane::Page::Borders);
    closeMainWindow();
    QVERIFY(w->isHidden());
    QCOMPARE(ended.count(), 0);

    // Looking again finds nothing new.
    app_->notificationIcon()->checkArea();
    QCOMPARE(changes.count(), 1);

    // It goes away: the hidden window comes back with its page, since
    // nothing else could show it.
    setArea(false);
    QVERIFY(w->isVisible());
    QCOMPARE(w->currentPage(), FrmVorlane::Page::Borders);
    QVERIFY(named<QToolBar>(w, u"Toolbar1"_s)->isHidden());
    QVERIFY(!w->notificationIconShown());
    QVERIFY(app_->notificationIcon()->isAdded());

    // It comes and goes while the window is shown: the window stays as is.
    setArea(true);
    setArea(false);
    QVERIFY(w->isVisible());
    QCOMPARE(ended.count(), 0);

    // Without an area, closing ends the program.
    closeMainWindow();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!app_->notificationIcon()->isAdded());
}

void TestTray::iconDuringStartup()
{
    // The icon exists while the galleries load; a double click then does
    // not show the half-loaded window, and the menu's Show does nothing.
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    bool tried = false;
    bool shownEarly = true;
    QTimer::singleShot(0, app_.get(), [&] {
        tried = true;
        QVERIFY(app_->notificationIcon() && app_->notificationIcon()->isAdded());
        app_->notificationIcon()->setProtocolOverride(Protocol::Clicks);
        Q_EMIT app_->notificationIcon()->trayIcon()->activated(Reason::DoubleClick);
        app_->frmMenu()->miView()->trigger();
        shownEarly = app_->mainWindow()->isVisible();
    });
    QCOMPARE(app_->start(), Application::StartResult::Running);
    QVERIFY(tried);
    QVERIFY(!shownEarly);
    QVERIFY(app_->mainWindow()->isVisible());
}

void TestTray::exitDuringStartupEndsIt()
{
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    QSignalSpy ended(app_.get(), &Application::programEnded);
    QTimer::singleShot(0, app_.get(), [&] { app_->frmMenu()->miExit()->trigger(); });
    QCOMPARE(app_->start(), Application::StartResult::Ended);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!app_->mainWindow()->isVisible());
    QVERIFY(!app_->frmLoading());
    QVERIFY(!app_->notificationIcon()->isAdded());
    QVERIFY(prompts.messages.isEmpty());
}

void TestTray::manifestCheckRunsFirstWhereItIsInForce()
{
    // The check writes beside the running executable and into the working
    // folder: the working folder is a temporary one, and a manifest the test
    // writes beside the test program goes again.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    const QString manifest = QCoreApplication::applicationDirPath() + u'/' +
                             QFileInfo(QCoreApplication::applicationFilePath()).fileName() +
                             u".exe.manifest"_s;
    const bool hadManifest = QFileInfo::exists(manifest);
    auto restore = qScopeGuard([&] {
        QDir::setCurrent(before);
        if (!hadManifest)
            QFile::remove(manifest);
    });
    QFile::remove(manifest);
    RecordingPlatform platform;

    // Where an external manifest means nothing the check does not run.
    started();
    QVERIFY(app_->mainWindow());
    QVERIFY(!QFileInfo::exists(manifest));
    QVERIFY(platform.started.isEmpty());
    app_.reset();

    // First start where it is in force: the manifest and the restart script
    // are written and the new instance started before any window or icon.
    platform.manifestInForce = true;
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    QCOMPARE(app_->start(), Application::StartResult::Restarting);
    QVERIFY(QFileInfo::exists(manifest));
    QCOMPARE(platform.started.size(), 1);
    QVERIFY(platform.started.first().program.endsWith(u"tmp.bat"_s));
    QVERIFY(!app_->mainWindow());
    QVERIFY(!app_->notificationIcon());
    for (const QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(window->objectName() != u"frmMenu"_s);
    app_.reset();

    // The restarted instance finds the manifest, removes the script and
    // starts up with its icon.
    QVERIFY(started());
    QVERIFY(!QFileInfo::exists(work.filePath(u"tmp.bat"_s)));
    QCOMPARE(platform.started.size(), 1);
    QVERIFY(app_->notificationIcon()->isAdded());
}

QTEST_MAIN(TestTray)
#include "test_tray.moc"
