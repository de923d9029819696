#include "formats/cursor_file.h"
#include "platform/errors.h"

#include <cstdint>
#include <cstdlib>

// Every file either decodes or is refused with ImageError; a decoded cursor written as a 32 x 32
// file must read back at that size with its hotspot inside it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    formats::CursorImage cursor;
    try {
        cursor = formats::decode_cursor(bytes);
    } catch (const platform::ImageError&) {
        return 0;
    }
    if (cursor.image.isNull() || cursor.image.width() > 512 || cursor.image.height() > 512)
        std::abort();
    const formats::CursorImage again = formats::decode_cursor(formats::encode_cursor(cursor));
    if (again.image.size() != QSize(32, 32) || !again.image.rect().contains(again.hotspot))
        std::abort();
    return 0;
}
