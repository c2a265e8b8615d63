// The border viewer window: its make-up, its frame and stored position,
// what setCodes does, its select-all boxes, keeping it on top, and OK.
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"
#include "base/platform/platform.h"
#include "galleries/frmviewborder.h"
#include "tests/support/findwidget.h"
#include "tests/support/recordingplatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using controls::twips;

class TestBorderViewer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowMakeUp()
    {
        RecordingPlatform platform;
        FrmViewBorder viewer;
        QCOMPARE(viewer.objectName(), u"frmViewBorder"_s);
        QCOMPARE(viewer.windowTitle(), u"zqBorderViewer"_s);
        QCOMPARE(viewer.size(), QSize(573, 319)); // 8595 x 4785 twips
        const Qt::WindowFlags flags = viewer.windowFlags();
        QCOMPARE(viewer.windowType(), Qt::Tool);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(viewer.testAttribute(Qt::WA_DeleteOnClose));
        viewer.setAttribute(Qt::WA_DeleteOnClose, false); // on the stack here

        QCOMPARE(twips(named<QWidget>(&viewer, u"AG"_s)), (tw::Rect{420, 840, 7815, 1635}));
        QVERIFY(viewer.borderPicture()->pictureFile().isEmpty());
        const struct {
            const char* name;
            tw::Rect rect;
        } rows[] = {
            {"Label1", {7140, 3180, 1275, 375}},    {"shpcode", {240, 3180, 6555, 435}},
            {"txtWebCode", {300, 3240, 6315, 315}}, {"Label2", {7020, 3780, 1395, 375}},
            {"Shape1", {240, 3720, 6555, 435}},     {"txtForumCode", {300, 3780, 6375, 315}},
            {"cmdHide", {3060, 4320, 1875, 375}}};
        for (const auto& row : rows)
            QCOMPARE(twips(named<QWidget>(&viewer, QString::fromLatin1(row.name))), row.rect);
        QCOMPARE(named<QLabel>(&viewer, u"Label1"_s)->text(), u"وصلة ويب"_s);
        QCOMPARE(named<QLabel>(&viewer, u"Label2"_s)->text(), u"كود المنتدى"_s);
        QCOMPARE(viewer.cmdHide()->text(), u"موافق"_s);
        for (QLineEdit* box : {viewer.txtWebCode(), viewer.txtForumCode()}) {
            QVERIFY(box->font().bold());
            QCOMPARE(box->font().pointSizeF(), 9.0);
            QCOMPARE(box->font().family(), makeup::font(u"Comic Sans MS"_s, 9, true).family());
        }
        QCOMPARE(named<QLabel>(&viewer, u"Label1"_s)->palette().color(QPalette::WindowText),
                 QColor(53, 118, 215));

        // setCodes: the web address in txtWebCode, the forum code in txtForumCode.
        viewer.setCodes(u"[IMG]w[/IMG]"_s, u"w"_s);
        QCOMPARE(viewer.txtWebCode()->text(), u"w"_s);
        QCOMPARE(viewer.txtForumCode()->text(), u"[IMG]w[/IMG]"_s);

        // First shown at its stored position (3540, 2835 twips).
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QCOMPARE(viewer.geometry().topLeft(), QPoint(236, 189));

        // The two boxes select all on a click.
        for (QLineEdit* box : {viewer.txtWebCode(), viewer.txtForumCode()}) {
            box->deselect();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, box->height() / 2));
            QCOMPARE(box->selectedText(), box->text());
        }

        // Keeping it on top goes through the platform and leaves it in place.
        const QRect where = viewer.geometry();
        platform::current().setOnTop(&viewer, true);
        platform::current().setOnTop(&viewer, false);
        QCOMPARE(platform.onTopCalls.size(), 2);
        QCOMPARE(platform.onTopCalls[0].window.data(), static_cast<QWidget*>(&viewer));
        QVERIFY(platform.onTopCalls[0].onTop);
        QVERIFY(!platform.onTopCalls[1].onTop);
        QCOMPARE(viewer.geometry(), where);

        // OK hides it and keeps it.
        QTest::mouseClick(viewer.cmdHide(), Qt::LeftButton);
        QVERIFY(viewer.isHidden());
    }

    void longCodesShowTheirStart()
    {
        RecordingPlatform platform;
        FrmViewBorder viewer;
        viewer.setAttribute(Qt::WA_DeleteOnClose, false);
        const QString address = u"http://www.example.org/"_s + QString(120, u'x') + u"/b7.gif"_s;
        const QString code = u"[IMG]"_s + address + u"[/IMG]"_s;
        viewer.setCodes(code, address);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        // The start of a code wider than its box is what the box shows,
        // when the code arrives and once it is clicked and selected whole.
        // The box keeps its caret in view: at the start, the start is seen.
        for (QLineEdit* box : {viewer.txtWebCode(), viewer.txtForumCode()}) {
            QVERIFY(box->fontMetrics().horizontalAdvance(box->text()) > box->width());
            QCOMPARE(box->cursorPosition(), 0);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
            QTRY_COMPARE(box->selectedText(), box->text());
            QCOMPARE(box->cursorPosition(), 0);
            QVERIFY(box->rect().contains(
                box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()));
        }
        // A new code put into the box while it has the focus shows its
        // start as well.
        viewer.txtForumCode()->setFocus();
        QTRY_COMPARE(viewer.txtForumCode()->selectedText(), code);
        viewer.setCodes(code + u" "_s, address);
        QCOMPARE(viewer.txtForumCode()->cursorPosition(), 0);
    }
};

QTEST_MAIN(TestBorderViewer)
#include "test_borderviewer.moc"
