// The operations on the forum editor's edit pane (txtEdit): the selection
// guard, the one-level undo snapshot, wrap selection and insert at caret.
// Every change goes through the pane's text cursor as one edit block, so
// the pane's own undo and redo keep working step by step across them.
#pragma once

#include "base/forumcode/forumcode.h"

#include <QObject>

class QPlainTextEdit;

class EditPane : public QObject {
    Q_OBJECT
public:
    explicit EditPane(QPlainTextEdit* pane);

    QPlainTextEdit* pane() const { return pane_; }

    // The pane's text (line breaks as "\n") with its selection.
    forumcode::Edit state() const;

    // True when some text is selected; otherwise shows the request to
    // select the text first, puts the focus back into the pane and answers
    // false.
    bool requireSelection();

    // The snapshot holds the text and selection as they were; positions
    // are full-width, so a post of any length restores its selection.
    void takeSnapshot();
    // Puts the snapshot's text back, then its selection, then the focus
    // into the pane. The snapshot stays as it is. Only the part that
    // differs is replaced, as one step of the pane's own undo history.
    void restoreSnapshot();
    const forumcode::Edit& snapshot() const { return snapshot_; }

    // The selection S replaced by open + S + close, the whole of it left
    // selected. The focus is not moved.
    void wrapSelection(const QString& open, const QString& close);
    void wrapSelection(const forumcode::TagPair& tags) { wrapSelection(tags.open, tags.close); }
    // The selection (possibly empty) replaced by code, code selected, and
    // the focus into the pane.
    void insertAtCaret(const QString& code);

    // Select the whole text and put the focus into the pane.
    void selectAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each paragraph reads in the direction of its first strong letter and
    // stands at its own start: Arabic at the right, Latin at the left;
    // paragraphs without a letter stand at the right, the pane's side. A
    // plain-text pane has one alignment for all its paragraphs, so the
    // paragraphs about to be drawn are given theirs just before drawing.
    void alignVisibleParagraphs();
    QString text() const;
    void select(qsizetype start, qsizetype length);

    QPlainTextEdit* pane_;
    forumcode::Edit snapshot_;
};
