// Backdrops drawn rather than decoded: smooth gradients that would cost a
// large picture to store, decode and keep in memory, painted straight into
// the window where it is exposed. Qt Gui only, so that the artwork's tests
// can look at them as they look at the pictures.
#pragma once

#include <QSize>

class QPainter;

namespace backdrop {

// The main window's backdrop as designed, 639 x 495 pixels from the top
// left: a white working area with a faint tint at the top, and the blue
// band behind the tab strip down the right from x = 494.
inline constexpr QSize kMainWindowSize{639, 495};
inline constexpr int kMainWindowBandLeft = 494;
void paintMainWindow(QPainter& p);

} // namespace backdrop
