// The main window and the galleries without a mouse: the page keys, the
// tabs, Tab's reading order, and the pictures that Enter (and the menu
// keys) choose as a click does.
#include "app/application.h"
#include "app/frmvorlane.h"
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/twipgeometry.h"
#include "composer/editorpage.h"
#include "composer/namespage.h"
#include "composer/symbolpage.h"
#include "galleries/borderpage.h"
#include "galleries/frmoption1.h"
#include "galleries/frmsmile.h"
#include "galleries/frmview.h"
#include "galleries/frmviewborder.h"
#include "galleries/linkpage.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using controls::ImageBox;
using Page = FrmVorlane::Page;

class TestKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startupLeavesTheFocusInTheEditPane();
    void pageKeysStepRoundTheSevenPages();
    void pageKeysGoOnFromTheSmiliesPicker();
    void aFocusedTabIsChosenWithEnterAndSpace();
    void tabReadsEachPageFromTheRight();
    void focusFrameShowsOnlyWhileFocused();
    void enterOnAPickerDoesWhatItsClickDoes();
    void enterOnABorderOrButtonDoesWhatItsClickDoes();
    void menuKeysOnABorderOpenItsViewer();
    void enterOnASmileyDoesWhatItsClickDoes();

private:
    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<Application> app_;
    FrmVorlane* w_ = nullptr;
    bool activate(QWidget* window);
    // Ctrl+key (and Shift) sent to whatever has the focus in the window.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers);
    QWidget* focused() const { return QApplication::focusWidget(); }
};

void TestKeyboard::init()
{
    fixture_ = std::make_unique<AppFolderFixture>();
    QVERIFY2(fixture_->isValid(), "TARNWELL_BIN_DIR must point to the built bin folder");
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    PromptRecorder prompts;
    QCOMPARE(app_->start(), Application::StartResult::Running);
    w_ = app_->mainWindow();
    QVERIFY(activate(w_));
}

void TestKeyboard::cleanup()
{
    // Nothing the tests opened stays behind.
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isModal() || !window->isVisible(), qPrintable(window->objectName()));
    app_.reset();
    fixture_.reset();
}

bool TestKeyboard::activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void TestKeyboard::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* target = focused() ? focused() : w_;
    QTest::keyClick(target, key, modifiers);
}

// ------------------------------------------------------------ start-up

void TestKeyboard::startupLeavesTheFocusInTheEditPane()
{
    // What is typed at start goes into the post; no picture is focused and
    // framed before the keyboard asks for it.
    QCOMPARE(focused(), w_->editorPage()->txtEdit());
    QTest::keyClicks(focused(), u"abc"_s);
    QCOMPARE(w_->editorPage()->txtEdit()->toPlainText(), u"abc"_s);
}

// ------------------------------------------------------------ the page book

void TestKeyboard::pageKeysStepRoundTheSevenPages()
{
    QSignalSpy exits(w_, &FrmVorlane::exitRequested);
    QSignalSpy smilies(w_, &FrmVorlane::smiliesRequested);
    QCOMPARE(w_->currentPage(), std::optional(Page::Editor));

    // Forwards with Ctrl+Tab, round the seven pages back to the editor;
    // the exit tab is never stepped onto.
    const Page forwards[] = {Page::Smilies, Page::Links,   Page::About, Page::Names,
                             Page::Symbols, Page::Borders, Page::Editor};
    for (const Page page : forwards) {
        // The smilies tab opens the picker, which takes the keyboard.
        QVERIFY(activate(w_));
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w_->currentPage(), std::optional(page));
        QVERIFY(w_->findChild<QWidget*>(u"picName(%1)"_s.arg(static_cast<int>(page)),
                                        Qt::FindDirectChildrenOnly)
                    ->isVisible());
    }
    QCOMPARE(smilies.size(), 1);
    QVERIFY(app_->frmSmile() && app_->frmSmile()->isVisible());

    // Backwards with Ctrl+Shift+Tab and Ctrl+PgUp, over the first page to
    // the last; Ctrl+PgDn forwards again.
    QVERIFY(activate(w_));
    w_->lblProgClick(Page::Symbols);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Names));
    press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::About));
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Names));
    // The page's first control takes the keyboard.
    QCOMPARE(focused(), w_->namesPage()->txtInput());
    QCOMPARE(exits.size(), 0);
}

