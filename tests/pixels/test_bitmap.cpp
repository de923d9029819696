#include "pixels/bitmap.h"

#include <QPainter>
#include <QtTest>

using namespace pixels;

namespace {

const QList<QRgb> four_colours{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

} // namespace

class TestBitmap : public QObject {
    Q_OBJECT

private slots:
    void new_bitmaps_are_white_or_their_first_table_entry()
    {
        const Bitmap rgb(4, 3);
        QCOMPARE(rgb.depth(), 24);
        QCOMPARE(rgb.image().format(), QImage::Format_RGB32);
        QCOMPARE(rgb.pixel(3, 2), white_word);
        const Bitmap indexed(4, 3, 8, {qRgb(9, 8, 7), qRgb(1, 1, 1)});
        QCOMPARE(indexed.image().format(), QImage::Format_Indexed8);
        QCOMPARE(indexed.pixel(0, 0), colour_word(9, 8, 7));
        QVERIFY(indexed.has_colour_table());
    }

    void indexed_bitmap_without_a_table_gets_a_full_grey_ramp()
    {
        const Bitmap one_bit(2, 2, 1);
        QCOMPARE(one_bit.colour_table(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        const Bitmap four_bits(2, 2, 4);
        QCOMPARE(four_bits.colour_table().size(), 16);
        QCOMPARE(four_bits.colour_table()[15], qRgb(255, 255, 255));
    }

    void table_longer_than_the_depth_allows_is_cut()
    {
        QCOMPARE(Bitmap(1, 1, 1, four_colours).colour_table().size(), 2);
    }

    void unknown_depth_is_refused() { QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Bitmap(1, 1, 7)); }

    void pixels_are_colour_words_with_red_in_the_low_byte()
    {
        Bitmap rgb(2, 1);
        rgb.image().setPixel(1, 0, qRgb(0x11, 0x22, 0x33));
        QCOMPARE(rgb.pixel(1, 0), ColourWord{0x00332211});
        Bitmap indexed(2, 1, 4, four_colours);
        indexed.image().setPixel(1, 0, 1);
        QCOMPARE(indexed.pixel(1, 0), ColourWord{0x000000FF});
    }

    void pixels_outside_read_as_the_invalid_word()
    {
        const Bitmap bitmap(3, 2);
        QCOMPARE(bitmap.pixel(-1, 0), invalid_word);
        QCOMPARE(bitmap.pixel(3, 0), invalid_word);
        QCOMPARE(bitmap.pixel(0, 2), invalid_word);
        QCOMPARE(Bitmap().pixel(0, 0), invalid_word);
    }

    void nearest_index_uses_squared_distance_and_the_first_of_equals()
    {
        const Bitmap bitmap(1, 1, 8, {qRgb(0, 0, 0), qRgb(100, 0, 0), qRgb(0, 100, 0), qRgb(100, 0, 0)});
        QCOMPARE(bitmap.nearest_index(colour_word(90, 0, 0)), 1);
        QCOMPARE(bitmap.nearest_index(colour_word(100, 0, 0)), 1);
        QCOMPARE(bitmap.nearest_index(colour_word(50, 0, 0)), 0);
        QCOMPARE(bitmap.nearest_index(colour_word(40, 60, 0)), 2);
        // (60,60,0) is 5200 from both red and green, and 7200 from black.
        QCOMPARE(bitmap.nearest_index(colour_word(60, 60, 0)), 1);
        QCOMPARE(bitmap.nearest_index(colour_word(20, 20, 20)), 0);
    }

    void representable_colour_is_the_nearest_entry_or_the_colour_itself()
    {
        const Bitmap indexed(1, 1, 4, four_colours);
        QCOMPARE(indexed.representable(colour_word(200, 30, 30)), colour_word(255, 0, 0));
        QCOMPARE(indexed.representable(colour_word(240, 240, 250)), white_word);
        const Bitmap rgb(1, 1);
        QCOMPARE(rgb.representable(colour_word(200, 30, 31)), colour_word(200, 30, 31));
    }

    void painting_on_a_copy_maps_back_to_the_table_inside_the_area_only()
    {
        Bitmap bitmap(6, 4, 8, four_colours);
        QImage canvas = bitmap.to_rgb32();
        QCOMPARE(canvas.format(), QImage::Format_RGB32);
        QPainter painter(&canvas);
        painter.fillRect(QRect(0, 0, 6, 4), QColor(250, 10, 20));
        painter.fillRect(QRect(4, 0, 2, 4), QColor(10, 20, 240));
        painter.end();
        bitmap.assign_rgb32(canvas, QRect(2, 1, 3, 2));
        QCOMPARE(bitmap.depth(), 8);
        QCOMPARE(bitmap.image().format(), QImage::Format_Indexed8);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 6; ++x) {
                const bool inside = x >= 2 && x <= 4 && y >= 1 && y <= 2;
                const ColourWord expected =
                    !inside ? black_word : (x == 4 ? colour_word(0, 0, 255) : colour_word(255, 0, 0));
                QCOMPARE(bitmap.pixel(x, y), expected);
            }
        }
    }

