#include "offscreen_main.h"

#include "app/main_window.h"
#include "platform/bmp_codec.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A private application folder: the generated res/ linked in, and an empty Tmp/ for the snapshots.
class Folder {
public:
    Folder()
    {
        QFile::link(QStringLiteral(KOLORITON_RES_DIR), dir_.path() + "/res");
        QDir(dir_.path()).mkdir("Tmp");
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// The main window showing a catalogue drawing of 474 x 593 on its canvas.
struct Window {
    Folder folder;
    app::MainWindow form{folder.path()};

    explicit Window(int tool)
    {
        form.show();
        const QStringList drawings = QDir(QStringLiteral(KOLORITON_RES_DIR "/clipart")).entryList({"*.bmp"});
        canvas()->set_picture(
            platform::read_bmp(QStringLiteral(KOLORITON_RES_DIR "/clipart/") + drawings.first()));
        canvas()->show();
        form.state().drawing.current_tool = tool;
        form.state().drawing.current_color = 0x000000FF;
        QCoreApplication::processEvents();
    }
    platform::PictureControl* canvas() { return form.controls().canvas; }

    void send(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, canvas()->mapTo(&form, at), canvas()->mapToGlobal(at), Qt::LeftButton,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &event);
    }
    // Press, optionally drag, release, and let the widget repaint what changed.
    void click(QPoint at, QPoint release)
    {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        if (release != at)
            send(QEvent::MouseMove, release, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, release, Qt::NoButton);
        QCoreApplication::processEvents();
    }
};

// A fill of the sky of a drawing, alternating two colours so that every press repaints it all.
void BM_PressFill(benchmark::State& state)
{
    Window window(2);
    int round = 0;
    for (auto _ : state) {
        window.form.state().drawing.current_color = ++round % 2 ? 0x000000FF : 0x0000FF00;
        window.click({5, 5}, {5, 5});
    }
}
BENCHMARK(BM_PressFill)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One dot of the brush at the press.
void BM_PressBrush(benchmark::State& state)
{
    Window window(1);
    for (auto _ : state)
        window.click({237, 296}, {237, 296});
}
BENCHMARK(BM_PressBrush)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A rectangle dragged over most of the drawing: press, one move of the rubber band and the release.
void BM_PressRectangle(benchmark::State& state)
{
    Window window(7);
    for (auto _ : state)
        window.click({40, 40}, {430, 550});
}
BENCHMARK(BM_PressRectangle)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The release of that rectangle alone: the rubber band removed and the outline drawn and shown.
void BM_ReleaseRectangle(benchmark::State& state)
{
    Window window(7);
    for (auto _ : state) {
        state.PauseTiming();
        window.send(QEvent::MouseButtonPress, {40, 40}, Qt::LeftButton);
        window.send(QEvent::MouseMove, {430, 550}, Qt::LeftButton);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.send(QEvent::MouseButtonRelease, {430, 550}, Qt::NoButton);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ReleaseRectangle)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return run_offscreen_benchmarks(argc, argv);
}
