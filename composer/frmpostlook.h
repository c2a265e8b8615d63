// The post's look window (frmPostLook): the forum editor's post as the
// forum will show it, following every change of the edit pane while the
// window is shown. Changes in quick succession are drawn once, after the
// pane has been still for a moment, so typing never waits for the look.
// Closing it only hides it. Above the look, the member chooses their
// forum ("منتداك"): the look is the reading of that forum's engine, and a
// note under the choice says what the codes left out for it and what of
// the post it shows as text.
#pragma once

#include "base/formwindow.h"
#include "base/forumcode/engine.h"
#include "base/localpictures.h"

#include <QTimer>

#include <optional>
#include <set>

class EditPane;
class ForumChoice;
class PostLookView;
class QComboBox;
class QLabel;

class FrmPostLook : public controls::FormWindow {
    Q_OBJECT
public:
    // How long the pane must stay still before the look is drawn again.
    static constexpr int kSettleMs = 50;

    FrmPostLook(const EditPane& source, QWidget* parent = nullptr);

    void setLocalPictures(std::optional<LocalPictures> pictures);
    // The forum the look reads for, chosen at the window's top; without
    // one the choice is not shown and the look is the classic reading.
    void setForumChoice(ForumChoice* forum);

    // Shows the window without taking the focus from the pane, or hides it.
    void toggle();

    PostLookView* view() const { return view_; }
    // cboForum, the choice of the forum, and lblForumNote, the note under
    // it (hidden while there is nothing to say).
    QComboBox* forumBox() const { return forumBox_; }
    QLabel* forumNote() const { return forumNote_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void sourceChanged();
    void draw();
    void forumChosen(int index);
    void showEngine(forumcode::Engine engine);
    void updateNote();
    // The engine the look reads for.
    forumcode::Engine engine() const;
    // The kinds the post holds that the engine shows as text.
    std::set<forumcode::LeftOut> unreadKinds() const;

    const EditPane& source_;
    PostLookView* view_ = nullptr;
    QWidget* forumRow_ = nullptr;
    QComboBox* forumBox_ = nullptr;
    QLabel* forumNote_ = nullptr;
    ForumChoice* forum_ = nullptr;
    QTimer settle_;
};
