#pragma once

#include <QRect>

// Window geometry is laid out in twips, 15 to a pixel at 96 dpi.

constexpr int TwipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
