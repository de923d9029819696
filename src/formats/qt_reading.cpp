#include "formats/qt_reading.h"

#include <algorithm>
#include <limits>

namespace formats {

namespace {

constexpr qint64 widest_pixel_bytes = 8;

} // namespace

bool is_vector_format(const QByteArray& format)
{
    const QByteArray lower = format.toLower();
    return lower == "svg" || lower == "svgz";
}

void allow_pixels(QImageReader& reader, qint64 max_pixels)
{
    const qint64 megabytes = (max_pixels * widest_pixel_bytes + (1 << 20) - 1) >> 20;
    reader.setAllocationLimit(static_cast<int>(std::min<qint64>(megabytes, std::numeric_limits<int>::max())));
}

} // namespace formats
