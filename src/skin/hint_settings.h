#pragma once

#include "pixels/colour_word.h"

#include <QString>

namespace skin {

// How the balloon hints look; the values are the layout's custom hint settings.
struct HintSettings {
    int corner_radius = 19;
    // Added above or below the body, towards the control.
    int pointer_height = 20;
    pixels::ColourWord fill_colour = pixels::colour_word(127, 185, 196);
    // The gradient as the layout writes it; its first two numbers are the top and bottom colours.
    QString gradient = QStringLiteral("16753188;16777215;99;0;0;16777215;16777215;0;0;0");
    pixels::ColourWord gradient_top = pixels::colour_word(36, 162, 255);
    pixels::ColourWord gradient_bottom = pixels::white_word;
    // How much of the gradient shows over the fill colour, in percent.
    int gradient_percent = 50;
    int bevel = 1;
    pixels::ColourWord border_colour = pixels::colour_word(0, 0, 64);
    int transparency = 0;
    bool shadow = true;
    int shadow_blur = 4;
    int shadow_offset = 7;
    int shadow_transparency = 11;
    int margin_horizontal = 12;
    int margin_vertical = 4;
    // The widest a line of hint text may be before it wraps.
    int max_width = 136;
    QString font_family = QStringLiteral("Tahoma");
    int font_pixels = 13;
    bool font_bold = true;
    pixels::ColourWord font_colour = pixels::black_word;
};

} // namespace skin
