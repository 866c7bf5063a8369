#pragma once

#include <QRect>

namespace platform {

// Layouts are drawn up in twips; 1440 twips make an inch, which is 96
// logical pixels, so 15 twips make a pixel. Qt scales logical pixels on
// high-density screens.
inline constexpr int TwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr int twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// Rounds the edges rather than the sizes, so that controls that end on one
// line in twips end on one line in pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {QPoint(pixels(left), pixels(top)),
            QPoint(pixels(left + width) - 1, pixels(top + height) - 1)};
}

} // namespace platform
