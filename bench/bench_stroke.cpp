#include "app/main_window.h"
#include "platform/error_guard.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

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
        drawing.current_tool = core::tool_brush;
        drawing.brush_size = 4;
        drawing.current_color = 0x000000FF;
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

// Prints the usual table, then the movement's time against its target.
class TargetReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                movement_ms_ = run.real_accumulated_time / static_cast<double>(run.iterations) * 1000.0;
        ConsoleReporter::ReportRuns(runs);
    }

    void print_target() const
    {
        std::printf("stroke movement of 400 px at size 4: %.3f ms (target < %.0f ms): %s\n", movement_ms_,
                    target_ms, movement_ms_ < target_ms ? "met" : "missed");
    }

private:
    double movement_ms_ = 0.0;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::set_error_reporter(
        [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_target();
    benchmark::Shutdown();
    return 0;
}
