// The tray menu's owner and setMenuItemPicture; see frmmenu.h.
#include "app/frmmenu.h"

#include "base/makeup.h"

#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

using namespace Qt::StringLiterals;

namespace {

// The style draws a menu item's text in the painter's direction, which
// follows the program (left to right) rather than the menu: the Arabic
// captions would stand at the far left, away from their pictures. Painting
// in the menu's own direction puts them beside the pictures on the right.
class MenuDirectionStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (widget)
            painter->setLayoutDirection(widget->layoutDirection());
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

FrmMenu::FrmMenu(QWidget* parent)
    : controls::FormWindow(u"frmMenu"_s, u"Form1"_s, QSize(4680, 3090), Frame::Sizable,
                           std::nullopt, parent)
{
    // The window is never shown; its menu bar only gives setMenuItemPicture
    // the path "bar, sub-menu, item" to the tray menu's items.
    auto* bar = new QMenuBar(this);
    bar->setObjectName(u"frmMenuBar"_s);

    menFile_ = new QMenu(u"File"_s, this);
    menFile_->setObjectName(u"menFile"_s);
    // Read by screen readers and window lists; menus draw no title.
    menFile_->setWindowTitle(u"File"_s);
    menFile_->setLayoutDirection(Qt::RightToLeft);
    auto* style = new MenuDirectionStyle;
    style->setParent(menFile_);
    menFile_->setStyle(style);
    menFile_->setFont(makeup::font(u"Tahoma"_s, 9, false));
    bar->addMenu(menFile_);

    miView_ = menFile_->addAction(u"إظهار"_s);
    miView_->setObjectName(u"miView"_s);
    miLIne1_ = menFile_->addSeparator();
    miLIne1_->setObjectName(u"miLIne1"_s);
    miExit_ = menFile_->addAction(u"خروج"_s);
    miExit_->setObjectName(u"miExit"_s);
}

void FrmMenu::popUpMenu(const QPoint& globalPos)
{
    menFile_->popup(globalPos);
}

bool setMenuItemPicture(QWidget* window, int subMenuPosition, int itemPosition,
                        const QPixmap& unchecked, const QPixmap& checked)
{
    if (!window)
        return false;
    const auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        return false;
    const QList<QAction*> menus = bar->actions();
    if (subMenuPosition < 0 || subMenuPosition >= menus.size() || !menus[subMenuPosition]->menu())
        return false;
    const QList<QAction*> items = menus[subMenuPosition]->menu()->actions();
    if (itemPosition < 0 || itemPosition >= items.size())
        return false;

    QIcon picture;
    if (!unchecked.isNull()) {
        picture.addPixmap(unchecked, QIcon::Normal, QIcon::Off);
        picture.addPixmap(checked.isNull() ? unchecked : checked, QIcon::Normal, QIcon::On);
    }
    items[itemPosition]->setIcon(picture);
    return true;
}
