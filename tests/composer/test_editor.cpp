// The forum editor through its real widgets: the tag toolbar's clicks, the
// prompts, the size, font and colour pickers, the undo snapshot against the
// pane's own history, the keyboard-layout requests and the copy button.
#include "base/controls/twipgeometry.h"
#include "base/sites.h"
#include "composer/editorpage.h"
#include "composer/editpane.h"
#include "composer/tagactions.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/recordingplatform.h"

#include <QClipboard>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kSelectFirst = u"قم بتظليل النص فضلاً"_s;
const QString kArabic = u"00000401"_s;

} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        host_ = std::make_unique<QWidget>();
        page_ = new EditorPage(host_.get());
        controls::setTwips(page_, {0, 0, 7395, 6015});
        host_->resize(page_->size());
        host_->show();
        QVERIFY(QTest::qWaitForWindowActive(host_.get()));
        prompts_ = std::make_unique<PromptRecorder>();
        platform_ = std::make_unique<RecordingPlatform>();
    }
    void cleanup()
    {
        platform_.reset();
        prompts_.reset();
        host_.reset();
    }

    void tagButtonsNestFromTheInsideOut()
    {
        setText(u"xabcy"_s, 1, 3);
        page_->toolbar1ButtonClick(ToolbarButton::Bold);
        QCOMPARE(edit()->toPlainText(), u"x[B]abc[/B]y"_s);
        QCOMPARE(selection(), (std::pair<int, int>{1, 10}));
        page_->toolbar1ButtonClick(ToolbarButton::Bold);
        QCOMPARE(edit()->toPlainText(), u"x[B][B]abc[/B][/B]y"_s);
        QCOMPARE(selection(), (std::pair<int, int>{1, 17}));
        page_->toolbar1ButtonClick(ToolbarButton::AlignCenter);
        QCOMPARE(edit()->textCursor().selectedText(), u"[ALIGN=CENTER][B][B]abc[/B][/B][/ALIGN]"_s);
        page_->toolbar1ButtonClick(ToolbarButton::Underline);
        page_->toolbar1ButtonClick(ToolbarButton::AlignLeft);
        QVERIFY(edit()->toPlainText().startsWith(u"x[ALIGN=LEFT][U][ALIGN=CENTER]"_s));
        QVERIFY(edit()->toPlainText().endsWith(u"[/ALIGN][/U][/ALIGN]y"_s));
        // Every completed action asks for the Arabic keyboard.
        QCOMPARE(platform_->layouts.size(), 5);
        for (const RecordingPlatform::Layout& l : platform_->layouts) {
            QCOMPARE(l.id, kArabic);
            QVERIFY(l.activate);
        }
        QVERIFY(prompts_->messages.isEmpty());
    }

    void refusedClickStillSnapshots()
    {
        setText(u"first"_s, 5, 0);
        page_->defaultKeyboardButton()->setFocus();
        page_->toolbar1ButtonClick(ToolbarButton::Italic);
        QCOMPARE(prompts_->messages.size(), 1);
        QCOMPARE(prompts_->messages.at(0).text, kSelectFirst);
        QCOMPARE(prompts_->messages.at(0).icon, prompt::Icon::Information);
        QCOMPARE(prompts_->messages.at(0).title, u"Tarnwell"_s);
        QCOMPARE(edit()->toPlainText(), u"first"_s);
        QVERIFY(edit()->hasFocus());
        QVERIFY(platform_->layouts.isEmpty());

        // Typed on, then back to the state of the refused click.
        QTest::keyClicks(edit(), u" and more"_s);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), u"first"_s);
        QCOMPARE(selection(), (std::pair<int, int>{5, 0}));
        QCOMPARE(platform_->layoutIds(), QStringList{kArabic});
        // Restoring takes no snapshot: twice gives the same text.
        QTest::keyClicks(edit(), u"!"_s);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), u"first"_s);
    }

    void restoreBeforeAnySnapshot()
    {
        setText(u"typed"_s, 2, 2);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), QString());
        QCOMPARE(selection(), (std::pair<int, int>{0, 0}));
        QVERIFY(edit()->hasFocus());
        // The pane's own undo brings the text back.
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit()->toPlainText(), u"typed"_s);
    }

    void pictureCodes()
    {
        // A selection is replaced by the inserted code, which ends selected.
        setText(u"xabcy"_s, 1, 3);
        prompts_->answers = {u"host/a.gif"_s};
        page_->toolbar1ButtonClick(ToolbarButton::Picture);
        QCOMPARE(edit()->toPlainText(), u"x[IMG]http://host/a.gif[/IMG]y"_s);
        QCOMPARE(edit()->textCursor().selectedText(), u"[IMG]http://host/a.gif[/IMG]"_s);
        QCOMPARE(prompts_->inputs.at(0).prompt, u"ضع رابط الصورة"_s);
        QCOMPARE(prompts_->inputs.at(0).title, u"Tarnwell"_s);
        QVERIFY(prompts_->inputs.at(0).defaultText.isEmpty());

        setText({}, 0, 0);
        prompts_->inputs.clear();
        prompts_->answers = {u"https://h/p.gif"_s, u"HtTp://forum/t"_s};
        page_->toolbar1ButtonClick(ToolbarButton::LinkedPicture);
        QCOMPARE(edit()->toPlainText(), u"[URL=HtTp://forum/t][IMG]https://h/p.gif[/IMG][/URL]"_s);
        QCOMPARE(prompts_->inputs.size(), 2);
        QCOMPARE(prompts_->inputs.at(0).prompt, tagactions::pictureInLinkPrompt());
        QCOMPARE(prompts_->inputs.at(1).prompt, tagactions::linkPrompt());

        // The title may be left empty; the link may not.
        setText(u"ab"_s, 1, 0);
        prompts_->answers = {QString(), u"host/page"_s};
        page_->toolbar1ButtonClick(ToolbarButton::TextLink);
        QCOMPARE(edit()->toPlainText(), u"a[URL=http://host/page][/URL]b"_s);
        QCOMPARE(selection(), (std::pair<int, int>{1, 28}));
        QVERIFY(edit()->hasFocus());
        QCOMPARE(platform_->layoutIds(), (QStringList{kArabic, kArabic, kArabic}));
    }

    void cancelledPromptsChangeNothing()
    {
        setText(u"keep"_s, 4, 0);
        // Cancel at the first prompt, or at the link prompt after a picture
        // address or a title.
        const std::pair<ToolbarButton, QStringList> cancels[] = {
            {ToolbarButton::Picture, {}},
            {ToolbarButton::LinkedPicture, {}},
            {ToolbarButton::LinkedPicture, {u"p.gif"_s}},
            {ToolbarButton::TextLink, {}},
            {ToolbarButton::TextLink, {u"title"_s}},
        };
        for (const auto& [button, answers] : cancels) {
            prompts_->answers = answers;
            page_->toolbar1ButtonClick(button);
            QCOMPARE(edit()->toPlainText(), u"keep"_s);
            QVERIFY(prompts_->answers.isEmpty());
        }
        QCOMPARE(prompts_->inputs.size(), 1 + 1 + 2 + 2 + 2);
        QVERIFY(platform_->layouts.isEmpty());
        // Each cancelled click snapshotted the text it left alone.
        QTest::keyClicks(edit(), u"er"_s);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), u"keep"_s);
    }

    void promptTexts()
    {
        const QString picture = QString::fromUtf8(sites::kExamplePicture);
        const QString forum = QString::fromUtf8(sites::kForumHost);
        QVERIFY(!picture.contains(u"://"_s));
        QCOMPARE(tagactions::pictureInLinkPrompt(), u"ضع وصلة الصورة\r\nمثال; "_s + picture);
        QCOMPARE(tagactions::linkPrompt(),
                 u"ضع رابط الوصلة  \r\nمثالhttp://"_s + forum + u"\r\nOR "_s + forum);
        QCOMPARE(tagactions::titlePrompt(), u"ضع العنوان الإختياري"_s);
    }

    void pickersByMouse()
    {
        setText(u"abc"_s, 0, 3);
        QTest::mouseClick(page_->lblSize(3), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(), u"[SIZE=3]abc[/SIZE]"_s);
        QCOMPARE(selection(), (std::pair<int, int>{0, 18}));
        QTest::mouseClick(page_->imgClr(5), Qt::LeftButton);
        QCOMPARE(edit()->textCursor().selectedText(), u"[COLOR=red][SIZE=3]abc[/SIZE][/COLOR]"_s);
        QTest::mouseClick(page_->lblfont(0), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(),
                 u"[FONT=Times New Roman][COLOR=red][SIZE=3]abc[/SIZE][/COLOR][/FONT]"_s);
        QCOMPARE(edit()->textCursor().selectedText(), edit()->toPlainText());
        // The pickers leave the keyboard alone.
        QVERIFY(platform_->layouts.isEmpty());

        // A font name with blanks goes in as it is; the same picker twice
        // nests two pairs; the size is the bare number.
        setText(u"x"_s, 0, 1);
        QTest::mouseClick(page_->lblfont(4), Qt::LeftButton);
        QTest::mouseClick(page_->lblfont(4), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(),
                 u"[FONT=Comic Sans MS][FONT=Comic Sans MS]x[/FONT][/FONT]"_s);
        setText(u"x"_s, 0, 1);
        QTest::mouseClick(page_->lblSize(7), Qt::LeftButton);
        QTest::mouseClick(page_->imgClr(26), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(), u"[COLOR=teal][SIZE=7]x[/SIZE][/COLOR]"_s);

        // Blanks and line breaks alone are a selection.
        setText(u"a \n b"_s, 1, 3);
        QTest::mouseClick(page_->imgClr(0), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(), u"a[COLOR=black] \n [/COLOR]b"_s);
        QCOMPARE(selection(), (std::pair<int, int>{1, 3 + 13 + 8}));
        QVERIFY(prompts_->messages.isEmpty());
    }

    void refusedPickerKeepsText()
    {
        setText(u"abc"_s, 1, 0);
        QTest::mouseClick(page_->lblfont(11), Qt::LeftButton);
        QCOMPARE(prompts_->messages.size(), 1);
        QCOMPARE(prompts_->messages.at(0).text, kSelectFirst);
        QCOMPARE(edit()->toPlainText(), u"abc"_s);
        QVERIFY(edit()->hasFocus());
        QCOMPARE(page_->editPane()->snapshot(), (forumcode::Edit{u"abc"_s, 1, 0}));
    }

    void paneUndoAcrossTags()
    {
        setText(u"xabcy"_s, 1, 3);
        page_->toolbar1ButtonClick(ToolbarButton::Bold);
        QTest::mouseClick(page_->imgClr(5), Qt::LeftButton);
        QCOMPARE(edit()->toPlainText(), u"x[COLOR=red][B]abc[/B][/COLOR]y"_s);
        // One step per operation, back and forth.
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit()->toPlainText(), u"x[B]abc[/B]y"_s);
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit()->toPlainText(), u"xabcy"_s);
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(edit()->toPlainText(), u"x[B]abc[/B]y"_s);
        // The restore is one more step of the same history.
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), u"x[B]abc[/B]y"_s);
        QTest::mouseClick(page_->lblSize(1), Qt::LeftButton);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), u"x[B]abc[/B]y"_s);
        QCOMPARE(selection(), (std::pair<int, int>{1, 10}));
        QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit()->toPlainText(), u"x[SIZE=1][B]abc[/B][/SIZE]y"_s);
    }

    void styleKeys()
    {
        setText(u"one two"_s, 4, 3);
        edit()->setFocus();
        QTest::keyClick(edit(), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(edit(), Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(edit()->toPlainText(), u"one [U][I][B]two[/B][/I][/U]"_s);
        QCOMPARE(platform_->layoutIds(), (QStringList{kArabic, kArabic, kArabic}));
        // Without a selection the guard answers, as for the buttons.
        setText(u"abc"_s, 3, 0);
        QTest::keyClick(edit(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(edit()->toPlainText(), u"abc"_s);
        QCOMPARE(prompts_->messages.size(), 1);
    }

    void buttons()
    {
        setText(u"all of it"_s, 2, 0);
        QTest::mouseClick(page_->selectAllButton(), Qt::LeftButton);
        QCOMPARE(selection(), (std::pair<int, int>{0, 9}));
        QVERIFY(edit()->hasFocus());
        QTest::mouseClick(page_->defaultKeyboardButton(), Qt::LeftButton);
        QVERIFY(edit()->hasFocus());
        QTest::mouseClick(page_->arabicKeyboardButton(), Qt::LeftButton);
        QVERIFY(edit()->hasFocus());
        QCOMPARE(platform_->layoutIds(), (QStringList{u"00000400"_s, kArabic}));
        QVERIFY(platform_->layouts.at(0).activate);
        // Command5 copies the text, leaving it and the keyboard as they are.
        QGuiApplication::clipboard()->setText(u"before"_s);
        QTest::mouseClick(page_->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"all of it"_s);
        QCOMPARE(edit()->toPlainText(), u"all of it"_s);
        QCOMPARE(platform_->layouts.size(), 2);
    }

    void snapshotPastSixteenBits()
    {
        // Positions a 16-bit snapshot could not hold.
        const QString head(40000, u'م');
        setText(head + u"abc tail"_s, 40000, 3);
        page_->toolbar1ButtonClick(ToolbarButton::Bold);
        QCOMPARE(page_->editPane()->snapshot().start, 40000);
        QCOMPARE(page_->editPane()->snapshot().length, 3);
        QCOMPARE(selection(), (std::pair<int, int>{40000, 10}));
        QTest::keyClicks(edit(), u"x"_s);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), head + u"abc tail"_s);
        QCOMPARE(selection(), (std::pair<int, int>{40000, 3}));
        QCOMPARE(edit()->textCursor().selectedText(), u"abc"_s);
    }

    void restoreKeepsLineBreaksAndNoBreakSpaces()
    {
        const QString text = u"line one\nسطر\u00A0ثان\n\nend"_s;
        setText(text, 9, 3);
        page_->toolbar1ButtonClick(ToolbarButton::AlignRight);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(page_->editPane()->state(), (forumcode::Edit{text, 9, 3}));
        QCOMPARE(edit()->document()->blockCount(), 4);
    }

    void paragraphsStandAtTheirStart()
    {
        setText(u"نص عربي [B]bold[/B]\nLatin first عربي\n[SIZE=3]رقم[/SIZE]\n123 !\n\n"_s, 0, 0);
        (void)edit()->viewport()->grab();
        const qreal width = edit()->viewport()->width();
        auto line = [this](int block) {
            return edit()->document()->findBlockByNumber(block).layout()->lineAt(0);
        };
        auto atRight = [&](int block) {
            return line(block).naturalTextRect().right() > width - 10;
        };
        auto atLeft = [&](int block) { return line(block).naturalTextRect().left() < 10; };
        // Arabic to the right, read from the right; Latin to the left.
        QVERIFY(atRight(0) && !atLeft(0));
        QVERIFY(line(0).cursorToX(0) > width / 2);
        QVERIFY(atLeft(1) && !atRight(1));
        QVERIFY(line(1).cursorToX(0) < width / 2);
        // The first strong letter decides, not the first character.
        QVERIFY(atLeft(2));
        // Without a letter: the pane's own side.
        QVERIFY(atRight(3));
        QVERIFY(line(4).cursorToX(0) > width / 2);
        // The scroll bar stays on the right-to-left side.
        QVERIFY(edit()->verticalScrollBar()->geometry().right() < edit()->width() / 2);

        // Typed text keeps its place as its paragraph changes.
        QTextCursor c = edit()->textCursor();
        c.movePosition(QTextCursor::End);
        edit()->setTextCursor(c);
        QTest::keyClicks(edit(), u"Latin"_s);
        (void)edit()->viewport()->grab();
        QVERIFY(atLeft(5));
    }

    void pickerFacesDiffer()
    {
        page_->preparePickers();
        const QStringList needed = {
            u"Liberation Serif"_s, u"Liberation Sans"_s, u"Liberation Mono"_s,
            u"DejaVu Sans"_s,      u"Amiri"_s,           u"Comic Neue"_s};
        const QStringList installed = QFontDatabase::families();
        for (const QString& family : needed) {
            if (!installed.contains(family))
                QSKIP(qPrintable(u"the look-alike faces are not installed: "_s + family));
        }
        // Each name in a face of its own: family, width and weight together.
        QSet<QString> looks;
        for (int i = 0; i < EditorPage::kFontCount; ++i) {
            const QFont f = page_->lblfont(i)->font();
            const QFontInfo info(f);
            looks.insert(info.family() + u'/' + QString::number(f.stretch()) + u'/' +
                         QString::number(info.weight()));
        }
        QCOMPARE(looks.size(), EditorPage::kFontCount);
        QCOMPARE(QFontInfo(page_->lblfont(4)->font()).family(), u"Comic Neue"_s);
        if (QFileInfo(u"/usr/share/wine/fonts/tahoma.ttf"_s).isFile())
            QCOMPARE(QFontInfo(page_->lblfont(8)->font()).family(), u"Tahoma"_s);
        // Every caption is drawn whole by its face, without empty boxes.
        for (int i = 0; i < EditorPage::kFontCount; ++i) {
            QFont single = page_->lblfont(i)->font();
            single.setStyleStrategy(QFont::NoFontMerging);
            const QFontMetrics metrics(single);
            for (const QChar c : page_->lblfont(i)->text())
                QVERIFY2(metrics.inFont(c), qPrintable(page_->lblfont(i)->text()));
        }
    }

    void copyButtonCopiesTheWholePost()
    {
        // Every line, whatever is selected; no-break spaces stay what they are.
        const QString post = u"[B]سطر\u00A0أول[/B]\n\nline three"_s;
        setText(post, 4, 3);
        QTest::mouseClick(page_->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), post);
        QCOMPARE(page_->editPane()->state(), (forumcode::Edit{post, 4, 3}));
        // An empty post empties the clipboard's text.
        setText({}, 0, 0);
        QTest::mouseClick(page_->copyButton(), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void restoreAfterTheEndWasDeleted()
    {
        // The text now is the start of the snapshot's: only a deletion at
        // the end tells them apart.
        setText(u"one two"_s, 0, 3);
        page_->toolbar1ButtonClick(ToolbarButton::Bold);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QTextCursor c = edit()->textCursor();
        c.movePosition(QTextCursor::End);
        edit()->setTextCursor(c);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(edit(), Qt::Key_Backspace);
        QCOMPARE(edit()->toPlainText(), u"one"_s);
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QCOMPARE(edit()->toPlainText(), u"one two"_s);
        QCOMPARE(edit()->textCursor().selectedText(), u"one"_s);
    }

private:
    QPlainTextEdit* edit() const { return page_->txtEdit(); }
    void setText(const QString& text, int start, int length)
    {
        edit()->setPlainText(text);
        QTextCursor c = edit()->textCursor();
        c.setPosition(start);
        c.setPosition(start + length, QTextCursor::KeepAnchor);
        edit()->setTextCursor(c);
        edit()->setFocus();
    }
    std::pair<int, int> selection() const
    {
        const QTextCursor c = edit()->textCursor();
        return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
    }

    std::unique_ptr<QWidget> host_;
    EditorPage* page_ = nullptr;
    std::unique_ptr<PromptRecorder> prompts_;
    std::unique_ptr<RecordingPlatform> platform_;
};

QTEST_MAIN(TestEditor)
#include "test_editor.moc"
