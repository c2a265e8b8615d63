// The border page as a forum member uses it: the codes a click gives, the
// viewer a right click opens, the administrative site command, scrolling
// the list, the "more" link; and the viewer window itself.
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/twipgeometry.h"
#include "base/picture.h"
#include "base/sites.h"
#include "base/sitestore.h"
#include "base/weblink.h"
#include "galleries/borderpage.h"
#include "galleries/frmviewborder.h"
#include "galleries/galleryprogress.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/recordingplatform.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <set>

using namespace Qt::StringLiterals;
using controls::ImageBox;
using controls::twips;

namespace {

class NoProgress : public GalleryProgress {
public:
    void start(int) override {}
    void loaded(const QString&, int) override {}
};

// What the viewer showed while it was up.
struct ViewerSeen {
    bool shown = false;
    bool modal = false;
    QString webCode;
    QString forumCode;
    QString pictureFile;
    int frames = 0;
    bool animating = false;
};

} // namespace

class TestBorders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void leftClickGivesTheCentredCode_data();
    void leftClickGivesTheCentredCode();
    void rightClickOpensTheViewer();
    void viewerOpensWithItsTextsWithoutAPicture();
    void viewerIsHiddenByOkAndDiscardedByItsCloseBox();
    void otherButtonsAndReleasesCount();
    void codeBoxSelectsAll();

    void adminCommandStopsOnEmptyOrWrongPassword();
    void adminCommandCancelledSitePromptWritesNothing();
    void adminCommandSavesTheSite();
    void adminCommandFailedSaveChangesNothing_data();
    void adminCommandFailedSaveChangesNothing();

    void scrollPositions();
    void everyBorderCanBeSeenWhole();

    void label8OpensTheHomePage();

private:
    // A started border page against the fixture, with the given site.
    void startPage(const QString& site);
    ImageBox* bord(int i) const { return page_->imgBord().at(static_cast<size_t>(i)); }
    // Right-clicks border i and records what the modal viewer shows, then
    // dismisses it with closeBox (discard) or cmdHide (hide).
    ViewerSeen rightClick(int i, bool closeBox = false);
    // Whether border i lies wholly inside the gallery window now.
    bool wholeInView(int i) const;

    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<SiteStore> sites_;
    std::unique_ptr<QWidget> host_;
    BorderPage* page_ = nullptr;
};

void TestBorders::init()
{
    fixture_ = std::make_unique<AppFolderFixture>();
    if (!fixture_->isValid())
        QFAIL("no delivered pictures to copy: TARNWELL_BIN_DIR must point to the built bin folder");
    sites_ = std::make_unique<SiteStore>(appfolder::AppFolder(fixture_->root()));
    QVERIFY(!sites_->load());
}

void TestBorders::cleanup()
{
    host_.reset();
    page_ = nullptr;
    sites_.reset();
    fixture_.reset();
}

void TestBorders::startPage(const QString& site)
{
    host_ = std::make_unique<QWidget>();
    host_->resize(500, 460);
    page_ = new BorderPage(*sites_, host_.get());
    controls::setTwips(page_, {120, 400, 7155, 6315});
    NoProgress progress;
    QVERIFY(!page_->loadGallery(appfolder::AppFolder(fixture_->root()), site, progress));
    page_->forceMiddle();
    page_->txtCode()->show();
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
}

ViewerSeen TestBorders::rightClick(int i, bool closeBox)
{
    ViewerSeen seen;
    // Runs inside the viewer's modal showing.
    QTimer::singleShot(0, this, [&] {
        FrmViewBorder* viewer = page_->viewer();
        if (!viewer)
            return;
        seen.shown = viewer->isVisible();
        seen.modal = viewer->isModal();
        seen.webCode = viewer->txtWebCode()->text();
        seen.forumCode = viewer->txtForumCode()->text();
        seen.pictureFile = viewer->borderPicture()->pictureFile();
        seen.frames = viewer->borderPicture()->frameCount();
        seen.animating = viewer->borderPicture()->isAnimating();
        if (closeBox)
            viewer->close();
        else
            QTest::mouseClick(viewer->cmdHide(), Qt::LeftButton);
    });
    QTest::mouseClick(bord(i), Qt::RightButton);
    return seen;
}

