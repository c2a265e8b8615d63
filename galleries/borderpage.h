// Page 2 of the main window, decorations and separators: the border
// gallery in its moving panel, the scroll bar, the "more" link and the
// border code box.
#pragma once

#include "controls.h"

#include <vector>

class QLabel;
class QLineEdit;
class QScrollBar;

class BorderPage : public controls::PictureBox {
    Q_OBJECT
public:
    explicit BorderPage(QWidget* parent);

    controls::PictureBox* picture3() const { return picture3_; }
    controls::PictureBox* picMoveit() const { return picMoveit_; }
    // imgBord(0) exists from the start; start-up appends imgBord(1..60).
    std::vector<controls::ImageBox*>& imgBord() { return imgBord_; }
    QScrollBar* vs() const { return vs_; }
    controls::ClickLabel* label8() const { return label8_; }
    QLineEdit* txtCode() const { return txtCode_; }
    controls::FrameShape* shpcode() const { return shpcode_; }
    QLabel* l() const { return l_; }

private:
    controls::PictureBox* picture3_ = nullptr;
    controls::PictureBox* picMoveit_ = nullptr;
    std::vector<controls::ImageBox*> imgBord_;
    QScrollBar* vs_ = nullptr;
    controls::ClickLabel* label8_ = nullptr;
    QLineEdit* txtCode_ = nullptr;
    controls::FrameShape* shpcode_ = nullptr;
    QLabel* l_ = nullptr;
};
