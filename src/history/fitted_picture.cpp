#include "history/fitted_picture.h"

#include "formats/bmp_codec.h"
#include "formats/jpeg.h"
#include "formats/picture_file.h"
#include "history/shrink_picture.h"
#include "platform/whole_file.h"

namespace history {

void read_fitted_picture(const QString& path, pixels::Bitmap& target)
{
    using formats::PictureKind;
    switch (formats::picture_kind(path)) {
    case PictureKind::bmp:
        return shrink_picture(formats::BmpRows(path), target);
    case PictureKind::jpeg: {
        pixels::Bitmap decoded = pixels::Bitmap::from_image(formats::decode_jpeg(
            platform::read_whole_file(path, formats::max_jpeg_file_size), path, target.size()));
        return shrink_picture(decoded, target);
    }
    case PictureKind::other:
        break;
    }
    pixels::Bitmap decoded = formats::read_picture_file(path);
    shrink_picture(decoded, target);
}

pixels::Bitmap read_line_drawing(const QString& path, QSize frame)
{
    const formats::BmpRows rows(path);
    if (rows.size().width() <= frame.width() && rows.size().height() <= frame.height())
        return rows.whole();
    pixels::Bitmap fitted(frame.width(), frame.height());
    shrink_picture(rows, fitted);
    return fitted;
}

} // namespace history
