#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace testing_support {

// A PulseAudio server of the test's own: no configuration of the system or the user, one null
// sink (what is played goes nowhere but to its monitor) and a Unix socket in a temporary folder.
// Started on construction, killed on destruction; the machine's sound is never touched.
class PrivatePulse {
public:
    PrivatePulse();
    ~PrivatePulse();
    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;

    // Empty when the server runs; otherwise what went wrong.
    QString failure() const { return failure_; }
    // What PULSE_SERVER names to reach it.
    QString server() const { return "unix:" + dir_.filePath(QStringLiteral("socket")); }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QString failure_;
};

// Records what the null sink plays, mono at 44.1 kHz, as it arrives.
class SinkRecorder {
public:
    static constexpr int rate = 44100;
    explicit SinkRecorder(const PrivatePulse& pulse);
    ~SinkRecorder();

    // Takes what has arrived; waits until the stream runs the first time.
    bool started();
    // Takes what has arrived and returns the number of samples recorded so far.
    qsizetype mark();
    // Records for `ms` and returns the samples since `from`, in -1..1.
    std::vector<float> samples_after(qsizetype from, int ms);

private:
    void take();

    QProcess recorder_;
    QByteArray bytes_;
};

} // namespace testing_support
