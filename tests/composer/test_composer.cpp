// The composer pages and the tag toolbar: arrays complete and in the right
// cells, captions that are easy to get wrong, start-up state and stacking.
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/shapes.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"
#include "composer/editorpage.h"
#include "composer/namespage.h"
#include "composer/symbolpage.h"
#include "composer/tagtoolbar.h"

#include <QAction>
#include <QFrame>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

tw::Rect at(const QWidget* w)
{
    return controls::twips(w);
}

// Position among its siblings: later means drawn on top.
qsizetype stackIndex(const QWidget* parent, const QString& name)
{
    auto* child = parent->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    return child ? parent->children().indexOf(child) : -1;
}

bool overlaps(const tw::Rect& a, const tw::Rect& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

// Whether some patch of the picture is close to colour: the splash is
// shaded, so a good share of its pixels lie near the named colour.
bool showsColour(const QImage& picture, const QColor& colour)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int near = 0;
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 200)
                continue;
            const int distance = std::abs(qRed(p) - colour.red()) +
                                 std::abs(qGreen(p) - colour.green()) +
                                 std::abs(qBlue(p) - colour.blue());
            ++inked;
            near += distance < 60;
        }
    }
    return inked > 0 && near * 10 >= inked;
}

} // namespace

class TestComposer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { host_ = std::make_unique<QWidget>(); }
    void cleanup() { host_.reset(); }

    void patternOptions()
    {
        NamesPage page(host_.get());
        // Upper halves count down the page, lower halves count back up.
        auto cell = [](int index) -> std::pair<int, int> {
            if (index < 6)
                return {360, index};
            if (index < 12)
                return {3660, index - 6};
            if (index < 18)
                return {3660, 6 + (17 - index)};
            return {360, 6 + (23 - index)};
        };
        for (int i = 0; i < NamesPage::kPatternCount; ++i) {
            QRadioButton* o = page.opt(i);
            QCOMPARE(o->objectName(), makeup::indexed(u"opt"_s, i));
            const auto [left, row] = cell(i);
            QCOMPARE(at(o).left, left);
            QCOMPARE(at(o).top, 780 + 360 * row);
            QCOMPARE(at(o).height, 495);
            QVERIFY2(!o->isEnabled(), qPrintable(o->objectName()));
            QCOMPARE(o->text().count(u"الاسم"_s), 1);
            QCOMPARE(o->toolTip().isEmpty(), i != 11);
        }
        QCOMPARE(at(page.opt(18)).top, 4740);
        QCOMPARE(at(page.opt(12)).top, 4740);
        QCOMPARE(page.opt(0)->text(), u" ~*¤ô§ô¤*~الاسم~*¤ô§ô¤*~ "_s);
        QVERIFY(page.opt(1)->text().contains(QChar(0x0651))); // shadda
        QVERIFY(page.opt(1)->text().contains(u'`'));
        QVERIFY(stackIndex(&page, u"Shape10"_s) < stackIndex(&page, u"txtInput"_s));
    }

    void symbolGrid()
    {
        SymbolPage page(host_.get());
        auto cell = [](int col, int row) {
            return tw::Rect{540 + 540 * col, 2340 + 540 * row, 495, 495};
        };
        QCOMPARE(at(page.cmd(0)), cell(0, 0));
        QCOMPARE(at(page.cmd(72)), cell(11, 0));
        QCOMPARE(at(page.cmd(11)), cell(10, 1));
        QCOMPARE(at(page.cmd(36)), cell(10, 3));
        QCOMPARE(at(page.cmd(22)), cell(10, 5));
        QCOMPARE(at(page.cmd(52)), cell(7, 5));
        QCOMPARE(at(page.cmd(60)), cell(7, 6));

        QSet<QString> captions;
        for (int i = 0; i < SymbolPage::kSymbolCount; ++i) {
            QPushButton* b = page.cmd(i);
            QCOMPARE(b->objectName(), makeup::indexed(u"cmd"_s, i));
            QVERIFY(b->font().bold());
            captions.insert(b->text());
            for (int j = 0; j < i; ++j)
                QVERIFY2(!overlaps(at(b), at(page.cmd(j))), qPrintable(b->objectName()));
        }
        QCOMPARE(captions.size(), SymbolPage::kSymbolCount);
        for (QPushButton* b : {page.cmdCopy(), page.cmdErase()})
            QVERIFY(!overlaps(at(page.cmd(60)), at(b)));

        // "&&" is the escape for a visible ampersand, not an access key.
        QCOMPARE(page.cmd(7)->text(), u"&&"_s);
        QVERIFY(QKeySequence::mnemonic(page.cmd(7)->text()).isEmpty());
        QCOMPARE(page.cmd(15)->text(), u"\""_s);
        QCOMPARE(page.cmd(16)->text(), u"\\"_s);
    }

    void resultFrame()
    {
        SymbolPage page(host_.get());
        QCOMPARE(page.txtOut()->parentWidget(), page.frame1());
        QCOMPARE(page.selectAllButton()->parentWidget(), page.frame1());
        QVERIFY(stackIndex(page.frame1(), u"Shape12"_s) < stackIndex(page.frame1(), u"txtOut"_s));
    }

    void editorPickers()
    {
        EditorPage page(host_.get());
        QVERIFY(!page.lblSize(0));
        QVERIFY(!page.lblSize(8));
        double previous = 0;
        for (int n = 1; n <= EditorPage::kSizeCount; ++n) {
            QCOMPARE(page.lblSize(n)->objectName(), makeup::indexed(u"lblSize"_s, n));
            QCOMPARE(page.lblSize(n)->text(), u"خط "_s + QString::number(n));
            QVERIFY(page.lblSize(n)->font().pointSizeF() >= previous);
            previous = page.lblSize(n)->font().pointSizeF();
        }

        QSet<QString> tags;
        for (int i = 0; i < EditorPage::kColourCount; ++i) {
            controls::ImageBox* swatch = page.imgClr(i);
            QCOMPARE(swatch->objectName(), makeup::indexed(u"imgClr"_s, i));
            QVERIFY2(QColor::isValidColorName(swatch->tag()), qPrintable(swatch->tag()));
            tags.insert(swatch->tag());
            const bool narrow = at(swatch).left == 4380 || i == 26;
            QCOMPARE(at(swatch).width, narrow ? 435 : 465);
            QCOMPARE(at(swatch).height, i == 0 ? 375 : 345);
        }
        QCOMPARE(tags.size(), EditorPage::kColourCount);
        // Each swatch shows the colour it names: the splash's most saturated
        // (or, for the greys, its darkest) pixels lie close to the named colour.
        for (int i = 0; i < EditorPage::kColourCount; ++i) {
            controls::ImageBox* swatch = page.imgClr(i);
            const QColor named = QColor::fromString(swatch->tag());
            QVERIFY2(swatch->picture().width() > 0, qPrintable(swatch->objectName()));
            QVERIFY2(showsColour(swatch->picture().toImage(), named), qPrintable(swatch->tag()));
        }
        QCOMPARE(page.imgClr(0)->tag(), u"black"_s);
        QCOMPARE(at(page.imgClr(0)).left, 5670);
        QCOMPARE(at(page.imgClr(0)).top, 780);
        QCOMPARE(page.imgClr(18)->tag(), u"coral"_s);
        QCOMPARE(at(page.imgClr(18)).left, 420);
        QCOMPARE(page.imgClr(20)->tag(), u"purple"_s);

        const QStringList faces = {u"Times New Roman"_s, u"Simplified Arabic"_s,
                                   u"Arial"_s,           u"Arial Narrow"_s,
                                   u"Comic Sans MS"_s,   u"Courier New"_s,
                                   u"Arial Black"_s,     u"System"_s,
                                   u"Tahoma"_s,          u"Verdana"_s,
                                   u"Wingdings"_s,       u"DecoType Naskh Variants"_s};
        for (int i = 0; i < EditorPage::kFontCount; ++i)
            QCOMPARE(page.lblfont(i)->text(), faces.at(i));
        QCOMPARE(at(page.lblfont(6)).top, 2940);
        QCOMPARE(at(page.lblfont(11)), (tw::Rect{4140, 2880, 2175, 315}));
    }

    void fontCaptionsStayOnOneLine()
    {
        EditorPage page(host_.get());
        host_->show();
        // Start-up redraws the captions in their own, possibly wider, faces.
        controls::ClickLabel* label = page.lblfont(4);
        const tw::Rect designed = at(label);
        label->setFont(makeup::font(u"Comic Sans MS"_s, 14, true));
        QVERIFY(!label->wordWrap());
        QVERIFY(label->width() >= label->sizeHint().width());
        QCOMPARE(label->x(), tw::toPixels(designed.left));
        QCOMPARE(at(label), designed);
    }

    void editorStacking()
    {
        EditorPage page(host_.get());
        // The reminder runs under the keyboard buttons, the interface label
        // under the edit pane.
        QVERIFY(stackIndex(&page, u"Label1"_s) < stackIndex(&page, u"Command3"_s));
        QVERIFY(stackIndex(&page, u"Label1"_s) < stackIndex(&page, u"Command4"_s));
        QVERIFY(stackIndex(&page, u"Label7"_s) < stackIndex(&page, u"txtEdit"_s));
        // White headings need their blue backdrop beneath them.
        for (const QString& name : {u"Label2"_s, u"Label3"_s, u"Label4"_s}) {
            auto* label = page.findChild<QLabel*>(name);
            auto* backdrop = page.findChild<controls::FrameShape*>(name + u".backdrop"_s);
            QVERIFY(label && backdrop);
            QCOMPARE(backdrop->fill(), makeup::kWindowBlue);
            QVERIFY(backdrop->geometry().contains(label->geometry()));
            QVERIFY(stackIndex(&page, name + u".backdrop"_s) < stackIndex(&page, name));
        }
        QCOMPARE(page.txtEdit()->layoutDirection(), Qt::RightToLeft);
    }

    void toolbar()
    {
        TagToolbar bar(host_.get());
        QVERIFY(!bar.button(0));
        QVERIFY(!bar.button(15));
        QCOMPARE(bar.actions().size(), TagToolbar::kButtonCount);
        for (int i = 1; i <= TagToolbar::kButtonCount; ++i) {
            QCOMPARE(bar.actions().at(i - 1), bar.button(i));
            const bool separator = i == 4 || i == 8 || i == 12 || i == 13;
            QCOMPARE(bar.button(i)->isSeparator(), separator);
        }
        const std::pair<ToolbarButton, QString> tips[] = {
            {ToolbarButton::Bold, u"خط داكن"_s},
            {ToolbarButton::Italic, u"خط مائل"_s},
            {ToolbarButton::Underline, u"خط سفلي"_s},
            {ToolbarButton::AlignLeft, u"جهة اليسار"_s},
            {ToolbarButton::AlignCenter, u"في المنتصف"_s},
            {ToolbarButton::AlignRight, u"جهة اليمين"_s},
            {ToolbarButton::BackToLastState, u"إعادة لآخر وضع"_s},
        };
        for (const auto& [button, tip] : tips) {
            QCOMPARE(bar.button(button), bar.button(static_cast<int>(button)));
            QCOMPARE(bar.button(button)->toolTip(), tip);
        }
        QVERIFY(TagToolbar::imageList3(24).isNull());

        // Every button shows a picture of its own.
        QList<QImage> faces;
        for (int i = 1; i <= TagToolbar::kButtonCount; ++i) {
            if (bar.button(i)->isSeparator())
                continue;
            const QImage face = bar.button(i)->icon().pixmap(16, 16).toImage();
            QVERIFY2(!face.isNull(), qPrintable(bar.button(i)->objectName()));
            for (const QImage& other : faces)
                QVERIFY2(face != other, qPrintable(bar.button(i)->objectName()));
            faces.append(face);
        }

        QSignalSpy spy(&bar, &TagToolbar::buttonClicked);
        bar.button(6)->trigger();
        bar.button(10)->trigger();
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).value<ToolbarButton>(), ToolbarButton::AlignCenter);
        QCOMPARE(spy.at(1).at(0).value<ToolbarButton>(), ToolbarButton::LinkedPicture);
    }

private:
    std::unique_ptr<QWidget> host_;
};

QTEST_MAIN(TestComposer)
#include "test_composer.moc"
