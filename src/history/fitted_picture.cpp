#include "history/fitted_picture.h"

#include "history/shrink_picture.h"
#include "platform/bmp_codec.h"
#include "platform/jpeg.h"
#include "platform/picture_file.h"
#include "platform/whole_file.h"

namespace history {

void read_fitted_picture(const QString& path, platform::Bitmap& target)
{
    using platform::PictureKind;
    switch (platform::picture_kind(path)) {
    case PictureKind::bmp:
        return shrink_picture(platform::BmpRows(path), target);
    case PictureKind::jpeg: {
        platform::Bitmap decoded = platform::Bitmap::from_image(platform::decode_jpeg(
            platform::read_whole_file(path, platform::max_jpeg_file_size), path, target.size()));
        return shrink_picture(decoded, target);
    }
    case PictureKind::other:
        break;
    }
    platform::Bitmap decoded = platform::read_picture_file(path);
    shrink_picture(decoded, target);
}

platform::Bitmap read_line_drawing(const QString& path, QSize frame)
{
    const platform::BmpRows rows(path);
    if (rows.size().width() <= frame.width() && rows.size().height() <= frame.height())
        return rows.whole();
    platform::Bitmap fitted(frame.width(), frame.height());
    shrink_picture(rows, fitted);
    return fitted;
}

} // namespace history
