#include "pixels/bitmap.h"

#include <QHash>
#include <climits>
#include <stdexcept>

namespace pixels {

namespace {

bool valid_depth(int depth)
{
    return depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

// With no table given, an indexed bitmap gets a grey ramp from black to white of its full size.
QList<QRgb> grey_ramp(int depth)
{
    const int count = 1 << depth;
    QList<QRgb> table;
    table.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int level = i * 255 / (count - 1);
        table.append(qRgb(level, level, level));
    }
    return table;
}

QList<QRgb> opaque(QList<QRgb> table)
{
    for (QRgb& entry : table)
        entry |= 0xFF000000u;
    return table;
}

int squared_distance(QRgb a, ColourWord b)
{
    const int dr = qRed(a) - red_of(b);
    const int dg = qGreen(a) - green_of(b);
    const int db = qBlue(a) - blue_of(b);
    return dr * dr + dg * dg + db * db;
}

} // namespace

Bitmap::Bitmap(int width, int height, int depth, const QList<QRgb>& colour_table) : depth_(depth)
{
    if (!valid_depth(depth))
        throw std::invalid_argument("bitmap depth must be 1, 4, 8, 16, 24 or 32");
    if (depth > 8) {
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.fill(to_qrgb(white_word));
        return;
    }
    QList<QRgb> table = colour_table.isEmpty() ? grey_ramp(depth) : opaque(colour_table);
    if (table.size() > (1 << depth))
        table.resize(1 << depth);
    image_ = QImage(width, height, QImage::Format_Indexed8);
    image_.setColorTable(table);
    image_.fill(0);
}

Bitmap Bitmap::from_image(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return Bitmap(std::move(rgb), 24);
}

ColourWord Bitmap::pixel(int x, int y) const
{
    if (!contains(x, y))
        return invalid_word;
    if (image_.format() == QImage::Format_Indexed8) {
        const int index = image_.constScanLine(y)[x];
        return index < image_.colorCount() ? from_qrgb(image_.color(index)) : black_word;
    }
    return from_qrgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

int Bitmap::nearest_index(ColourWord colour) const
{
    const QList<QRgb> table = image_.colorTable();
    int best = 0;
    int best_distance = INT_MAX;
    for (int i = 0; i < table.size(); ++i) {
        const int distance = squared_distance(table[i], colour);
        if (distance < best_distance) {
            best = i;
            best_distance = distance;
            if (distance == 0)
                break;
        }
    }
    return best;
}

ColourWord Bitmap::representable(ColourWord colour) const
{
    colour &= 0x00FFFFFF;
    if (!has_colour_table() || image_.colorCount() == 0)
        return colour;
    return from_qrgb(image_.color(nearest_index(colour)));
}

QImage Bitmap::to_rgb32() const
{
    if (image_.isNull())
        return {};
    return image_.convertToFormat(QImage::Format_RGB32);
}

void Bitmap::assign_rgb32(const QImage& painted, const QRect& area)
{
    const QRect clipped = area.intersected(rect()).intersected(painted.rect());
    if (clipped.isEmpty())
        return;
    const QImage source =
        painted.format() == QImage::Format_RGB32 ? painted : painted.convertToFormat(QImage::Format_RGB32);
    const bool indexed = image_.format() == QImage::Format_Indexed8;
    // Painted areas hold few distinct colours, so each is matched against the table only once.
    QHash<QRgb, uchar> matched;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        if (!indexed) {
            QRgb* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = clipped.left(); x <= clipped.right(); ++x)
                to[x] = from[x] | 0xFF000000u;
            continue;
        }
        uchar* to = image_.scanLine(y);
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QRgb colour = from[x] | 0xFF000000u;
            auto found = matched.constFind(colour);
            if (found == matched.constEnd())
                found = matched.insert(colour, static_cast<uchar>(nearest_index(from_qrgb(colour))));
            to[x] = *found;
        }
    }
}

void Bitmap::convert_to_24()
{
    if (has_colour_table() && !image_.isNull())
        image_ = image_.convertToFormat(QImage::Format_RGB32);
    depth_ = 24;
}

} // namespace pixels
