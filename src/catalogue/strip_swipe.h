#pragma once

#include <QObject>
#include <functional>

namespace widgets {
class PictureControl;
}

namespace catalogue {

// A finger on the preview strip's thumbnails: a vertical swipe scrolls the strip one picture for
// every slot the finger travels (up shows the pictures below, as the content follows the finger),
// and a tap that hardly moves is the thumbnail's click. The thumbnails take their touches, so a
// swipe never becomes a mouse click that would open the picture it began on.
class StripSwipe : public QObject {
public:
    // `slot_pitch`: the distance between two thumbnails' tops.
    StripSwipe(int slot_pitch, std::function<void()> scroll_down, std::function<void()> scroll_up);

    // Takes the touches of `thumbnail`.
    void watch(widgets::PictureControl* thumbnail);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(double finger_y);

    int slot_pitch_;
    std::function<void()> scroll_down_;
    std::function<void()> scroll_up_;
    double start_y_ = 0;  // where the finger touched, or where it was at the last scroll
    double farthest_ = 0; // how far the finger has gone from where it touched
    double touched_y_ = 0;
};

} // namespace catalogue