void TestKeyboard::pageKeysGoOnFromTheSmiliesPicker()
{
    // The step onto the smilies page gives the keyboard to the picker; the
    // next step, taken there, goes on to the next page and back to the
    // main window, as does a step back.
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Smilies));
    QVERIFY(app_->frmSmile());
    QVERIFY(activate(app_->frmSmile()));
    press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Links));
    QVERIFY(QTest::qWaitForWindowActive(w_));

    w_->lblProgClick(Page::Smilies);
    QVERIFY(activate(app_->frmSmile()));
    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Editor));
    QVERIFY(QTest::qWaitForWindowActive(w_));
}

void TestKeyboard::aFocusedTabIsChosenWithEnterAndSpace()
{
    auto* first = named<ImageBox>(w_, u"imgProg(0)"_s);
    first->setFocus(Qt::TabFocusReason);
    // Tab reaches the next tab; Enter chooses it as its click does.
    press(Qt::Key_Tab, Qt::NoModifier);
    QCOMPARE(focused(), named<ImageBox>(w_, u"imgProg(1)"_s));
    QCOMPARE(focused()->accessibleName(), u"المزخرف الخاص"_s);
    press(Qt::Key_Return, Qt::NoModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Symbols));
    QVERIFY(w_->symbolPage()->isVisible());

    press(Qt::Key_Tab, Qt::NoModifier);
    press(Qt::Key_Space, Qt::NoModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Borders));
    QVERIFY(w_->borderPage()->txtCode()->isVisible());

    // The smilies tab opens the picker, as a click does.
    named<ImageBox>(w_, u"imgProg(4)"_s)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w_->currentPage(), std::optional(Page::Smilies));
    QVERIFY(app_->frmSmile() && app_->frmSmile()->isVisible());
    // Escape puts it away again.
    QVERIFY(activate(app_->frmSmile()));
    QTest::keyClick(app_->frmSmile(), Qt::Key_Escape);
    QVERIFY(app_->frmSmile()->isHidden());
}

// ------------------------------------------------------------ reading order

namespace {

// The controls Tab visits from `start` while it stays inside `page`.
QList<QWidget*> tabWalk(QWidget* page, QWidget* start, QWidget* stop)
{
    QList<QWidget*> seen;
    start->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 400; ++i) {
        QWidget* now = QApplication::focusWidget();
        if (!now || !page->isAncestorOf(now) || seen.contains(now))
            break;
        seen.append(now);
        if (now == stop)
            break;
        QTest::keyClick(now, Qt::Key_Tab);
    }
    return seen;
}

// Every control of the page the keyboard should reach.
QSet<QWidget*> reachable(QWidget* page)
{
    QSet<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy())
            controls.insert(w);
    }
    return controls;
}

// "a before b" where both stand in one row (their heights overlap by
// more than half the smaller one) and a is not to the right of b.
QStringList leftBeforeRight(const QList<QWidget*>& order)
{
    QStringList wrong;
    for (qsizetype i = 1; i < order.size(); ++i) {
        const QWidget* a = order.at(i - 1);
        const QWidget* b = order.at(i);
        const QRect ra(a->mapTo(a->window(), QPoint()), a->size());
        const QRect rb(b->mapTo(b->window(), QPoint()), b->size());
        const int overlap = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
        const bool oneRow = overlap * 2 > std::min(ra.height(), rb.height());
        if (oneRow && ra.center().x() <= rb.center().x())
            wrong << a->objectName() + u" before "_s + b->objectName();
    }
    return wrong;
}

} // namespace

