#pragma once
// Window layouts are written in twips and in the colours' own notation,
// &H00BBGGRR& or RGB(r, g, b), so that each window reads like its layout
// table; these helpers turn them into pixels and QColors.

#include <QColor>
#include <QRect>

namespace platform {

constexpr int TwipsPerPixel = 15; // 1440 twips per inch at 96 dots per inch

constexpr int tw(int twips)
{
    // Round to the nearest pixel, as the designer does when it snaps a control.
    return (twips >= 0 ? twips + TwipsPerPixel / 2 : twips - TwipsPerPixel / 2) / TwipsPerPixel;
}

inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

// A colour written as &H00BBGGRR&: blue in the third byte, red in the first.
constexpr QRgb bgr(unsigned value)
{
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline QColor vbColor(unsigned value) { return QColor(bgr(value)); }

// A colour written as RGB(red, green, blue), as the other layout tables give it.
inline QColor vbRGB(int red, int green, int blue) { return QColor(red, green, blue); }

} // namespace platform
