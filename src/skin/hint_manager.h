#pragma once

#include "skin/hint_balloon.h"
#include "skin/hint_settings.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace widgets {
class PictureControl;
}

namespace skin {

// The balloon hint manager: it takes the tool tip requests of the whole application and answers
// those of picture controls whose hint shows with a balloon, and no others with anything.
class HintManager : public QObject {
    Q_OBJECT

public:
    // How long a balloon stays up when nothing else hides it.
    static constexpr int hide_after_ms = 5000;
    // The tip points this far below the mouse pointer, clear of the cursor's picture.
    static constexpr int tip_below_pointer = 16;

    explicit HintManager(QObject* parent = nullptr, const HintSettings& settings = {});
    ~HintManager() override;

    const HintSettings& settings() const { return settings_; }
    // The balloon window, hidden while no hint shows.
    const HintBalloon& balloon() const { return *balloon_; }
    // The control whose hint shows, or none.
    QWidget* shown_for() const { return shown_for_; }
    void hide_hint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show_for(widgets::PictureControl& control, QPoint pointer);

    HintSettings settings_;
    std::unique_ptr<HintBalloon> balloon_;
    QPointer<QWidget> shown_for_;
    QTimer hide_timer_;
};

} // namespace skin
