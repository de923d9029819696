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

PixelAllowance::PixelAllowance(qint64 max_pixels) : before_mb_(QImageReader::allocationLimit())
{
    const qint64 megabytes = (max_pixels * widest_pixel_bytes + (1 << 20) - 1) >> 20;
    QImageReader::setAllocationLimit(
        static_cast<int>(std::min<qint64>(megabytes, std::numeric_limits<int>::max())));
}

PixelAllowance::~PixelAllowance()
{
    QImageReader::setAllocationLimit(before_mb_);
}

} // namespace formats
