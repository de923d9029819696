#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

namespace testing_support {

// A photograph with plenty to colour: tiles of many colours around `subject` filled with `colour`,
// so a page made of it has far more areas than a page is refused below.
inline QImage tiled_photograph(QSize size, QRect subject, QColor colour)
{
    QImage photo(size, QImage::Format_RGB32);
    QPainter painter(&photo);
    constexpr int tile = 100;
    for (int y = 0; y < size.height(); y += tile)
        for (int x = 0; x < size.width(); x += tile) {
            const int column = x / tile, row = y / tile;
            painter.fillRect(x, y, tile, tile,
                             QColor::fromHsv((column * 47 + row * 101) % 360, 200, 110 + (column + row) % 3 * 60));
        }
    painter.fillRect(subject, colour);
    return photo;
}

} // namespace testing_support
