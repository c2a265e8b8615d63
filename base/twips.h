// Twips, the unit every window position and size is designed in, and the
// one place where they become pixels (15 twips are one pixel at 96 dpi;
// Qt scales logical pixels for high-dpi screens).
#pragma once

#include <QRect>

namespace tw {

inline constexpr int kTwipsPerPixel = 15;

// Round to the nearest integer, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), the way every computed length is turned into a whole number.
int roundHalfEven(double value);

// A rectangle in twips, in the order the make-up tables give it.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

int toPixels(int twips);
double toPixelsF(double twips);
constexpr int fromPixels(int pixels)
{
    return pixels * kTwipsPerPixel;
}
QRect toPixels(const Rect& r);

} // namespace tw
