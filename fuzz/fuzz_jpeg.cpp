#include "formats/jpeg.h"
#include "platform/errors.h"

#include <cstdint>

// Every file either decodes whole, at full size and scaled, or is refused with ImageError.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        formats::decode_jpeg(bytes, QStringLiteral("fuzz.jpg"));
        formats::decode_jpeg(bytes, QStringLiteral("fuzz.jpg"), QSize(123, 123));
    } catch (const platform::ImageError&) {
    }
    return 0;
}
