#include "formats/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Lays out every description the reader makes in a panel as wide as the program's: any input must
// be laid out within a fraction of a second (the fuzzer's own -timeout catches a hang).

namespace {

constexpr qint64 layout_budget_ms = 1000;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QElapsedTimer clock;
    clock.start();
    QTextDocument document;
    document.setHtml(formats::description_html(bytes));
    document.setTextWidth(200);
    document.documentLayout()->documentSize();
    if (clock.elapsed() > layout_budget_ms) {
        std::fprintf(stderr, "laid out in %lld ms\n", static_cast<long long>(clock.elapsed()));
        std::abort();
    }
    return 0;
}
