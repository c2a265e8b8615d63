// How the clickable controls report the mouse, all in the same way.
#pragma once

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

} // namespace controls
