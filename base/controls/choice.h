// Pictures and labels that the keyboard can reach and choose, as the mouse
// does: the focus frame, the keys that choose, and the name a screen reader
// reads.
#pragma once

#include <QAccessible>
#include <QString>

class QAbstractButton;
class QKeyEvent;
class QPainter;
class QWidget;

namespace controls {

// Takes the control into the Tab chain, reachable by the keyboard only (a
// click leaves the focus where it was, as before), under the name a screen
// reader reads, and in the given role (a button, a page tab, a link).
void makeChoice(QWidget* control, const QString& name,
                QAccessible::Role role = QAccessible::Button);
bool isChoice(const QWidget* control);

// Enter, Return and Space choose, as a left click does.
bool choosesByKey(const QKeyEvent* event);
// The menu key and Shift+F10 ask for what a right click gives.
bool asksForMenu(const QKeyEvent* event);

// The keyboard focus frame, drawn inside the control's edge: a dark outer
// line with a white inner one, so that it reads on light and dark pictures
// alike.
void paintFocusFrame(QWidget* control, QPainter& painter);

// A push button that Enter and Return click, as Space does; outside a
// dialog a button takes only Space.
void clickOnEnter(QAbstractButton* button);

} // namespace controls
