#include "drawing_checks.h"
#include "pixels/drawing_surface.h"

#include <QRandomGenerator>
#include <QtTest>
#include <array>
#include <cmath>

using namespace pixels;
using namespace drawing_checks;

namespace {

constexpr ColourWord green = colour_word(59, 188, 9);
constexpr ColourWord grey = colour_word(122, 122, 122);

using ShapeFunction = QRect (*)(Bitmap&, RectEdges, const Pen&, const pixels::OutlineMask*);

struct NamedShape {
    const char* name;
    ShapeFunction draw;
};

const NamedShape closed_shapes[] = {
    {"rectangle", draw_rectangle}, {"ellipse", draw_ellipse}, {"rounded rectangle", draw_rounded_rectangle}};

// Distance from the point (px, py) to the segment from a to b.
double segment_distance(double px, double py, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    double t = length2 == 0 ? 0 : QPointF::dotProduct(QPointF(px, py) - a, d) / length2;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF nearest = a + t * d;
    return std::hypot(px - nearest.x(), py - nearest.y());
}

// The centre the pen's disc has at a point: the pixel's centre for odd widths, its top-left
// corner for even ones.
QPointF pen_centre(QPoint p, int width)
{
    const double offset = width % 2 == 1 ? 0.5 : 0.0;
    return QPointF(p.x() + offset, p.y() + offset);
}

// Whether a 4-connected fill from inside a closed outline stays inside it.
bool holds_a_fill(const Bitmap& drawn, QPoint inside, QPoint outside)
{
    if (drawn.pixel(inside.x(), inside.y()) != white_word)
        return false;
    Bitmap probe = drawn;
    flood_fill(probe, inside, Brush{grey, BrushStyle::Solid});
    return probe.pixel(inside.x(), inside.y()) == grey && probe.pixel(outside.x(), outside.y()) == white_word;
}

} // namespace

class ShapesTest : public QObject {
    Q_OBJECT

private slots:
    void a_dot_is_a_disc_exactly_the_pen_width_across()
    {
        for (int width = 1; width <= 16; ++width) {
            Bitmap bitmap(40, 40);
            const QPoint centre(20, 20);
            const QRect changed = draw_line(bitmap, centre, centre, Pen{black_word, width});
            QCOMPARE(changed, difference_box(Bitmap(40, 40), bitmap));
            QCOMPARE(changed.width(), width);
            QCOMPARE(changed.height(), width);
            const int before = width % 2 == 1 ? (width - 1) / 2 : width / 2;
            QCOMPARE(changed.topLeft(), centre - QPoint(before, before));
            QCOMPARE(bitmap.pixel(centre.x(), centre.y()), black_word);
            // The widest row and column run the full width; the disc is mirror- and turn-symmetric.
            QCOMPARE(count_colour(bitmap, black_word, QRect(0, centre.y(), 40, 1)), width);
            QCOMPARE(count_colour(bitmap, black_word, QRect(centre.x(), 0, 1, 40)), width);
            for (int y = changed.top(); y <= changed.bottom(); ++y)
                for (int x = changed.left(); x <= changed.right(); ++x) {
                    const int mx = changed.left() + changed.right() - x;
                    const int my = changed.top() + changed.bottom() - y;
                    QCOMPARE(bitmap.pixel(mx, y), bitmap.pixel(x, y));
                    QCOMPARE(bitmap.pixel(x, my), bitmap.pixel(x, y));
                    QCOMPARE(
                        bitmap.pixel(changed.left() + y - changed.top(), changed.top() + x - changed.left()),
                        bitmap.pixel(x, y));
                }
            if (width >= 5) {
                QCOMPARE(bitmap.pixel(changed.left(), changed.top()), white_word);
                const double area = M_PI * width * width / 4;
                QVERIFY(std::abs(count_colour(bitmap, black_word) - area) < width + 1);
            }
        }
    }

