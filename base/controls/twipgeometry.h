// A control's place and size in twips, kept exactly as they were given.
#pragma once

#include "base/twips.h"

class QWidget;

namespace controls {

// Remembers a control's twip rectangle so that reading it back is exact
// (pixel geometry is only its rounded image).
void setTwips(QWidget* widget, const tw::Rect& rect);
tw::Rect twips(const QWidget* widget);
void setTwipsLeft(QWidget* widget, int left);
void setTwipsTop(QWidget* widget, int top);
void setTwipsHeight(QWidget* widget, int height);

} // namespace controls
