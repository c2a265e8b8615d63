// The smilies picker and its preview: the smilies' names and addresses,
// the three grids without a cell covering another, a click that puts
// exactly one tag into txtWeb, missing pictures, hiding and showing again,
// minimised windows brought back, the preview beside a modal window, and
// the make-up of both windows.
#include "base/controls/imagebox.h"
#include "base/controls/twipgeometry.h"
#include "base/sites.h"
#include "galleries/frmsmile.h"
#include "galleries/frmview.h"
#include "galleries/frmviewborder.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/recordingplatform.h"

#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestSmilies : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void namesAndAddresses();
    void loadsOnFirstShowing();
    void noCellCoversAnother();
    void clickPutsOneTagIntoTxtWeb();
    void txtWebSelectsAll();
    void missingPictureStillClickable();
    void hideAndShowKeepTxtWeb();
    void animationsRunOnlyWhileVisible();
    void animationsShowEveryFrame();
    void previewClosesAndHandsFocusBack();
    void windowsMakeUp();
    void previewGoesWithThePicker();
    void previewCaptionShowsNothing();
    void minimisedWindowsComeBack();
    void previewStaysBelowAModalWindow();
    void previewKeptOutOfTheTaskbar();

private:
    std::unique_ptr<AppFolderFixture> folder_;
    std::unique_ptr<FrmView> view_;
    std::unique_ptr<FrmSmile> smile_;
};

void TestSmilies::init()
{
    folder_ = std::make_unique<AppFolderFixture>();
    QVERIFY(folder_->isValid());
    view_ = std::make_unique<FrmView>();
    smile_ = std::make_unique<FrmSmile>(appfolder::AppFolder(folder_->root()), *view_);
}

void TestSmilies::cleanup()
{
    smile_.reset();
    view_.reset();
    folder_.reset();
}

void TestSmilies::namesAndAddresses()
{
    QCOMPARE(appfolder::smileyName(1), u"001"_s);
    QCOMPARE(appfolder::smileyName(9), u"009"_s);
    QCOMPARE(appfolder::smileyName(10), u"010"_s);
    QCOMPARE(appfolder::smileyName(41), u"041"_s);
    smile_->show();
    const QString host = QString::fromLatin1(sites::kSmiliesHost);
    const QString local = QDir::toNativeSeparators(folder_->root()) + QDir::separator();
    struct Case {
        int grid, index;
        const char* name;
    };
    for (const Case& c :
         {Case{0, 0, "001"}, Case{1, 8, "009"}, Case{1, 9, "010"}, Case{2, 40, "041"}}) {
        const QString category = FrmSmile::category(c.grid);
        const QString name = QString::fromLatin1(c.name);
        QCOMPARE(smile_->cell(c.grid, c.index)->tag(),
                 local + QDir::toNativeSeparators(u"pics/"_s + category + u'/' + name + u".gif"_s) +
                     u"|http://"_s + host + u"/smiliespic/"_s + category + u'/' + name + u".gif"_s);
    }
    QCOMPARE(FrmSmile::category(0), u"happy"_s);
    QCOMPARE(FrmSmile::category(1), u"psmilie"_s);
    QCOMPARE(FrmSmile::category(2), u"crazy"_s);
    // Every cell carries its own tag; none is named 000.
    QSet<QString> tags;
    for (int g = 0; g < FrmSmile::kGrids; ++g)
        for (controls::ImageBox* cell : smile_->cells(g))
            tags.insert(cell->tag());
    QCOMPARE(tags.size(), 123);
    for (const QString& tag : tags)
        QVERIFY(!tag.contains(u"000.gif"_s));
}

void TestSmilies::loadsOnFirstShowing()
{
    QVERIFY(!smile_->isLoaded());
    QCOMPARE(smile_->cells(0).size(), size_t(1));
    QVERIFY(smile_->cell(0, 0)->tag().isEmpty());
    smile_->show();
    QVERIFY(smile_->isLoaded());
    for (int g = 0; g < FrmSmile::kGrids; ++g) {
        QCOMPARE(smile_->cells(g).size(), size_t(41));
        for (int i = 0; i < 41; ++i) {
            controls::ImageBox* cell = smile_->cell(g, i);
            QVERIFY(cell->isVisible());
            QCOMPARE(cell->objectName(),
                     (g == 0 ? u"AG"_s : u"AG"_s + QString::number(g)) + u"(%1)"_s.arg(i));
        }
    }
}

