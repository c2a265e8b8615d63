// The building blocks of the windows: twip geometry kept exactly, image
// controls that size themselves to their pictures and decode them late,
// copies of control-array elements, and the mouse events they report.
#include "base/controls/iconahead.h"
#include "base/controls/imagebox.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"

#include <QFontDatabase>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twipsAreKeptExactly();
    void unstretchedImageTakesItsPictureSize();
    void pictureFilesAreDecodedWhenAskedFor();
    void iconsDecodedAheadServeEverySize();
    void copiesOfArrayElements();
    void clicksAreReleasesOverTheControl();
    void fontsNameOnlyInstalledFaces();
};

void TestControls::twipsAreKeptExactly()
{
    QWidget host;
    auto* box = makeup::pictureBox(&host, u"box"_s, {7, 22, 1801, 496});
    // 7 twips is less than half a pixel, yet reads back as 7.
    QCOMPARE(controls::twips(box), (tw::Rect{7, 22, 1801, 496}));
    QCOMPARE(box->geometry(), tw::toPixels(tw::Rect{7, 22, 1801, 496}));
    controls::setTwipsTop(box, -8 * 676);
    QCOMPARE(controls::twips(box).top, -5408);
    QCOMPARE(box->y(), tw::roundHalfEven(-5408 / 15.0));
    // A control placed by pixels reads back in whole pixels.
    QWidget plain(&host);
    plain.setGeometry(2, 3, 4, 5);
    QCOMPARE(controls::twips(&plain), (tw::Rect{30, 45, 60, 75}));
}

void TestControls::unstretchedImageTakesItsPictureSize()
{
    QWidget host;
    auto* border = makeup::image(&host, u"imgBord(0)"_s, {180, 300, 5895, 675}, false);
    QPixmap picture(340, 44);
    picture.fill(Qt::red);
    border->setPicture(picture);
    QCOMPARE(controls::twips(border), (tw::Rect{180, 300, 340 * 15, 44 * 15}));

    auto* stretched = makeup::image(&host, u"dimg(0)"_s, {60, 60, 720, 705}, true);
    stretched->setPicture(picture);
    QCOMPARE(controls::twips(stretched), (tw::Rect{60, 60, 720, 705}));
}

void TestControls::pictureFilesAreDecodedWhenAskedFor()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"b1.png"_s);
    QImage image(12, 7, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(image.save(path));

    QWidget host;
    auto* border = makeup::image(&host, u"imgBord(1)"_s, {0, 0, 15, 15}, false);
    border->setPictureFile(path, QSize(12, 7));
    // Sized from the header at once; the pixels are read on first use.
    QCOMPARE(controls::twips(border).width, 12 * 15);
    QVERIFY(border->hasPicture());
    QVERIFY(QFile::remove(path));
    QVERIFY(border->picture().isNull()); // gone before it was ever drawn

    QVERIFY(image.save(path));
    border->setPictureFile(path, QSize(12, 7));
    QCOMPARE(border->picture().size(), QSize(12, 7));
    // A picture set directly replaces a pending file.
    border->setPictureFile(path, QSize(12, 7));
    border->setPicture(QPixmap());
    QVERIFY(!border->hasPicture());

    // Decoded ahead on the worker: the same pixels, in the order asked for;
    // a file that goes missing gives no picture; a picture set directly
    // wins over one still decoding.
    QImage second(5, 3, QImage::Format_ARGB32);
    second.fill(Qt::red);
    const QString secondPath = dir.filePath(u"b2.png"_s);
    QVERIFY(second.save(secondPath));
    auto* ahead = makeup::image(&host, u"imgBord(2)"_s, {0, 0, 15, 15}, true);
    auto* next = makeup::image(&host, u"imgBord(3)"_s, {0, 0, 15, 15}, true);
    ahead->setPictureFile(path, QSize());
    next->setPictureFile(secondPath, QSize());
    ahead->decodeAhead();
    next->decodeAhead();
    QVERIFY(ahead->hasPicture());
    QCOMPARE(next->picture().toImage().pixelColor(4, 2), QColor(Qt::red));
    QCOMPARE(ahead->picture().toImage().pixelColor(0, 0), QColor(Qt::blue));
    auto* gone = makeup::image(&host, u"imgBord(4)"_s, {0, 0, 15, 15}, true);
    gone->setPictureFile(dir.filePath(u"b9.png"_s), QSize());
    gone->decodeAhead();
    QVERIFY(gone->picture().isNull());
    next->setPictureFile(secondPath, QSize());
    next->decodeAhead();
    next->setPicture(QPixmap(2, 2));
    QCOMPARE(next->picture().size(), QSize(2, 2));
}

