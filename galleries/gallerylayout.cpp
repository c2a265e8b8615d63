// Gallery layout arithmetic; see gallerylayout.h.
#include "galleries/gallerylayout.h"

namespace gallery {

tw::Rect nextLinkCell(const tw::Rect& first, const tw::Rect& current, int nextIndex)
{
    tw::Rect next = current;
    if (nextIndex % kLinksPerRow == 0) {
        next.left = first.left;
        next.top = current.top + current.height + kLinkGap;
    } else {
        next.left = current.left + current.width + kLinkGap;
        next.top = current.top;
    }
    return next;
}

std::vector<tw::Rect> linkCells(const tw::Rect& first, int count)
{
    std::vector<tw::Rect> cells;
    cells.reserve(static_cast<size_t>(count));
    cells.push_back(first);
    for (int i = 1; i < count; ++i)
        cells.push_back(nextLinkCell(first, cells.back(), i));
    return cells;
}

int linkContainerHeight(int dimg114Height, int dimg138Top, int picTextHeight)
{
    return dimg114Height + dimg138Top + picTextHeight;
}

int linkScrollMax(int picContHeight, int picture1Height, int picTextHeight)
{
    return picContHeight - picture1Height + picTextHeight;
}

int borderScrollMax(int galleryTop, int endTop, int viewHeight)
{
    // Rounded up: at the maximum the end element's top is at or just above
    // the window's bottom, never below it.
    const int overhang = galleryTop + endTop - viewHeight;
    if (overhang <= 0)
        return 0;
    return (overhang + kBorderScrollUnit - 1) / kBorderScrollUnit;
}

int borderContainerHeight(int firstHeight, int lastTop)
{
    return 3 * firstHeight + lastTop;
}

int centredLeft(int lineLeft, int width)
{
    return tw::roundHalfEven(lineLeft - width / 2.0);
}

int borderPanelTop(int v, int galleryTop)
{
    return galleryTop - kBorderScrollUnit * v;
}

int linkPanelTop(int v, int galleryTop)
{
    return v == 0 ? galleryTop : -v;
}

} // namespace gallery