void TestKeyboard::tabReadsEachPageFromTheRight()
{
    // The symbols: the line, its buttons, then the grid row by row.
    w_->lblProgClick(Page::Symbols);
    SymbolPage* symbols = w_->symbolPage();
    const QList<QWidget*> symbolOrder = tabWalk(symbols, symbols->txtOut(), nullptr);
    QCOMPARE(QSet<QWidget*>(symbolOrder.cbegin(), symbolOrder.cend()), reachable(symbols));
    QVERIFY2(leftBeforeRight(symbolOrder).isEmpty(),
             qPrintable(leftBeforeRight(symbolOrder).join(u", "_s)));
    // Rows go down the page.
    const auto top = [](const QWidget* w) { return w->mapTo(w->window(), QPoint()).y(); };
    for (qsizetype i = 1; i < symbolOrder.size(); ++i)
        QVERIFY(top(symbolOrder.at(i)) + 4 >= top(symbolOrder.at(i - 1)) ||
                symbolOrder.at(i - 1) == symbols->txtOut());

    // The editor: sizes, swatches, faces and buttons, ending in the pane.
    w_->lblProgClick(Page::Editor);
    EditorPage* editor = w_->editorPage();
    const QList<QWidget*> editorOrder =
        tabWalk(editor, editor->lblSize(EditorPage::kSizeCount), editor->txtEdit());
    QCOMPARE(QSet<QWidget*>(editorOrder.cbegin(), editorOrder.cend()), reachable(editor));
    QCOMPARE(editorOrder.last(), editor->txtEdit());
    QVERIFY2(leftBeforeRight(editorOrder).isEmpty(),
             qPrintable(leftBeforeRight(editorOrder).join(u", "_s)));

    // The names: the right column of patterns before the left one.
    w_->lblProgClick(Page::Names);
    NamesPage* names = w_->namesPage();
    QTest::keyClicks(names->txtInput(), u"Sara"_s);
    const QList<QWidget*> namesOrder = tabWalk(names, names->txtInput(), nullptr);
    QCOMPARE(QSet<QWidget*>(namesOrder.cbegin(), namesOrder.cend()), reachable(names));
    QVERIFY2(leftBeforeRight(namesOrder).isEmpty(),
             qPrintable(leftBeforeRight(namesOrder).join(u", "_s)));
}

// ------------------------------------------------------------ the pictures

void TestKeyboard::focusFrameShowsOnlyWhileFocused()
{
    EditorPage* editor = w_->editorPage();
    ImageBox* swatch = editor->imgClr(9);
    const QImage plain = swatch->grab().toImage();
    swatch->setFocus(Qt::TabFocusReason);
    const QImage focusedLook = swatch->grab().toImage();
    QVERIFY(focusedLook != plain);
    // Its middle is the swatch's own colour still: only the edge is drawn.
    const QPoint middle(plain.width() / 2, plain.height() / 2);
    QCOMPARE(focusedLook.pixel(middle), plain.pixel(middle));
    editor->txtEdit()->setFocus(Qt::TabFocusReason);
    QCOMPARE(swatch->grab().toImage(), plain);

    // A click leaves the focus where it was: the pane keeps what is typed.
    PromptRecorder prompts;
    editor->txtEdit()->setPlainText(u"abc"_s);
    editor->txtEdit()->selectAll();
    QTest::mouseClick(editor->lblfont(2), Qt::LeftButton);
    QCOMPARE(focused(), editor->txtEdit());
}

