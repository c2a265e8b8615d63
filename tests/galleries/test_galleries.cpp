// The gallery pages: which control lives in which container, the first
// element of each growing array, scroll steps and what starts hidden.
#include "borderpage.h"
#include "linkpage.h"
#include "sitestore.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

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
        QCOMPARE(page.vs()->singleStep(), 200);
        QCOMPARE(page.vs()->pageStep(), 200);

        QVERIFY(page.txtCode()->isHidden());
        QVERIFY(page.shpcode()->isHidden());
        QVERIFY(!page.label8()->isHidden());
        // The marker is invisible; its left edge is the gallery's centre line.
        QVERIFY(page.l()->text().isEmpty());
        QCOMPARE(controls::twips(page.l()).left, 3900);
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
};

QTEST_MAIN(TestGalleries)
#include "test_galleries.moc"
