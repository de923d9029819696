#pragma once

#include "app/main_window_controls.h"
#include "core/allowances.h"
#include "core/drawing_state.h"
#include "sound/sound_player.h"

#include <QObject>
#include <vector>

namespace app {

// Answers each of the child's actions with its sound. It listens to the controls' own signals,
// connected before any subsystem's handler, so it sees the state the press meets and no subsystem
// knows of sound; the mouse does exactly what it did without it. A press on a control that is
// greyed (saving not allowed, nothing to undo) answers with the gentle refusal.
class SoundCues : public QObject {
    Q_OBJECT

public:
    SoundCues(const MainWindowControls& controls, const core::DrawingState& drawing,
              const core::Allowances& allowed, QObject* parent = nullptr);

    void connect_handlers();
    // The preview strip's thumbnails, once the strip has made them.
    void connect_thumbnails(const std::vector<widgets::PictureControl*>& thumbnails);
    // The settings' switch and volume; a locked switch cannot be turned by the session's key.
    void apply(bool enabled, int volume, bool switch_locked);
    // The session's key: sound off or on until the program ends, unless the settings lock it.
    void toggle();
    sound::SoundPlayer& player() { return player_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void on_press(QObject* sender, sound::Cue cue);
    void on_click(QObject* sender, sound::Cue cue);
    void on_action(QAction* action, sound::Cue cue);
    // The cue of an allowed action, or the refusal.
    void play_if(bool allowed, sound::Cue cue);
    void canvas_pressed();

    const MainWindowControls& controls_;
    const core::DrawingState& drawing_;
    const core::Allowances& allowed_;
    sound::SoundPlayer player_;
    bool switch_locked_ = false;
};

} // namespace app
