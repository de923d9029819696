#include "canvas_fixture.h"
#include "drawing/canvas_pointers.h"

#include <QGraphicsView>
#include <QTabletEvent>

using namespace canvas_fixture;

namespace {

QPointingDevice* const board = QTest::createTouchDevice();
QPointingDevice pen_device("pen", 12, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
                           QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 3);
QPointingDevice eraser_device("pen", 12, QInputDevice::DeviceType::Stylus,
                              QPointingDevice::PointerType::Eraser,
                              QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 3);

void pen(QWidget* canvas, QEvent::Type type, const QPointingDevice& device, QPointF at, double pressure)
{
    const bool down = type != QEvent::TabletRelease;
    QTabletEvent event(type, &device, at, canvas->mapToGlobal(at), pressure, 0, 0, 0, 0, 0, {},
                       Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton);
    QObject* receiver = type == QEvent::TabletEnterProximity || type == QEvent::TabletLeaveProximity
                            ? static_cast<QObject*>(qApp)
                            : canvas;
    QCoreApplication::sendEvent(receiver, &event);
}

// Plays steps such as "f1+10,20 f1>30,40 f1-30,40": a device (f finger with its id, P a palm's
// contact with its id, m mouse, p pen, e the pen's eraser end, n the pen coming near or leaving),
// + press, > move, - release, a picture point and, for a pen, @pressure.
// In the whole-screen mode every device but the palm's goes to the view, at the point showing
// the picture point's middle.
void play(Window& w, const QString& steps)
{
    const auto* view = qobject_cast<QGraphicsView*>(w.form().centralWidget());
    QWidget* canvas = view ? view->viewport() : w.controls().canvas;
    const auto shown = [&](QPoint at) {
        if (!view)
            return at;
        const QPointF in_client = w.controls().canvas->mapTo(w.controls().canvas->window(), QPointF(at));
        return view->viewportTransform().map(in_client + QPointF(0.5, 0.5)).toPoint();
    };
    static QSet<int> fingers;
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        const QChar device = step[0];
        const int id = step[1].isDigit() ? step[1].digitValue() : 0;
        const QString rest = step.mid(id ? 2 : 1);
        const QChar action = rest[0];
        const QStringList numbers = rest.mid(1).split(QRegularExpression("[,@]"));
        const QPoint picture_point =
            numbers.size() > 1 ? QPoint(numbers[0].toInt(), numbers[1].toInt()) : QPoint();
        const QPoint at = shown(picture_point);
        const double pressure = numbers.size() > 2 ? numbers[2].toDouble() : 1.0;
        const QEvent::Type pen_type = action == '+'   ? QEvent::TabletPress
                                      : action == '>' ? QEvent::TabletMove
                                                      : QEvent::TabletRelease;
        if (device == 'f') {
            auto touch = QTest::touchEvent(canvas, board);
            for (const int other : fingers)
                if (other != id)
                    touch.stationary(other);
            if (action == '+') {
                touch.press(id, at, canvas);
                fingers.insert(id);
            } else if (action == '>') {
                touch.move(id, at, canvas);
            } else {
                touch.release(id, at, canvas);
                fingers.remove(id);
            }
        } else if (device == 'P') {
            const auto state = action == '+'   ? QEventPoint::State::Pressed
                               : action == '>' ? QEventPoint::State::Updated
                                               : QEventPoint::State::Released;
            w.form().canvas_pointers().touch({{id, state, QPointF(picture_point), QSizeF(400, 300)}});
        } else if (device == 'm') {
            if (action == '+')
                QTest::mousePress(canvas, Qt::LeftButton, {}, at);
            else if (action == '>')
                QTest::mouseMove(canvas, at);
            else
                QTest::mouseRelease(canvas, Qt::LeftButton, {}, at);
        } else if (device == 'n') {
            pen(canvas, action == '+' ? QEvent::TabletEnterProximity : QEvent::TabletLeaveProximity,
                pen_device, at, 0);
        } else {
            pen(canvas, pen_type, device == 'e' ? eraser_device : pen_device,
                QPointF(at) + QPointF(0.5, 0.5) * !view, pressure);
        }
        QCoreApplication::processEvents();
    }
}

struct Outcome {
    pixels::Bitmap picture;
    pixels::Bitmap undo;
    pixels::ColourWord colour;
    core::Tool tool;
};

} // namespace