void TestControls::iconsDecodedAheadServeEverySize()
{
    QTemporaryDir dir;
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QImage large(32, 32, QImage::Format_ARGB32);
    large.fill(Qt::blue);
    const QString smallFile = dir.filePath(u"s.png"_s);
    const QString largeFile = dir.filePath(u"l.png"_s);
    QVERIFY(small.save(smallFile) && large.save(largeFile));
    const QIcon icon =
        controls::iconAhead({{smallFile, QSize(16, 16)}, {largeFile, QSize(32, 32)}});
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    // Each size its own picture, and a copy of the icon the same ones.
    QCOMPARE(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    const QIcon copy = icon;
    QCOMPARE(copy.pixmap(32).toImage().pixelColor(8, 8), QColor(Qt::blue));
    // Disabled buttons get a picture made from the normal one.
    const QImage disabled = icon.pixmap(QSize(16, 16), QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), QSize(16, 16));
    QVERIFY(disabled.pixelColor(8, 8) != QColor(Qt::red));
}

void TestControls::copiesOfArrayElements()
{
    QWidget host;
    auto* first = makeup::image(&host, u"dimg"_s, {60, 60, 720, 705}, true);
    first->setToolTip(u"tip"_s);
    first->setPicture(QPixmap(4, 4));
    first->setTag(u"kept only by the original"_s);
    QWidget container(&host);
    controls::ImageBox* copy = first->copyOf(&container);
    QCOMPARE(copy->parentWidget(), &container);
    QCOMPARE(controls::twips(copy), controls::twips(first));
    QCOMPARE(copy->toolTip(), u"tip"_s);
    QVERIFY(copy->stretch());
    QVERIFY(copy->isHidden());
    QVERIFY(!copy->hasPicture());
    QVERIFY(copy->tag().isEmpty());
}

void TestControls::clicksAreReleasesOverTheControl()
{
    QWidget host;
    host.resize(200, 200);
    auto* img = makeup::image(&host, u"img"_s, {0, 0, 600, 600}, true);
    auto* label =
        makeup::clickLabel(&host, u"lbl"_s, {900, 900, 600, 300}, {u"x"_s}, makeup::dialogFont());
    host.show();
    for (QWidget* w : {static_cast<QWidget*>(img), static_cast<QWidget*>(label)}) {
        QSignalSpy clicked(w, SIGNAL(clicked()));
        QSignalSpy up(w, SIGNAL(mouseUp(Qt::MouseButton)));
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::mouseClick(w, Qt::RightButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(up.count(), 2);
        QCOMPARE(up.at(1).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        // Released outside: no click.
        QTest::mousePress(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(clicked.count(), 1);
    }
}

void TestControls::fontsNameOnlyInstalledFaces()
{
    const QFont f = makeup::font(u"Times New Roman"_s, 9.75, true);
    QVERIFY(!f.families().isEmpty());
    QVERIFY(f.bold());
    QCOMPARE(f.pointSizeF(), 9.75);
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : f.families()) {
        // The face itself is named only where it is missing and has no stand-in.
        if (family != u"Times New Roman"_s)
            QVERIFY2(installed.contains(family), qPrintable(family));
    }
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
