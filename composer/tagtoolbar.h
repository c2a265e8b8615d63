// The tag toolbar of the forum editor (Toolbar1): 14 numbered buttons,
// separators included in the numbering, with images from ImageList3.
#pragma once

#include "base/catalogue.h"
#include "composer/toolbarbutton.h"

#include <QToolBar>

#include <array>

class QAction;

class TagToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit TagToolbar(QWidget* parent);

    static constexpr int kButtonCount = 14;
    static constexpr int kImageCount = catalogue::kToolIcons;

    // Button 1..14 as the toolbar numbers them; nullptr outside that range.
    QAction* button(int index) const;
    QAction* button(ToolbarButton button) const { return this->button(static_cast<int>(button)); }
    // Image 1..23 of ImageList3.
    static QIcon imageList3(int index);

Q_SIGNALS:
    void buttonClicked(ToolbarButton button);

private:
    std::array<QAction*, kButtonCount> buttons_{};
};
