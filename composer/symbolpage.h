// Page 1 of the main window, the symbol decorator: a result line and the
// grid of 73 symbol buttons.
#pragma once

#include "base/controls/building.h"
#include "base/controls/picturebox.h"

#include <array>

class QFrame;
class QLineEdit;
class QPushButton;

class SymbolPage : public controls::PictureBox {
    Q_OBJECT
public:
    explicit SymbolPage(QWidget* parent, controls::Building building = controls::Building::Now);
    // Makes the page's controls, unless they exist already.
    void build();

    static constexpr int kSymbolCount = 73;

    QFrame* frame1() const { return frame1_; }
    QLineEdit* txtOut() const { return txtOut_; }
    // Command1 of the make-up.
    QPushButton* selectAllButton() const { return selectAllButton_; }
    QPushButton* cmdCopy() const { return cmdCopy_; }
    QPushButton* cmdErase() const { return cmdErase_; }
    QPushButton* cmd(int index) const { return cmd_.at(static_cast<size_t>(index)); }

    // cmd(index) clicked: its caption as stored ("&&" for the button that
    // shows "&") goes at the end of txtOut, wherever the caret is.
    void cmdClick(int index);
    // The select-all button: the whole of txtOut selected, the focus in it.
    void selectAllClick();
    // cmdCopy: txtOut's text on the system clipboard as plain text.
    void cmdCopyClick();
    // cmdErase: txtOut emptied.
    void cmdEraseClick();

private:
    bool built_ = false;
    QFrame* frame1_ = nullptr;
    QLineEdit* txtOut_ = nullptr;
    QPushButton* selectAllButton_ = nullptr;
    QPushButton* cmdCopy_ = nullptr;
    QPushButton* cmdErase_ = nullptr;
    std::array<QPushButton*, kSymbolCount> cmd_{};
};