bool TestBorders::wholeInView(int i) const
{
    const int top = twips(page_->picMoveit()).top + twips(bord(i)).top;
    return top >= 0 && top + twips(bord(i)).height <= twips(page_->picture3()).height;
}

// ------------------------------------------------------------ the codes

void TestBorders::leftClickGivesTheCentredCode_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("code");

    QTest::newRow("site with /") << u"http://b.example/zqborders/"_s << 7
                                 << u"[ALIGN=CENTER][IMG]http://b.example/zqborders/b7.gif[/IMG]"
                                    "[/ALIGN]"_s;
    QTest::newRow("site without / is glued on")
        << u"http://b.example/borders"_s << 7
        << u"[ALIGN=CENTER][IMG]http://b.example/bordersb7.gif[/IMG][/ALIGN]"_s;
    QTest::newRow("empty site") << QString() << 7 << u"[ALIGN=CENTER][IMG]b7.gif[/IMG][/ALIGN]"_s;
    QTest::newRow("first") << u"S/"_s << 0 << u"[ALIGN=CENTER][IMG]S/b0.gif[/IMG][/ALIGN]"_s;
    QTest::newRow("last border") << u"S/"_s << 59
                                 << u"[ALIGN=CENTER][IMG]S/b59.gif[/IMG][/ALIGN]"_s;
    QTest::newRow("end element has no address")
        << u"S/"_s << 60 << u"[ALIGN=CENTER][IMG][/IMG][/ALIGN]"_s;
}

void TestBorders::leftClickGivesTheCentredCode()
{
    QFETCH(QString, site);
    QFETCH(int, index);
    QFETCH(QString, code);
    startPage(site);
    page_->scrollBar()->setValue(index < 30 ? 0 : page_->scrollBar()->maximum());
    QTest::mouseClick(bord(index), Qt::LeftButton);
    QCOMPARE(page_->txtCode()->text(), code);
    // A code longer than the box shows its beginning.
    QCOMPARE(page_->txtCode()->cursorPosition(), 0);
    // A left click never opens the viewer.
    QVERIFY(!page_->viewer());
}

void TestBorders::rightClickOpensTheViewer()
{
    startPage(u"http://b.example/zqborders/"_s);
    page_->txtCode()->setText(u"before"_s);
    const ViewerSeen seen = rightClick(7);
    QVERIFY(seen.shown);
    QVERIFY(seen.modal);
    QCOMPARE(seen.webCode, u"http://b.example/zqborders/b7.gif"_s);
    QCOMPARE(seen.forumCode, u"[IMG]http://b.example/zqborders/b7.gif[/IMG]"_s);
    // The local copy is played, not the web one.
    QCOMPARE(QFileInfo(seen.pictureFile).absoluteFilePath(),
             QFileInfo(fixture_->file(u"Border/b7.gif"_s)).absoluteFilePath());
    QVERIFY(seen.frames >= 1);
    QCOMPARE(page_->txtCode()->text(), u"before"_s);

    // A site without "/" still plays the border's own local file.
    startPage(u"http://b.example/borders"_s);
    const ViewerSeen glued = rightClick(12);
    QCOMPARE(glued.webCode, u"http://b.example/bordersb12.gif"_s);
    QCOMPARE(glued.forumCode, u"[IMG]http://b.example/bordersb12.gif[/IMG]"_s);
    QVERIFY(glued.pictureFile.endsWith(u"b12.gif"_s));
    QVERIFY(glued.frames >= 1);

    QCOMPARE(borders::fileName(u"http://b.example/zq/b7.gif"_s), u"b7.gif"_s);
    QCOMPARE(borders::fileName(u"b7.gif"_s), u"b7.gif"_s);
    QCOMPARE(borders::fileName(QString()), QString());
}

