#pragma once

#include "main_window_fixture.h"
#include "offscreen_main.h"

#include <QAbstractEventDispatcher>
#include <QEvent>
#include <QGraphicsView>
#include <QtTest/qtesttouch.h>
#include <benchmark/benchmark.h>
#include <cstdint>

// What moves over the canvas: the mouse, or a finger on a touch screen, whose events pass through
// the window system's touch handling on their way.
enum class Pointer { mouse, finger };

// Repaints of the canvas: a brush movement and a fill, each timed from the pointer's event to the
// canvas painted again. The events go to the widget the pointer is over (the whole-screen view when
// the mode is on, which hands them on to the canvas), so every layer a screen's density or the
// view's scale adds is in the time.
class RepaintWindow : public QObject {
public:
    explicit RepaintWindow(bool whole_screen, Pointer pointer = Pointer::mouse) : pointer_(pointer)
    {
        if (whole_screen) {
            window_.form.set_whole_screen(true);
            QCoreApplication::processEvents();
            view_ = qobject_cast<QGraphicsView*>(window_.form.centralWidget());
        }
        window_.canvas()->installEventFilter(this);
    }
    core::DrawingState& drawing() { return window_.form.state().drawing; }
    // The device pixels a layout pixel is shown at.
    double device_scale()
    {
        return window_.form.devicePixelRatioF() * window_.form.whole_screen_mode().scale();
    }

    void press(QPoint pixel) { send(QEvent::MouseButtonPress, pixel, Qt::LeftButton, Qt::LeftButton); }
    void move(QPoint pixel) { send(QEvent::MouseMove, pixel, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint pixel) { send(QEvent::MouseButtonRelease, pixel, Qt::LeftButton, Qt::NoButton); }

    // Runs the timed events and counts them as a repaint when the canvas was painted meanwhile.
    template <typename Events> void timed(Events&& events)
    {
        const int before = paints_;
        events();
        repainted_ += paints_ > before;
    }
    // Stops the benchmark when a timed event did not repaint the canvas (its time would say
    // nothing), else reports the scale the canvas was shown at.
    void check_repaints(benchmark::State& state)
    {
        if (repainted_ < state.iterations())
            state.SkipWithError("a timed event did not repaint the canvas");
        else
            state.counters["device_scale"] = device_scale();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints_;
        return QObject::eventFilter(watched, event);
    }

private:
    // An event at the middle of canvas pixel `pixel`, and the repaint it leads to: in the
    // whole-screen view that takes more than one turn of the event loop (the scene gathers the
    // changed areas, then the view repaints them), so the loop turns until it has nothing left.
    void send(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons held)
    {
        widgets::PictureControl* canvas = window_.canvas();
        QWidget* receiver = canvas;
        QPointF at = QPointF(pixel) + QPointF(0.5, 0.5);
        if (view_) {
            receiver = view_->viewport();
            at = view_->viewportTransform().map(QPointF(canvas->mapTo(canvas->window(), QPoint(0, 0))) + at);
        }
        if (pointer_ == Pointer::finger) {
            touch(receiver, type, at.toPoint());
        } else {
            const QPointF in_window = at + QPointF(receiver->mapTo(receiver->window(), QPoint(0, 0)));
            QMouseEvent event(type, at, in_window, receiver->mapToGlobal(at), button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(receiver, &event);
        }
        for (int turn = 0;
             turn < 10 && QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents);
             ++turn) {
        }
    }
    // The finger's touch for the mouse event of `type`, delivered as a touch screen's is.
    void touch(QWidget* receiver, QEvent::Type type, QPoint at)
    {
        static QPointingDevice* const screen = QTest::createTouchDevice();
        QTest::QTouchEventWidgetSequence sequence = QTest::touchEvent(receiver, screen);
        if (type == QEvent::MouseButtonPress)
            sequence.press(0, at, receiver);
        else if (type == QEvent::MouseMove)
            sequence.move(0, at, receiver);
        else
            sequence.release(0, at, receiver);
    }

    BenchWindow window_;
    Pointer pointer_;
    QGraphicsView* view_ = nullptr;
    int paints_ = 0;
    std::int64_t repainted_ = 0;
};

// Brush movements of 400 pixels on a diagonal (240 across, 320 down) at size 4, back and forth,
// each a stroke of its own in the other colour, so every one paints its whole segment anew. The
// press that starts each stroke is not timed.
inline void brush_movement_repaint(benchmark::State& state, bool whole_screen, Pointer pointer = Pointer::mouse)
{
    RepaintWindow window(whole_screen, pointer);
    window.drawing().current_tool = core::Tool::brush;
    window.drawing().brush_size = 4;
    const QPoint ends[] = {{100, 120}, {340, 440}};
    int from = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.drawing().current_colour = from ? 0x000000FF : 0x0000FF00;
        window.press(ends[from]);
        state.ResumeTiming();
        window.timed([&] { window.move(ends[1 - from]); });
        state.PauseTiming();
        window.release(ends[1 - from]);
        from = 1 - from;
        state.ResumeTiming();
    }
    window.check_repaints(state);
}

// A fill of the sky of the drawing, alternating two colours so that every press repaints it all.
inline void fill_repaint(benchmark::State& state, bool whole_screen)
{
    RepaintWindow window(whole_screen);
    window.drawing().current_tool = core::Tool::fill;
    int round = 0;
    for (auto _ : state) {
        window.drawing().current_colour = ++round % 2 ? 0x000000FF : 0x0000FF00;
        window.timed([&] {
            window.press({5, 5});
            window.release({5, 5});
        });
    }
    window.check_repaints(state);
}

inline void repeated(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
}

// The median of a benchmark run with `repeated`.
inline std::string median(const std::string& name)
{
    return name + "/repeats:5/real_time";
}

// The lines of a brush movement's and a fill's repaint against `limit_ms`, with the device scale
// the canvas was shown at.
inline void print_repaint_targets(const TargetReporter& reporter, const std::string& screen,
                                  const std::string& brush, const std::string& fill, double limit_ms)
{
    std::printf("%s: a layout pixel shown at %.2f device pixels\n", screen.c_str(),
                reporter.counter(median(fill) + "/device_scale"));
    reporter.time_line(screen + ": brush movement of 400 px repaint (median, wall)", median(brush), limit_ms);
    reporter.time_line(screen + ": fill of the sky repaint (median, wall)", median(fill), limit_ms);
}
