// The tag toolbar: bold, italic, underline, the three alignments, picture
// and link tags, and undo, with separators numbered like buttons.
#include "composer/tagtoolbar.h"

#include "base/controls/iconahead.h"
#include "base/makeup.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {

struct ButtonRow {
    ToolbarButton button;
    int image; // in ImageList3; 0 for a separator
    QString toolTip;
};

const ButtonRow kButtons[TagToolbar::kButtonCount] = {
    {ToolbarButton::Bold, 11, u"خط داكن"_s},
    {ToolbarButton::Italic, 12, u"خط مائل"_s},
    {ToolbarButton::Underline, 13, u"خط سفلي"_s},
    {ToolbarButton::Separator1, 0, {}},
    {ToolbarButton::AlignLeft, 7, u"جهة اليسار"_s},
    {ToolbarButton::AlignCenter, 8, u"في المنتصف"_s},
    {ToolbarButton::AlignRight, 9, u"جهة اليمين"_s},
    {ToolbarButton::Separator2, 0, {}},
    {ToolbarButton::Picture, 17, u"صورة"_s},
    {ToolbarButton::LinkedPicture, 18, u"وصلة بصورة"_s},
    {ToolbarButton::TextLink, 21, u"وصلة كتابية"_s},
    {ToolbarButton::Separator3, 0, {}},
    {ToolbarButton::Separator4, 0, {}},
    {ToolbarButton::BackToLastState, 23, u"إعادة لآخر وضع"_s},
};

} // namespace

TagToolbar::TagToolbar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(u"Toolbar1"_s);
    setFont(makeup::dialogFont());
    setIconSize(QSize(16, 16));
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);

    for (const ButtonRow& row : kButtons) {
        const int index = static_cast<int>(row.button);
        auto* action = new QAction(this);
        action->setObjectName(makeup::indexed(u"Toolbar1.button"_s, index));
        if (row.image == 0) {
            action->setSeparator(true);
        } else {
            action->setIcon(imageList3(row.image));
            action->setText(row.toolTip);
            action->setToolTip(row.toolTip);
            connect(action, &QAction::triggered, this,
                    [this, button = row.button] { Q_EMIT buttonClicked(button); });
        }
        addAction(action);
        buttons_.at(static_cast<size_t>(index - 1)) = action;
    }
}

QAction* TagToolbar::button(int index) const
{
    if (index < 1 || index > kButtonCount)
        return nullptr;
    return buttons_.at(static_cast<size_t>(index - 1));
}

QIcon TagToolbar::imageList3(int index)
{
    if (index < 1 || index > kImageCount)
        return {};
    // Every tool picture is 16 x 16.
    return controls::iconAhead({{u":/art/tool%1.png"_s.arg(index), QSize(16, 16)}});
}
