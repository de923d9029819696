#include "drawing_checks.h"
#include "pixels/drawing_surface.h"

#include <QRandomGenerator>
#include <QtTest>
#include <deque>
#include <vector>

using namespace pixels;
using namespace drawing_checks;

namespace {

constexpr ColourWord red = colour_word(255, 0, 0);
constexpr ColourWord blue = colour_word(0, 0, 255);

// A plain breadth-first fill over QImage::pixel, slow but obviously right, to hold the real one to.
Bitmap reference_fill(const Bitmap& source, QPoint seed, const Brush& brush)
{
    Bitmap result = source;
    const QImage& image = source.image();
    const QRgb seed_value = image.pixel(seed);
    std::vector<char> seen(static_cast<size_t>(image.width() * image.height()), 0);
    std::deque<QPoint> queue{seed};
    seen[static_cast<size_t>(seed.y() * image.width() + seed.x())] = 1;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        if (hatch_covers(brush.style, p.x() & 7, p.y() & 7))
            set_colour(result, p.x(), p.y(), brush.colour);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + step;
            if (!image.rect().contains(n) || image.pixel(n) != seed_value)
                continue;
            char& mark = seen[static_cast<size_t>(n.y() * image.width() + n.x())];
            if (mark == 0) {
                mark = 1;
                queue.push_back(n);
            }
        }
    }
    return result;
}

// Blobs of a few colours, so areas have holes, bays and thin necks.
Bitmap blotchy(QRandomGenerator& random, int width, int height, const QList<QRgb>& table)
{
    Bitmap bitmap = table.isEmpty() ? Bitmap(width, height) : Bitmap(width, height, 8, table);
    const ColourWord colours[] = {white_word, black_word, red, colour_word(0, 200, 0)};
    for (int blob = 0; blob < 40; ++blob) {
        const ColourWord colour = colours[random.bounded(4)];
        const int bx = random.bounded(width);
        const int by = random.bounded(height);
        const int radius = 1 + random.bounded(6);
        for (int y = std::max(0, by - radius); y < std::min(height, by + radius); ++y)
            for (int x = std::max(0, bx - radius); x < std::min(width, bx + radius); ++x)
                if ((x - bx) * (x - bx) + (y - by) * (y - by) <= radius * radius)
                    set_colour(bitmap, x, y, colour);
    }
    return bitmap;
}

const BrushStyle every_style[] = {
    BrushStyle::Solid,           BrushStyle::Horizontal,       BrushStyle::Vertical,
    BrushStyle::ForwardDiagonal, BrushStyle::BackwardDiagonal, BrushStyle::Cross};

} // namespace

class FloodFillTest : public QObject {
    Q_OBJECT

private slots:
    void seed_on_an_outline_recolours_the_outline_not_its_inside()
    {
        Bitmap bitmap(30, 30);
        const QRect frame(5, 6, 15, 12);
        for (int x = frame.left(); x <= frame.right(); ++x) {
            set_colour(bitmap, x, frame.top(), black_word);
            set_colour(bitmap, x, frame.bottom(), black_word);
        }
        for (int y = frame.top(); y <= frame.bottom(); ++y) {
            set_colour(bitmap, frame.left(), y, black_word);
            set_colour(bitmap, frame.right(), y, black_word);
        }
        const QRect changed = flood_fill(bitmap, QPoint(frame.right(), 10), Brush{red, BrushStyle::Solid});
        QCOMPARE(changed, frame);
        QCOMPARE(count_colour(bitmap, black_word), 0);
        QCOMPARE(count_colour(bitmap, red), 2 * frame.width() + 2 * frame.height() - 4);
        QCOMPARE(count_colour(bitmap, white_word, frame.adjusted(1, 1, -1, -1)),
                 (frame.width() - 2) * (frame.height() - 2));
    }

    void a_checkerboard_does_not_leak_diagonally()
    {
        Bitmap bitmap(9, 9);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                if ((x + y) % 2 == 1)
                    set_colour(bitmap, x, y, black_word);
        const Bitmap before = bitmap;
        QCOMPARE(flood_fill(bitmap, QPoint(4, 4), Brush{red, BrushStyle::Solid}), QRect(4, 4, 1, 1));
        QCOMPARE(difference_box(before, bitmap), QRect(4, 4, 1, 1));
        QCOMPARE(flood_fill(bitmap, QPoint(3, 4), Brush{blue, BrushStyle::Cross}), QRect());
        QCOMPARE(flood_fill(bitmap, QPoint(8, 0), Brush{blue, BrushStyle::Cross}), QRect(8, 0, 1, 1));
    }