void TestBorders::viewerOpensWithItsTextsWithoutAPicture()
{
    startPage(u"http://b.example/zq/"_s);
    // The file went away after start-up, or was never a picture.
    QVERIFY(fixture_->remove(u"Border/b3.gif"_s));
    QVERIFY(fixture_->write(u"Border/b4.gif"_s, "not a picture"));
    for (int i : {3, 4}) {
        const ViewerSeen seen = rightClick(i);
        QVERIFY(seen.shown);
        QCOMPARE(seen.webCode, u"http://b.example/zq/b%1.gif"_s.arg(i));
        QCOMPARE(seen.forumCode, u"[IMG]http://b.example/zq/b%1.gif[/IMG]"_s.arg(i));
        QCOMPARE(seen.frames, 0);
        QVERIFY(!page_->viewer()->borderPicture()->isAnimating());
    }
    // The end element has neither picture nor address.
    page_->scrollBar()->setValue(page_->scrollBar()->maximum());
    const ViewerSeen end = rightClick(60);
    QVERIFY(end.shown);
    QCOMPARE(end.webCode, QString());
    QCOMPARE(end.forumCode, u"[IMG][/IMG]"_s);
    QCOMPARE(end.frames, 0);
    // A good picture after a failed one plays again in the same viewer.
    const ViewerSeen good = rightClick(5);
    QVERIFY(good.frames >= 1);
}

void TestBorders::viewerIsHiddenByOkAndDiscardedByItsCloseBox()
{
    startPage(u"S/"_s);
    // An animated border plays while the viewer is up and stops with it.
    int animated = -1;
    for (int i = 0; i < 60 && animated < 0; ++i) {
        const auto checked = picture::check(fixture_->file(u"Border/b%1.gif"_s.arg(i)));
        if (checked.ok() && checked.value().frames > 1)
            animated = i;
    }
    QVERIFY(animated >= 0);
    const ViewerSeen playing = rightClick(animated);
    QVERIFY(playing.shown);
    QVERIFY(playing.frames > 1);
    QVERIFY(playing.animating);
    QPointer<FrmViewBorder> first = page_->viewer();
    QVERIFY(first);
    QVERIFY(first->isHidden());
    QVERIFY(!first->borderPicture()->isAnimating());
    // OK only hid it: the next right click shows the same window.
    QVERIFY(rightClick(2).shown);
    QCOMPARE(page_->viewer(), first.data());

    // The close box discards it; the next right click makes a new one.
    QVERIFY(rightClick(3, true).shown);
    QTRY_VERIFY(!first);
    QVERIFY(!page_->viewer());
    const ViewerSeen again = rightClick(4);
    QVERIFY(again.shown);
    QCOMPARE(again.webCode, u"S/b4.gif"_s);
    QVERIFY(page_->viewer());

    // Escape works like OK.
    QTimer::singleShot(0, this, [this] {
        if (FrmViewBorder* v = page_->viewer())
            QTest::keyClick(v, Qt::Key_Escape);
    });
    QTest::mouseClick(bord(5), Qt::RightButton);
    QVERIFY(page_->viewer() && page_->viewer()->isHidden());
}

void TestBorders::otherButtonsAndReleasesCount()
{
    startPage(u"S/"_s);
    page_->txtCode()->setText(u"before"_s);
    QTest::mouseClick(bord(7), Qt::MiddleButton);
    QCOMPARE(page_->txtCode()->text(), u"before"_s);
    QVERIFY(!page_->viewer());

    // Only the button released counts: pressed right, released left.
    QTest::mousePress(bord(7), Qt::RightButton);
    QTest::mouseRelease(bord(7), Qt::LeftButton);
    QCOMPARE(page_->txtCode()->text(), u"[ALIGN=CENTER][IMG]S/b7.gif[/IMG][/ALIGN]"_s);
    QVERIFY(!page_->viewer());
    // A press alone does nothing.
    page_->txtCode()->setText(u"before"_s);
    QTest::mousePress(bord(8), Qt::LeftButton);
    QCOMPARE(page_->txtCode()->text(), u"before"_s);
    QTest::mouseRelease(bord(8), Qt::LeftButton);
    QCOMPARE(page_->txtCode()->text(), u"[ALIGN=CENTER][IMG]S/b8.gif[/IMG][/ALIGN]"_s);
}

