#include "support/private_pulse.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTest>
#include <cstring>

namespace testing_support {

PrivatePulse::PrivatePulse()
{
    const QString dir = dir_.path();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        environment.insert(variable, dir);
    environment.remove("PULSE_SERVER");
    server_.setProcessEnvironment(environment);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // -n: no default script, so no configuration file and no hardware module is read.
    server_.start("pulseaudio", {"--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                                 "--disable-shm=yes", "--log-level=error", "-L",
                                 "module-native-protocol-unix auth-anonymous=1 socket=" + dir + "/socket",
                                 "-L", "module-null-sink sink_name=listen rate=44100"});
    if (!server_.waitForStarted()) {
        failure_ = "pulseaudio did not start";
        return;
    }
    for (int waited = 0; waited < 10000 && !QFileInfo::exists(dir + "/socket"); waited += 50)
        QTest::qWait(50);
    if (!QFileInfo::exists(dir + "/socket"))
        failure_ = "pulseaudio made no socket";
}

PrivatePulse::~PrivatePulse()
{
    server_.kill();
    server_.waitForFinished();
}

SinkRecorder::SinkRecorder(const PrivatePulse& pulse)
{
    recorder_.start("parec",
                    {"--server=" + pulse.server(), "--device=listen.monitor", "--raw", "--format=float32le",
                     "--channels=1", "--rate=" + QString::number(rate), "--latency-msec=5"});
}

SinkRecorder::~SinkRecorder()
{
    recorder_.kill();
    recorder_.waitForFinished();
}

void SinkRecorder::take()
{
    recorder_.waitForReadyRead(1);
    bytes_ += recorder_.readAllStandardOutput();
}

bool SinkRecorder::started()
{
    for (int waited = 0; waited < 10000 && bytes_.isEmpty(); waited += 10) {
        QTest::qWait(10);
        take();
    }
    return !bytes_.isEmpty();
}

qsizetype SinkRecorder::mark()
{
    QCoreApplication::processEvents();
    take();
    return bytes_.size() / qsizetype(sizeof(float));
}

std::vector<float> SinkRecorder::samples_after(qsizetype from, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QTest::qWait(5);
        take();
    }
    std::vector<float> samples(bytes_.size() / sizeof(float) - from);
    std::memcpy(samples.data(), bytes_.constData() + from * sizeof(float), samples.size() * sizeof(float));
    return samples;
}

} // namespace testing_support
