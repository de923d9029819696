#pragma once

#include "widgets/picture_control.h"

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

namespace catalogue {

// A finger on the preview strip's thumbnails: a vertical swipe scrolls the strip one picture for
// every slot the finger travels (up shows the pictures below, as the content follows the finger),
// and a tap that hardly moves is the thumbnail's click. The thumbnails take their touches, so a
// swipe never becomes a mouse click that would open the picture it began on.
class StripSwipe : public QObject {
public:
    // `slot_pitch`: the distance between two thumbnails' tops.
    StripSwipe(int slot_pitch, std::function<void()> scroll_down, std::function<void()> scroll_up);
    ~StripSwipe() override;

    // Takes the touches of `thumbnail`.
    void watch(widgets::PictureControl* thumbnail);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(double finger_y);
    // `position` of an event of `watched` in the thumbnails' window, when `watched` is a thumbnail
    // or the whole-screen view that shows them.
    std::optional<QPointF> in_window(const QObject* watched, QPointF position) const;
    widgets::PictureControl* thumbnail_at(QPointF in_window) const;

    int slot_pitch_;
    std::function<void()> scroll_down_;
    std::function<void()> scroll_up_;
    std::vector<QPointer<widgets::PictureControl>> thumbnails_;
    // The thumbnail the touch under way began on.
    QPointer<widgets::PictureControl> touched_;
    double touched_y_ = 0; // where the finger touched
    double start_y_ = 0;   // where the travel to the next scroll is counted from
    double farthest_ = 0;  // how far the finger has gone from where it touched
};

} // namespace catalogue
