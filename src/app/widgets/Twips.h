#pragma once

#include <QRect>
#include <QSize>

// Window geometry is laid out in twips (1/1440 inch). At 96 dpi a pixel is 15
// twips; Qt scales device-independent pixels for HiDPI screens itself.
namespace twips {

inline constexpr int PerPixel = 15;

constexpr int px(int t)
{
    // Round to the nearest pixel, halves away from zero.
    return t >= 0 ? (t + PerPixel / 2) / PerPixel : -((-t + PerPixel / 2) / PerPixel);
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

constexpr QSize size(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace twips
