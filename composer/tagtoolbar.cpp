// The tag toolbar: bold, italic, underline, the three alignments, picture
// and link tags, and undo, with separators numbered like buttons.
#include "tagtoolbar.h"

#include "makeup.h"

#include <QAction>

using namespace Qt::StringLiterals;

namespace {

struct ButtonRow {
    int index;
    int image; // in ImageList3; 0 for a separator
    QString key;
    QString toolTip;
};

const ButtonRow kButtons[TagToolbar::kButtonCount] = {
    {1, 11, u"B"_s, u"خط داكن"_s},
    {2, 12, u"I"_s, u"خط مائل"_s},
    {3, 13, u"U"_s, u"خط سفلي"_s},
    {4, 0, {}, {}},
    {5, 7, u"LEFT"_s, u"جهة اليسار"_s},
    {6, 8, u"CENTER"_s, u"في المنتصف"_s},
    {7, 9, u"RIGHT"_s, u"جهة اليمين"_s},
    {8, 0, {}, {}},
    {9, 17, {}, u"صورة"_s},
    {10, 18, {}, u"وصلة بصورة"_s},
    {11, 21, {}, u"وصلة كتابية"_s},
    {12, 0, {}, {}},
    {13, 0, {}, {}},
    {14, 23, {}, u"إعادة لآخر وضع"_s},
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
        auto* action = new QAction(this);
        action->setObjectName(makeup::indexed(u"Toolbar1.button"_s, row.index));
        if (row.image == 0) {
            action->setSeparator(true);
        } else {
            action->setIcon(imageList3(row.image));
            action->setText(row.toolTip);
            action->setToolTip(row.toolTip);
            action->setData(row.key);
            connect(action, &QAction::triggered, this,
                    [this, index = row.index, key = row.key] { Q_EMIT buttonClicked(index, key); });
        }
        addAction(action);
        buttons_.at(static_cast<size_t>(row.index - 1)) = action;
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
