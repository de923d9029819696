#include "formats/bmp_codec.h"
#include "history/fitted_picture.h"
#include "history/shrink_picture.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using pixels::Bitmap;
using Levels = std::vector<std::vector<int>>;

namespace {

// A grey picture made of uniform square blocks, one per entry of `levels`.
Bitmap grey_blocks(const Levels& levels, int block_width, int block_height)
{
    const int rows = static_cast<int>(levels.size());
    const int columns = static_cast<int>(levels.front().size());
    QImage image(columns * block_width, rows * block_height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int level =
                levels[static_cast<std::size_t>(y / block_height)][static_cast<std::size_t>(x / block_width)];
            image.setPixel(x, y, qRgb(level, level, level));
        }
    return Bitmap::from_image(image);
}

Levels grey_levels(const Bitmap& bitmap)
{
    Levels levels(static_cast<std::size_t>(bitmap.height()));
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const pixels::ColourWord word = bitmap.pixel(x, y);
            if (pixels::green_of(word) != pixels::red_of(word) ||
                pixels::blue_of(word) != pixels::red_of(word))
                return {};
            levels[static_cast<std::size_t>(y)].push_back(pixels::red_of(word));
        }
    return levels;
}

Bitmap filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return Bitmap::from_image(image);
}

Bitmap indexed(int width, int height)
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(250, 10, 20)});
    image.fill(1);
    image.setPixel(3, 4, 0);
    return Bitmap::adopt(image, 8);
}

} // namespace

class ShrinkPictureTest : public QObject {
    Q_OBJECT

private slots:
    void a_small_picture_replaces_the_target_at_its_own_size()
    {
        Bitmap source = indexed(150, 90);
        Bitmap target(474, 593, 8, {qRgb(255, 255, 255)});
        history::shrink_picture(source, target);
        QCOMPARE(target.size(), QSize(150, 90));
        QCOMPARE(target.depth(), 24);
        QCOMPARE(source.depth(), 24);
        QCOMPARE(target.pixel(3, 4), pixels::black_word);
        QCOMPARE(target.pixel(149, 89), pixels::colour_word(250, 10, 20));
    }

    void a_picture_of_the_canvas_size_comes_back_unchanged()
    {
        Bitmap source = grey_blocks({{0, 255, 30}, {255, 7, 255}, {90, 255, 1}}, 158, 197);
        source = Bitmap::from_image(source.image().copy(0, 0, 474, 591));
        Bitmap target = filled(474, 591, qRgb(255, 255, 255));
        const Bitmap original = source;
        history::shrink_picture(source, target);
        QCOMPARE(target.image(), original.image());
    }

    void white_stays_white_through_averaging_and_sharpening()
    {
        Bitmap source = filled(4000, 3000, qRgb(255, 255, 255));
        Bitmap target = filled(474, 593, qRgb(0, 0, 0));
        history::shrink_picture(source, target);
        QCOMPARE(target.size(), QSize(474, 593));
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                QCOMPARE(target.pixel(x, y), pixels::white_word);
    }

    // Blocks of 600 rows: far more than a 16-bit channel sum of 255s can hold at once.
    void tall_blocks_keep_exact_sums()
    {
        QImage image(3, 1200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel(x, y,
                               y < 300   ? qRgb(255, 0, 1)
                               : y < 600 ? qRgb(0, 255, 2)
                                         : qRgb(10, 20, 250));
        Bitmap source = Bitmap::from_image(image);
        Bitmap target = filled(1, 2, qRgb(9, 9, 9));
        history::shrink_picture(source, target);
        // Half 255 and half 0 is 127.5, rounded up; half 1 and half 2 is 1.5, rounded up.
        QCOMPARE(target.pixel(0, 0), pixels::colour_word(128, 128, 2));
        QCOMPARE(target.pixel(0, 1), pixels::colour_word(10, 20, 250));
    }

    void averages_are_rounded_to_nearest()
    {
        // Blocks of 3 x 1 pixels; two rows, so no sharpening.
        QImage image(303, 2, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 0));
        for (int y = 0; y < 2; ++y) {
            image.setPixel(2, y, qRgb(1, 1, 1)); // 1/3 -> 0
            image.setPixel(4, y, qRgb(1, 1, 1)); // 2/3 -> 1
            image.setPixel(5, y, qRgb(1, 1, 1));
            image.setPixel(6, y, qRgb(255, 254, 3)); // (255, 254, 3)/3 -> 85, 85, 1
        }
        Bitmap source = Bitmap::from_image(image);
        Bitmap target = filled(101, 2, qRgb(9, 9, 9));
        history::shrink_picture(source, target);
        QCOMPARE(target.pixel(0, 0), pixels::colour_word(0, 0, 0));
        QCOMPARE(target.pixel(1, 0), pixels::colour_word(1, 1, 1));
        QCOMPARE(target.pixel(2, 1), pixels::colour_word(85, 85, 1));
    }

