#pragma once

#include "pixels/bitmap.h"

#include <QRect>
#include <QString>

namespace drawing_checks {

using pixels::Bitmap;
using pixels::ColourWord;

inline void set_colour(Bitmap& bitmap, int x, int y, ColourWord colour)
{
    if (bitmap.image().depth() == 8)
        bitmap.image().setPixel(x, y, static_cast<uint>(bitmap.nearest_index(colour)));
    else
        bitmap.image().setPixel(x, y, pixels::to_qrgb(colour));
}

inline void fill_box(Bitmap& bitmap, QRect box, ColourWord colour)
{
    box &= bitmap.rect();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            set_colour(bitmap, x, y, colour);
}

// The smallest box holding every pixel whose storage differs between two bitmaps of one size.
inline QRect difference_box(const Bitmap& before, const Bitmap& after)
{
    QRect box;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.image().pixel(x, y) != after.image().pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int count_colour(const Bitmap& bitmap, ColourWord colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += bitmap.pixel(x, y) == colour ? 1 : 0;
    return count;
}

inline int count_colour(const Bitmap& bitmap, ColourWord colour)
{
    return count_colour(bitmap, colour, bitmap.rect());
}

// Why a returned rectangle is wrong for the change it claims to describe, or empty when it is
// right: it must hold every changed pixel, lie inside the bitmap, and be empty for no change.
inline QString rect_fault(const Bitmap& before, const Bitmap& after, const QRect& returned)
{
    const QRect changed = difference_box(before, after);
    if (changed.isEmpty())
        return returned.isEmpty() ? QString() : QStringLiteral("nothing changed but a rect came back");
    if (!returned.contains(changed))
        return QStringLiteral("returned rect misses changed pixels");
    if (!after.rect().contains(returned))
        return QStringLiteral("returned rect leaves the bitmap");
    return {};
}

} // namespace drawing_checks
