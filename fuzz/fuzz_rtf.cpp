#include "formats/rtf_reader.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The text box is given no control characters and no half of a surrogate pair.
void check(const QString& html)
{
    for (qsizetype i = 0; i < html.size(); ++i) {
        const QChar c = html.at(i);
        if (c.isHighSurrogate() && i + 1 < html.size() && html.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || (c.unicode() < 0x20 && c != u'\t'))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(formats::rtf_to_html(bytes));
    check(formats::description_html(bytes));
    return 0;
}
