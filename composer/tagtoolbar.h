// The tag toolbar of the forum editor (Toolbar1): 14 numbered buttons,
// separators included in the numbering, with images from ImageList3.
#pragma once

#include "catalogue.h"

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
    // Each button's key ("B", "LEFT", ...) is in its data(), empty if none.
    QAction* button(int index) const;
    // Image 1..23 of ImageList3.
    static QIcon imageList3(int index);

Q_SIGNALS:
    void buttonClicked(int index, const QString& key);

private:
    std::array<QAction*, kButtonCount> buttons_{};
};