void TestBorders::codeBoxSelectsAll()
{
    startPage(u"S/"_s);
    QTest::mouseClick(bord(9), Qt::LeftButton);
    QLineEdit* box = page_->txtCode();
    box->deselect();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(box->selectedText(), u"[ALIGN=CENTER][IMG]S/b9.gif[/IMG][/ALIGN]"_s);
}

// --------------------------------------------------- the admin command

void TestBorders::adminCommandStopsOnEmptyOrWrongPassword()
{
    startPage(u"S/"_s);
    const QByteArray before = fixture_->read(u"Border/BordSite.dat"_s);
    const QString site = sites_->borderSite();
    {
        PromptRecorder prompts; // Cancel
        page_->lllClick();
        QCOMPARE(prompts.inputs.size(), 1);
        QCOMPARE(prompts.inputs[0].prompt, u"Password?"_s);
        QCOMPARE(prompts.inputs[0].title, u"Prompt"_s);
        QCOMPARE(prompts.inputs[0].defaultText, QString());
        QVERIFY(prompts.messages.isEmpty());
    }
    for (const QString& wrong : {u"8053"_s, u"8052 "_s, u" 8052"_s, u"80521"_s}) {
        PromptRecorder prompts;
        prompts.answers = {wrong, u"http://never.example/"_s};
        page_->lllClick();
        QCOMPARE(prompts.inputs.size(), 1);
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages[0].text, u"Access Denied!"_s);
        QCOMPARE(prompts.messages[0].icon, prompt::Icon::Critical);
        QCOMPARE(prompts.messages[0].title, prompt::appTitle());
    }
    QCOMPARE(fixture_->read(u"Border/BordSite.dat"_s), before);
    QCOMPARE(sites_->borderSite(), site);
}

void TestBorders::adminCommandCancelledSitePromptWritesNothing()
{
    startPage(u"S/"_s);
    const QByteArray before = fixture_->read(u"Border/BordSite.dat"_s);
    PromptRecorder prompts;
    prompts.answers = {u"8052"_s};
    page_->lllClick();
    QCOMPARE(prompts.inputs.size(), 2);
    QCOMPARE(prompts.inputs[1].prompt, u"Input the Site of the borders to save:"_s);
    QCOMPARE(prompts.inputs[1].title, prompt::appTitle());
    QCOMPARE(prompts.inputs[1].defaultText, QString::fromLatin1(sites::kDefaultBorderSite));
    QVERIFY(prompts.inputs[1].defaultText.endsWith(u"/zqborders/"_s));
    QVERIFY(prompts.messages.isEmpty());
    QCOMPARE(fixture_->read(u"Border/BordSite.dat"_s), before);
}

