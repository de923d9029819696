#include "drawing_checks.h"
#include "pixels/drawing_surface.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace pixels;
using namespace drawing_checks;

namespace {

Bitmap random_bitmap(QRandomGenerator& random, int width, int height, const QList<QRgb>& table)
{
    Bitmap bitmap = table.isEmpty() ? Bitmap(width, height) : Bitmap(width, height, 8, table);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (table.isEmpty())
                bitmap.image().setPixel(x, y, 0xFF000000u | random.bounded(0x1000000));
            else
                bitmap.image().setPixel(x, y,
                                        static_cast<uint>(random.bounded(static_cast<int>(table.size()))));
        }
    return bitmap;
}

QList<QRgb> grey_table(int size)
{
    QList<QRgb> table;
    for (int i = 0; i < size; ++i)
        table.append(qRgb(i * 255 / std::max(size - 1, 1), 0, 0));
    return table;
}

// Whether (x, y) lies on the one-pixel frame of the rectangle [left, right) x [top, bottom).
bool on_frame(const QRect& r, int x, int y)
{
    return r.contains(x, y) && (x == r.left() || x == r.right() || y == r.top() || y == r.bottom());
}

} // namespace

class FocusRectTest : public QObject {
    Q_OBJECT

private slots:
    void the_frame_inverts_every_other_pixel_of_its_edges()
    {
        Bitmap bitmap(20, 16);
        const QRect frame(2, 3, 10, 6);
        const QRect changed = draw_focus_rect(bitmap, RectEdges{2, 3, 12, 9});
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool dot = on_frame(frame, x, y) && (x + y) % 2 == 0;
                QCOMPARE(bitmap.pixel(x, y), dot ? black_word : white_word);
            }
        QCOMPARE(changed, frame);
    }

    void drawing_it_twice_restores_every_pixel()
    {
        QRandomGenerator random(4242);
        const QList<QList<QRgb>> tables = {{}, grey_table(2), grey_table(16), grey_table(6), grey_table(256)};
        for (const QList<QRgb>& table : tables) {
            const Bitmap original = random_bitmap(random, 23, 17, table);
            for (int round = 0; round < 40; ++round) {
                Bitmap bitmap = original;
                const RectEdges edges{random.bounded(-5, 29), random.bounded(-5, 23), random.bounded(-5, 29),
                                      random.bounded(-5, 23)};
                const QRect first = draw_focus_rect(bitmap, edges);
                const QString fault = rect_fault(original, bitmap, first);
                QVERIFY2(fault.isEmpty(), qPrintable(fault));
                const QRect second = draw_focus_rect(bitmap, edges);
                QVERIFY(bitmap == original);
                QCOMPARE(second, first);
            }
        }
    }

    void an_indexed_frame_mirrors_indices_within_the_table()
    {
        Bitmap bitmap(8, 4, 8, grey_table(6));
        bitmap.image().fill(1);
        bitmap.image().scanLine(0)[2] = 7;
        draw_focus_rect(bitmap, RectEdges{0, 0, 8, 4});
        QCOMPARE(bitmap.image().pixelIndex(0, 0), 4);
        QCOMPARE(bitmap.image().pixelIndex(1, 0), 1);
        // An index the table lacks has no inverse; it is left alone, both times.
        QCOMPARE(bitmap.image().pixelIndex(2, 0), 7);
        Bitmap mono(4, 4, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)});
        draw_focus_rect(mono, RectEdges{0, 0, 4, 4});
        QCOMPARE(mono.pixel(0, 0), white_word);
        QCOMPARE(mono.pixel(1, 0), black_word);
        QCOMPARE(mono.colour_table().size(), 2);
    }

    void an_empty_rectangle_draws_nothing()
    {
        Bitmap bitmap(10, 10);
        const Bitmap before = bitmap;
        QCOMPARE(draw_focus_rect(bitmap, RectEdges{4, 4, 4, 4}), QRect());
        QCOMPARE(draw_focus_rect(bitmap, RectEdges{2, 4, 8, 4}), QRect());
        QCOMPARE(draw_focus_rect(bitmap, RectEdges{4, 2, 4, 8}), QRect());
        QCOMPARE(draw_focus_rect(bitmap, RectEdges{20, 20, 30, 30}), QRect());
        QVERIFY(bitmap == before);
    }

    void reversed_edges_draw_the_same_frame()
    {
        Bitmap forwards(20, 20);
        Bitmap backwards(20, 20);
        draw_focus_rect(forwards, RectEdges{3, 4, 15, 17});
        draw_focus_rect(backwards, RectEdges{15, 17, 3, 4});
        QVERIFY(forwards == backwards);
    }

    void a_frame_one_pixel_high_or_wide_inverts_each_dot_once()
    {
        Bitmap row(12, 3);
        QCOMPARE(draw_focus_rect(row, RectEdges{1, 1, 11, 2}), QRect(1, 1, 9, 1));
        QCOMPARE(count_colour(row, black_word), 5);
        Bitmap column(3, 12);
        QCOMPARE(draw_focus_rect(column, RectEdges{1, 1, 2, 11}), QRect(1, 1, 1, 9));
        QCOMPARE(count_colour(column, black_word), 5);
        Bitmap dot(3, 3);
        QCOMPARE(draw_focus_rect(dot, RectEdges{1, 1, 2, 2}), QRect(1, 1, 1, 1));
        QCOMPARE(dot.pixel(1, 1), black_word);
    }

    void a_frame_across_the_edge_is_clipped()
    {
        Bitmap bitmap(10, 10);
        // The top edge from x 0 to 5 and the right edge at x 5 remain; the rest lies outside.
        const QRect changed = draw_focus_rect(bitmap, RectEdges{-4, 5, 6, 20});
        QCOMPARE(changed, QRect(1, 5, 5, 5));
        QCOMPARE(count_colour(bitmap, black_word), 5);
        QCOMPARE(count_colour(bitmap, black_word, QRect(5, 6, 1, 4)), 2);
        Bitmap huge(10, 10);
        QCOMPARE(draw_focus_rect(huge, RectEdges{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647}),
                 QRect());
        QCOMPARE(draw_focus_rect(huge, RectEdges{-2147483647 - 1, 2, 2147483647, 3}), QRect(0, 2, 9, 1));
        // On an odd row the dots reach the last column.
        QCOMPARE(draw_focus_rect(huge, RectEdges{-5, 3, 40, 4}), QRect(1, 3, 9, 1));
    }
};

QTEST_MAIN(FocusRectTest)
#include "test_focus_rect.moc"
