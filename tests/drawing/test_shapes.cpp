#include "drawing/canvas_fixture.h"

#include <array>
#include <cmath>

using namespace canvas_fixture;
using pixels::RectEdges;

namespace {

struct Drag {
    QPoint from;
    QList<QPoint> moves;
    QPoint to;
};

int half_to_even(int a, int b)
{
    return static_cast<int>(std::nearbyint((a + b) / 2.0));
}

// The outline the release should leave, drawn straight onto a copy of the start picture.
pixels::Bitmap expected_shape(int tool, QPoint from, QPoint to, const pixels::Pen& pen)
{
    pixels::Bitmap picture = known_picture();
    const RectEdges r{from.x(), from.y(), to.x(), to.y()};
    const int mx = half_to_even(r.left, r.right);
    const int my = half_to_even(r.top, r.bottom);
    const std::array<QPoint, 4> triangle{QPoint(r.left, r.bottom), QPoint(r.right, r.bottom),
                                         QPoint(mx, r.top), QPoint(r.left, r.bottom)};
    const std::array<QPoint, 5> rhombus{QPoint(r.left, my), QPoint(mx, r.bottom), QPoint(r.right, my),
                                        QPoint(mx, r.top), QPoint(r.left, my)};
    switch (tool) {
    case 5:
        pixels::draw_line(picture, from, to, pen);
        break;
    case 6:
        pixels::draw_ellipse(picture, r, pen);
        break;
    case 7:
        pixels::draw_rectangle(picture, r, pen);
        break;
    case 8:
        pixels::draw_rounded_rectangle(picture, r, pen);
        break;
    case 9:
        pixels::draw_polyline(picture, triangle, pen);
        break;
    default:
        pixels::draw_polyline(picture, rhombus, pen);
    }
    return picture;
}

widgets::PictureControl* tool_button(app::MainWindowControls& c, int tool)
{
    const std::array<widgets::PictureControl*, 6> buttons{c.line_button,      c.ellipse_button,
                                                           c.rectangle_button, c.rounded_rectangle_button,
                                                           c.triangle_button,  c.rhombus_button};
    return buttons.at(static_cast<std::size_t>(tool - 5));
}

} // namespace

Q_DECLARE_METATYPE(Drag)

class TestShapes : public QObject {
    Q_OBJECT

private slots:
    void a_drag_draws_the_outline_and_leaves_no_rubber_band_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<Drag>("drag");
        const QList<std::pair<const char*, Drag>> drags{
            {"down-right", {{120, 130}, {{200, 220}, {260, 330}, {230, 300}}, {230, 300}}},
            {"up-left", {{300, 400}, {{340, 450}, {150, 200}}, {151, 201}}},
            {"out below right", {{400, 500}, {{470, 590}, {520, 640}}, {520, 640}}},
            {"out above left", {{60, 50}, {{90, 80}, {-20, -30}}, {-21, -31}}},
            {"odd sums", {{101, 103}, {{150, 150}}, {154, 208}}},
        };
        const char* names[] = {"line", "ellipse", "rectangle", "rounded", "triangle", "rhombus"};
        for (int tool = 5; tool <= 10; ++tool)
            for (const auto& [name, drag] : drags)
                QTest::addRow("%s %s", names[tool - 5], name) << tool << drag;
    }

    void a_drag_draws_the_outline_and_leaves_no_rubber_band()
    {
        QFETCH(int, tool);
        QFETCH(Drag, drag);
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        press(tool_button(c, tool));
        QTest::mousePress(c.canvas, Qt::LeftButton, {}, drag.from);
        bool band_shown = false;
        for (const QPoint move : drag.moves) {
            QTest::mouseMove(c.canvas, move);
            band_shown = band_shown || !(c.canvas->picture() == known_picture());
        }
        QVERIFY(band_shown);
        QVERIFY(undo_snapshot(w) == known_picture());
        QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, drag.to);
        const pixels::Bitmap expected = expected_shape(tool, drag.from, drag.to, {red, 6});
        QVERIFY(c.canvas->picture() == expected);
        QVERIFY(c.canvas->grab().toImage().convertToFormat(QImage::Format_RGB32) == expected.to_rgb32());
        QVERIFY(!w.drawing().shape_drag);
        QVERIFY(w.errors().isEmpty());
    }

    void the_rubber_band_follows_only_right_of_and_below_the_press()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        press(c.rectangle_button);
        QTest::mousePress(c.canvas, Qt::LeftButton, {}, {150, 350});
        QTest::mouseMove(c.canvas, {250, 450});
        const pixels::Bitmap band = c.canvas->picture();
        const QRect area = changed_area(known_picture(), band);
        QVERIFY(area.left() >= 150 && area.top() >= 350 && area.right() <= 250 && area.bottom() <= 450);
        QVERIFY(area.width() > 90 && area.height() > 90);
        QCOMPARE(band.pixel(200, 400), white);
        for (const QPoint p : {QPoint(100, 460), QPoint(260, 350), QPoint(150, 350)}) {
            QTest::mouseMove(c.canvas, p);
            QVERIFY(c.canvas->picture() == band);
        }
        QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {150, 350});
        QVERIFY(c.canvas->picture() == expected_shape(7, {150, 350}, {150, 350}, {red, 6}));
    }

    void shapes_take_the_colour_and_size_and_keep_a_hatched_interior()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        QTest::mouseClick(c.horizontal_pattern_button, Qt::LeftButton);
        press(c.canvas, Qt::LeftButton, {200, 200});
        const pixels::Bitmap hatched = c.canvas->picture();
        press(c.eraser_button);
        press(c.ellipse_button);
        press(c.size_1_button);
        QTest::mousePress(c.canvas, Qt::RightButton, {}, {110, 110});
        QTest::mouseMove(c.canvas, {280, 290});
        QTest::mouseRelease(c.canvas, Qt::RightButton, {}, {280, 290});
        // The ellipse leaves the eraser: it draws in the colour from before it, never in white.
        pixels::Bitmap expected = hatched;
        pixels::draw_ellipse(expected, {110, 110, 280, 290}, {red, 2});
        QVERIFY(c.canvas->picture() == expected);
        QCOMPARE(c.canvas->picture().pixel(200, 200), hatched.pixel(200, 200));
        QTest::mouseClick(c.undo_button, Qt::LeftButton);
        QVERIFY(c.canvas->picture() == hatched);
    }

    void a_second_button_during_a_drag_leaves_no_rubber_band_behind()
    {
        Window w;
        auto& c = w.controls();
        show_on_canvas(w);
        press(c.rectangle_button);
        QTest::mousePress(c.canvas, Qt::LeftButton, {}, {120, 120});
        QTest::mouseMove(c.canvas, {200, 220});
        QTest::mousePress(c.canvas, Qt::RightButton, {}, {200, 220});
        QVERIFY(undo_snapshot(w) == known_picture());
        QTest::mouseMove(c.canvas, {250, 260});
        QTest::mouseRelease(c.canvas, Qt::RightButton, {}, {250, 260});
        const pixels::Bitmap expected = expected_shape(7, {200, 220}, {250, 260}, {red, 6});
        QVERIFY(c.canvas->picture() == expected);
        QTest::mouseRelease(c.canvas, Qt::LeftButton, {}, {300, 300});
        QVERIFY(c.canvas->picture() == expected);
    }
};

QTEST_MAIN(TestShapes)
#include "test_shapes.moc"
