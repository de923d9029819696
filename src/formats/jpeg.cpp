#include "formats/jpeg.h"

#include "pixels/bitmap.h"
#include "platform/errors.h"
#include "platform/whole_file.h"

#include <QCoreApplication>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jerror.h>
#include <jpeglib.h>

namespace formats {

namespace {

// The largest picture decoded, at any scale: a 268-megapixel picture (16384 x 16384) is still
// decoded at 1/8 in a fraction of a second, while libjpeg's own limit of 65500 a side would let a
// file of empty blocks keep the decoder busy for seconds.
constexpr qint64 max_pixels = qint64{1} << 28;
// What libjpeg may allocate for one picture. Only a progressive or multi-scan picture needs much:
// it keeps every coefficient of the image, 3 bytes a pixel in the usual 4:2:0 sampling and 6 in
// 4:4:4, whatever the scale it is decoded at. So a progressive picture of up to 89 megapixels
// (44 in 4:4:4) is read; a larger one is refused, as the library has no backing store.
constexpr long max_memory = 256L << 20;
// Real progressive pictures take about ten scans; each scan passes over every coefficient, so
// 32 scans of the largest picture still take well under a second.
constexpr int max_scans = 32;
constexpr const char* too_large = QT_TRANSLATE_NOOP("formats", "картинка JPEG слишком большая");

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    // Whether `message` is our own refusal, a source text to translate, rather than the library's
    // English words.
    bool refused = false;
};

[[noreturn]] void refuse(j_common_ptr info, const char* reason)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(errors->message, sizeof errors->message, "%s", reason);
    errors->refused = true;
    std::longjmp(errors->jump, 1);
}

[[noreturn]] void fail(j_common_ptr info)
{
    // Beyond max_memory libjpeg asks for a backing store it does not have.
    if (info->err->msg_code == JERR_NO_BACKING_STORE || info->err->msg_code == JERR_OUT_OF_MEMORY)
        refuse(info, too_large);
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// libjpeg's progress monitor, called after every row of blocks: where a long decoding is
// bounded and where it can be stopped.
struct Progress {
    jpeg_progress_mgr base;
    const std::atomic_bool* cancelled;
};

void count_scans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > max_scans)
        refuse(info, QT_TRANSLATE_NOOP("formats", "в картинке JPEG слишком много проходов"));
    const auto* progress = reinterpret_cast<const Progress*>(info->progress);
    if (progress->cancelled != nullptr && progress->cancelled->load(std::memory_order_relaxed))
        refuse(info, QT_TRANSLATE_NOOP("formats", "декодирование JPEG остановлено"));
}

// A warning about damaged or missing data is an error here: a truncated or corrupt file must
// never be shown as if it were whole.
void on_message(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_TOO_MUCH_DATA:
        fail(info);
    default:
        return;
    }
}

// The smallest of libjpeg's scales n/8 whose output still covers `target`.
int scale_for(const jpeg_decompress_struct& info, QSize target)
{
    for (int n = 1; n < 8; ++n) {
        const qint64 width = (qint64{info.image_width} * n + 7) / 8;
        const qint64 height = (qint64{info.image_height} * n + 7) / 8;
        if (width >= target.width() && height >= target.height())
            return n;
    }
    return 8;
}

void convert_cmyk(const JSAMPLE* from, QRgb* to, int width, bool inverted)
{
    for (int x = 0; x < width; ++x, from += 4) {
        const int c = inverted ? from[0] : 255 - from[0];
        const int m = inverted ? from[1] : 255 - from[1];
        const int y = inverted ? from[2] : 255 - from[2];
        const int k = inverted ? from[3] : 255 - from[3];
        to[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

void read_rows(jpeg_decompress_struct& info, QImage& image)
{
    const bool cmyk = info.out_color_space == JCS_CMYK;
    JSAMPARRAY buffer = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                         info.output_width * 4, 1)
                             : nullptr;
    while (info.output_scanline < info.output_height) {
        uchar* line = image.scanLine(static_cast<int>(info.output_scanline));
        JSAMPROW row = cmyk ? buffer[0] : line;
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return;
        if (cmyk)
            convert_cmyk(buffer[0], reinterpret_cast<QRgb*>(line), image.width(), info.saw_Adobe_marker);
    }
}

// Holds no object with a destructor between setjmp and the calls that may jump back to it.
bool decode(jpeg_decompress_struct& info, ErrorManager& errors, const QByteArray& bytes, QSize target,
            QImage* out)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (qint64{info.image_width} * info.image_height > max_pixels)
        refuse(reinterpret_cast<j_common_ptr>(&info), too_large);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : (Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB);
    if (target.isValid()) {
        info.scale_num = static_cast<unsigned>(scale_for(info, target));
        info.scale_denom = 8;
    }
    jpeg_calc_output_dimensions(&info);
    if (qint64{info.output_width} * info.output_height > pixels::max_shown_pixels)
        refuse(reinterpret_cast<j_common_ptr>(&info), too_large);
    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB32);
    if (out->isNull()) {
        std::snprintf(errors.message, sizeof errors.message, "%s",
                      QT_TRANSLATE_NOOP("formats", "не хватает памяти для картинки JPEG"));
        errors.refused = true;
        return false;
    }
    jpeg_start_decompress(&info);
    read_rows(info, *out);
    jpeg_finish_decompress(&info);
    return true;
}

QImage decode_file(const QString& path, QSize target, const std::atomic_bool* cancelled = nullptr)
{
    return decode_jpeg(platform::read_whole_file(path, max_jpeg_file_size), path, target, cancelled);
}

} // namespace

QImage decode_jpeg(const QByteArray& bytes, const QString& name, QSize target,
                   const std::atomic_bool* cancelled)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = fail;
    errors.base.emit_message = on_message;
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = max_memory;
    Progress progress{{}, cancelled};
    progress.base.progress_monitor = count_scans;
    info.progress = &progress.base;
    QImage image;
    const bool whole = decode(info, errors, bytes, target, &image);
    jpeg_destroy_decompress(&info);
    if (!whole)
        throw platform::ImageError(
            name + ": " +
            (errors.refused ? QCoreApplication::translate("formats", errors.message)
                            : QCoreApplication::translate("formats", "файл JPEG повреждён или обрезан")));
    return image;
}

QImage read_jpeg(const QString& path)
{
    return decode_file(path, QSize());
}

QImage read_jpeg_scaled(const QString& path, QSize target, const std::atomic_bool* cancelled)
{
    if (target.isEmpty())
        throw std::invalid_argument("a scaled JPEG needs a target size");
    const QImage decoded = decode_file(path, target, cancelled);
    if (decoded.size() == target)
        return decoded;
    return decoded.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace formats