void TestSmilies::noCellCoversAnother()
{
    smile_->show();
    std::vector<QWidget*> cells;
    for (int g = 0; g < FrmSmile::kGrids; ++g) {
        const tw::Rect first = controls::twips(smile_->cell(g, 0));
        for (int i = 0; i < 41; ++i) {
            const tw::Rect r = controls::twips(smile_->cell(g, i));
            QCOMPARE(r.width, 555);
            QCOMPARE(r.height, 465);
            // Rows of ten, 50 twips apart, from element 0.
            QCOMPARE(r.left, first.left + (i % 10) * 605);
            QCOMPARE(r.top, first.top + (i / 10) * 515);
            cells.push_back(smile_->cell(g, i));
        }
    }
    QCOMPARE(controls::twips(smile_->cell(0, 0)), (tw::Rect{60, 360, 555, 465}));
    QCOMPARE(controls::twips(smile_->cell(1, 0)).left, 90);
    QCOMPARE(controls::twips(smile_->cell(2, 0)).left, 90);
    std::vector<QWidget*> others = {smile_->txtWeb(), smile_->label1(),
                                    named<QWidget>(smile_.get(), u"Shape1"_s)};
    for (size_t a = 0; a < cells.size(); ++a) {
        const QRect ra = tw::toPixels(controls::twips(cells[a]));
        QVERIFY(smile_->rect().contains(ra));
        const tw::Rect ta = controls::twips(cells[a]);
        for (size_t b = a + 1; b < cells.size(); ++b) {
            const tw::Rect tb = controls::twips(cells[b]);
            const bool apart = ta.left + ta.width <= tb.left || tb.left + tb.width <= ta.left ||
                               ta.top + ta.height <= tb.top || tb.top + tb.height <= ta.top;
            QVERIFY2(apart, qPrintable(cells[a]->objectName() + u" / "_s + cells[b]->objectName()));
        }
        for (QWidget* o : others)
            QVERIFY2(!ra.intersects(o->geometry()),
                     qPrintable(cells[a]->objectName() + u" / "_s + o->objectName()));
        // What the mouse finds at a cell's centre is the cell.
        QCOMPARE(smile_->childAt(ra.center()), cells[a]);
    }
}

