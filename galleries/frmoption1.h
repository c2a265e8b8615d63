// The image-insertion dialog (frmOption1): previews a download button,
// lets the user choose its alignment and an optional title line, and
// builds the forum code of the button linked to a download address.
#pragma once

#include "base/controls/animatedpicture.h"
#include "base/formwindow.h"
#include "base/forumchoice.h"
#include "base/forumcode/engine.h"
#include "base/forumcode/forumcode.h"

#include <QPointer>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;

class FrmOption1 : public controls::FormWindow {
    Q_OBJECT
public:
    explicit FrmOption1(QWidget* parent = nullptr);

    // The web address of the button's picture and the download address it
    // is to open; kept until the next call.
    void setImage(const QString& imglink, const QString& theLink);
    QString imglink() const { return imglink_; }
    QString theLink() const { return theLink_; }
    // "RIGHT", "CENTER", "LEFT" or "NONE": the Tag of the option last chosen.
    QString alignment() const { return alignment_; }

    // The linked picture, the title on a line of its own after it, all
    // inside the alignment tags unless the keyword is exactly "NONE". A
    // download address without "http://" (in any case, anywhere) gets it
    // in front. The alignment is written as the engine writes it; where
    // the engine has none, the code goes without and *leftOut is set.
    static QString buildCode(const QString& imglink, const QString& theLink, const QString& title,
                             const QString& alignment,
                             forumcode::Engine engine = forumcode::Engine::Classic,
                             bool* leftOut = nullptr);

    // The forum the code is written for; the classic codes without one.
    void setForumChoice(ForumChoice* forum) { forum_ = forum; }

    // Builds the code from the current state, empties the title box and
    // hands the code on through codeReady.
    void cmdOkClick();
    void cmdTipClick();

    controls::AnimatedPicture* imgBack() const { return imgBack_; }
    QLineEdit* txt() const { return txt_; }
    QRadioButton* optAlign(int index) const { return optAlign_.at(static_cast<size_t>(index)); }
    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdTip() const { return cmdTip_; }

Q_SIGNALS:
    // The finished code, for the download-links page's code box.
    void codeReady(const QString& code);
    // The close box was used: the window is being discarded.
    void discarded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString imglink_;
    QString theLink_;
    QPointer<ForumChoice> forum_;
    QString alignment_ = QString::fromUtf16(forumcode::kAlignCenter);
    controls::AnimatedPicture* imgBack_ = nullptr;
    QLineEdit* txt_ = nullptr;
    std::array<QRadioButton*, 4> optAlign_{};
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdTip_ = nullptr;
};
