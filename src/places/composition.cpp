#include "places/composition.h"

#include <algorithm>

namespace places {

QRect page_frame(QSize photo, QSize page)
{
    // Compared as integers: the photograph is wider than the page's shape when w * ph > h * pw.
    const qint64 wide = qint64{photo.width()} * page.height();
    const qint64 tall = qint64{photo.height()} * page.width();
    const int width = wide > tall ? static_cast<int>(tall / page.height()) : photo.width();
    const int height = wide > tall ? photo.height() : static_cast<int>(wide / page.width());
    return QRect((photo.width() - width) / 2, (photo.height() - height) / 2, std::max(width, 1),
                 std::max(height, 1));
}

QRect panel_square(const QRect& page_frame, QSize photo)
{
    const int side = std::min(page_frame.height(), photo.width());
    const int left = std::clamp(page_frame.left() + (page_frame.width() - side) / 2, 0, photo.width() - side);
    return QRect(left, page_frame.top() + (page_frame.height() - side) / 2, side, side);
}

} // namespace places
