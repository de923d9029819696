#pragma once

#include <QColor>
#include <QImage>

namespace artgen {

// A soft halo of `colour` around the opaque parts of ARGB art, `radius` pixels wide, drawn behind it.
QImage with_glow(const QImage& art, int radius, const QColor& colour);
// A blurred copy (box blur, repeated) of an image; alpha blurs too.
QImage blurred(const QImage& image, int radius, int passes = 2);

} // namespace artgen
