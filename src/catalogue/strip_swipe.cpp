#include "catalogue/strip_swipe.h"

#include "platform/error_guard.h"

#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
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
    // The whole-screen view's viewport, not the thumbnail, receives the touches it shows them in.
    QCoreApplication::instance()->installEventFilter(this);
}

StripSwipe::~StripSwipe()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void StripSwipe::watch(widgets::PictureControl* thumbnail)
{
    thumbnail->setAttribute(Qt::WA_AcceptTouchEvents);
    thumbnails_.emplace_back(thumbnail);
}

bool StripSwipe::eventFilter(QObject* watched, QEvent* event)
{
    // Touch events are the pointer events that carry more than one point.
    if (!event->isPointerEvent() || event->isSinglePointEvent())
        return false;
    const QEvent::Type type = event->type();
    auto* touch = static_cast<QTouchEvent*>(event);
    if (touch->points().isEmpty())
        return false;
    // The strip follows the first finger, measured in its window, where the thumbnails stay put
    // while their pictures change.
    const std::optional<QPointF> at = in_window(watched, touch->points().first().position());
    if (type == QEvent::TouchBegin) {
        touched_ = at ? thumbnail_at(*at) : nullptr;
        if (!touched_)
            return false;
        start_y_ = touched_y_ = at->y();
        farthest_ = 0;
    } else if (!touched_ || !at) {
        return false;
    }
    touch->accept();
    if (type == QEvent::TouchUpdate || type == QEvent::TouchEnd)
        follow(at->y());
    if (type == QEvent::TouchEnd && farthest_ < tap_wobble)
        emit touched_->clicked();
    if (type == QEvent::TouchEnd || type == QEvent::TouchCancel)
        touched_ = nullptr;
    return true;
}

std::optional<QPointF> StripSwipe::in_window(const QObject* watched, QPointF position) const
{
    if (thumbnails_.empty() || !thumbnails_.front())
        return std::nullopt;
    QWidget* window = thumbnails_.front()->window();
    for (const QPointer<widgets::PictureControl>& thumbnail : thumbnails_)
        if (thumbnail == watched)
            return thumbnail->mapTo(window, position);
    const QGraphicsProxyWidget* proxy = window->graphicsProxyWidget();
    if (!proxy || !proxy->scene())
        return std::nullopt;
    // The scene's origin is the window's.
    for (const QGraphicsView* view : proxy->scene()->views())
        if (watched == view->viewport())
            return view->viewportTransform().inverted().map(position);
    return std::nullopt;
}

widgets::PictureControl* StripSwipe::thumbnail_at(QPointF in_window) const
{
    for (const QPointer<widgets::PictureControl>& thumbnail : thumbnails_)
        if (thumbnail && thumbnail->isVisible() &&
            QRectF(thumbnail->mapTo(thumbnail->window(), QPointF(0, 0)), thumbnail->size())
                .contains(in_window))
            return thumbnail;
    return nullptr;
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
