#include "drawing/canvas_fixture.h"
#include "support/private_pulse.h"

#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <memory>

// The program's sounds as a listener hears them: a PulseAudio server of the test's own plays into a
// null sink whose monitor is recorded while the real window is pressed. The onset counts from the
// moment before the press, so the recording's own delay makes it longer, never shorter.

namespace {

using canvas_fixture::Window;
using testing_support::SinkRecorder;

const char* const child_variable = "KOLORITON_SOUND_CHILD";
// Anything above -50 dBFS is heard: the null sink's silence is exact zeros.
constexpr float audible = 0.003f;
// The sounds start some 20-30 ms after the press here, the recording's own delay included; the
// bound is loose enough for a loaded machine and still catches a sound that waits for the step's
// work, for its file to load or for the release.
constexpr double latest_onset_ms = 100;
// Every press's sound sits this far from the sounds' common level at full volume (-18 dBFS).
constexpr double quietest_db = -24;
constexpr double loudest_db = -12;

struct Heard {
    double onset_ms = -1; // -1: silence
    double level_db = -200;
};

Heard listen(const std::vector<float>& samples)
{
    Heard heard;
    const auto first =
        std::find_if(samples.begin(), samples.end(), [](float s) { return std::abs(s) > audible; });
    if (first == samples.end())
        return heard;
    heard.onset_ms = double(first - samples.begin()) * 1000 / SinkRecorder::rate;
    const std::size_t window = SinkRecorder::rate / 20;
    for (std::size_t start = 0; start + window <= samples.size(); start += window / 4) {
        double sum = 0;
        for (std::size_t i = start; i < start + window; ++i)
            sum += double(samples[i]) * samples[i];
        heard.level_db = std::max(heard.level_db, 10 * std::log10(sum / window + 1e-20));
    }
    return heard;
}

// What the recording holds after a press on `control` at `at`, once the last sound has ended.
Heard press_and_listen(SinkRecorder& recorder, QWidget* control, QPoint at = {10, 10})
{
    recorder.samples_after(recorder.mark(), 600);
    const qsizetype before_press = recorder.mark();
    QTest::mousePress(control, Qt::LeftButton, {}, at);
    const Heard heard = listen(recorder.samples_after(before_press, 700));
    QTest::mouseRelease(control, Qt::LeftButton, {}, at);
    return heard;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

    std::unique_ptr<testing_support::PrivatePulse> pulse_;

    void wait_for_sounds(Window& w)
    {
        QTRY_VERIFY_WITH_TIMEOUT(w.form().sound_cues().player().is_ready(), 30000);
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet(child_variable))
            return;
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty())
            QSKIP("pulseaudio is not installed (scripts/install-deps.sh installs it)");
        pulse_ = std::make_unique<testing_support::PrivatePulse>();
        QVERIFY2(pulse_->failure().isEmpty(), qPrintable(pulse_->failure()));
        // Before the process's first look for a device: Qt Multimedia connects once.
        qputenv("PULSE_SERVER", pulse_->server().toLocal8Bit());
    }

    void each_press_is_heard_at_once()
    {
        Window w;
        canvas_fixture::show_on_canvas(w);
        wait_for_sounds(w);
        SinkRecorder recorder(*pulse_);
        QVERIFY(recorder.started());
        QVERIFY(!w.controls().undo_button->isEnabled());
        // The greyed undo button answers with the gentle refusal.
        const std::tuple<const char*, QWidget*, QPoint> presses[] = {
            {"greyed undo", w.controls().undo_button, {10, 10}},
            {"canvas", w.controls().canvas, {200, 200}},
            {"jar", w.controls().red_jar, {20, 30}},
            {"bucket", w.controls().bucket_button, {10, 10}},
        };
        for (const auto& [name, control, at] : presses) {
            const Heard heard = press_and_listen(recorder, control, at);
            qInfo("%s: onset %.1f ms, level %.1f dBFS", name, heard.onset_ms, heard.level_db);
            QVERIFY2(heard.onset_ms >= 0, name);
            QVERIFY2(heard.onset_ms < latest_onset_ms, name);
            QVERIFY2(heard.level_db > quietest_db && heard.level_db < loudest_db, name);
        }
    }

    // Switched off by the settings the program stays silent; the session's key turns sound on
    // unless a system file locks the switch.
    void the_switch_and_its_lock()
    {
        settings::Settings off;
        off.sound_enabled = false;
        Window w(off);
        canvas_fixture::show_on_canvas(w);
        wait_for_sounds(w);
        SinkRecorder recorder(*pulse_);
        QVERIFY(recorder.started());
        QCOMPARE(press_and_listen(recorder, w.controls().red_jar).onset_ms, -1.0);
        w.form().apply_settings(off, {"sound/enabled"});
        QTest::keyClick(&w.form(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(press_and_listen(recorder, w.controls().canvas, {200, 200}).onset_ms, -1.0);
        w.form().apply_settings(off);
        QTest::keyClick(&w.form(), Qt::Key_M, Qt::ControlModifier);
        QVERIFY(press_and_listen(recorder, w.controls().red_jar).onset_ms >= 0);
    }

    // Without a sound server the program draws as before and says so in one line.
    void draws_without_a_sound_server()
    {
        if (!qEnvironmentVariableIsSet(child_variable)) {
            QTemporaryDir dir;
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(child_variable, "1");
            environment.insert("PULSE_SERVER", "unix:" + dir.filePath("no-server"));
            child.setProcessEnvironment(environment);
            // The test log shows Qt's own warnings: they must not be there either.
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"draws_without_a_sound_server"});
            QVERIFY(child.waitForFinished(120000));
            const QString errors = QString::fromLocal8Bit(child.readAll());
            QCOMPARE(child.exitCode(), 0);
            QCOMPARE(errors.count("koloriton: "), 1);
            QVERIFY2(errors.contains("no sound device"), qPrintable(errors));
            QVERIFY2(!errors.contains("PulseAudio"), qPrintable(errors));
            return;
        }
        Window w;
        canvas_fixture::show_on_canvas(w);
        QTest::qWait(500);
        testing_support::press(w.controls().red_jar);
        testing_support::press(w.controls().canvas, Qt::LeftButton, {200, 200});
        QCOMPARE(w.controls().canvas->picture().pixel(200, 200), canvas_fixture::red);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
