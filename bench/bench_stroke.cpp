#include "offscreen_main.h"

#include "app/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {

constexpr double target_ms = 1.0;

// The main window over a private folder (the generated res/ linked in, an empty Tmp/), with a
// white drawing on the canvas and the brush at size 4 pressed at `from`.
class BrushWindow {
public:
    explicit BrushWindow(QPoint from)
    {
        QFile::link(QStringLiteral(KOLORITON_RES_DIR), folder_.path() + "/res");
        QDir(folder_.path()).mkdir("Tmp");
        form_ = std::make_unique<app::MainWindow>(folder_.path());
        form_->show();
        canvas()->set_picture(platform::Bitmap(474, 593));
        canvas()->show();
        core::DrawingState& drawing = form_->state().drawing;
        drawing.current_tool = core::Tool::brush;
        drawing.brush_size = 4;
        drawing.current_colour = 0x000000FF;
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    platform::PictureControl* canvas() { return form_->controls().canvas; }

    // A movement with the button held, and the repaint of what it changed.
    void move(QPoint to)
    {
        send(QEvent::MouseMove, to, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

private:
    void send(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, canvas()->mapTo(form_.get(), at), canvas()->mapToGlobal(at),
                          Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
    }

    QTemporaryDir folder_;
    std::unique_ptr<app::MainWindow> form_;
};

// Each movement joins two points 400 pixels apart on a diagonal (240 across, 320 down), back and
// forth, so every one paints a whole segment of the stroke.
void BM_StrokeMovement400(benchmark::State& state)
{
    const QPoint ends[] = {{100, 120}, {340, 440}};
    BrushWindow window(ends[0]);
    int next = 1;
    for (auto _ : state) {
        window.move(ends[next]);
        next = 1 - next;
    }
}
BENCHMARK(BM_StrokeMovement400)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv, [](const TargetReporter& reporter) {
        reporter.time_line("stroke movement of 400 px at size 4", "BM_StrokeMovement400/real_time",
                           target_ms);
    });
}
