// The arithmetic that lays out the two picture galleries at start-up, in
// twips: the link buttons in rows of six, the borders in one column, the
// containers' heights and the scroll bars' maxima.
#pragma once

#include "base/catalogue.h"
#include "base/twips.h"

#include <QSize>

#include <vector>

namespace gallery {

inline constexpr int kLinkCount = catalogue::kLinkButtons;
inline constexpr int kLinkElements = kLinkCount + 1; // the last dimg has no picture
inline constexpr int kLinksPerRow = 6;
inline constexpr int kLinkGap = 400;
inline constexpr int kBorderCount = catalogue::kBorders;
inline constexpr int kBorderElements = kBorderCount + 1; // the last imgBord has no picture
inline constexpr int kBorderGap = 300;
inline constexpr int kBorderScrollUnit = 8; // twips per scroll step of the border list

// Where element i+1 of the link grid goes, given element 0 and element i:
// a new row under element i every sixth element, otherwise to the right.
tw::Rect nextLinkCell(const tw::Rect& first, const tw::Rect& current, int nextIndex);
// All link cells, element 0 first.
std::vector<tw::Rect> linkCells(const tw::Rect& first, int count = kLinkElements);

// picCont.Height and VScroll1.Max after the link grid is built.
int linkContainerHeight(int dimg114Height, int dimg138Top, int picTextHeight);
int linkScrollMax(int picContHeight, int picture1Height, int picTextHeight);

// Top of the border below one of the given top and height.
constexpr int nextBorderTop(int top, int height)
{
    return top + height + kBorderGap;
}

// vs.Max after the border column is built: the smallest position at which
// the end element (the empty one below the last border) has come up to the
// bottom of the gallery window, so that the last border is seen whole;
// never below 0. endTop is the end element's top inside the panel,
// galleryTop the panel's start-up top, viewHeight the window's height.
int borderScrollMax(int galleryTop, int endTop, int viewHeight);
// picMoveit.Height after the border column is built.
int borderContainerHeight(int firstHeight, int lastTop);
// Left edge that centres a picture of the given width on the line at lineLeft.
int centredLeft(int lineLeft, int width);
// picMoveit.Top for scroll position v: the panel moves up 8 twips per unit
// from its start-up place, so position 0 is the start-up place and
// neighbouring positions are never more than 8 twips apart.
int borderPanelTop(int v, int galleryTop);
// picCont.Top for scroll position v: one unit is one twip.
int linkPanelTop(int v, int galleryTop);

} // namespace gallery
