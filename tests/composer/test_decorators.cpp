// The names and symbol decorators through their real widgets: the patterns
// waiting for a name, the name stored when the entry is left, symbols
// appended at the end, the result boxes selecting all, and the clipboard.
#include "base/controls/twipgeometry.h"
#include "composer/namespage.h"
#include "composer/symbolpage.h"
#include "tests/support/findwidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Typed key by key, also letters that have no key code of their own.
void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), {});
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c), {});
    }
}

} // namespace

class TestDecorators : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { host_ = std::make_unique<QWidget>(); }
    void cleanup() { host_.reset(); }

    void patternsWaitForAName()
    {
        NamesPage* page = showNames();
        auto allEnabled = [page](bool enabled) {
            for (int i = 0; i < NamesPage::kPatternCount; ++i) {
                if (page->opt(i)->isEnabled() != enabled)
                    return false;
            }
            return true;
        };
        QVERIFY(allEnabled(false));
        QTest::keyClicks(page->txtInput(), u"a"_s);
        QVERIFY(allEnabled(true));
        QTest::keyClicks(page->txtInput(), u"b"_s);
        QVERIFY(allEnabled(true));
        QTest::keyClick(page->txtInput(), Qt::Key_Backspace);
        QTest::keyClick(page->txtInput(), Qt::Key_Backspace);
        QVERIFY(allEnabled(false));
        // A single blank is a name too.
        QTest::keyClick(page->txtInput(), Qt::Key_Space);
        QVERIFY(allEnabled(true));
    }

    void choosingAPatternStoresTheNameFirst()
    {
        NamesPage* page = showNames();
        page->txtInput()->setFocus();
        QTest::keyClicks(page->txtInput(), u"abc"_s);
        QVERIFY(page->nameText().isEmpty());
        QTest::mouseClick(page->opt(14), Qt::LeftButton);
        QCOMPARE(page->nameText(), u"abc"_s);
        QCOMPARE(page->txtOutput()->text(), u"(*_*) abc (*_*)"_s);

        // A changed name, then the same pattern again: the new name.
        page->txtInput()->setFocus();
        page->txtInput()->selectAll();
        type(page->txtInput(), u"سارة"_s);
        QTest::mouseClick(page->opt(14), Qt::LeftButton);
        QCOMPARE(page->txtOutput()->text(), u"(*_*) سارة (*_*)"_s);

        // The blanks at either end belong to the pattern.
        QTest::mouseClick(page->opt(0), Qt::LeftButton);
        QCOMPARE(page->txtOutput()->text(), u" ~*¤ô§ô¤*~سارة~*¤ô§ô¤*~ "_s);
        QCOMPARE(page->opt(0)->text(), u" ~*¤ô§ô¤*~الاسم~*¤ô§ô¤*~ "_s);
    }

    void nameContainingThePlaceholder()
    {
        NamesPage* page = showNames();
        page->txtInput()->setFocus();
        type(page->txtInput(), u"الاسم الاسم"_s);
        QTest::mouseClick(page->opt(9), Qt::LeftButton);
        QCOMPARE(page->txtOutput()->text(), u"=----> (الاسم الاسم) <----="_s);
    }

    void longNamesAreNotCut()
    {
        NamesPage* page = showNames();
        const QString name(40000, u'n');
        page->txtInput()->setText(name);
        page->txtInput()->setFocus();
        QTest::mouseClick(page->opt(19), Qt::LeftButton);
        QCOMPARE(page->txtOutput()->text(), u"<<======"_s + name + u"======>>"_s);
    }

    void resultSelectsAll()
    {
        NamesPage* page = showNames();
        page->txtInput()->setFocus();
        QTest::keyClicks(page->txtInput(), u"abc"_s);
        QTest::mouseClick(page->opt(4), Qt::LeftButton);
        QLineEdit* out = page->txtOutput();
        QTest::mouseClick(out, Qt::LeftButton, {}, QPoint(out->width() / 2, out->height() / 2));
        QTRY_COMPARE(out->selectedText(), out->text());
        // And again on a later click inside it, after the caret was moved.
        out->setCursorPosition(2);
        QTest::mouseClick(out, Qt::LeftButton, {}, QPoint(out->width() / 3, out->height() / 2));
        QCOMPARE(out->selectedText(), out->text());
    }

    void symbolsGoAtTheEnd()
    {
        SymbolPage* page = showSymbols();
        QLineEdit* out = page->txtOut();
        QTest::mouseClick(page->cmd(0), Qt::LeftButton);
        // The button shows one ampersand and appends its caption's two.
        QTest::mouseClick(page->cmd(7), Qt::LeftButton);
        QCOMPARE(out->text(), u"~&&"_s);
        // A selection at the start, or the caret there, changes nothing.
        out->setSelection(0, 1);
        QTest::mouseClick(page->cmd(72), Qt::LeftButton);
        out->setCursorPosition(0);
        QTest::mouseClick(page->cmd(16), Qt::LeftButton);
        QCOMPARE(out->text(), u"~&&*()*\\"_s);
        // The line's own undo takes back the last symbol.
        out->setFocus();
        QTest::keyClick(out, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(out->text(), u"~&&*()*"_s);
    }

    void copyEraseSelectAll()
    {
        SymbolPage* page = showSymbols();
        QLineEdit* out = page->txtOut();
        for (int i : {20, 44, 21})
            QTest::mouseClick(page->cmd(i), Qt::LeftButton);
        QTest::mouseClick(page->selectAllButton(), Qt::LeftButton);
        QCOMPARE(out->selectedText(), u"©·®"_s);
        QVERIFY(out->hasFocus());

        QGuiApplication::clipboard()->setText(u"before"_s);
        QTest::mouseClick(page->cmdCopy(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"©·®"_s);
        // Erasing the line leaves the clipboard as it was.
        QTest::mouseClick(page->cmdErase(), Qt::LeftButton);
        QCOMPARE(out->text(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), u"©·®"_s);
        // Copying an empty line empties the clipboard's text.
        QTest::mouseClick(page->cmdCopy(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

private:
    NamesPage* showNames()
    {
        auto* page = new NamesPage(host_.get());
        controls::setTwips(page, {0, 0, 6795, 6255});
        show(page);
        return page;
    }
    SymbolPage* showSymbols()
    {
        auto* page = new SymbolPage(host_.get());
        controls::setTwips(page, {0, 0, 7395, 6335});
        show(page);
        return page;
    }
    void show(QWidget* page)
    {
        host_->resize(page->size());
        host_->show();
        QVERIFY(QTest::qWaitForWindowActive(host_.get()));
    }

    std::unique_ptr<QWidget> host_;
};

QTEST_MAIN(TestDecorators)
#include "test_decorators.moc"