class TestTouchAndPen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { show_on_canvas(*drawn_); }

    void fingers_and_pens_paint_what_the_mouse_paints_data()
    {
        QTest::addColumn<core::Tool>("tool");
        // What the adults set ("pen_only" also hides the pointer) and "whole_screen".
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("steps");
        // The mouse steps that paint the same, with the brush size and eraser mode they take.
        QTest::addColumn<QString>("mouse");
        QTest::addColumn<int>("mouse_size");
        QTest::addColumn<bool>("mouse_eraser");
        const QString stroke = "+30,420 >150,200 >200,250 -200,250";
        const auto as = [](const QString& device, const QString& steps) {
            return QString(steps).replace(QRegularExpression("([-+>])"), device + "\\1");
        };
        const QString finger = as("f1", stroke);
        const QString mouse = as("m", stroke);
        const core::Tool brush = core::Tool::brush;
        // clang-format off
        QTest::newRow("finger brush") << brush << "" << finger << mouse << 3 << false;
        QTest::newRow("finger fill") << core::Tool::fill << "" << "f1+150,150 f1-150,150" << "m+150,150 m-150,150" << 3 << false;
        QTest::newRow("finger pipette") << core::Tool::pipette << "" << "f1+40,450 f1-40,450" << "m+40,450 m-40,450" << 3 << false;
        QTest::newRow("finger rectangle") << core::Tool::rectangle << "" << finger << mouse << 3 << false;
        QTest::newRow("finger line") << core::Tool::line << "" << finger << mouse << 3 << false;
        QTest::newRow("second finger ignored") << brush << ""
            << "f1+30,420 f2+250,50 f1>150,200 f2>300,400 f1>200,250 f1-200,250 f2>350,450 f2-350,450 f3+10,10 f3-10,10"
            << mouse + " m+10,10 m-10,10" << 3 << false;
        QTest::newRow("palm") << brush << "" << "P1+150,150 P1-150,150" << "" << 3 << false;
        QTest::newRow("finger spreading into a palm") << brush << "" << "f1+30,420 P1>150,200 f1>200,250 f1-200,250" << "m+30,420 m-30,420" << 3 << false;
        QTest::newRow("pen near") << brush << "" << "n+ " + finger + " n-" << "" << 3 << false;
        QTest::newRow("pen only") << brush << "pen_only" << finger << "" << 3 << false;
        QTest::newRow("pen") << brush << "pen_only" << "p+30,420@0.2 p>150,200@0.1 p>200,250 p-200,250" << mouse << 3 << false;
        QTest::newRow("pen on a finger") << brush << "" << "f1+250,50 " + as("p", stroke) + " f1>10,10 f1-10,10"
            << "m+250,50 m-250,50 " + mouse << 3 << false;
        QTest::newRow("eraser end") << core::Tool::fill << "" << as("e", stroke) << mouse << 3 << true;
        QTest::newRow("pressure") << brush << "pressure" << "p+30,420@0 p>150,200@0 p>200,250@0 p-200,250" << mouse << 2 << false;
        QTest::newRow("finger, whole screen") << brush << "whole_screen" << finger << mouse << 3 << false;
        QTest::newRow("pen near, whole screen") << brush << "whole_screen" << "n+ " + finger + " n-" << "" << 3 << false;
        QTest::newRow("eraser end, whole screen") << brush << "whole_screen" << as("e", stroke) << mouse << 3 << true;
        // clang-format on
    }

    // Each gesture is compared with the mouse's on the same picture, tool and colour, and is one
    // undo step.
    void fingers_and_pens_paint_what_the_mouse_paints()
    {
        QFETCH(core::Tool, tool);
        QFETCH(QString, board);
        QFETCH(QString, steps);
        QFETCH(QString, mouse);
        QFETCH(int, mouse_size);
        QFETCH(bool, mouse_eraser);
        Window& w = *drawn_;
        settings::Settings values;
        const bool pen_only = board.contains("pen_only");
        values.pen_only = values.hide_cursor = pen_only;
        values.follow_pressure = board.contains("pressure");
        w.form().apply_settings(values);
        QCOMPARE(QGuiApplication::overrideCursor() != nullptr, pen_only);
        w.form().set_whole_screen(board.contains("whole_screen"));
        QCoreApplication::processEvents();
        const auto outcome = [&](const QString& played, int size, bool eraser) {
            show_on_canvas(w);
            w.drawing() = {};
            w.drawing().current_tool = eraser ? core::Tool::brush : tool;
            w.drawing().eraser_mode = eraser;
            w.drawing().brush_size = size;
            w.drawing().current_colour = blue;
            play(w, played);
            return Outcome{w.controls().canvas->picture(),
                           mouse.isEmpty() ? pixels::Bitmap() : undo_snapshot(w), w.drawing().current_colour,
                           w.drawing().current_tool};
        };
        const Outcome touched = outcome(steps, 3, false);
        const Outcome moused = outcome(mouse, mouse_size, mouse_eraser);
        QVERIFY(touched.picture == moused.picture);
        QVERIFY(touched.undo == moused.undo);
        QCOMPARE(touched.colour, moused.colour);
        QCOMPARE(touched.tool, tool);
    }

    void a_tap_is_a_click_and_a_swipe_scrolls_the_strip_data()
    {
        // Touches go to the window on top, so the windows of taps follow that of gestures.
        drawn_.reset();
        for (auto* w : {&tapped_, &clicked_}) {
            *w = std::make_unique<Window>();
            (*w)->open_picture();
        }
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("swipe");
        // Where the finger lands from the centre the mouse clicks.
        QTest::addColumn<QPoint>("beside");
        for (int control = 0; control < 7; ++control)
            QTest::newRow(controls[control].name) << control << 0 << QPoint();
        QTest::newRow("swipe up on the strip") << 0 << -2 << QPoint();
        QTest::newRow("swipe down on the strip") << 0 << 1 << QPoint();
        QTest::newRow("beside the smallest size") << 7 << 0 << QPoint(12, 0);
        QTest::newRow("below the description tab") << 8 << 0 << QPoint(0, 12);
    }

    // What a child can see after a tap or a swipe equals what the same clicks leave.
    void a_tap_is_a_click_and_a_swipe_scrolls_the_strip()
    {
        QFETCH(int, control);
        QFETCH(int, swipe);
        QFETCH(QPoint, beside);
        const auto seen = [&](Window& w, bool touch) {
            w.drawing().current_tool = core::Tool::pipette;
            QWidget* target = swipe ? w.form().preview_strip().thumbnail(1) : controls[control].of(w);
            const QPoint centre = target->rect().center();
            // Touches go to the window shown at their place: the target of a tap onto the offscreen
            // screen, that of a click away from it.
            w.form().move(w.form().pos() - target->mapToGlobal(centre) +
                          (touch ? QPoint(200, 350) : QPoint(5000, 0)));
            if (!touch && swipe) {
                for (int step = 0; step < std::abs(swipe); ++step)
                    QTest::mouseClick(swipe < 0 ? w.controls().strip_down_button
                                                : w.controls().strip_up_button,
                                      Qt::LeftButton);
            } else if (!touch) {
                QTest::mouseClick(target, Qt::LeftButton, {}, centre);
            } else {
                const QPoint end =
                    centre + beside + QPoint(0, swipe * 130 + (swipe > 0 ? 20 : -20) * bool(swipe));
                QTest::touchEvent(target, board).press(0, centre + beside, target);
                QTest::touchEvent(target, board).move(0, (centre + end) / 2, target);
                QTest::touchEvent(target, board).move(0, end, target);
                QTest::touchEvent(target, board).release(0, end, target);
            }
            QCoreApplication::processEvents();
            const core::DrawingState& d = w.drawing();
            return QStringList{QString::number(int(d.current_tool)),
                               QString::number(d.brush_size),
                               QString::number(int(d.fill_pattern)),
                               QString::number(d.current_colour),
                               QString::number(w.state().preview_pos),
                               w.picture_name(0),
                               QString::number(w.controls().canvas->picture().pixel(5, 5)),
                               QString::number(w.controls().photograph->isVisible())};
        };
        QCOMPARE(seen(*tapped_, true), seen(*clicked_, false));
    }

    // In the whole-screen view the strip's touches reach the view, which shows the thumbnails.
    void a_swipe_scrolls_the_strip_in_the_whole_screen_view()
    {
        tapped_->form().set_whole_screen(true);
        QCoreApplication::processEvents();
        const auto* view = qobject_cast<QGraphicsView*>(tapped_->form().centralWidget());
        QWidget* thumbnail = tapped_->form().preview_strip().thumbnail(1);
        QWidget* viewport = view->viewport();
        const QPoint at = view->viewportTransform()
                              .map(thumbnail->mapTo(thumbnail->window(), QPointF(thumbnail->rect().center())))
                              .toPoint();
        const int before = tapped_->state().preview_pos;
        QTest::touchEvent(viewport, board).press(0, at, viewport);
        QTest::touchEvent(viewport, board).move(0, at - QPoint(0, 60), viewport);
        QTest::touchEvent(viewport, board).move(0, at - QPoint(0, 120), viewport);
        QTest::touchEvent(viewport, board).release(0, at - QPoint(0, 120), viewport);
        // 120 pixels of the view shown at about 0.8 are one slot of the strip and a bit.
        QVERIFY(std::abs(view->transform().m11() - 0.8) < 0.01);
        QCOMPARE(tapped_->state().preview_pos, before + 1);
    }