    void a_wide_line_is_the_pen_swept_along_the_segment()
    {
        const std::array<std::pair<QPoint, QPoint>, 5> segments = {{{QPoint(5, 20), QPoint(50, 20)},
                                                                    {QPoint(30, 3), QPoint(30, 50)},
                                                                    {QPoint(4, 4), QPoint(50, 50)},
                                                                    {QPoint(50, 8), QPoint(9, 31)},
                                                                    {QPoint(12, 44), QPoint(17, 6)}}};
        for (const auto& [from, to] : segments)
            for (int width : {2, 3, 6, 9, 16}) {
                Bitmap bitmap(60, 60);
                draw_line(bitmap, from, to, Pen{green, width});
                const QPointF a = pen_centre(from, width);
                const QPointF b = pen_centre(to, width);
                for (int y = 0; y < 60; ++y)
                    for (int x = 0; x < 60; ++x) {
                        const double distance = segment_distance(x + 0.5, y + 0.5, a, b);
                        if (distance < width / 2.0 - 1e-6)
                            QCOMPARE(bitmap.pixel(x, y), green);
                        else if (distance > width / 2.0 + 1e-6)
                            QCOMPARE(bitmap.pixel(x, y), white_word);
                    }
            }
    }

    void a_line_is_clipped_to_the_bitmap()
    {
        Bitmap bitmap(20, 10);
        const Bitmap before = bitmap;
        const QRect changed = draw_line(bitmap, QPoint(-2000000000, 4), QPoint(2000000000, 4), Pen{green, 3});
        QCOMPARE(changed, QRect(0, 3, 20, 3));
        QCOMPARE(count_colour(bitmap, green), 60);
        Bitmap corner = before;
        QCOMPARE(draw_line(corner, QPoint(0, 0), QPoint(0, 0), Pen{green, 9}), QRect(0, 0, 5, 5));
        Bitmap outside = before;
        QCOMPARE(draw_line(outside, QPoint(-30, -30), QPoint(-10, 50), Pen{green, 8}), QRect());
        QVERIFY(outside == before);
    }

    void a_shape_far_larger_than_the_bitmap_draws_its_visible_part()
    {
        Bitmap bitmap(50, 30);
        const QRect changed =
            draw_rectangle(bitmap, RectEdges{-2000000000, 5, 2000000000, 20}, Pen{green, 3});
        QCOMPARE(changed, QRect(0, 4, 50, 17));
        for (int y = 0; y < 30; ++y) {
            const ColourWord expected = y < 4 || y > 20 ? white_word : y < 7 || y > 17 ? green : white_word;
            QCOMPARE(count_colour(bitmap, expected, QRect(0, y, 50, 1)), 50);
        }
        Bitmap ellipse(50, 30);
        const Bitmap before = ellipse;
        const QRect arc = draw_ellipse(ellipse, RectEdges{-1000000, 5, 1000000, 2000000}, Pen{green, 2});
        QVERIFY(rect_fault(before, ellipse, arc).isEmpty());
        QCOMPARE(ellipse.pixel(25, 5), green);
        QCOMPARE(ellipse.pixel(25, 29), white_word);
        QCOMPARE(ellipse.pixel(25, 2), white_word);
    }

