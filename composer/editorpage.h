// Page 3 of the main window, the forum editor: size, colour and font
// pickers above the edit pane.
#pragma once

#include "base/catalogue.h"
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"
#include "base/forumcode/forumcode.h"
#include "base/localpictures.h"
#include "composer/toolbarbutton.h"

#include <array>
#include <optional>

class EditPane;
class ForumChoice;
class FrmPostLook;
class QMenu;
class QPlainTextEdit;
class QPushButton;

class EditorPage : public controls::PictureBox {
    Q_OBJECT
public:
    explicit EditorPage(QWidget* parent);

    // Start-up: every colour swatch shows its colour's name as its tooltip,
    // and every font label is drawn in the face it names.
    void preparePickers();

    static constexpr int kSizeCount = 7;    // lblSize(1..7); there is no element 0
    static constexpr int kColourCount = 27; // imgClr(0..26)
    static constexpr int kFontCount = 12;   // lblfont(0..11)
    static_assert(kColourCount == catalogue::kSwatches, "one imgClr per colour swatch");

    // nullptr for an index outside 1..7.
    controls::ClickLabel* lblSize(int index) const;
    controls::ImageBox* imgClr(int index) const { return imgClr_.at(static_cast<size_t>(index)); }
    controls::ClickLabel* lblfont(int index) const
    {
        return lblfont_.at(static_cast<size_t>(index));
    }
    QPlainTextEdit* txtEdit() const { return txtEdit_; }
    // Command2, Command3, Command4 and Command5 of the make-up.
    QPushButton* selectAllButton() const { return selectAllButton_; }
    QPushButton* arabicKeyboardButton() const { return arabicKeyboardButton_; }
    QPushButton* defaultKeyboardButton() const { return defaultKeyboardButton_; }
    QPushButton* copyButton() const { return copyButton_; }
    // The operations on txtEdit and its undo snapshot.
    EditPane* editPane() const { return editPane_; }

    // Toolbar1's click on a button.
    void toolbar1ButtonClick(ToolbarButton button);
    // The size, font and colour pickers: snapshot, guard, and the selection
    // wrapped in the tag pair and left selected. False when refused.
    bool pickerClick(const forumcode::TagPair& tags);
    // A picker's click as the pickers make it: the tag written for the
    // forum's engine. A tag the engine cannot read leaves the selection as
    // it is (the click still counts as made) and the look says so.
    bool pickerClick(forumcode::Tag tag, const QString& value);

    // The forum the codes are written for, shared with the post's look;
    // without one the classic codes are written.
    void setForumChoice(ForumChoice* forum);

    // Where the post's look finds the pictures of the program's own sites.
    void setLocalPictures(LocalPictures pictures);
    // F5 and the pane's context-menu entry: shows the post's look window,
    // or hides it. It is made the first time it is asked for.
    void togglePostLook();
    // nullptr until it was first shown.
    FrmPostLook* postLook() const { return postLook_; }

protected:
    // Keeps the size and font captions on one visible line when their font
    // changes.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The clicks of the pickers and buttons, and the bold, italic and
    // underline keys of the edit pane.
    void connectBehaviour();
    // The pickers as choices of the keyboard, named, and the Tab chain.
    void makeKeyboardReachable();
    // Gives every size and font caption the width its text needs.
    void fitCaptions();
    // txtEdit's context menu: the pane's own entries and the post's look.
    void showTxtEditMenu(const QPoint& globalPos);
    bool captionsFitted_ = false;
    std::array<controls::ClickLabel*, kSizeCount> lblSize_{};
    std::array<controls::ImageBox*, kColourCount> imgClr_{};
    std::array<controls::ClickLabel*, kFontCount> lblfont_{};
    QPlainTextEdit* txtEdit_ = nullptr;
    QPushButton* selectAllButton_ = nullptr;
    QPushButton* arabicKeyboardButton_ = nullptr;
    QPushButton* defaultKeyboardButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    EditPane* editPane_ = nullptr;
    FrmPostLook* postLook_ = nullptr;
    ForumChoice* forum_ = nullptr;
    std::optional<LocalPictures> localPictures_;
};