void TestBorders::adminCommandSavesTheSite()
{
    startPage(u"http://old.example/zq/"_s);
    PromptRecorder prompts;
    prompts.answers = {u"8052"_s, u"http://new.example/zqborders/"_s};
    page_->lllClick();
    QCOMPARE(fixture_->read(u"Border/BordSite.dat"_s), "http://new.example/zqborders/\r\n");
    QCOMPARE(sites_->borderSite(), u"http://new.example/zqborders/"_s);
    QCOMPARE(prompts.messages.size(), 1);
    const prompt::Message& m = prompts.messages[0];
    QCOMPARE(m.text, u"Successfully updated!\nNow you must upload all the files located on the "
                     "folder (Border) to the site \nhttp://new.example/zqborders/"_s);
    QCOMPARE(m.text.split(u'\n').last(), u"http://new.example/zqborders/"_s);
    QCOMPARE(m.icon, prompt::Icon::Information);
    QCOMPARE(m.title, prompt::appTitle());

    // The addresses built at start-up keep the old site until the next start.
    QTest::mouseClick(bord(7), Qt::LeftButton);
    QCOMPARE(page_->txtCode()->text(),
             u"[ALIGN=CENTER][IMG]http://old.example/zq/b7.gif[/IMG][/ALIGN]"_s);
    // And the new site is what the next start reads.
    SiteStore reread{appfolder::AppFolder(fixture_->root())};
    QVERIFY(!reread.load());
    QCOMPARE(reread.borderSite(), u"http://new.example/zqborders/"_s);
}

void TestBorders::adminCommandFailedSaveChangesNothing_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::newRow("BordSite.dat is a folder") << true;
    QTest::newRow("Border folder is gone") << false;
}

void TestBorders::adminCommandFailedSaveChangesNothing()
{
    QFETCH(bool, folderInPlace);
    startPage(u"S/"_s);
    const QString site = sites_->borderSite();
    const QString file = fixture_->file(u"Border/BordSite.dat"_s);
    if (folderInPlace) {
        QVERIFY(fixture_->remove(u"Border/BordSite.dat"_s));
        QVERIFY(QDir().mkpath(file));
    } else {
        QVERIFY(fixture_->remove(u"Border/"_s));
    }

    PromptRecorder prompts;
    prompts.answers = {u"8052"_s, u"http://new.example/zqborders/"_s};
    page_->lllClick();
    QCOMPARE(prompts.messages.size(), 1);
    const prompt::Message& m = prompts.messages[0];
    QVERIFY2(m.text.contains(QDir::toNativeSeparators(file)), qPrintable(m.text));
    QVERIFY2(!m.text.contains(u"Successfully"_s), qPrintable(m.text));
    QVERIFY(m.text.contains(u"has not been changed"_s));
    QCOMPARE(m.icon, prompt::Icon::Critical);
    if (folderInPlace)
        QVERIFY2(m.text.contains(u"It is a folder"_s), qPrintable(m.text));
    else
        // The system's reason follows the file's name.
        QVERIFY2(m.text.section(u'\n', 1, 1).trimmed().size() > 3, qPrintable(m.text));

    QCOMPARE(sites_->borderSite(), site);
    QCOMPARE(QFileInfo(file).isDir(), folderInPlace);
    QCOMPARE(QFileInfo::exists(fixture_->file(u"Border"_s)), folderInPlace);
}

// ------------------------------------------------------------ scrolling

void TestBorders::scrollPositions()
{
    startPage(u"S/"_s);
    QScrollBar* vs = page_->scrollBar();
    QWidget* panel = page_->picMoveit();
    const int endTop = twips(bord(60)).top;
    const int view = twips(page_->picture3()).height;
    QCOMPARE(view, 4995);
    QCOMPARE(page_->borderGalleryTop(), 120);
    QCOMPARE(vs->value(), 0);
    QCOMPARE(twips(panel).top, 120);

    // One unit is 8 twips from the start-up place, without a jump.
    vs->setValue(1);
    QCOMPARE(twips(panel).top, 112);
    vs->setValue(2);
    QCOMPARE(twips(panel).top, 104);
    vs->setValue(0);
    QCOMPARE(twips(panel).top, 120);

    // At the maximum the end element has reached the window's bottom and
    // the last border is whole above it; one unit less and it was not yet.
    vs->setValue(vs->maximum());
    const int endAtMax = twips(panel).top + endTop;
    QVERIFY2(endAtMax <= view && endAtMax > view - 8, qPrintable(QString::number(endAtMax)));
    QVERIFY(wholeInView(59));
    vs->setValue(vs->maximum() - 1);
    QVERIFY(twips(panel).top + endTop > view);

    // The panel covers the window at every position.
    QVERIFY(twips(panel).top + twips(panel).height >= view);
}

