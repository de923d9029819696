#include "catalogue/strip_swipe.h"

#include "platform/error_guard.h"
#include "widgets/picture_control.h"

#include <QTouchEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace catalogue {

namespace {

// How far a fingertip wobbles during a tap: about 9 mm on a board.
constexpr double tap_wobble = 36.0;

} // namespace

StripSwipe::StripSwipe(int slot_pitch, std::function<void()> scroll_down, std::function<void()> scroll_up)
    : slot_pitch_(slot_pitch), scroll_down_(std::move(scroll_down)), scroll_up_(std::move(scroll_up))
{
}

void StripSwipe::watch(widgets::PictureControl* thumbnail)
{
    thumbnail->setAttribute(Qt::WA_AcceptTouchEvents);
    thumbnail->installEventFilter(this);
}

bool StripSwipe::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
        type != QEvent::TouchCancel)
        return false;
    auto* touch = static_cast<QTouchEvent*>(event);
    touch->accept();
    if (type == QEvent::TouchCancel || touch->points().isEmpty())
        return true;
    // The strip follows the first finger; the thumbnail stays where it is while its picture
    // changes, so its own coordinates measure the finger's way.
    const double finger_y = touch->points().first().position().y();
    if (type == QEvent::TouchBegin) {
        start_y_ = touched_y_ = finger_y;
        farthest_ = 0;
        return true;
    }
    follow(finger_y);
    if (type == QEvent::TouchEnd && farthest_ < tap_wobble)
        emit static_cast<widgets::PictureControl*>(watched)->clicked();
    return true;
}

void StripSwipe::follow(double finger_y)
{
    farthest_ = std::max(farthest_, std::abs(finger_y - touched_y_));
    while (finger_y - start_y_ <= -slot_pitch_) {
        start_y_ -= slot_pitch_;
        platform::guarded(scroll_down_);
    }
    while (finger_y - start_y_ >= slot_pitch_) {
        start_y_ += slot_pitch_;
        platform::guarded(scroll_up_);
    }
}

} // namespace catalogue
