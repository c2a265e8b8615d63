// The hidden owner of the notification-area menu (frmMenu): a window that
// is never shown and holds only the menu `menFile` ("إظهار", a separator,
// "خروج"), and the routine that puts a small picture beside a menu item.
#pragma once

#include "base/formwindow.h"

class QAction;
class QMenu;
class QPixmap;

class FrmMenu : public controls::FormWindow {
    Q_OBJECT
public:
    explicit FrmMenu(QWidget* parent = nullptr);

    // The menu the notification-area icon pops up, and its items.
    QMenu* menFile() const { return menFile_; }
    QAction* miView() const { return miView_; }
    QAction* miLIne1() const { return miLIne1_; }
    QAction* miExit() const { return miExit_; }

    // Pops menFile up at a screen position (the pointer's, for the icon).
    void popUpMenu(const QPoint& globalPos);

private:
    QMenu* menFile_ = nullptr;
    QAction* miView_ = nullptr;
    QAction* miLIne1_ = nullptr;
    QAction* miExit_ = nullptr;
};

// Puts a picture beside an item of one of a window's menus: item
// `itemPosition` of the sub-menu at `subMenuPosition` of the window's menu
// bar. `unchecked` is drawn while the item is not checked, `checked` while
// it is (a null picture stands for "the same as unchecked"); a null
// `unchecked` takes the picture away. Returns false, changing nothing, when
// the window has no menu bar, the bar no such sub-menu or the sub-menu no
// such item; callers may ignore the result.
bool setMenuItemPicture(QWidget* window, int subMenuPosition, int itemPosition,
                        const QPixmap& unchecked, const QPixmap& checked = {});
