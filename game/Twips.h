#pragma once
// Twips, the unit of every length and position on the table, and screen pixels.

#include <cmath>

namespace zarn {

// The nearest whole pixel of a length or position in twips.
inline int Pixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// The length or position in twips of one in pixels.
inline float Twips(double pixels, float twipsPerPixel) {
    return float(pixels * twipsPerPixel);
}

} // namespace zarn