void TestSmilies::clickPutsOneTagIntoTxtWeb()
{
    smile_->show();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    const QString host = QString::fromLatin1(sites::kSmiliesHost);
    QTest::mouseClick(smile_->cell(1, 9), Qt::LeftButton);
    QCOMPARE(smile_->txtWeb()->text(),
             u"[IMG]http://"_s + host + u"/smiliespic/psmilie/010.gif[/IMG]"_s);
    QVERIFY(view_->isVisible());
    QVERIFY(view_->agif()->pictureFile().endsWith(u"psmilie/010.gif"_s));
    QVERIFY(view_->agif()->isAnimating());
    QCOMPARE(view_->agif()->tag(), u"http://"_s + host + u"/smiliespic/psmilie/010.gif"_s);
    // On top of other windows.
    QVERIFY(view_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // A second click replaces the tag.
    QTest::mouseClick(smile_->cell(2, 40), Qt::LeftButton);
    QCOMPARE(smile_->txtWeb()->text(),
             u"[IMG]http://"_s + host + u"/smiliespic/crazy/041.gif[/IMG]"_s);
    QTest::mouseClick(smile_->cell(0, 0), Qt::LeftButton);
    QCOMPARE(smile_->txtWeb()->text(),
             u"[IMG]http://"_s + host + u"/smiliespic/happy/001.gif[/IMG]"_s);
}

void TestSmilies::txtWebSelectsAll()
{
    smile_->show();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    smile_->activateWindow();
    smile_->agClick(0, 3);
    const QString code = smile_->txtWeb()->text();
    smile_->txtWeb()->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(smile_->txtWeb()->selectedText(), code);
    smile_->txtWeb()->setSelection(2, 3);
    QTest::mouseClick(smile_->txtWeb(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(smile_->txtWeb()->selectedText(), code);
}

void TestSmilies::missingPictureStillClickable()
{
    QVERIFY(folder_->remove(u"pics/happy/005.gif"_s));
    QVERIFY(folder_->write(u"pics/crazy/007.gif"_s, "GIF89a cut short"));
    smile_->show();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    const QString host = QString::fromLatin1(sites::kSmiliesHost);
    for (const auto& [grid, index, address] :
         {std::tuple{0, 4, u"happy/005.gif"_s}, std::tuple{2, 6, u"crazy/007.gif"_s}}) {
        controls::ImageBox* cell = smile_->cell(grid, index);
        QVERIFY(cell->isVisible());
        QCOMPARE(smile_->childAt(cell->geometry().center()), cell);
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(smile_->txtWeb()->text(),
                 u"[IMG]http://"_s + host + u"/smiliespic/"_s + address + u"[/IMG]"_s);
        // The preview opens empty.
        QVERIFY(view_->isVisible());
        QCOMPARE(view_->agif()->frameCount(), 0);
    }
    // The cells after them are filled as usual.
    QCOMPARE(smile_->cell(0, 5)->tag().section(u'|', 1),
             u"http://"_s + host + u"/smiliespic/happy/006.gif"_s);
}

void TestSmilies::hideAndShowKeepTxtWeb()
{
    smile_->show();
    smile_->agClick(1, 0);
    const QString code = smile_->txtWeb()->text();
    controls::ImageBox* cell = smile_->cell(2, 17);
    QVERIFY(!smile_->close());
    QVERIFY(smile_->isHidden());
    smile_->show();
    QCOMPARE(smile_->txtWeb()->text(), code);
    QCOMPARE(smile_->cell(2, 17), cell);
    QCOMPARE(smile_->cells(2).size(), size_t(41));
}

void TestSmilies::animationsRunOnlyWhileVisible()
{
    smile_->show();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    // happy/001 is animated: its cell changes its picture while shown.
    controls::ImageBox* cell = smile_->cell(0, 0);
    QVERIFY(smile_->isAnimating());
    const qint64 first = cell->picture().cacheKey();
    QTRY_VERIFY(cell->picture().cacheKey() != first);
    smile_->close();
    QVERIFY(!smile_->isAnimating());
    smile_->show();
    QVERIFY(smile_->isAnimating());
    smile_->showMinimized();
    QTRY_VERIFY(!smile_->isAnimating());
    smile_->showNormal();
    QTRY_VERIFY(smile_->isAnimating());
}

void TestSmilies::animationsShowEveryFrame()
{
    smile_->show();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    // Every animated cell with two frames, and the one with the most: each
    // must come round to every frame of its file, the last one included.
    struct Watched {
        controls::ImageBox* cell;
        QList<QImage> frames;
        QList<bool> seen;
    };
    std::vector<Watched> watched;
    Watched most{nullptr, {}, {}};
    for (int g = 0; g < FrmSmile::kGrids; ++g) {
        for (controls::ImageBox* cell : smile_->cells(g)) {
            QImageReader reader(cell->tag().section(u'|', 0, 0));
            QList<QImage> frames;
            for (QImage frame; reader.read(&frame);)
                frames.append(QPixmap::fromImage(frame).toImage());
            const Watched w{cell, frames, QList<bool>(frames.size(), false)};
            if (frames.size() == 2)
                watched.push_back(w);
            else if (frames.size() > most.frames.size())
                most = w;
        }
    }
    QVERIFY(!watched.empty());
    QVERIFY(most.frames.size() > 2);
    watched.push_back(most);
    const auto allSeen = [&] {
        bool all = true;
        for (Watched& w : watched) {
            const QImage shown = w.cell->picture().toImage();
            for (qsizetype i = 0; i < w.frames.size(); ++i) {
                w.seen[i] = w.seen[i] || shown == w.frames[i];
                all = all && w.seen[i];
            }
        }
        return all;
    };
    QVERIFY(QTest::qWaitFor(
        [&] {
            QTest::qWait(5);
            return allSeen();
        },
        10000));
}

void TestSmilies::previewClosesAndHandsFocusBack()
{
    smile_->show();
    smile_->agClick(0, 1);
    QVERIFY(view_->isVisible());
    QSignalSpy closed(view_.get(), &FrmView::closedByUser);
    // The close box only hides the preview.
    QVERIFY(!view_->close());
    QVERIFY(view_->isHidden());
    QVERIFY(!view_->agif()->isAnimating());
    QCOMPARE(closed.size(), 1);
    QTRY_VERIFY(smile_->isActiveWindow());
    // A click on the picture closes it too.
    smile_->agClick(0, 2);
    QVERIFY(view_->isVisible());
    QTest::mouseClick(view_->agif(), Qt::LeftButton);
    QVERIFY(view_->isHidden());
    QCOMPARE(closed.size(), 2);
    QCOMPARE(smile_->txtWeb()->text().count(u"[IMG]"_s), 1);
}

void TestSmilies::windowsMakeUp()
{
    QCOMPARE(smile_->windowTitle(), u"Smilies"_s);
    // 6480 twips wide; taller than 8265 twips since the grids were moved
    // apart.
    QCOMPARE(smile_->width(), 432);
    QCOMPARE(smile_->height(), 610);
    const Qt::WindowFlags flags = smile_->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::Tool));
    QVERIFY(!smile_->windowIcon().isNull());
    smile_->show();
    QCOMPARE(smile_->geometry().topLeft(), QPoint(292, 55)); // 4380, 825 twips
    QCOMPARE(smile_->label1()->text(), u"لمزيد من الإبتسامات إضغط هنا"_s);
    // The controls under the grids keep their places relative to each other.
    QCOMPARE(controls::twips(smile_->txtWeb()).top -
                 controls::twips(named<QWidget>(smile_.get(), u"Shape1"_s)).top,
             60);
    QCOMPARE(controls::twips(smile_->label1()).top - controls::twips(smile_->txtWeb()).top, 540);

    QVERIFY(view_->windowTitle().trimmed().isEmpty());
    QCOMPARE(view_->size(), QSize(120, 91)); // 1800 x 1365 twips
    QVERIFY(view_->windowFlags().testFlag(Qt::Tool));
    QVERIFY(!view_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(controls::twips(view_->agif()), (tw::Rect{60, 60, 1695, 1275}));
    view_->show();
    QCOMPARE(view_->geometry().topLeft(), QPoint(488, 360)); // 7320, 5400 twips
}

void TestSmilies::previewGoesWithThePicker()
{
    smile_->show();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    smile_->agClick(1, 3);
    QVERIFY(view_->isVisible());
    // Closing the picker (it only hides) takes the preview along: nothing
    // of the picker is left on top of the other windows.
    QVERIFY(!smile_->close());
    QVERIFY(smile_->isHidden());
    QVERIFY(view_->isHidden());
    QVERIFY(!view_->agif()->isAnimating());
    // Shown again, the picker comes alone; the next click brings the
    // preview back.
    smile_->show();
    QVERIFY(view_->isHidden());
    smile_->agClick(1, 4);
    QVERIFY(view_->isVisible());
}

void TestSmilies::previewCaptionShowsNothing()
{
    // Empty, not a blank: the platform keeps the window system's caption
    // empty too instead of the program's name.
    QVERIFY(view_->windowTitle().isEmpty());
}

void TestSmilies::minimisedWindowsComeBack()
{
    // Choosing the smilies tab again brings the minimised picker back.
    smile_->showInFront();
    QVERIFY(QTest::qWaitForWindowExposed(smile_.get()));
    smile_->showMinimized();
    QTRY_VERIFY(!smile_->isAnimating());
    smile_->showInFront();
    QVERIFY(!smile_->isMinimized());
    QVERIFY(smile_->isVisible());
    QTRY_VERIFY(smile_->isAnimating());

    // A new smiley brings the minimised preview back.
    smile_->agClick(0, 1);
    QVERIFY(view_->isVisible());
    view_->showMinimized();
    QTRY_VERIFY(view_->isMinimized());
    smile_->agClick(0, 2);
    QVERIFY(!view_->isMinimized());
    QVERIFY(view_->isVisible());
    QVERIFY(view_->agif()->pictureFile().endsWith(u"happy/003.gif"_s));
}

void TestSmilies::previewStaysBelowAModalWindow()
{
    smile_->show();
    smile_->agClick(1, 2);
    QVERIFY(view_->isVisible());
    QVERIFY(view_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The border viewer, modal, over the preview: the preview no longer
    // keeps itself above the other windows, so the viewer's boxes are not
    // covered, and it is not built anew (hidden and shown) for that.
    auto* viewer = new FrmViewBorder;
    bool onTopMeanwhile = true;
    bool shownMeanwhile = false;
    QTimer::singleShot(0, viewer, [&] {
        onTopMeanwhile = view_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        shownMeanwhile = view_->isVisible();
        viewer->cmdHide()->click();
    });
    QSignalSpy previewHidden(view_.get(), &FrmView::closedByUser);
    viewer->showModal();
    QVERIFY(!onTopMeanwhile);
    QVERIFY(shownMeanwhile);
    QCOMPARE(previewHidden.size(), 0);
    // Once the modal window is gone, the preview is on top again.
    QTRY_VERIFY(view_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(view_->isVisible());
    delete viewer;
}

void TestSmilies::previewKeptOutOfTheTaskbar()
{
    RecordingPlatform platform;
    smile_->show();
    QVERIFY(platform.toolWindows.isEmpty()); // the picker has its taskbar entry
    smile_->agClick(0, 5);
    QCOMPARE(platform.toolWindows.size(), 1);
    QCOMPARE(platform.toolWindows[0].data(), static_cast<QWidget*>(view_.get()));
    // The window manager forgets a hidden window's states: each showing
    // says it again.
    QVERIFY(!view_->close());
    smile_->agClick(0, 6);
    QCOMPARE(platform.toolWindows.size(), 2);
    QCOMPARE(platform.toolWindows[1].data(), static_cast<QWidget*>(view_.get()));
}

QTEST_MAIN(TestSmilies)
#include "test_smilies.moc"