private:
    // One window for every gesture, and one each for taps and the clicks they are compared with.
    std::unique_ptr<Window> drawn_ = std::make_unique<Window>();
    std::unique_ptr<Window> tapped_;
    std::unique_ptr<Window> clicked_;
    struct Control {
        const char* name;
        QWidget* (*of)(Window&);
    };
    static constexpr Control controls[] = {
        {"jar", [](Window& w) -> QWidget* { return w.controls().jars()[5]; }},
        {"tool", [](Window& w) -> QWidget* { return w.controls().tool_buttons()[0]; }},
        {"pattern", [](Window& w) -> QWidget* { return w.controls().pattern_buttons()[3]; }},
        {"size", [](Window& w) -> QWidget* { return w.controls().size_buttons()[3]; }},
        {"strip button", [](Window& w) -> QWidget* { return w.controls().strip_down_button; }},
        {"thumbnail", [](Window& w) -> QWidget* { return w.form().preview_strip().thumbnail(2); }},
        {"photograph", [](Window& w) -> QWidget* { return w.controls().photograph; }},
        {"smallest size", [](Window& w) -> QWidget* { return w.controls().size_1_button; }},
        {"description tab", [](Window& w) -> QWidget* { return w.controls().description_tab; }},
    };
};

QTEST_MAIN(TestTouchAndPen)
#include "test_touch_and_pen.moc"
