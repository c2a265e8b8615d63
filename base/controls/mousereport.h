// How the clickable controls report the mouse, all in the same way, and
// the keys that stand for its buttons on a control the keyboard can choose.
#pragma once

#include "base/controls/choice.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace controls {

// The mouse events every clickable control reports the same way: the
// button of a press and of a release, and a click for a left-button
// release over the control.
template <typename Control> void reportPress(Control* control, const QMouseEvent* event)
{
    Q_EMIT control->mouseDown(event->button());
}

template <typename Control> void reportRelease(Control* control, const QMouseEvent* event)
{
    Q_EMIT control->mouseUp(event->button());
    if (event->button() == Qt::LeftButton && control->rect().contains(event->position().toPoint()))
        Q_EMIT control->clicked();
}

// A click of the given button, as the mouse reports one over the control.
template <typename Control> void reportClick(Control* control, Qt::MouseButton button)
{
    Q_EMIT control->mouseDown(button);
    Q_EMIT control->mouseUp(button);
    if (button == Qt::LeftButton)
        Q_EMIT control->clicked();
}

// On a choice, the choosing keys are a left click and the menu keys a
// right click; true when the key was taken.
template <typename Control> bool reportKey(Control* control, QKeyEvent* event)
{
    if (!isChoice(control))
        return false;
    const bool chooses = choosesByKey(event);
    const bool menu = asksForMenu(event);
    if (!chooses && !menu)
        return false;
    // A key held down chooses once, as a button held down clicks once.
    if (!event->isAutoRepeat())
        reportClick(control, chooses ? Qt::LeftButton : Qt::RightButton);
    event->accept();
    return true;
}

// The system turns the menu key into a context-menu request as well as a
// key press; the key press has answered it already.
template <typename Control> bool takeKeyboardMenu(Control* control, QContextMenuEvent* event)
{
    if (!isChoice(control) || event->reason() != QContextMenuEvent::Keyboard)
        return false;
    event->accept();
    return true;
}

} // namespace controls
