// The galleries' arithmetic: the download buttons' grid, the heights and
// scroll ranges of both galleries, and where a scroll position puts them.
#include "base/twips.h"
#include "galleries/gallerylayout.h"

#include <QtTest>

class TestGalleryLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void linkGridRowsOfSix();
    void galleryFormulas();
    void scrollPositions();
};

void TestGalleryLayout::linkGridRowsOfSix()
{
    const tw::Rect first{60, 60, 720, 705};
    const auto cells = gallery::linkCells(first);
    QCOMPARE(cells.size(), size_t(139));
    QCOMPARE(cells[1], (tw::Rect{60 + 720 + 400, 60, 720, 705}));
    QCOMPARE(cells[5].left, 60 + 5 * 1120);
    // Every sixth element starts a new row at the left.
    QCOMPARE(cells[6], (tw::Rect{60, 60 + 705 + 400, 720, 705}));
    // The end element stands alone at the left of row 24.
    QCOMPARE(cells[138], (tw::Rect{60, 60 + 23 * 1105, 720, 705}));
    QCOMPARE(cells[137].top, 60 + 22 * 1105);
}

void TestGalleryLayout::galleryFormulas()
{
    QCOMPARE(gallery::linkContainerHeight(705, 25475, 1275), 27455);
    QCOMPARE(gallery::linkScrollMax(27455, 8115, 1275), 20615);
    // The end element's top (start-up top + its top in the panel - 8 max)
    // comes up to the window's bottom, rounded up so it is never below it.
    QCOMPARE(gallery::borderScrollMax(120, 4875 + 800, 4995), 100);
    QCOMPARE(gallery::borderScrollMax(120, 4875 + 801, 4995), 101);
    QCOMPARE(gallery::borderScrollMax(120, 4875 + 807, 4995), 101);
    // A list that fits the window does not scroll.
    QCOMPARE(gallery::borderScrollMax(120, 4875, 4995), 0);
    QCOMPARE(gallery::borderScrollMax(120, 300, 4995), 0);
    QCOMPARE(gallery::borderContainerHeight(675, 58800), 3 * 675 + 58800);
    QCOMPARE(gallery::centredLeft(3900, 5850), 975);
    QCOMPARE(gallery::centredLeft(3900, 5895), 952); // 952.5, to even
    QCOMPARE(gallery::centredLeft(3900, 5865), 968); // 967.5, to even
    QCOMPARE(gallery::nextBorderTop(300, 675), 1275);
}

void TestGalleryLayout::scrollPositions()
{
    // Position 0 is the start-up place; every unit moves the list 8 twips,
    // with no jump between positions 0 and 1.
    QCOMPARE(gallery::borderPanelTop(0, 120), 120);
    QCOMPARE(gallery::borderPanelTop(1, 120), 112);
    QCOMPARE(gallery::borderPanelTop(200, 120), 120 - 1600);
    QCOMPARE(gallery::borderPanelTop(1000, 120), 120 - 8000);
    for (int v = 0; v < 7000; ++v)
        QCOMPARE(gallery::borderPanelTop(v, 120) - gallery::borderPanelTop(v + 1, 120), 8);
    // At the maximum the end element stands at the window's bottom.
    const int max = gallery::borderScrollMax(120, 58800, 4995);
    const int endTop = gallery::borderPanelTop(max, 120) + 58800;
    QVERIFY(endTop <= 4995 && endTop > 4995 - 8);
    QCOMPARE(gallery::linkPanelTop(0, 240), 240);
    QCOMPARE(gallery::linkPanelTop(1, 240), -1);
}

QTEST_GUILESS_MAIN(TestGalleryLayout)
#include "test_gallerylayout.moc"
