// The border viewer (frmViewBorder): plays one border from the Border
// folder and shows its web address and its forum code, ready to copy. The
// border page shows it modally on a right click; its OK button hides it,
// its close box discards it.
#pragma once

#include "base/controls/animatedpicture.h"
#include "base/formwindow.h"

class QLineEdit;
class QPushButton;

class FrmViewBorder : public controls::FormWindow {
    Q_OBJECT
public:
    explicit FrmViewBorder(QWidget* parent = nullptr);

    // The forum code into txtForumCode, the web address into txtWebCode.
    void setCodes(const QString& forumCode, const QString& webAddress);

    // Shows the viewer application-modal and returns when it has been
    // hidden (cmdHide) or discarded (its close box).
    void showModal();

    // AG of the make-up: the border playing.
    controls::AnimatedPicture* borderPicture() const { return ag_; }
    QLineEdit* txtWebCode() const { return txtWebCode_; }
    QLineEdit* txtForumCode() const { return txtForumCode_; }
    QPushButton* cmdHide() const { return cmdHide_; }

Q_SIGNALS:
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    controls::AnimatedPicture* ag_ = nullptr;
    QLineEdit* txtWebCode_ = nullptr;
    QLineEdit* txtForumCode_ = nullptr;
    QPushButton* cmdHide_ = nullptr;
};
