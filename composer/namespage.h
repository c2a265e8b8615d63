// Page 0 of the main window, the names decorator: a name entry, the 24
// decoration patterns and the result box.
#pragma once

#include "controls.h"

#include <array>

class QLineEdit;
class QRadioButton;

class NamesPage : public controls::PictureBox {
    Q_OBJECT
public:
    explicit NamesPage(QWidget* parent);

    QLineEdit* txtInput() const { return txtInput_; }
    QLineEdit* txtOutput() const { return txtOutput_; }
    QRadioButton* opt(int index) const { return opt_.at(static_cast<size_t>(index)); }
    static constexpr int kPatternCount = 24;

private:
    QLineEdit* txtInput_ = nullptr;
    QLineEdit* txtOutput_ = nullptr;
    std::array<QRadioButton*, kPatternCount> opt_{};
};
