#pragma once

#include "pixels/colour_word.h"
#include "pixels/drawing_surface.h"
#include "widgets/picture_control.h"

#include <QPoint>
#include <vector>

namespace colours {

// The grey of a brush-size button that is not chosen.
constexpr pixels::ColourWord jar_grey = 0x007A7A7A;

// The colour a display region of `picture` takes for `wanted`: itself as the picture can show it,
// unless that is a colour in `avoid`; then the first colour one step away that is not.
pixels::ColourWord distinct_display_colour(const pixels::Bitmap& picture, pixels::ColourWord wanted,
                                             const std::vector<pixels::ColourWord>& avoid);

// Surface flood fill of a colour display's own picture from `seed`. A colour equal to that of a
// neighbouring region, or to the control's transparent colour, is shown one step away from it:
// otherwise the region would merge with its neighbour or vanish, and every later repaint from
// the same seed would flood the whole button.
void fill_display(widgets::PictureControl& control, QPoint seed, pixels::ColourWord colour,
                  pixels::BrushStyle style = pixels::BrushStyle::Solid);

} // namespace colours
