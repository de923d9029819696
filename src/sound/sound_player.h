#pragma once

#include "sound/cues.h"

#include <QObject>
#include <QString>
#include <array>

class QSoundEffect;

namespace sound {

// Plays a cue's sound from the resource tree's sounds/ folder through Qt Multimedia. The sounds are
// loaded once, after the window is first shown, so the first paint never waits for them. Without
// a sound device, or when a sound cannot be played, the player stays silent and says so in one
// line on standard error: the child is never told.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Looks for a sound device and loads every cue's file from `folder` (ending in '/'); plays
    // nothing before. Only the first call does anything.
    void preload(const QString& folder);
    // Whether the sounds are loaded and a device plays them.
    bool is_ready() const;
    void play(Cue cue);

    // What the settings give; the session's switch starts from it.
    void set_enabled(bool on) { enabled_ = on; }
    bool is_enabled() const { return enabled_; }
    // 0 (silent) to 100 (the sounds as made), on a scale that sounds even to the ear.
    void set_volume(int percent);

private:
    void warm_up(QSoundEffect* effect);
    void report_once(const QString& line);

    std::array<QSoundEffect*, cue_files.size()> effects_{};
    bool preloaded_ = false;
    bool enabled_ = true;
    bool reported_ = false;
    float volume_ = 1.0f;
};

} // namespace sound