void TestBorders::everyBorderCanBeSeenWhole()
{
    startPage(u"S/"_s);

    QScrollBar* vs = page_->scrollBar();

    // Collects the borders wholly visible at each position an action reaches,
    // starting from position 0.
    auto sweep = [&](const std::function<void()>& step) {
        std::set<int> seen;
        vs->setValue(0);
        for (int guard = 0; guard < 100000; ++guard) {
            for (int i = 0; i < 60; ++i)
                if (wholeInView(i))
                    seen.insert(i);
            const int before = vs->value();
            step();
            if (vs->value() == before)
                break;
        }
        return seen;
    };
    auto complete = [](const std::set<int>& seen) {
        QStringList missing;
        for (int i = 0; i < 60; ++i)
            if (!seen.count(i))
                missing << QString::number(i);
        return missing.join(u' ');
    };

    const std::set<int> arrows =
        sweep([&] { vs->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
    QVERIFY2(complete(arrows).isEmpty(), qPrintable(complete(arrows)));
    const std::set<int> pages =
        sweep([&] { vs->triggerAction(QAbstractSlider::SliderPageStepAdd); });
    QVERIFY2(complete(pages).isEmpty(), qPrintable(complete(pages)));

    // The wheel, over the scroll bar and over whatever border is in the
    // middle of the gallery window (the page passes it on to vs).
    for (const bool overBar : {true, false}) {
        const std::set<int> wheel = sweep([&] {
            QWidget* over = overBar ? static_cast<QWidget*>(vs) : page_->picture3();
            const QPoint at = over->mapTo(host_.get(), over->rect().center());
            // To the window, as the window system delivers a mouse wheel's
            // notch: the window passes it to the control under the mouse.
            QWheelEvent event(QPointF(at), QPointF(host_->mapToGlobal(at)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            // (sendEvent would mark it as the program's own).
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(host_->windowHandle(), &event);
            QCoreApplication::processEvents();
        });
        QVERIFY2(complete(wheel).isEmpty(),
                 qPrintable(u"over bar %1: "_s.arg(overBar) + complete(wheel)));
    }

    // Dragging the thumb passes through every position.
    const std::set<int> drag = sweep([&] { vs->setSliderPosition(vs->sliderPosition() + 1); });
    QVERIFY2(complete(drag).isEmpty(), qPrintable(complete(drag)));
}

// ------------------------------------------------------------- the link

void TestBorders::label8OpensTheHomePage()
{
    startPage(u"S/"_s);
    RecordingPlatform platform;
    PromptRecorder prompts;
    controls::ClickLabel* label8 = page_->label8();
    QCOMPARE(label8->text(), u"لمزيد من الفواصل والزخارف إضغط هنا"_s);
    QVERIFY(label8->alignment() & Qt::AlignHCenter);
    QVERIFY(!label8->autoFillBackground());
    QCOMPARE(label8->borderStyle(), 0);

    // The frame shows while the button is held; the click opens once.
    QTest::mousePress(label8, Qt::LeftButton);
    QCOMPARE(label8->borderStyle(), 1);
    QVERIFY(platform.opened.isEmpty());
    QTest::mouseRelease(label8, Qt::LeftButton);
    QCOMPARE(label8->borderStyle(), 0);
    QCOMPARE(platform.opened.size(), 1);
    QCOMPARE(platform.opened[0].address, weblink::homePage());
    QVERIFY(weblink::homePage().endsWith(u"/"_s));
    QVERIFY(prompts.messages.isEmpty());

    // Released away from the label: the frame goes, nothing opens.
    QTest::mousePress(label8, Qt::LeftButton);
    QTest::mouseRelease(label8, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(label8->borderStyle(), 0);
    QCOMPARE(platform.opened.size(), 1);
}

QTEST_MAIN(TestBorders)
#include "test_borders.moc"