    void sharpening_runs_top_to_bottom_over_the_diagonals()
    {
        // 160 x 160 into 5 x 5: every block is 32 x 32 and uniform, so the averages are the levels.
        const Levels levels = {{10, 10, 10, 10, 10},
                               {10, 200, 10, 10, 10},
                               {10, 10, 100, 10, 10},
                               {10, 10, 10, 10, 10},
                               {10, 10, 10, 10, 10}};
        Bitmap source = grey_blocks(levels, 32, 32);
        Bitmap target = filled(5, 5, qRgb(0, 0, 0));
        history::shrink_picture(source, target);
        // Worked by hand: (12 * centre - diagonals) / 8, truncated, clamped; row 2 reads row 1
        // already sharpened (255 and 0), so its centre is (1200 - 275) / 8 = 115, not 121.
        const Levels expected = {{10, 10, 10, 10, 10},
                                 {10, 255, 10, 0, 10},
                                 {10, 10, 115, 10, 10},
                                 {10, 0, 10, 0, 10},
                                 {10, 10, 10, 10, 10}};
        QCOMPARE(grey_levels(target), expected);
    }

    void a_source_narrower_than_the_canvas_takes_the_nearest_pixels()
    {
        // 200 wide into 474: most target columns have no source column of their own.
        Levels stripes(1);
        for (int i = 0; i < 200; ++i)
            stripes[0].push_back(i);
        Bitmap source = grey_blocks(stripes, 1, 700);
        Bitmap target = filled(474, 593, qRgb(255, 255, 255));
        history::shrink_picture(source, target);
        QCOMPARE(target.size(), QSize(474, 593));
        // The top row is never sharpened: it shows the sampled levels in order, none invented.
        const Levels result = grey_levels(target);
        QVERIFY(!result.empty());
        const std::vector<int>& top = result.front();
        QVERIFY(std::is_sorted(top.begin(), top.end()));
        QCOMPARE(top.front(), 0);
        QVERIFY(top.back() >= 198 && top.back() <= 199);
    }

    // A BMP fitted row by row as it is read gives exactly the pixels of the whole picture fitted,
    // at every depth, taller or wider than the canvas, small or of the canvas's own size; a line
    // drawing larger than the canvas frame is fitted to the frame, one within it kept as it is.
    void a_file_fitted_row_by_row_is_the_whole_picture_fitted()
    {
        QTemporaryDir dir;
        QRandomGenerator random(7);
        const QList<QSize> sizes{{700, 900}, {1300, 400}, {120, 140}, {474, 593}, {300, 2000}};
        for (int depth : {1, 4, 8, 24}) {
            for (QSize size : sizes) {
                QList<QRgb> table;
                for (int i = 0; depth <= 8 && i < (1 << depth); ++i)
                    table.append(random.generate() | 0xFF000000u);
                pixels::Bitmap picture(size.width(), size.height(), depth, table);
                QImage& image = picture.image();
                for (int y = 0; y < size.height(); ++y)
                    for (int x = 0; x < size.width(); ++x)
                        image.setPixel(x, y, depth <= 8 ? random.bounded(1u << depth) : random.generate());
                const QString path = dir.filePath("picture.bmp");
                formats::write_bmp(picture, path);
                pixels::Bitmap whole = formats::read_bmp(path);
                pixels::Bitmap expected(474, 593);
                history::shrink_picture(whole, expected);
                pixels::Bitmap fitted(474, 593, 8, {qRgb(1, 2, 3)});
                history::read_fitted_picture(path, fitted);
                QVERIFY2(
                    fitted == expected,
                    qPrintable(
                        QStringLiteral("%1 bits, %2 x %3").arg(depth).arg(size.width()).arg(size.height())));
                const pixels::Bitmap drawing = history::read_line_drawing(path, history::canvas_frame);
                const bool within = size.width() <= 474 && size.height() <= 593;
                QVERIFY(within ? drawing == formats::read_bmp(path) : drawing == expected);
            }
        }
        // Rows of every layout the reader knows (RLE, bit fields, core and V5 headers) are the
        // rows of the whole picture.
        for (const QFileInfo& file :
             QDir(qEnvironmentVariable("KOLORITON_TEST_DATA") + "/bmp").entryInfoList({"*.bmp"})) {
            const QImage whole = formats::read_bmp(file.filePath()).to_rgb32();
            const formats::BmpRows rows(file.filePath());
            QCOMPARE(rows.size(), whole.size());
            std::vector<QRgb> row(static_cast<std::size_t>(whole.width()));
            for (int y = 0; y < whole.height(); ++y) {
                rows.read_row(y, row.data());
                QVERIFY2(
                    std::equal(row.begin(), row.end(), reinterpret_cast<const QRgb*>(whole.constScanLine(y))),
                    qPrintable(file.fileName()));
            }
        }
    }

    void a_canvas_of_two_rows_is_not_sharpened()
    {
        Bitmap source = grey_blocks({{0, 200, 0}, {200, 0, 200}}, 100, 100);
        Bitmap target = filled(3, 2, qRgb(0, 0, 0));
        history::shrink_picture(source, target);
        QCOMPARE(grey_levels(target), (Levels{{0, 200, 0}, {200, 0, 200}}));
    }
};

QTEST_GUILESS_MAIN(ShrinkPictureTest)
#include "test_shrink_picture.moc"
