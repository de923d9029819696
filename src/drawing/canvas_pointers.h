#pragma once

#include "drawing/canvas.h"

#include <QEventPoint>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <optional>

class QGraphicsView;
class QTabletEvent;
class QTouchEvent;

namespace drawing {

// One touch point on the canvas, as a touch event reports it.
struct Contact {
    int id = 0;
    QEventPoint::State state = QEventPoint::State::Pressed;
    // Canvas control coordinates.
    QPointF position;
    // The contact ellipse in logical pixels; empty where the device reports none.
    QSizeF diameters;
};

// Turns fingers and pens on the canvas into the canvas's gestures, so they paint what the mouse
// paints. The first finger down draws and every other finger is ignored until it lifts: the tools
// take one gesture at a time and history keeps one step, so two strokes at once could neither be
// drawn by a shape's rubber band nor be undone as the child expects, and a line never jumps from
// one finger to another. A contact much larger than a fingertip (a palm), and every finger while a
// pen is near or down, does not draw; nor does any finger when the canvas takes pens only. Touches
// on the canvas are always taken, so none becomes a mouse press that would draw after all.
class CanvasPointers : public QObject {
public:
    // Watches `control`, whose gestures `canvas` draws, and the application's pen proximity.
    CanvasPointers(widgets::PictureControl* control, Canvas& canvas);
    ~CanvasPointers() override;

    void set_pen_only(bool on) { pen_only_ = on; }
    // The brush's width follows a pen's pressure.
    void set_follow_pressure(bool on) { follow_pressure_ = on; }

    // The touch points of one touch event.
    void touch(const QList<Contact>& contacts);
    // The system took the touches back: the stroke under way ends where it is.
    void touch_cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each takes the event when it is the canvas's, and tells whether it did.
    bool touch_event(const QObject* watched, QTouchEvent* event);
    bool tablet_event(const QObject* watched, QTabletEvent* event);
    // The whole-screen view while the canvas is shown in it.
    const QGraphicsView* scaled_view() const;
    // `position` of an event of `watched` in canvas coordinates, when `watched` is the canvas or
    // the view that shows it.
    std::optional<QPointF> on_canvas(const QObject* watched, QPointF position) const;
    bool over_canvas(QPointF position) const;
    void contact(const Contact& point);
    bool fingers_draw() const { return !pen_only_ && !pen_near_ && !pen_down_; }
    bool is_palm(const Contact& point) const;
    QPoint pixel_at(QPointF position) const;

    widgets::PictureControl* control_;
    Canvas& canvas_;
    bool pen_only_ = false;
    bool follow_pressure_ = false;
    bool pen_near_ = false;
    bool pen_down_ = false;
    // A touch sequence of the whole-screen view that began on the canvas is under way.
    bool view_touch_ = false;
    // The finger whose stroke is under way.
    std::optional<int> drawing_finger_;
};

} // namespace drawing
