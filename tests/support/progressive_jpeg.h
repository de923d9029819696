#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QSize>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace testing_support {

// A grey progressive JPEG of `scans` scans: the DC first, then the AC coefficients in bands of
// about equal width, the last scan taking the rest. With `noise` every pixel is random, so every
// scan has every coefficient to decode: the slowest picture of its size and scan count.
inline QByteArray progressive_jpeg(QSize size, int scans, bool noise = false)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long out_size = 0;
    jpeg_mem_dest(&info, &out, &out_size);
    info.image_width = static_cast<JDIMENSION>(size.width());
    info.image_height = static_cast<JDIMENSION>(size.height());
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    std::vector<jpeg_scan_info> script(static_cast<size_t>(scans), {1, {0}, 0, 0, 0, 0});
    const int band = std::max(1, 63 / std::max(1, scans - 1));
    for (int i = 1; i < scans; ++i) {
        script[static_cast<size_t>(i)].Ss = std::min(63, (i - 1) * band + 1);
        script[static_cast<size_t>(i)].Se = i == scans - 1 ? 63 : std::min(63, i * band);
    }
    info.scan_info = script.data();
    info.num_scans = scans;
    jpeg_start_compress(&info, TRUE);
    QRandomGenerator random(7);
    std::vector<JSAMPLE> row(static_cast<size_t>(size.width()), 128);
    for (JSAMPROW line = row.data(); info.next_scanline < info.image_height;) {
        if (noise)
            for (JSAMPLE& sample : row)
                sample = static_cast<JSAMPLE>(random.bounded(256));
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(out_size));
    std::free(out);
    return bytes;
}

} // namespace testing_support
