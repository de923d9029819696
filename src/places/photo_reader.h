#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace places {

// The largest photograph taken: as many pixels as the picture readers accept.
inline constexpr qint64 max_photograph_pixels = qint64{1} << 28;
inline constexpr int max_photograph_side = 65535;

// The photograph in `path` upright (as the camera's orientation tag says), in Format_RGB32, decoded
// at the smallest scale at which its page-shaped frame still covers `page` (JPEG through DCT
// scaling) or whole. Throws PlaceError naming the file: missing or unreadable, not a picture,
// damaged, or larger than max_photograph_pixels.
QImage read_photograph(const QString& path, QSize page);

} // namespace places
