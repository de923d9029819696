#include "drawing/canvas_fixture.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

using namespace canvas_fixture;

namespace {

void click_canvas(Window& w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    press(w.controls().canvas, button, at);
}

// Distance from the centre of pixel (x, y) to the segment from `a` to `b`.
double distance_to_segment(int x, int y, QPointF a, QPointF b)
{
    const QPointF p(x + 0.5, y + 0.5);
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

// One stroke of a press, a single movement and the release.
void drag(Window& w, QPoint from, QPoint to)
{
    QTest::mousePress(w.controls().canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(w.controls().canvas, to);
    QTest::mouseRelease(w.controls().canvas, Qt::LeftButton, {}, to);
}

} // namespace

class TestCanvasTools : public QObject {
    Q_OBJECT

private slots:
    void a_fill_on_the_outline_recolours_the_whole_outline_only()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        click_canvas(w, {100, 150});
        const pixels::Bitmap& picture = c.canvas->picture();
        for (const QPoint p : {QPoint(100, 150), QPoint(299, 299), QPoint(200, 102), QPoint(297, 120)})
            QCOMPARE(picture.pixel(p.x(), p.y()), red);
        QCOMPARE(picture.pixel(200, 200), white);
        QCOMPARE(picture.pixel(50, 50), white);
        QCOMPARE(shown_pixel(c.canvas, {299, 299}), red);
        QVERIFY(undo_snapshot(w) == known_picture());
        QVERIFY(c.undo_button->isEnabled());
        QVERIFY(w.errors().isEmpty());
    }

    void a_fill_that_changes_nothing_still_replaces_the_snapshot()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        click_canvas(w, {200, 200});
        const pixels::Bitmap filled = c.canvas->picture();
        QCOMPARE(filled.pixel(104, 104), red);
        QCOMPARE(filled.pixel(50, 50), white);
        QTest::mouseClick(c.undo_button, Qt::LeftButton);
        QVERIFY(!c.undo_button->isEnabled());
        QVERIFY(c.canvas->picture() == known_picture());
        QTest::mouseClick(c.redo_button, Qt::LeftButton);
        click_canvas(w, {250, 250});
        QVERIFY(c.canvas->picture() == filled);
        QVERIFY(undo_snapshot(w) == filled);
        QVERIFY(c.undo_button->isEnabled());
    }

