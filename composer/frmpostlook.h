// The post's look window (frmPostLook): the forum editor's post as the
// forum will show it, following every change of the edit pane while the
// window is shown. Changes in quick succession are drawn once, after the
// pane has been still for a moment, so typing never waits for the look.
// Closing it only hides it.
#pragma once

#include "base/formwindow.h"
#include "base/localpictures.h"

#include <QTimer>

#include <optional>

class EditPane;
class PostLookView;

class FrmPostLook : public controls::FormWindow {
    Q_OBJECT
public:
    // How long the pane must stay still before the look is drawn again.
    static constexpr int kSettleMs = 50;

    FrmPostLook(const EditPane& source, QWidget* parent = nullptr);

    void setLocalPictures(std::optional<LocalPictures> pictures);

    // Shows the window without taking the focus from the pane, or hides it.
    void toggle();

    PostLookView* view() const { return view_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void sourceChanged();
    void draw();

    const EditPane& source_;
    PostLookView* view_ = nullptr;
    QTimer settle_;
};
