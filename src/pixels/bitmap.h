#pragma once

#include "pixels/colour_word.h"

#include <QImage>
#include <QList>
#include <QSize>

namespace pixels {

// The most pixels a picture shown as it is, pixel for pixel, may have (a 32-megapixel photograph,
// 5792 x 5792): 128 MB as the 32-bit image it becomes on screen. Pictures fitted into a smaller
// place are read straight to that size and may be larger.
inline constexpr qint64 max_shown_pixels = qint64{1} << 25;

// Pixels plus the depth they were loaded with. Depths up to 8 keep their colour table and are
// stored as QImage::Format_Indexed8; deeper pictures are stored as QImage::Format_RGB32.
// Drawing into a bitmap with a colour table maps every colour to the nearest entry of its table.
class Bitmap {
public:
    Bitmap() = default;
    // A bitmap filled with white (24 bits) or with entry 0 of its table (1, 4 and 8 bits).
    Bitmap(int width, int height, int depth = 24, const QList<QRgb>& colour_table = {});
    // A 24-bit bitmap holding the pixels of any QImage (alpha is dropped).
    static Bitmap from_image(const QImage& image);

    bool is_null() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QSize size() const { return image_.size(); }
    QRect rect() const { return image_.rect(); }
    // 1, 4, 8, 16, 24 or 32: the depth of the file it came from; written back as 1, 4, 8 or 24.
    int depth() const { return depth_; }
    bool has_colour_table() const { return depth_ <= 8; }
    QList<QRgb> colour_table() const { return image_.colorTable(); }

    // invalid_word outside the bitmap.
    ColourWord pixel(int x, int y) const;
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    // The colour word a pixel takes when asked to show `colour`: itself, or the nearest table entry.
    ColourWord representable(ColourWord colour) const;
    // Index of the table entry nearest to `colour` (squared RGB distance, first of equals).
    int nearest_index(ColourWord colour) const;

    // The storage, for the pixel algorithms: Format_RGB32 or Format_Indexed8.
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    // The pixels as Format_RGB32, for display and for painting with QPainter.
    QImage to_rgb32() const;
    // Takes back pixels painted on a to_rgb32() copy, mapping them to the table where there is one.
    void assign_rgb32(const QImage& painted, const QRect& area);
    // Becomes a 24-bit bitmap with the same pixels.
    void convert_to_24();

    friend bool operator==(const Bitmap& a, const Bitmap& b)
    {
        return a.depth_ == b.depth_ && a.image_ == b.image_;
    }

    // For the codec: adopts storage already in the right format for `depth`.
    static Bitmap adopt(QImage image, int depth) { return Bitmap(std::move(image), depth); }

private:
    Bitmap(QImage image, int depth) : image_(std::move(image)), depth_(depth) {}

    QImage image_;
    int depth_ = 24;
};

} // namespace pixels
