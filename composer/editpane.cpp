// The operations on the edit pane; see editpane.h.
#include "composer/editpane.h"

#include "base/prompt.h"
#include "base/readingdirection.h"

#include <algorithm>

#include <QEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

// The request to select some text before asking for a tag.
constexpr char16_t kSelectFirst[] = u"قم بتظليل النص فضلاً";

// Whether a paragraph stands at the right: its first strong letter is
// Arabic (or Hebrew), or it has no strong letter at all.
bool standsRight(const QString& paragraph)
{
    return reading::firstStrongIsRightToLeft(paragraph).value_or(true);
}

} // namespace

EditPane::EditPane(QPlainTextEdit* pane) : QObject(pane), pane_(pane)
{
    // Paragraph directions come from their text, not from the pane, whose
    // right-to-left direction only puts the scroll bar on the left.
    QTextOption option = pane_->document()->defaultTextOption();
    option.setTextDirection(Qt::LayoutDirectionAuto);
    pane_->document()->setDefaultTextOption(option);
    pane_->viewport()->installEventFilter(this);
}

bool EditPane::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched == pane_->viewport())
        alignVisibleParagraphs();
    return QObject::eventFilter(watched, event);
}

void EditPane::alignVisibleParagraphs()
{
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(pane_->document()->documentLayout());
    if (!layout)
        return;
    // The alignment is read when a line is drawn, hit or given its caret;
    // laying a paragraph out again puts the pane's own back, so this runs
    // before every drawing, for the few paragraphs in view.
    const int height = pane_->viewport()->height();
    qreal covered = 0;
    for (QTextBlock block = pane_->cursorForPosition(QPoint(0, 0)).block();
         block.isValid() && covered <= height; block = block.next()) {
        if (!block.isVisible())
            continue;
        layout->ensureBlockLayout(block);
        QTextLayout* lines = block.layout();
        const Qt::Alignment wanted =
            (standsRight(block.text()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute;
        QTextOption option = lines->textOption();
        if (option.alignment() != wanted) {
            option.setAlignment(wanted);
            lines->setTextOption(option);
        }
        covered += lines->boundingRect().height();
    }
}

QString EditPane::text() const
{
    // Raw, so that every character keeps its document position (plain text
    // would turn no-break spaces into blanks); paragraphs end in "\n".
    QString raw = pane_->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    return raw;
}

forumcode::Edit EditPane::state() const
{
    const QTextCursor c = pane_->textCursor();
    return {text(), c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

bool EditPane::requireSelection()
{
    if (pane_->textCursor().hasSelection())
        return true;
    prompt::message(pane_->window(), QString::fromUtf16(kSelectFirst));
    pane_->setFocus(Qt::OtherFocusReason);
    return false;
}

void EditPane::takeSnapshot()
{
    snapshot_ = state();
}

void EditPane::restoreSnapshot()
{
    const QString now = text();
    const QString& then = snapshot_.text;
    // Replace only what differs: the common beginning and end stay, which
    // keeps the pane's undo step small and its scroll position steady.
    const qsizetype shorter = std::min(now.size(), then.size());
    qsizetype head = 0;
    while (head < shorter && now.at(head) == then.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           now.at(now.size() - 1 - tail) == then.at(then.size() - 1 - tail))
        ++tail;
    if (head != now.size() || head != then.size()) {
        QTextCursor c(pane_->document());
        c.beginEditBlock();
        c.setPosition(static_cast<int>(head));
        c.setPosition(static_cast<int>(now.size() - tail), QTextCursor::KeepAnchor);
        c.insertText(then.mid(head, then.size() - head - tail));
        c.endEditBlock();
    }
    const forumcode::Edit held = forumcode::clamped(snapshot_);
    select(held.start, held.length);
    pane_->setFocus(Qt::OtherFocusReason);
}

void EditPane::wrapSelection(const QString& open, const QString& close)
{
    QTextCursor c = pane_->textCursor();
    const qsizetype start = c.selectionStart();
    const qsizetype length = c.selectionEnd() - start;
    // The closing tag first, so that the opening tag's insertion does not
    // move where it goes; the selection itself is not rewritten, which
    // keeps a wrap cheap in a long post.
    c.beginEditBlock();
    c.setPosition(static_cast<int>(start + length));
    c.insertText(close);
    c.setPosition(static_cast<int>(start));
    c.insertText(open);
    c.endEditBlock();
    select(start, length + open.size() + close.size());
}

void EditPane::insertAtCaret(const QString& code)
{
    QTextCursor c = pane_->textCursor();
    const qsizetype start = c.selectionStart();
    c.beginEditBlock();
    c.insertText(code);
    c.endEditBlock();
    select(start, code.size());
    pane_->setFocus(Qt::OtherFocusReason);
}

void EditPane::selectAll()
{
    pane_->selectAll();
    pane_->setFocus(Qt::OtherFocusReason);
}

void EditPane::select(qsizetype start, qsizetype length)
{
    QTextCursor c = pane_->textCursor();
    c.setPosition(static_cast<int>(start));
    c.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
    pane_->setTextCursor(c);
}