    void every_returned_rect_holds_what_changed()
    {
        QRandomGenerator random(77);
        for (int round = 0; round < 200; ++round) {
            Bitmap bitmap(31, 23);
            fill_box(bitmap, QRect(random.bounded(31), random.bounded(23), 9, 7), green);
            const Bitmap before = bitmap;
            auto point = [&] { return QPoint(random.bounded(-20, 51), random.bounded(-20, 43)); };
            const QPoint a = point();
            const QPoint b = point();
            const Pen pen{round % 3 == 0 ? green : black_word, 1 + random.bounded(12)};
            QRect changed;
            switch (round % 4) {
            case 0:
                changed = draw_line(bitmap, a, b, pen);
                break;
            case 1: {
                const std::array<QPoint, 3> points = {a, b, point()};
                changed = draw_polyline(bitmap, points, pen);
                break;
            }
            default:
                changed = closed_shapes[round % 3].draw(bitmap, RectEdges{a.x(), a.y(), b.x(), b.y()}, pen,
                                                        nullptr);
            }
            const QString fault = rect_fault(before, bitmap, changed);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    void shapes_drawn_up_and_left_match_shapes_drawn_down_and_right()
    {
        for (const NamedShape& shape : closed_shapes)
            for (int width = 1; width <= 8; ++width) {
                Bitmap forwards(60, 50);
                Bitmap backwards(60, 50);
                Bitmap mixed(60, 50);
                const Pen pen{green, width};
                shape.draw(forwards, RectEdges{8, 6, 47, 41}, pen, nullptr);
                shape.draw(backwards, RectEdges{47, 41, 8, 6}, pen, nullptr);
                shape.draw(mixed, RectEdges{47, 6, 8, 41}, pen, nullptr);
                QVERIFY2(forwards == backwards, shape.name);
                QVERIFY2(forwards == mixed, shape.name);
                QVERIFY2(count_colour(forwards, green) > 0, shape.name);
            }
    }

    void a_rectangle_outline_is_the_pen_width_on_every_side()
    {
        for (int width = 1; width <= 8; ++width) {
            Bitmap bitmap(60, 60);
            draw_rectangle(bitmap, RectEdges{10, 12, 50, 40}, Pen{green, width});
            // Odd pens centre on the outermost pixels (10 and 49), even pens on the corners (10 and 50).
            const int outside = width / 2;
            const int row = 26;
            const int column = 30;
            QCOMPARE(count_colour(bitmap, green, QRect(0, row, 30, 1)), width);
            QCOMPARE(count_colour(bitmap, green, QRect(30, row, 30, 1)), width);
            QCOMPARE(count_colour(bitmap, green, QRect(column, 0, 1, 26)), width);
            QCOMPARE(count_colour(bitmap, green, QRect(column, 26, 1, 34)), width);
            QCOMPARE(bitmap.pixel(10 - outside, row), green);
            QCOMPARE(bitmap.pixel(10 - outside - 1, row), white_word);
            QCOMPARE(bitmap.pixel(column, 12 - outside), green);
            QCOMPARE(bitmap.pixel(49 + outside, row), green);
            QCOMPARE(bitmap.pixel(49 + outside + 1, row), white_word);
        }
    }

    void a_shape_leaves_its_interior_as_it_was()
    {
        for (const NamedShape& shape : closed_shapes) {
            Bitmap bitmap(50, 50);
            for (int i = 0; i < 50; i += 3)
                set_colour(bitmap, i, (i * 7) % 50, grey);
            const Bitmap before = bitmap;
            shape.draw(bitmap, RectEdges{5, 5, 45, 45}, Pen{green, 4}, nullptr);
            QCOMPARE(count_colour(bitmap, black_word), 0);
            for (int y = 15; y < 35; ++y)
                for (int x = 15; x < 35; ++x)
                    QCOMPARE(bitmap.pixel(x, y), before.pixel(x, y));
            QVERIFY2(bitmap.pixel(25, 5) == green, shape.name);
        }
    }

    void the_rounded_rectangle_has_corners_of_a_twenty_pixel_ellipse()
    {
        Bitmap bitmap(60, 60);
        draw_rounded_rectangle(bitmap, RectEdges{10, 10, 51, 51}, Pen{green, 1});
        // Straight edges run between the corners and the corner arcs leave the rectangle's corner.
        QCOMPARE(count_colour(bitmap, green, QRect(20, 10, 21, 1)), 21);
        QCOMPARE(count_colour(bitmap, green, QRect(10, 20, 1, 21)), 21);
        QCOMPARE(count_colour(bitmap, green, QRect(10, 10, 3, 3)), 0);
        QCOMPARE(bitmap.pixel(10, 15), white_word);
        QCOMPARE(bitmap.pixel(50, 30), green);
    }

    void every_outline_is_closed_to_a_fill()
    {
        for (int width = 1; width <= 8; ++width) {
            for (const NamedShape& shape : closed_shapes) {
                Bitmap bitmap(64, 48);
                shape.draw(bitmap, RectEdges{7, 5, 57, 43}, Pen{black_word, width}, nullptr);
                QVERIFY2(holds_a_fill(bitmap, QPoint(32, 24), QPoint(0, 0)), shape.name);
            }
            for (int height = 2 * width + 3; height < 40; height += 5) {
                Bitmap thin(64, 48);
                const int top = 24 - height / 2;
                draw_ellipse(thin, RectEdges{3, top, 61, top + height}, Pen{black_word, width});
                QVERIFY(holds_a_fill(thin, QPoint(32, 24), QPoint(0, 0)));
                QVERIFY(holds_a_fill(thin, QPoint(32, 24), QPoint(63, 47)));
            }
            Bitmap triangle(64, 48);
            const std::array<QPoint, 4> corners = {QPoint(4, 44), QPoint(60, 44), QPoint(32, 3),
                                                   QPoint(4, 44)};
            draw_polyline(triangle, corners, Pen{black_word, width});
            QVERIFY(holds_a_fill(triangle, QPoint(32, 30), QPoint(0, 0)));
            Bitmap rhombus(64, 48);
            const std::array<QPoint, 5> sides = {QPoint(3, 24), QPoint(32, 45), QPoint(61, 24), QPoint(32, 2),
                                                 QPoint(3, 24)};
            draw_polyline(rhombus, sides, Pen{black_word, width});
            QVERIFY(holds_a_fill(rhombus, QPoint(32, 24), QPoint(0, 0)));
        }
    }

    void an_indexed_bitmap_draws_in_its_nearest_entries_and_keeps_its_table()
    {
        const QList<QRgb> table = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(60, 180, 20),
                                   qRgb(120, 120, 130)};
        Bitmap bitmap(40, 40, 8, table);
        draw_line(bitmap, QPoint(5, 5), QPoint(30, 20), Pen{green, 5});
        draw_ellipse(bitmap, RectEdges{2, 22, 38, 38}, Pen{black_word, 2});
        QCOMPARE(bitmap.depth(), 8);
        QCOMPARE(bitmap.image().format(), QImage::Format_Indexed8);
        QCOMPARE(bitmap.colour_table(), table);
        QCOMPARE(bitmap.image().pixelIndex(5, 5), 2);
        QCOMPARE(bitmap.image().pixelIndex(2, 30), 1);
        QCOMPARE(bitmap.image().pixelIndex(39, 0), 0);
    }

    void storage_of_another_format_is_left_alone()
    {
        QImage mono(16, 16, QImage::Format_Mono);
        mono.fill(0);
        Bitmap bitmap = Bitmap::adopt(mono, 1);
        const RectEdges edges{2, 2, 14, 14};
        QCOMPARE(draw_line(bitmap, QPoint(0, 0), QPoint(15, 15), Pen{green, 5}), QRect());
        QCOMPARE(draw_rectangle(bitmap, edges, Pen{green, 3}), QRect());
        QCOMPARE(flood_fill(bitmap, QPoint(8, 8), Brush{grey, BrushStyle::Solid}), QRect());
        QCOMPARE(draw_focus_rect(bitmap, edges), QRect());
        QCOMPARE(bitmap.image(), mono);
    }

    void the_surface_draws_from_its_pen_position()
    {
        Bitmap bitmap(30, 30);
        DrawingSurface surface(bitmap);
        surface.pen() = Pen{green, 1};
        surface.move_to(QPoint(2, 2));
        QCOMPARE(surface.line_to(QPoint(20, 2)), QRect(2, 2, 19, 1));
        QCOMPARE(surface.line_to(QPoint(20, 9)), QRect(20, 3, 1, 7));
        QCOMPARE(count_colour(bitmap, green), 19 + 7);
        QCOMPARE(surface.line_to(QPoint(20, 9)), QRect());
    }
};

QTEST_MAIN(ShapesTest)
#include "test_shapes.moc"
