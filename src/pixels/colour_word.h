#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

namespace pixels {

// The window system's colour word: 0x00BBGGRR, red in the low byte.
using ColourWord = std::uint32_t;

constexpr ColourWord white_word = 0x00FFFFFF;
constexpr ColourWord black_word = 0x00000000;
// What reading a pixel outside a bitmap gives, as the window system answers such a read.
constexpr ColourWord invalid_word = 0xFFFFFFFF;

constexpr ColourWord colour_word(int red, int green, int blue)
{
    return static_cast<ColourWord>(red & 0xFF) | static_cast<ColourWord>(green & 0xFF) << 8 |
           static_cast<ColourWord>(blue & 0xFF) << 16;
}

constexpr int red_of(ColourWord word)
{
    return static_cast<int>(word & 0xFF);
}
constexpr int green_of(ColourWord word)
{
    return static_cast<int>(word >> 8 & 0xFF);
}
constexpr int blue_of(ColourWord word)
{
    return static_cast<int>(word >> 16 & 0xFF);
}

// Opaque QRgb (0xAARRGGBB with alpha 255).
constexpr QRgb to_qrgb(ColourWord word)
{
    return 0xFF000000u | static_cast<QRgb>(red_of(word)) << 16 | static_cast<QRgb>(green_of(word)) << 8 |
           static_cast<QRgb>(blue_of(word));
}

constexpr ColourWord from_qrgb(QRgb rgb)
{
    return colour_word(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                       static_cast<int>(rgb & 0xFF));
}

inline QColor to_qcolor(ColourWord word)
{
    return QColor(red_of(word), green_of(word), blue_of(word));
}

} // namespace pixels
