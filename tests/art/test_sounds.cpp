#include "support/test_tree.h"

#include <QFile>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <vector>

// The generated sounds, read by the test's own WAV reader: each short, all equally loud, none
// starting or ending with a click.

namespace {

struct Wav {
    int rate = 0;
    std::vector<double> samples; // -1..1
};

// Mono 16-bit PCM, as the player's files are; anything else fails the test.
Wav read_wav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    Wav wav;
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return wav;
    for (qsizetype at = 12; at + 8 <= bytes.size(); at += 8 + u32(at + 4)) {
        const QByteArray id = bytes.mid(at, 4);
        if (id == "fmt " && u16(at + 8) == 1 && u16(at + 10) == 1 && u16(at + 22) == 16)
            wav.rate = int(u32(at + 12));
        if (id == "data")
            for (qsizetype i = at + 8; i + 2 <= at + 8 + u32(at + 4) && i + 2 <= bytes.size(); i += 2)
                wav.samples.push_back(qint16(u16(i)) / 32768.0);
    }
    return wav;
}

double rms_db(const std::vector<double>& samples, std::size_t first, std::size_t count)
{
    double sum = 0;
    for (std::size_t i = first; i < first + count; ++i)
        sum += samples[i] * samples[i];
    return 10 * std::log10(sum / double(count) + 1e-20);
}

// The loudness of a short sound: its loudest 50 ms.
double loudness_db(const Wav& wav)
{
    const std::size_t window = wav.rate / 20;
    double loudest = -200;
    for (std::size_t first = 0; first + window <= wav.samples.size(); first += window / 10)
        loudest = std::max(loudest, rms_db(wav.samples, first, window));
    return loudest;
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT

private slots:
    void short_even_and_without_clicks()
    {
        const std::pair<const char*, double> sounds[] = {
            {"jar", 0.5},          {"shade", 0.5},      {"tool", 0.5},   {"pattern", 0.5},
            {"size", 0.5},         {"fill", 0.5},       {"stroke", 0.3}, {"shape", 0.5},
            {"eraser", 0.5},       {"pipette", 0.5},    {"undo", 0.5},   {"redo", 0.5},
            {"open_picture", 0.5}, {"start_page", 0.5}, {"save", 0.5},   {"refusal", 0.5},
            {"exit_question", 0.5}};
        double quietest = 0, loudest = -200;
        for (const auto& [name, longest_s] : sounds) {
            const Wav wav = read_wav(testing_support::generated_res_dir() + "/sounds/" + name + ".wav");
            QVERIFY2(wav.rate >= 22050 && wav.samples.size() > std::size_t(wav.rate / 20), name);
            QVERIFY2(double(wav.samples.size()) / wav.rate < longest_s, name);
            const double level = loudness_db(wav);
            quietest = std::min(quietest, level);
            loudest = std::max(loudest, level);
            // A click is sound at full strength from the first or to the last millisecond.
            const std::size_t ms = wav.rate / 1000;
            QVERIFY2(rms_db(wav.samples, 0, ms) < level - 20, name);
            QVERIFY2(rms_db(wav.samples, wav.samples.size() - ms, ms) < level - 20, name);
        }
        qInfo("loudness from %.2f to %.2f dBFS", quietest, loudest);
        QVERIFY(loudest - quietest <= 3);
        QVERIFY(loudest < -10 && quietest > -30);
    }
};

QTEST_MAIN(TestSounds)
#include "test_sounds.moc"