    void filling_with_the_seeds_own_colour_ends_and_changes_nothing()
    {
        for (const BrushStyle style : every_style) {
            Bitmap bitmap(40, 30);
            fill_box(bitmap, QRect(10, 10, 5, 5), red);
            const Bitmap before = bitmap;
            QCOMPARE(flood_fill(bitmap, QPoint(1, 1), Brush{white_word, style}), QRect());
            QCOMPARE(flood_fill(bitmap, QPoint(12, 12), Brush{red, style}), QRect());
            QVERIFY(bitmap == before);
        }
        Bitmap indexed(20, 20, 8, {qRgb(255, 255, 255), qRgb(200, 0, 0)});
        const Bitmap before = indexed;
        QCOMPARE(flood_fill(indexed, QPoint(3, 3), Brush{colour_word(250, 250, 240), BrushStyle::Solid}),
                 QRect());
        QVERIFY(indexed == before);
    }

    void a_fill_reaches_every_edge_of_the_bitmap()
    {
        for (const QPoint seed :
             {QPoint(0, 0), QPoint(36, 0), QPoint(0, 22), QPoint(36, 22), QPoint(17, 11)}) {
            Bitmap bitmap(37, 23);
            QCOMPARE(flood_fill(bitmap, seed, Brush{red, BrushStyle::Solid}), bitmap.rect());
            QCOMPARE(count_colour(bitmap, red), 37 * 23);
        }
    }

    void an_area_that_winds_back_on_itself_is_filled_completely()
    {
        Bitmap bitmap(41, 41);
        // A comb and a spiral: the fill must turn back up and down into every tooth and ring.
        for (int x = 2; x < 39; x += 4)
            fill_box(bitmap, QRect(x, (x / 4) % 2 == 0 ? 0 : 3, 2, 38), black_word);
        const Bitmap before = bitmap;
        const QRect changed = flood_fill(bitmap, QPoint(0, 40), Brush{red, BrushStyle::Solid});
        QCOMPARE(count_colour(bitmap, white_word), 0);
        QCOMPARE(changed, difference_box(before, bitmap));
        QVERIFY(reference_fill(before, QPoint(0, 40), Brush{red, BrushStyle::Solid}) == bitmap);
    }

    void fills_match_a_plain_breadth_first_fill()
    {
        QRandomGenerator random(20240611);
        const QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 200, 0),
                                   qRgb(0, 0, 255)};
        for (int round = 0; round < 60; ++round) {
            const bool indexed = round % 3 == 2;
            const Bitmap source = blotchy(random, 20 + random.bounded(50), 20 + random.bounded(50),
                                          indexed ? table : QList<QRgb>{});
            const QPoint seed(random.bounded(source.width()), random.bounded(source.height()));
            const Brush brush{round % 2 == 0 ? blue : red, every_style[round % 6]};
            Bitmap bitmap = source;
            const QRect changed = flood_fill(bitmap, seed, brush);
            QVERIFY2(bitmap == reference_fill(source, seed, brush), qPrintable(QString::number(round)));
            QCOMPARE(changed, difference_box(source, bitmap));
        }
    }

    void an_indexed_bitmap_takes_the_nearest_entry_and_keeps_its_table()
    {
        const QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(250, 10, 10), qRgb(10, 10, 250)};
        Bitmap bitmap(16, 16, 4, table);
        fill_box(bitmap, QRect(0, 8, 16, 1), black_word);
        const QRect changed = flood_fill(bitmap, QPoint(3, 3), Brush{red, BrushStyle::Solid});
        QCOMPARE(changed, QRect(0, 0, 16, 8));
        QCOMPARE(bitmap.depth(), 4);
        QCOMPARE(bitmap.image().format(), QImage::Format_Indexed8);
        QCOMPARE(bitmap.colour_table(), table);
        QCOMPARE(bitmap.image().pixelIndex(5, 5), 2);
        QCOMPARE(bitmap.image().pixelIndex(5, 12), 0);
    }

    void a_clear_brush_or_a_seed_outside_changes_nothing()
    {
        Bitmap bitmap(10, 10);
        const Bitmap before = bitmap;
        QCOMPARE(flood_fill(bitmap, QPoint(5, 5), Brush{red, BrushStyle::Clear}), QRect());
        for (const QPoint seed : {QPoint(-1, 5), QPoint(10, 5), QPoint(5, -1), QPoint(5, 10)})
            QCOMPARE(flood_fill(bitmap, seed, Brush{red, BrushStyle::Solid}), QRect());
        Bitmap empty;
        QCOMPARE(flood_fill(empty, QPoint(0, 0), Brush{red, BrushStyle::Solid}), QRect());
        QVERIFY(bitmap == before);
    }

    void the_surface_fills_with_its_own_brush()
    {
        Bitmap bitmap(12, 12);
        DrawingSurface surface(bitmap);
        surface.brush() = Brush{blue, BrushStyle::Vertical};
        QCOMPARE(surface.fill(QPoint(5, 5)), QRect(0, 0, 9, 12));
        QCOMPARE(surface.pixel(QPoint(8, 3)), blue);
        QCOMPARE(surface.pixel(QPoint(9, 3)), white_word);
    }
};

QTEST_MAIN(FloodFillTest)
#include "test_flood_fill.moc"
