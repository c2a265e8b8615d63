// The gallery pages: which control lives in which container, the first
// element of each growing array, scroll steps and what starts hidden.
#include "borderpage.h"
#include "linkpage.h"
#include "makeup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
tw::Rect at(const QWidget* w) { return controls::twips(w); }
}

class TestGalleries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { host_ = std::make_unique<QWidget>(); }
    void cleanup() { host_.reset(); }

    void borderGallery()
    {
        BorderPage page(host_.get());
        QCOMPARE(page.picMoveit()->parentWidget(), page.picture3());
        QCOMPARE(at(page.picMoveit()), (tw::Rect{60, 120, 6495, 5295}));

        QCOMPARE(page.imgBord().size(), size_t(1));
        controls::ImageBox* first = page.imgBord().front();
        QCOMPARE(first->objectName(), u"imgBord(0)"_s);
        QCOMPARE(first->parentWidget(), page.picMoveit());
        QVERIFY(!first->stretch());
        QVERIFY(!first->hasPicture());
        QVERIFY(!first->toolTip().isEmpty());
        QCOMPARE(at(first), (tw::Rect{180, 300, 5895, 675}));

        QCOMPARE(page.vs()->singleStep(), 200);
        QCOMPARE(page.vs()->pageStep(), 200);
        QCOMPARE(at(page.vs()), (tw::Rect{6660, 120, 375, 5115}));
    }

    void borderCodeBox()
    {
        BorderPage page(host_.get());
        QVERIFY(page.txtCode()->isHidden());
        QVERIFY(page.shpcode()->isHidden());
        QVERIFY(!page.label8()->isHidden());
        QVERIFY(page.label8()->alignment() & Qt::AlignHCenter);
        QVERIFY(page.txtCode()->font().bold());
        // The marker is invisible but its left edge is the gallery's centre line.
        QVERIFY(page.l()->text().isEmpty());
        QCOMPARE(at(page.l()), (tw::Rect{3900, 0, 135, 315}));
    }

    void linkGallery()
    {
        LinkPage page(host_.get());
        for (QWidget* w : {static_cast<QWidget*>(page.picCont()), static_cast<QWidget*>(page.vScroll1()),
                           static_cast<QWidget*>(page.picText())})
            QCOMPARE(w->parentWidget(), page.picture1());

        QCOMPARE(page.dimg().size(), size_t(1));
        controls::ImageBox* first = page.dimg().front();
        QCOMPARE(first->objectName(), u"dimg(0)"_s);
        QCOMPARE(first->parentWidget(), page.picCont());
        QVERIFY(first->stretch());
        QCOMPARE(at(first), (tw::Rect{60, 60, 720, 705}));

        QCOMPARE(page.vScroll1()->singleStep(), 200);
        QCOMPARE(page.vScroll1()->pageStep(), 200);
        // Shape5..7 are drawn behind the gallery panel.
        auto* shape7 = page.picture1()->findChild<controls::FrameShape*>(u"Shape7"_s);
        QVERIFY(shape7);
        QVERIFY(page.picture1()->children().indexOf(shape7)
                < page.picture1()->children().indexOf(page.picCont()));
    }

    void linkCodeBox()
    {
        LinkPage page(host_.get());
        QCOMPARE(page.txtdcode()->parentWidget(), page.picText());
        QCOMPARE(page.cmdHelp()->parentWidget(), page.picText());
        QCOMPARE(page.cmdOptions()->parentWidget(), page.picText());
        QCOMPARE(page.cmdHelp()->text(), u"مساعدة"_s);
        QCOMPARE(page.cmdOptions()->text(), u"خيارات"_s);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(page.imgView(i)->objectName(), makeup::indexed(u"imgView"_s, i));
            QCOMPARE(page.imgView(i)->parentWidget(), page.picText());
            QCOMPARE(page.imgView(i)->isHidden(), i == 0 || i == 3);
        }
        QCOMPARE(at(page.imgView(3)), (tw::Rect{420, 660, 375, 375}));
        auto* shape4 = page.picText()->findChild<controls::FrameShape*>(u"Shape4"_s);
        QVERIFY(shape4);
        QCOMPARE(shape4->outline(), makeup::kTextBlue);
        QCOMPARE(shape4->fill(), QColor(Qt::white));
    }

private:
    std::unique_ptr<QWidget> host_;
};

QTEST_MAIN(TestGalleries)
#include "tst_galleries.moc"
