#include "formats/bmp_codec.h"
#include "platform/errors.h"

#include "crafted_bmp.h"
#include "support/test_tree.h"

#include <QDir>
#include <QtTest>
#include <vector>

using namespace formats;
using namespace platform;
using namespace pixels;
using crafted::bytes;

namespace {

std::vector<int> indices_of(const Bitmap& bitmap)
{
    std::vector<int> out;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            out.push_back(bitmap.image().constScanLine(y)[x]);
    return out;
}

std::vector<ColourWord> words_of(const Bitmap& bitmap)
{
    std::vector<ColourWord> out;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            out.push_back(bitmap.pixel(x, y));
    return out;
}

std::uint32_t u32_at(const QByteArray& file, int at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<uchar>(file[at + i]);
    return value;
}

// A bitmap of every depth we write, with a pattern that differs in every row and column.
Bitmap patterned(int depth, int width, int height)
{
    if (depth == 24) {
        Bitmap bitmap(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap.image().setPixel(x, y, qRgb(x * 9 % 256, y * 13 % 256, (x * y + 5) % 256));
        return bitmap;
    }
    const int colours = depth == 8 ? 200 : 1 << depth;
    Bitmap bitmap(width, height, depth, crafted::ramp(colours));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.image().setPixel(x, y, static_cast<uint>((x * 3 + y * 5) % colours));
    return bitmap;
}

// Qt widens a 5- or 6-bit channel by a shift, so that its maximum stays below 255; we scale to
// the full range, rounded.
QImage full_range(QImage image, int green_bits)
{
    auto widen = [](int shifted, int bits) {
        const int max = (1 << bits) - 1;
        const int value = shifted >> (8 - bits);
        return (value * 255 + max / 2) / max;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            image.setPixel(x, y, qRgb(widen(qRed(p), 5), widen(qGreen(p), green_bits), widen(qBlue(p), 5)));
        }
    return image;
}

} // namespace

class TestBmpCodec : public QObject {
    Q_OBJECT

private slots:
    void reads_one_bit_rows_bottom_up()
    {
        crafted::Bmp bmp = crafted::make(10, 2, 1);
        bmp.palette = {qRgb(10, 20, 30), qRgb(200, 100, 50)};
        bmp.pixels = bytes({0xAA, 0x80, 0, 0, 0xC0, 0x40, 0, 0});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 1);
        QCOMPARE(bitmap.colour_table(), bmp.palette);
        const std::vector<int> expected{1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
        QCOMPARE(indices_of(bitmap), expected);
        QCOMPARE(bitmap.pixel(9, 0), colour_word(200, 100, 50));
        QCOMPARE(bitmap.pixel(1, 1), colour_word(10, 20, 30));
    }

    void reads_four_bits_with_odd_width()
    {
        crafted::Bmp bmp = crafted::make(3, 2, 4);
        bmp.palette = crafted::ramp(16);
        bmp.pixels = bytes({0xF1, 0x20, 0, 0, 0x34, 0x50, 0, 0});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 4);
        QCOMPARE(indices_of(bitmap), (std::vector<int>{3, 4, 5, 15, 1, 2}));
        QCOMPARE(bitmap.pixel(0, 1), from_qrgb(crafted::ramp(16)[15]));
    }

