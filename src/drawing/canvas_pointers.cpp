#include "drawing/canvas_pointers.h"

#include "platform/error_guard.h"
#include "widgets/picture_control.h"

#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScreen>
#include <QTabletEvent>
#include <QTouchEvent>
#include <algorithm>
#include <utility>

namespace drawing {

namespace {

// A fingertip touches a screen over about 7 to 15 mm; a resting palm or the side of a hand over
// much more.
constexpr double largest_finger_mm = 25.0;
constexpr double mm_per_inch = 25.4;
// Where a screen tells no size, the density of an interactive board.
constexpr double usual_dots_per_inch = 100.0;

} // namespace

CanvasPointers::CanvasPointers(widgets::PictureControl* control, Canvas& canvas)
    : control_(control), canvas_(canvas)
{
    control_->setAttribute(Qt::WA_AcceptTouchEvents);
    // The application sees a pen's proximity, which no widget is told, and the touches and pens of
    // the whole-screen view, which shows the canvas inside its scene.
    QCoreApplication::instance()->installEventFilter(this);
}

CanvasPointers::~CanvasPointers()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool CanvasPointers::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::TabletEnterProximity:
    case QEvent::TabletLeaveProximity:
        pen_near_ = event->type() == QEvent::TabletEnterProximity;
        return false;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return touch_event(watched, static_cast<QTouchEvent*>(event));
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return tablet_event(watched, static_cast<QTabletEvent*>(event));
    default:
        return false;
    }
}

const QGraphicsView* CanvasPointers::scaled_view() const
{
    const QGraphicsProxyWidget* proxy = control_->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return nullptr;
    return proxy->scene()->views().first();
}

std::optional<QPointF> CanvasPointers::on_canvas(const QObject* watched, QPointF position) const
{
    if (watched == control_)
        return position;
    const QGraphicsView* view = scaled_view();
    if (!view || watched != view->viewport())
        return std::nullopt;
    // The scene's origin is that of the window's client area, the canvas's own window there.
    const QPointF in_client = view->viewportTransform().inverted().map(position);
    return in_client - QPointF(control_->mapTo(control_->window(), QPoint(0, 0)));
}

bool CanvasPointers::over_canvas(QPointF position) const
{
    return control_->rect().contains(pixel_at(position));
}

bool CanvasPointers::touch_event(const QObject* watched, QTouchEvent* event)
{
    if (event->points().isEmpty())
        return false;
    const std::optional<QPointF> first = on_canvas(watched, event->points().first().position());
    if (!first)
        return false;
    // A touch that begins beside the canvas in the scaled view is left to the view, whose controls
    // take it as a mouse click, and so are its later events.
    if (watched != control_) {
        if (event->type() == QEvent::TouchBegin)
            view_touch_ = over_canvas(*first);
        if (!view_touch_)
            return false;
        view_touch_ = event->type() != QEvent::TouchEnd && event->type() != QEvent::TouchCancel;
    }
    event->accept();
    if (event->type() == QEvent::TouchCancel) {
        touch_cancelled();
        return true;
    }
    QList<Contact> contacts;
    for (const QEventPoint& point : event->points())
        contacts.append(
            {point.id(), point.state(), *on_canvas(watched, point.position()), point.ellipseDiameters()});
    touch(contacts);
    return true;
}

void CanvasPointers::touch(const QList<Contact>& contacts)
{
    for (const Contact& point : contacts)
        platform::guarded([&] { contact(point); });
}

void CanvasPointers::touch_cancelled()
{
    if (std::exchange(drawing_finger_, std::nullopt))
        canvas_.pointer_cancelled();
}

void CanvasPointers::contact(const Contact& point)
{
    if (!drawing_finger_) {
        if (point.state == QEventPoint::State::Pressed && fingers_draw() && !is_palm(point)) {
            drawing_finger_ = point.id;
            canvas_.pointer_pressed(pixel_at(point.position), {});
        }
        return;
    }
    if (point.id != *drawing_finger_)
        return;
    // A palm often lands as a fingertip and spreads: the stroke stops where it began to.
    if (is_palm(point)) {
        touch_cancelled();
        return;
    }
    if (point.state == QEventPoint::State::Released) {
        drawing_finger_.reset();
        canvas_.pointer_released(pixel_at(point.position));
    } else if (point.state == QEventPoint::State::Updated) {
        canvas_.pointer_moved(pixel_at(point.position), {});
    }
}

bool CanvasPointers::is_palm(const Contact& point) const
{
    const QScreen* screen = control_->screen();
    const double dots_per_inch = screen ? screen->physicalDotsPerInch() : usual_dots_per_inch;
    const double largest_finger = largest_finger_mm / mm_per_inch * dots_per_inch;
    return std::max(point.diameters.width(), point.diameters.height()) > largest_finger;
}

bool CanvasPointers::tablet_event(const QObject* watched, QTabletEvent* event)
{
    const std::optional<QPointF> position = on_canvas(watched, event->position());
    if (!position || (watched != control_ && !pen_down_ && !over_canvas(*position)))
        return false;
    event->accept();
    PointerStyle style;
    style.eraser_end = event->pointerType() == QPointingDevice::PointerType::Eraser;
    if (follow_pressure_)
        style.pressure = event->pressure();
    const QPoint at = pixel_at(*position);
    platform::guarded([&] {
        if (event->type() == QEvent::TabletPress) {
            // The pen takes over from a finger: its press ends the finger's stroke.
            drawing_finger_.reset();
            pen_down_ = true;
            canvas_.pointer_pressed(at, style);
        } else if (pen_down_ && event->type() == QEvent::TabletMove) {
            canvas_.pointer_moved(at, style);
        } else if (pen_down_ && event->type() == QEvent::TabletRelease) {
            pen_down_ = false;
            canvas_.pointer_released(at);
        }
    });
    return true;
}

QPoint CanvasPointers::pixel_at(QPointF position) const
{
    return control_->picture_pixel_at(position);
}

} // namespace drawing
