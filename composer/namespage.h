// Page 0 of the main window, the names decorator: a name entry, the 24
// decoration patterns and the result box.
#pragma once

#include "base/controls/building.h"
#include "base/controls/picturebox.h"

#include <array>

class QLineEdit;
class QRadioButton;

class NamesPage : public controls::PictureBox {
    Q_OBJECT
public:
    explicit NamesPage(QWidget* parent, controls::Building building = controls::Building::Now);
    // Makes the page's controls, unless they exist already.
    void build();

    QLineEdit* txtInput() const { return txtInput_; }
    QLineEdit* txtOutput() const { return txtOutput_; }
    QRadioButton* opt(int index) const { return opt_.at(static_cast<size_t>(index)); }
    static constexpr int kPatternCount = 24;

    // The name to decorate, as txtInput held it when the focus last left
    // it. Empty at start.
    const QString& nameText() const { return nameText_; }

    // opt(index) clicked: txtOutput shows its pattern around nameText.
    void optClick(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The patterns wait for a name: enabled exactly while txtInput holds
    // some text.
    void txtInputChange();
    bool built_ = false;
    QString nameText_;
    QLineEdit* txtInput_ = nullptr;
    QLineEdit* txtOutput_ = nullptr;
    std::array<QRadioButton*, kPatternCount> opt_{};
};