    void hatched_fills_paint_only_their_lines_aligned_to_the_corner()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        QTest::mouseClick(c.horizontal_pattern_button, Qt::LeftButton);
        click_canvas(w, {200, 200});
        QTest::mouseClick(c.vertical_pattern_button, Qt::LeftButton);
        w.drawing().current_colour = blue;
        click_canvas(w, {50, 450});
        const pixels::Bitmap& picture = c.canvas->picture();
        const pixels::Bitmap start = known_picture();
        int lines = 0;
        for (const auto& [seed, style, colour] :
             {std::tuple{QPoint(200, 200), pixels::BrushStyle::Horizontal, red},
              std::tuple{QPoint(50, 450), pixels::BrushStyle::Vertical, blue}})
            for (const QPoint p : region(start, seed)) {
                const bool line = pixels::hatch_covers(style, p.x(), p.y());
                lines += line;
                QCOMPARE(picture.pixel(p.x(), p.y()), line ? colour : start.pixel(p.x(), p.y()));
            }
        // Lines 8 apart: 24 rows inside the frame and 7 columns of the red block.
        QCOMPARE(lines, 24 * 192 + 7 * 160);
        QCOMPARE(picture.pixel(100, 100), black);
        QCOMPARE(picture.pixel(50, 50), white);
    }

    void the_press_paints_a_dot_and_the_movement_a_wider_line()
    {
        for (const int size : {3, 4}) {
            Window w;
            auto& c = w.controls();
            show_on_canvas(w);
            press(c.brush_button);
            w.drawing().brush_size = size;
            QTest::mousePress(c.canvas, Qt::LeftButton, {}, {200, 200});
            const QRect press_dot = changed_area(known_picture(), c.canvas->picture());
            QVERIFY(press_dot.contains(200, 200));
            QVERIFY(press_dot.width() >= 3 * size - 1 && press_dot.width() <= 3 * size);
            QCOMPARE(press_dot.height(), press_dot.width());
            QCOMPARE(shown_pixel(c.canvas, {200, 200}), red);
            const pixels::Bitmap after_press = c.canvas->picture();
            QTest::mouseMove(c.canvas, {400, 200});
            const QRect line = changed_area(after_press, c.canvas->picture());
            QVERIFY(line.contains(400, 200) && line.contains(201 + 3 * size / 2, 200));
            QVERIFY(line.height() >= 4 * size - 1 && line.height() <= 4 * size);
            QVERIFY(line.right() <= 400 + 2 * size);
            QCOMPARE(c.canvas->picture().pixel(300, 200), red);
            QCOMPARE(shown_pixel(c.canvas, {300, 200}), red);
            QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {400, 200});
            QCOMPARE(w.drawing().stroke_active, false);
            const pixels::Bitmap stroke = c.canvas->picture();
            QTest::mouseMove(c.canvas, {400, 500});
            QVERIFY(c.canvas->picture() == stroke);
        }
    }

    // Random single movements of the brush on a 24-bit and an 8-bit picture and of the eraser: every
    // pixel within half the width (4 x size) of the segment takes the stroke's colour, nothing
    // farther changes. A band of one pixel either side of the edge is left to the rasteriser.
    void a_drag_in_one_movement_paints_exactly_the_band_of_the_segment()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        const QList<QRgb> table{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 0, 200)};
        struct Case {
            const char* name;
            pixels::Bitmap picture;
            bool eraser;
            pixels::ColourWord expected;
        };
        pixels::Bitmap blue_page(474, 593);
        blue_page.image().fill(QColor(0, 0, 255));
        const Case cases[] = {
            {"brush", pixels::Bitmap(474, 593), false, red},
            {"eraser", blue_page, true, white},
            {"brush on 8 bits", pixels::Bitmap(300, 200, 8, table), false,
             pixels::colour_word(200, 0, 0)},
        };
        QRandomGenerator random(20261207);
        for (const Case& test : cases) {
            press(test.eraser ? c.eraser_button : c.brush_button);
            for (int round = 0; round < 12; ++round) {
                const int size = random.bounded(1, 5);
                w.drawing().brush_size = size;
                w.drawing().current_colour = red;
                c.canvas->set_picture(test.picture);
                const auto inside = [&] {
                    return QPoint(random.bounded(test.picture.width()),
                                  random.bounded(test.picture.height()));
                };
                const QPoint from = inside();
                const QPoint to = inside();
                drag(w, from, to);
                const pixels::Bitmap& drawn = c.canvas->picture();
                QCOMPARE(drawn.depth(), test.picture.depth());
                const double half = 2.0 * size;
                for (int y = 0; y < drawn.height(); ++y)
                    for (int x = 0; x < drawn.width(); ++x) {
                        const double distance = distance_to_segment(x, y, from, to);
                        const auto colour = drawn.pixel(x, y);
                        const auto before = test.picture.pixel(x, y);
                        const bool right = distance <= half - 1 ? colour == test.expected
                                           : distance > half + 1
                                               ? colour == before
                                               : colour == test.expected || colour == before;
                        if (!right)
                            QFAIL(qPrintable(QStringLiteral("%1, size %2, (%3,%4)-(%5,%6) at (%7,%8)")
                                                 .arg(test.name)
                                                 .arg(size)
                                                 .arg(from.x())
                                                 .arg(from.y())
                                                 .arg(to.x())
                                                 .arg(to.y())
                                                 .arg(x)
                                                 .arg(y)));
                    }
            }
        }
        QVERIFY(w.errors().isEmpty());
    }

    void the_eraser_paints_white_after_a_shade_was_taken()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        press(c.eraser_button);
        press(c.shade_strip, Qt::LeftButton, {100, 15});
        QCOMPARE(w.drawing().current_colour, c.shade_strip->picture().pixel(100, 15));
        QVERIFY(w.drawing().current_colour != white);
        drag(w, {50, 420}, {50, 500});
        const pixels::Bitmap& picture = c.canvas->picture();
        for (const int y : {420, 460, 500})
            QCOMPARE(picture.pixel(50, y), white);
        QCOMPARE(picture.pixel(50 - 8, 460), red);
        QCOMPARE(picture.pixel(50 + 8, 460), red);
        QCOMPARE(shown_pixel(c.canvas, {50, 460}), white);
    }

    void the_pipette_takes_exactly_the_pixel_under_it()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        QTest::mouseClick(c.right_slope_pattern_button, Qt::LeftButton);
        click_canvas(w, {200, 200});
        const pixels::Bitmap hatched = c.canvas->picture();
        press(c.pipette_button);
        const auto line = hatched.pixel(200, 200) == red ? QPoint(200, 200) : QPoint(201, 200);
        QCOMPARE(hatched.pixel(line.x(), line.y()), red);
        w.drawing().current_colour = blue;
        click_canvas(w, line, Qt::RightButton);
        QCOMPARE(w.drawing().current_colour, red);
        QCOMPARE(c.bucket_button->picture().pixel(20, 20), red);
        for (auto* jar : c.jars())
            QVERIFY(!jar->isEnabled());
        // Red is what the next press paints, so the red jar shows it.
        QVERIFY(c.red_jar->picture() == w.bmp("banks/к_.bmp"));
        click_canvas(w, line + QPoint(1, 0));
        QCOMPARE(w.drawing().current_colour, white);
        QCOMPARE(c.bucket_button->picture().pixel(20, 20), white);
        QCOMPARE(static_cast<int>(w.drawing().current_tool), 4);
        QVERIFY(c.canvas->picture() == hatched);
        QVERIFY(undo_snapshot(w) == hatched);
    }

    void every_button_draws_alike()
    {
        const auto drawn = [](Qt::MouseButton button, bool brush) {
            Window w;
            show_on_canvas(w);
            if (brush)
                press(w.controls().brush_button);
            QTest::mousePress(w.controls().canvas, button, {}, {200, 200});
            QTest::mouseMove(w.controls().canvas, {220, 230});
            QTest::mouseRelease(w.controls().canvas, button, {}, {220, 230});
            return w.controls().canvas->picture();
        };
        for (const bool brush : {false, true}) {
            const pixels::Bitmap left = drawn(Qt::LeftButton, brush);
            QVERIFY(!(left == known_picture()));
            QVERIFY(drawn(Qt::RightButton, brush) == left);
            QVERIFY(drawn(Qt::MiddleButton, brush) == left);
        }
    }

    void a_stroke_leaving_the_picture_is_clipped_and_joined()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        press(c.brush_button);
        QTest::mousePress(c.canvas, Qt::LeftButton, {}, {30, 300});
        QTest::mouseMove(c.canvas, {-40, 300});
        QTest::mouseMove(c.canvas, {30, 370});
        QTest::mouseMove(c.canvas, {476, 595});
        QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {476, 595});
        const pixels::Bitmap& picture = c.canvas->picture();
        QCOMPARE(picture.size(), QSize(474, 593));
        // Out along row 300, back in along the diagonal through (0, 340), on to the far corner.
        for (const QPoint p : {QPoint(0, 300), QPoint(15, 300), QPoint(0, 340), QPoint(15, 355),
                               QPoint(30, 370), QPoint(250, 482), QPoint(473, 592), QPoint(472, 591)})
            QCOMPARE(picture.pixel(p.x(), p.y()), red);
        for (const QPoint p : {QPoint(0, 292), QPoint(0, 320), QPoint(15, 330), QPoint(30, 390),
                               QPoint(440, 592), QPoint(473, 580)})
            QCOMPARE(picture.pixel(p.x(), p.y()), white);
        QVERIFY(w.errors().isEmpty());
    }

    void an_indexed_drawing_stays_indexed()
    {
        Window w;
        auto& c = w.controls();
        const QList<QRgb> table{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 0, 0), qRgb(0, 0, 200)};
        show_on_canvas(w, pixels::Bitmap(200, 150, 8, table));
        press(c.brush_button);
        click_canvas(w, {50, 50});
        QCOMPARE(c.canvas->picture().depth(), 8);
        QCOMPARE(c.canvas->picture().pixel(50, 50), pixels::colour_word(200, 0, 0));
        QCOMPARE(undo_snapshot(w).depth(), 8);
        QTest::mouseClick(c.undo_button, Qt::LeftButton);
        QCOMPARE(c.canvas->picture().depth(), 8);
        QCOMPARE(c.canvas->picture().pixel(50, 50), white);
    }
};

QTEST_MAIN(TestCanvasTools)
#include "test_canvas_tools.moc"