    void reads_eight_bits_with_a_short_table_from_colours_used()
    {
        crafted::Bmp bmp = crafted::make(2, 2, 8);
        bmp.colours_used = 3;
        bmp.palette = {qRgb(1, 1, 1), qRgb(2, 2, 2), qRgb(3, 3, 3)};
        bmp.pixels = bytes({2, 1, 0, 0, 0, 2, 0, 0});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 8);
        QCOMPARE(bitmap.colour_table().size(), 3);
        QCOMPARE(indices_of(bitmap), (std::vector<int>{0, 2, 2, 1}));
    }

    void index_beyond_the_table_reads_as_black_and_survives_a_round_trip()
    {
        crafted::Bmp bmp = crafted::make(2, 1, 8);
        bmp.colours_used = 2;
        bmp.palette = {qRgb(255, 255, 255), qRgb(255, 0, 0)};
        bmp.pixels = bytes({1, 5, 0, 0});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.pixel(0, 0), colour_word(255, 0, 0));
        QCOMPARE(bitmap.pixel(1, 0), black_word);
        QCOMPARE(bitmap.colour_table().size(), 6);
        QCOMPARE(decode_bmp(encode_bmp(bitmap)), bitmap);
    }

    void reads_sixteen_bits_as_555_by_default()
    {
        crafted::Bmp bmp = crafted::make(4, 1, 16);
        bmp.pixels = bytes({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x02});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 16);
        QCOMPARE(words_of(bitmap),
                 (std::vector<ColourWord>{colour_word(255, 0, 0), colour_word(0, 255, 0),
                                          colour_word(0, 0, 255), colour_word(0, 132, 132)}));
    }

    void reads_sixteen_bits_with_565_bitfields()
    {
        crafted::Bmp bmp = crafted::make(2, 1, 16, 3);
        bmp.masks = std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F};
        bmp.pixels = bytes({0xE0, 0x07, 0x21, 0x08});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(words_of(bitmap), (std::vector<ColourWord>{colour_word(0, 255, 0), colour_word(8, 4, 8)}));
    }

    void reads_twenty_four_bits_bottom_up_and_top_down()
    {
        const std::vector<ColourWord> expected{colour_word(1, 2, 3), colour_word(4, 5, 6),
                                               colour_word(7, 8, 9), colour_word(10, 11, 12)};
        crafted::Bmp bmp = crafted::make(2, 2, 24);
        bmp.pixels = bytes({9, 8, 7, 12, 11, 10, 0, 0, 3, 2, 1, 6, 5, 4, 0, 0});
        QCOMPARE(words_of(decode_bmp(crafted::file(bmp))), expected);
        bmp.height = -2;
        bmp.pixels = bytes({3, 2, 1, 6, 5, 4, 0, 0, 9, 8, 7, 12, 11, 10, 0, 0});
        const Bitmap top_down = decode_bmp(crafted::file(bmp));
        QCOMPARE(words_of(top_down), expected);
        QCOMPARE(top_down.depth(), 24);
    }

    void last_row_without_its_padding_is_accepted()
    {
        crafted::Bmp bmp = crafted::make(1, 2, 24);
        bmp.pixels = bytes({3, 2, 1, 0, 6, 5, 4});
        QCOMPARE(words_of(decode_bmp(crafted::file(bmp))),
                 (std::vector<ColourWord>{colour_word(4, 5, 6), colour_word(1, 2, 3)}));
    }

    void reads_thirty_two_bits_ignoring_the_fourth_byte()
    {
        crafted::Bmp bmp = crafted::make(2, 1, 32);
        bmp.pixels = bytes({3, 2, 1, 0x55, 6, 5, 4, 0xAA});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 32);
        QCOMPARE(words_of(bitmap), (std::vector<ColourWord>{colour_word(1, 2, 3), colour_word(4, 5, 6)}));
        QCOMPARE(qAlpha(bitmap.image().pixel(0, 0)), 255);
    }

    void reads_bitfield_masks_of_every_header_kind_data()
    {
        QTest::addColumn<int>("header_size");
        for (int size : {40, 52, 56, 108, 124})
            QTest::addRow("header %d", size) << size;
    }
    void reads_bitfield_masks_of_every_header_kind()
    {
        QFETCH(int, header_size);
        crafted::Bmp bmp = crafted::make(2, 1, 32, 3);
        bmp.header_size = header_size;
        bmp.masks = std::array<std::uint32_t, 3>{0x000000FF, 0x0000FF00, 0x00FF0000};
        bmp.pixels = bytes({1, 2, 3, 9, 40, 50, 60, 9});
        QCOMPARE(words_of(decode_bmp(crafted::file(bmp))),
                 (std::vector<ColourWord>{colour_word(1, 2, 3), colour_word(40, 50, 60)}));
    }

    void v5_header_without_bitfields_reads_plain_pixels()
    {
        crafted::Bmp bmp = crafted::make(1, 1, 24);
        bmp.header_size = 124;
        bmp.pixels = bytes({30, 20, 10, 0});
        QCOMPARE(decode_bmp(crafted::file(bmp)).pixel(0, 0), colour_word(10, 20, 30));
    }

    void reads_core_headers_with_three_byte_table_entries()
    {
        crafted::Bmp bmp = crafted::make(3, 1, 8);
        bmp.header_size = 12;
        bmp.palette = {qRgb(0, 0, 0), qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9)};
        bmp.pixels = bytes({3, 0, 2, 0});
        const Bitmap indexed = decode_bmp(crafted::file(bmp));
        QCOMPARE(indexed.colour_table(), bmp.palette);
        QCOMPARE(words_of(indexed),
                 (std::vector<ColourWord>{colour_word(7, 8, 9), colour_word(0, 0, 0), colour_word(4, 5, 6)}));
        crafted::Bmp rgb = crafted::make(1, 1, 24);
        rgb.header_size = 12;
        rgb.pixels = bytes({3, 2, 1, 0});
        QCOMPARE(decode_bmp(crafted::file(rgb)).pixel(0, 0), colour_word(1, 2, 3));
    }

    void reads_rle8_runs_absolute_runs_deltas_and_clips_long_runs()
    {
        crafted::Bmp bmp = crafted::make(6, 4, 8, 1);
        bmp.palette = crafted::ramp(8);
        bmp.pixels = bytes({3,  1, 0, 3, 2, 3, 4, 0, 0, 0, // row 3: run, absolute with padding
                            10, 5, 0, 0,                   // row 2: a run longer than the row
                            0,  2, 2, 1,                   // delta: row 1 untouched, x = 2
                            2,  7, 0, 1});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 8);
        QCOMPARE(indices_of(bitmap),
                 (std::vector<int>{0, 0, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 1, 1, 1, 2, 3, 4}));
    }

    void reads_rle4_alternating_runs_and_odd_absolute_runs()
    {
        crafted::Bmp bmp = crafted::make(5, 2, 4, 2);
        bmp.palette = crafted::ramp(16);
        bmp.pixels = bytes({5, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 1});
        const Bitmap bitmap = decode_bmp(crafted::file(bmp));
        QCOMPARE(bitmap.depth(), 4);
        QCOMPARE(indices_of(bitmap), (std::vector<int>{3, 4, 5, 6, 7, 1, 2, 1, 2, 1}));
    }

    void rle_data_that_gives_every_row_needs_no_end_mark()
    {
        crafted::Bmp bmp = crafted::make(2, 2, 8, 1);
        bmp.palette = crafted::ramp(4);
        bmp.pixels = bytes({2, 1, 0, 0, 2, 3, 0, 0});
        QCOMPARE(indices_of(decode_bmp(crafted::file(bmp))), (std::vector<int>{3, 3, 1, 1}));
    }

    void rle_deltas_and_runs_beyond_the_bitmap_write_nothing_outside()
    {
        crafted::Bmp bmp = crafted::make(3, 2, 8, 1);
        bmp.palette = crafted::ramp(4);
        bmp.pixels = bytes({0, 0, 255, 2, 0, 3, 1, 1, 1, 0, 0, 1});
        QCOMPARE(indices_of(decode_bmp(crafted::file(bmp))), (std::vector<int>{2, 2, 2, 0, 0, 0}));
        bmp.pixels = bytes({0, 2, 250, 0, 1, 3, 0, 0, 0, 2, 0, 9, 1, 2});
        QCOMPARE(indices_of(decode_bmp(crafted::file(bmp))), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    }

    void files_of_another_writer_read_as_qt_reads_them_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(testing_support::test_data_dir() + "/bmp");
        const QStringList names = folder.entryList({"*.bmp"}, QDir::Files);
        QVERIFY(names.size() >= 9);
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
    void files_of_another_writer_read_as_qt_reads_them()
    {
        QFETCH(QString, path);
        const Bitmap bitmap = read_bmp(path);
        QImage expected = QImage(path, "BMP").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!expected.isNull());
        if (path.contains("16_bits"))
            expected = full_range(expected, path.contains("565") ? 6 : 5);
        QCOMPARE(bitmap.to_rgb32(), expected);
    }

    void round_trips_keep_pixels_table_and_file_bytes_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QSize>("size");
        for (int depth : {1, 4, 8, 24})
            for (QSize size : {QSize(1, 1), QSize(13, 7), QSize(33, 3)})
                QTest::addRow("%d bits %dx%d", depth, size.width(), size.height()) << depth << size;
    }
    void round_trips_keep_pixels_table_and_file_bytes()
    {
        QFETCH(int, depth);
        QFETCH(QSize, size);
        const Bitmap original = patterned(depth, size.width(), size.height());
        const QByteArray file = encode_bmp(original);
        const Bitmap back = decode_bmp(file);
        QCOMPARE(back.depth(), depth);
        QCOMPARE(back.colour_table(), original.colour_table());
        QVERIFY(back == original);
        QCOMPARE(encode_bmp(back), file);

        const int table = depth == 24 ? 0 : static_cast<int>(original.colour_table().size());
        const int stride = (size.width() * depth + 31) / 32 * 4;
        QCOMPARE(file.size(), 54 + 4 * table + stride * size.height());
        QCOMPARE(u32_at(file, 10), 54u + 4 * table);
        QCOMPARE(u32_at(file, 14), 40u);
        QCOMPARE(static_cast<int>(u32_at(file, 22)), size.height());
        QCOMPARE(static_cast<int>(u32_at(file, 28) & 0xFFFF), depth);
        QCOMPARE(static_cast<int>(u32_at(file, 46)), table);
        // Qt's own reader sees the same picture.
        QCOMPARE(QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32), original.to_rgb32());
    }

    void writes_the_bottom_row_first()
    {
        Bitmap bitmap(1, 2);
        bitmap.image().setPixel(0, 1, qRgb(10, 20, 30));
        const QByteArray file = encode_bmp(bitmap);
        QCOMPARE(file.mid(54, 4), bytes({30, 20, 10, 0}));
        QCOMPARE(file.mid(58, 4), bytes({255, 255, 255, 0}));
    }

    void deeper_pictures_are_written_as_twenty_four_bits_data()
    {
        QTest::addColumn<int>("depth");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }
    void deeper_pictures_are_written_as_twenty_four_bits()
    {
        QFETCH(int, depth);
        Bitmap bitmap(3, 2, depth);
        bitmap.image().setPixel(2, 1, qRgb(1, 2, 3));
        const Bitmap back = decode_bmp(encode_bmp(bitmap));
        QCOMPARE(back.depth(), 24);
        QCOMPARE(back.image(), bitmap.image());
    }

    void encoding_a_null_bitmap_is_refused() { QVERIFY_THROWS_EXCEPTION(ImageError, encode_bmp(Bitmap())); }
};

QTEST_GUILESS_MAIN(TestBmpCodec)
#include "test_bmp_codec.moc"
