#include "drawing_checks.h"
#include "pixels/drawing_surface.h"

#include <QtTest>
#include <array>

using namespace pixels;
using namespace drawing_checks;

namespace {

constexpr ColourWord violet = colour_word(177, 24, 193);
constexpr ColourWord yellow = colour_word(255, 255, 0);

// Each hatch's 8 x 8 cell, 'x' where the line runs.
using Cell = std::array<const char*, 8>;

Cell cell_of(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Horizontal:
        return {"xxxxxxxx", "........", "........", "........",
                "........", "........", "........", "........"};
    case BrushStyle::Vertical:
        return {"x.......", "x.......", "x.......", "x.......",
                "x.......", "x.......", "x.......", "x......."};
    case BrushStyle::ForwardDiagonal:
        return {"x.......", ".x......", "..x.....", "...x....",
                "....x...", ".....x..", "......x.", ".......x"};
    case BrushStyle::BackwardDiagonal:
        return {".......x", "......x.", ".....x..", "....x...",
                "...x....", "..x.....", ".x......", "x......."};
    case BrushStyle::Cross:
        return {"xxxxxxxx", "x.......", "x.......", "x.......",
                "x.......", "x.......", "x.......", "x......."};
    default:
        return {};
    }
}

bool cell_covers(BrushStyle style, int x, int y)
{
    return cell_of(style)[y & 7][x & 7] == 'x';
}

const BrushStyle hatches[] = {BrushStyle::Horizontal, BrushStyle::Vertical, BrushStyle::ForwardDiagonal,
                              BrushStyle::BackwardDiagonal, BrushStyle::Cross};

} // namespace

class HatchesTest : public QObject {
    Q_OBJECT

private slots:
    void every_hatch_has_its_cell()
    {
        for (const BrushStyle style : hatches)
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    QVERIFY2(hatch_covers(style, x, y) == cell_covers(style, x, y),
                             qPrintable(QStringLiteral("style %1 at %2,%3").arg(int(style)).arg(x).arg(y)));
        for (int i = 0; i < 64; ++i) {
            QVERIFY(hatch_covers(BrushStyle::Solid, i % 8, i / 8));
            QVERIFY(!hatch_covers(BrushStyle::Clear, i % 8, i / 8));
        }
    }

    void a_hatched_fill_repeats_the_cell_from_the_top_left_corner()
    {
        for (const BrushStyle style : hatches) {
            Bitmap bitmap(21, 19);
            flood_fill(bitmap, QPoint(13, 11), Brush{violet, style});
            for (int y = 0; y < bitmap.height(); ++y)
                for (int x = 0; x < bitmap.width(); ++x)
                    QCOMPARE(bitmap.pixel(x, y), cell_covers(style, x, y) ? violet : white_word);
        }
    }

    void a_hatch_is_transparent_over_a_coloured_area()
    {
        for (const BrushStyle style : hatches) {
            Bitmap bitmap(30, 30);
            const QRect area(5, 3, 17, 20);
            fill_box(bitmap, area, yellow);
            const QRect changed = flood_fill(bitmap, QPoint(12, 12), Brush{violet, style});
            QVERIFY(area.contains(changed));
            for (int y = 0; y < bitmap.height(); ++y)
                for (int x = 0; x < bitmap.width(); ++x) {
                    const ColourWord expected = !area.contains(x, y)       ? white_word
                                                : cell_covers(style, x, y) ? violet
                                                                           : yellow;
                    QCOMPARE(bitmap.pixel(x, y), expected);
                }
        }
    }

    void refilling_a_hatched_area_takes_only_the_gaps_connected_to_the_seed()
    {
        Bitmap bitmap(24, 24);
        flood_fill(bitmap, QPoint(3, 3), Brush{violet, BrushStyle::Horizontal});
        // The lines split the white into bands, so a second fill stays inside the seed's band.
        const QRect changed = flood_fill(bitmap, QPoint(3, 3), Brush{yellow, BrushStyle::Solid});
        QCOMPARE(changed, QRect(0, 1, 24, 7));
        QCOMPARE(bitmap.pixel(3, 9), white_word);
        QCOMPARE(bitmap.pixel(3, 8), violet);
    }

    void an_indexed_bitmap_is_hatched_with_its_nearest_entry()
    {
        const QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(170, 30, 190)};
        Bitmap bitmap(16, 16, 8, table);
        const QRect changed = flood_fill(bitmap, QPoint(0, 0), Brush{violet, BrushStyle::BackwardDiagonal});
        QCOMPARE(changed, bitmap.rect());
        QCOMPARE(bitmap.colour_table(), table);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                QCOMPARE(bitmap.image().pixelIndex(x, y),
                         cell_covers(BrushStyle::BackwardDiagonal, x, y) ? 2 : 0);
    }
};

QTEST_MAIN(HatchesTest)
#include "test_hatches.moc"
