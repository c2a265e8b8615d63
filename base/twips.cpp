#include "base/twips.h"

#include <cmath>

namespace tw {

int roundHalfEven(double value)
{
    // std::nearbyint follows the current rounding mode, which is
    // round-to-nearest-even unless someone changed it; be explicit instead.
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return static_cast<int>(floor) + 1;
    if (diff < 0.5)
        return static_cast<int>(floor);
    const auto lower = static_cast<long long>(floor);
    return static_cast<int>(lower % 2 == 0 ? lower : lower + 1);
}

int toPixels(int twips)
{
    return roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel);
}

double toPixelsF(double twips)
{
    return twips / kTwipsPerPixel;
}

QRect toPixels(const Rect& r)
{
    // Convert the edges, not the size, so that neighbouring controls keep
    // touching when their twip edges touch.
    const int left = toPixels(r.left);
    const int top = toPixels(r.top);
    return QRect(left, top, toPixels(r.left + r.width) - left, toPixels(r.top + r.height) - top);
}

} // namespace tw
