#include "formats/bmp_codec.h"
#include "platform/errors.h"

#include <cstdint>
#include <cstdlib>

// Every file either decodes or is refused with ImageError; a decoded picture must survive being
// written and read again unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pixels::Bitmap bitmap;
    try {
        bitmap = formats::decode_bmp(bytes);
    } catch (const platform::ImageError&) {
        return 0;
    }
    if (qint64{bitmap.width()} * bitmap.height() > (1 << 20))
        return 0;
    const pixels::Bitmap again = formats::decode_bmp(formats::encode_bmp(bitmap));
    const bool same_depth = bitmap.depth() > 8 ? again.depth() == 24 : again.depth() == bitmap.depth();
    if (!same_depth || again.image() != bitmap.image())
        std::abort();
    return 0;
}
