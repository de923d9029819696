#include "sound/sound_player.h"

#include <QAudio>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <cstdio>

namespace sound {

namespace {

// A cue's file is a fraction of a second; anything much larger is no sound of ours and is not
// read (a damaged tree must not make the program read gigabytes).
constexpr qint64 largest_sound_file = 1 << 20;

QtMessageHandler earlier_handler = nullptr;

// Qt Multimedia tells of a missing sound server in lines of its own; the player says it once, in
// its own words.
void without_sound_server_lines(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.startsWith(QLatin1String("PulseAudioService")))
        earlier_handler(type, context, text);
}

QAudioDevice default_output_quietly()
{
    earlier_handler = qInstallMessageHandler(without_sound_server_lines);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(earlier_handler);
    return device;
}

} // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::preload(const QString& folder)
{
    if (preloaded_)
        return;
    preloaded_ = true;
    const QAudioDevice device = default_output_quietly();
    if (device.isNull()) {
        report_once(QStringLiteral("no sound device; the program stays silent"));
        return;
    }
    for (std::size_t i = 0; i < cue_files.size(); ++i) {
        const QFileInfo file(folder + QString::fromLatin1(cue_files[i]));
        if (!file.isFile() || file.size() > largest_sound_file) {
            report_once(QStringLiteral("%1: no sound file; that sound stays silent").arg(file.filePath()));
            continue;
        }
        auto* effect = new QSoundEffect(device, this);
        effect->setVolume(volume_);
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
            if (effect->status() == QSoundEffect::Ready)
                warm_up(effect);
            if (effect->status() == QSoundEffect::Error)
                report_once(QStringLiteral("%1: cannot be played; that sound stays silent")
                                .arg(effect->source().toLocalFile()));
        });
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        effects_[i] = effect;
    }
}

bool SoundPlayer::is_ready() const
{
    return std::all_of(effects_.begin(), effects_.end(), [](const QSoundEffect* effect) {
        return effect && effect->status() == QSoundEffect::Ready;
    });
}

void SoundPlayer::warm_up(QSoundEffect* effect)
{
    // The first play of an effect opens its stream to the server, which swallows the sound's
    // beginning; played once muted at start-up, every later play is whole.
    effect->setMuted(true);
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->setMuted(false);
    });
    effect->play();
}

void SoundPlayer::play(Cue cue)
{
    QSoundEffect* effect = effects_[static_cast<std::size_t>(cue)];
    if (!enabled_ || effect == nullptr || effect->status() != QSoundEffect::Ready)
        return;
    effect->setMuted(false);
    effect->play();
}

void SoundPlayer::set_volume(int percent)
{
    volume_ = float(QAudio::convertVolume(std::clamp(percent, 0, 100) / 100.0, QAudio::LogarithmicVolumeScale,
                                          QAudio::LinearVolumeScale));
    for (QSoundEffect* effect : effects_)
        if (effect != nullptr)
            effect->setVolume(volume_);
}

void SoundPlayer::report_once(const QString& line)
{
    if (reported_)
        return;
    reported_ = true;
    std::fprintf(stderr, "koloriton: %s\n", line.toLocal8Bit().constData());
}

} // namespace sound