    void painting_on_a_deep_bitmap_keeps_exact_colours_and_clips_the_area()
    {
        Bitmap bitmap(3, 3, 32);
        QImage canvas = bitmap.to_rgb32();
        canvas.fill(qRgb(1, 2, 3));
        bitmap.assign_rgb32(canvas, QRect(1, 1, 10, 10));
        QCOMPARE(bitmap.pixel(0, 0), white_word);
        QCOMPARE(bitmap.pixel(2, 2), colour_word(1, 2, 3));
        QCOMPARE(bitmap.depth(), 32);
        QCOMPARE(qAlpha(bitmap.image().pixel(2, 2)), 255);
    }

    void conversion_to_twenty_four_bits_keeps_the_pixels()
    {
        Bitmap bitmap(2, 1, 1, {qRgb(10, 20, 30), qRgb(40, 50, 60)});
        bitmap.image().setPixel(1, 0, 1);
        bitmap.convert_to_24();
        QCOMPARE(bitmap.depth(), 24);
        QVERIFY(!bitmap.has_colour_table());
        QCOMPARE(bitmap.image().format(), QImage::Format_RGB32);
        QCOMPARE(bitmap.pixel(0, 0), colour_word(10, 20, 30));
        QCOMPARE(bitmap.pixel(1, 0), colour_word(40, 50, 60));
        Bitmap deep(1, 1, 16);
        deep.convert_to_24();
        QCOMPARE(deep.depth(), 24);
    }

    void any_image_becomes_an_opaque_twenty_four_bit_bitmap()
    {
        QImage translucent(2, 1, QImage::Format_ARGB32);
        translucent.setPixel(0, 0, qRgba(10, 20, 30, 255));
        translucent.setPixel(1, 0, qRgba(200, 100, 50, 0));
        const Bitmap bitmap = Bitmap::from_image(translucent);
        QCOMPARE(bitmap.depth(), 24);
        QCOMPARE(bitmap.image().format(), QImage::Format_RGB32);
        QCOMPARE(bitmap.pixel(0, 0), colour_word(10, 20, 30));
        QCOMPARE(qAlpha(bitmap.image().pixel(1, 0)), 255);
        QVERIFY(Bitmap::from_image(QImage()).is_null());
    }

    void equality_compares_depth_as_well_as_pixels()
    {
        const Bitmap a(2, 2, 24);
        const Bitmap b(2, 2, 32);
        QVERIFY(!(a == b));
        QVERIFY(a == Bitmap(2, 2, 24));
        Bitmap c(2, 2, 24);
        c.image().setPixel(1, 1, qRgb(0, 0, 0));
        QVERIFY(!(a == c));
    }
};

QTEST_GUILESS_MAIN(TestBitmap)
#include "test_bitmap.moc"