void TestKeyboard::enterOnAPickerDoesWhatItsClickDoes()
{
    EditorPage* editor = w_->editorPage();
    QPlainTextEdit* pane = editor->txtEdit();
    // The post after the picker chosen by the given means on a selected
    // "abc".
    const auto wrapped = [pane](QWidget* picker, const std::function<void()>& choose) {
        pane->setPlainText(u"abc"_s);
        pane->selectAll();
        picker->setFocus(Qt::TabFocusReason);
        choose();
        return pane->toPlainText();
    };
    struct Case {
        QWidget* picker;
        Qt::Key key;
        QString tag;
    };
    const Case cases[] = {
        {editor->imgClr(5), Qt::Key_Return, u"red"_s},
        {editor->lblSize(3), Qt::Key_Space, u"3"_s},
        {editor->lblfont(8), Qt::Key_Enter, u"Tahoma"_s},
    };
    for (const Case& c : cases) {
        const QString byKey = wrapped(c.picker, [&c] { QTest::keyClick(c.picker, c.key); });
        const QString byClick =
            wrapped(c.picker, [&c] { QTest::mouseClick(c.picker, Qt::LeftButton); });
        QVERIFY2(byKey.contains(c.tag) && byKey != u"abc"_s, qPrintable(byKey));
        QCOMPARE(byKey, byClick);
    }

    // A symbol button takes Enter as well as Space.
    w_->lblProgClick(Page::Symbols);
    SymbolPage* symbols = w_->symbolPage();
    symbols->cmd(3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(symbols->cmd(3), Qt::Key_Return);
    QTest::keyClick(symbols->cmd(3), Qt::Key_Space);
    QCOMPARE(symbols->txtOut()->text(), u"##"_s);
    QCOMPARE(symbols->cmd(7)->accessibleName(), u"&"_s);
}

void TestKeyboard::enterOnABorderOrButtonDoesWhatItsClickDoes()
{
    w_->lblProgClick(Page::Borders);
    BorderPage* borders = w_->borderPage();
    ImageBox* border = borders->imgBord().at(44);
    // Reached from the one above it, and brought into the gallery's window.
    borders->imgBord().at(43)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), border);
    QVERIFY(borders->picture3()->rect().contains(
        QRect(border->mapTo(borders->picture3(), QPoint()), border->size())));
    QTest::keyClick(border, Qt::Key_Return);
    const QString byKey = borders->txtCode()->text();
    QVERIFY(byKey.contains(border->tag()));
    borders->txtCode()->clear();
    QTest::mouseClick(border, Qt::LeftButton);
    QCOMPARE(borders->txtCode()->text(), byKey);

    // A download button: the same prompt, dialog and code.
    w_->lblProgClick(Page::Links);
    LinkPage* links = w_->linkPage();
    ImageBox* button = links->dimg().at(100);
    const auto codeBy = [&](const std::function<void()>& choose) {
        PromptRecorder prompts;
        prompts.answers << u"dl.example/file.zip"_s;
        links->txtdcode()->clear();
        QTimer::singleShot(0, this, [links] {
            if (FrmOption1* dialog = links->frmOption1())
                dialog->cmdOk()->click();
        });
        choose();
        return prompts.inputs.size() == 1 ? links->txtdcode()->text() : QString();
    };
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(links->picture1()->rect().contains(
        QRect(button->mapTo(links->picture1(), QPoint()), button->size())));
    const QString code = codeBy([button] { QTest::keyClick(button, Qt::Key_Return); });
    QVERIFY2(code.contains(u"dl.example/file.zip"_s), qPrintable(code));
    QCOMPARE(codeBy([button] { QTest::mouseClick(button, Qt::LeftButton); }), code);
}

void TestKeyboard::menuKeysOnABorderOpenItsViewer()
{
    w_->lblProgClick(Page::Borders);
    BorderPage* borders = w_->borderPage();
    ImageBox* border = borders->imgBord().at(7);
    for (const QKeyCombination keys :
         {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        QString address;
        QTimer::singleShot(0, this, [&] {
            FrmViewBorder* viewer = borders->viewer();
            if (!viewer || !viewer->isVisible())
                return;
            address = viewer->txtWebCode()->text();
            viewer->cmdHide()->click();
        });
        border->setFocus(Qt::TabFocusReason);
        QTest::keyClick(border, keys.key(), keys.keyboardModifiers());
        QCOMPARE(address, border->tag());
        QVERIFY(borders->viewer()->isHidden());
    }
}

void TestKeyboard::enterOnASmileyDoesWhatItsClickDoes()
{
    w_->lblProgClick(Page::Smilies);
    FrmSmile* picker = app_->frmSmile();
    QVERIFY(picker && picker->isLoaded());
    QVERIFY(activate(picker));
    ImageBox* smiley = picker->cell(1, 12);
    QCOMPARE(smiley->accessibleName(),
             u"ابتسامة "_s + FrmSmile::category(1) + u' ' + appfolder::smileyName(13));
    // Tab goes from the right end of a row to its left.
    picker->cell(1, 19)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), picker->cell(1, 18));

    smiley->setFocus(Qt::TabFocusReason);
    QTest::keyClick(smiley, Qt::Key_Return);
    const QString byKey = picker->txtWeb()->text();
    QVERIFY(byKey.contains(FrmSmile::webAddress(FrmSmile::category(1), 13)));
    picker->txtWeb()->clear();
    QTest::mouseClick(smiley, Qt::LeftButton);
    QCOMPARE(picker->txtWeb()->text(), byKey);
    picker->hide();
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
