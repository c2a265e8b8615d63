// The gallery pages: which control lives in which container, the first
// element of each growing array, scroll steps and what starts hidden; the
// download gallery's frame and wheel, a long code shown from its start, and
// captions aligned to the side the windows give them.
#include "base/controls/imagebox.h"
#include "base/controls/shapes.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"
#include "base/sitestore.h"
#include "galleries/borderpage.h"
#include "galleries/linkpage.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestGalleries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void borderPage()
    {
        QWidget host;
        SiteStore sites{appfolder::AppFolder(QDir::tempPath())};
        BorderPage page(sites, &host);
        QCOMPARE(page.picMoveit()->parentWidget(), page.picture3());
        QCOMPARE(page.imgBord().size(), size_t(1));
        controls::ImageBox* first = page.imgBord().front();
        QCOMPARE(first->objectName(), u"imgBord(0)"_s);
        QCOMPARE(first->parentWidget(), page.picMoveit());
        QVERIFY(!first->stretch());
        QVERIFY(!first->toolTip().isEmpty());
        QCOMPARE(controls::twips(first), (tw::Rect{180, 300, 5895, 675}));
        QCOMPARE(page.scrollBar()->singleStep(), 200);
        QCOMPARE(page.scrollBar()->pageStep(), 200);

        QVERIFY(page.txtCode()->isHidden());
        QVERIFY(page.shpcode()->isHidden());
        QVERIFY(!page.label8()->isHidden());
        // The marker is invisible; its left edge is the gallery's centre line.
        QVERIFY(page.centreLine()->text().isEmpty());
        QCOMPARE(controls::twips(page.centreLine()).left, 3900);
    }

    void linkPage()
    {
        QWidget host;
        SiteStore sites{appfolder::AppFolder(QDir::tempPath())};
        LinkPage page(sites, &host);
        for (QWidget* w :
             std::initializer_list<QWidget*>{page.picCont(), page.vScroll1(), page.picText()})
            QCOMPARE(w->parentWidget(), page.picture1());
        QCOMPARE(page.dimg().size(), size_t(1));
        controls::ImageBox* first = page.dimg().front();
        QCOMPARE(first->objectName(), u"dimg(0)"_s);
        QCOMPARE(first->parentWidget(), page.picCont());
        QVERIFY(first->stretch());
        QCOMPARE(page.vScroll1()->pageStep(), 200);
        // The background bands are drawn behind the gallery panel.
        auto* shape7 = page.picture1()->findChild<controls::FrameShape*>(u"Shape7"_s);
        QVERIFY(shape7);
        QVERIFY(page.picture1()->children().indexOf(shape7) <
                page.picture1()->children().indexOf(page.picCont()));
        // Together they read as one rounded panel: its left and right edges
        // run straight past the joins of the bands (no corners poking out).
        const QImage drawn = page.picture1()->grab().toImage();
        const QRect panel = tw::toPixels(tw::Rect{60, 0, 6675, 4515});
        for (int y = panel.top() + 12; y < panel.bottom() - 12; ++y) {
            for (int x : {panel.left(), panel.right()}) {
                const QColor edge = drawn.pixelColor(x, y);
                QVERIFY2(edge.blue() > edge.red() + 40,
                         qPrintable(u"edge at %1,%2 is %3"_s.arg(x).arg(y).arg(edge.name())));
            }
        }

        for (QWidget* w :
             std::initializer_list<QWidget*>{page.txtdcode(), page.cmdHelp(), page.cmdOptions()})
            QCOMPARE(w->parentWidget(), page.picText());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(page.imgView(i)->parentWidget(), page.picText());
            QCOMPARE(page.imgView(i)->isHidden(), i == 0 || i == 3);
        }
        QCOMPARE(controls::twips(page.imgView(3)), (tw::Rect{420, 660, 375, 375}));
    }

    void linkGalleryKeepsItsFrameAndScrollsWithTheWheel()
    {
        QWidget host;
        SiteStore sites{appfolder::AppFolder(QDir::tempPath())};
        LinkPage page(sites, &host);
        controls::setTwips(&page, {0, 0, 7275, 6015});
        host.resize(page.size());
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        // The grown gallery, as start-up leaves it: far taller than the page.
        controls::setTwipsHeight(page.picCont(), 27455);
        page.vScroll1()->setMaximum(20615);

        // The bands' lower edge stays drawn under the gallery, at the start
        // and scrolled.
        const int edge = tw::toPixels(tw::Rect{60, 0, 6675, 4515}).bottom();
        auto edgeIsDrawn = [&] {
            const QImage drawn = page.picture1()->grab().toImage();
            for (int x = drawn.width() / 4; x < drawn.width() / 2; x += 7) {
                const QColor c = drawn.pixelColor(x, edge);
                if (!(c.blue() > c.red() + 40))
                    return false;
            }
            return true;
        };
        QVERIFY(edgeIsDrawn());

        // The wheel over a button of the gallery scrolls it, as over the bar:
        // delivered to the window, as the window system delivers a notch.
        controls::ImageBox* button = page.dimg().front();
        const QPoint at = button->mapTo(&host, button->rect().center());
        QWheelEvent down(QPointF(at), QPointF(host.mapToGlobal(at)), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&down);
        qApp->notify(host.windowHandle(), &down);
        QCoreApplication::processEvents();
        QVERIFY(page.vScroll1()->value() > 0);
        QVERIFY(controls::twips(page.picCont()).top < 0);
        QVERIFY(edgeIsDrawn());
        // The top edge of the bands is not covered by the scrolled gallery.
        const QColor top =
            page.picture1()->grab().toImage().pixelColor(page.picture1()->width() / 3, 0);
        QVERIFY2(top.blue() > top.red() + 40, qPrintable(top.name()));
    }

    void linkCodeShowsItsStart()
    {
        QWidget host;
        SiteStore sites{appfolder::AppFolder(QDir::tempPath())};
        LinkPage page(sites, &host);
        controls::setTwips(&page, {0, 0, 7275, 6015});
        host.resize(page.size());
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        const QString code = u"[ALIGN=CENTER][URL=http://www.example.org/"_s + QString(100, u'd') +
                             u".zip][IMG]http://links.example/Link12.gif[/IMG][/URL][/ALIGN]"_s;
        page.pasteCode(code);
        QLineEdit* box = page.txtdcode();
        QTRY_COMPARE(box->selectedText(), code);
        QTRY_COMPARE(box->cursorPosition(), 0);
    }

    void rightAlignedCaptionsStandAtTheRight()
    {
        // Arabic captions that the windows align right are drawn against
        // their right edge, not mirrored to the left.
        QWidget host;
        QLabel* label = makeup::label(&host, u"Label2"_s, {0, 0, 1800, 435},
                                      {u"الوضعية"_s, Qt::black, Qt::AlignRight | Qt::AlignTop},
                                      makeup::font(u"Tahoma"_s, 9.75, true));
        QLabel* left =
            makeup::label(&host, u"Label1"_s, {0, 600, 1800, 435}, {u"وصلة ويب"_s, Qt::black},
                          makeup::font(u"Tahoma"_s, 9.75, true));
        auto inkSpan = [](QLabel* l) {
            const QImage drawn = l->grab().toImage();
            int first = drawn.width();
            int last = -1;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    if (qGray(drawn.pixel(x, y)) < 128) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
                }
            }
            return std::pair{first, last};
        };
        const auto [rFirst, rLast] = inkSpan(label);
        QVERIFY(rLast >= 0);
        QVERIFY2(rFirst > label->width() / 2, qPrintable(QString::number(rFirst)));
        QVERIFY(rLast >= label->width() - 6);
        // A caption without an alignment of its own stands at the left.
        const auto [lFirst, lLast] = inkSpan(left);
        QVERIFY(lLast >= 0);
        QVERIFY(lFirst <= 4);
        QVERIFY2(lLast < left->width() / 2, qPrintable(QString::number(lLast)));
    }
};

QTEST_MAIN(TestGalleries)
#include "test_galleries.moc"
