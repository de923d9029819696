#pragma once

#include <QPoint>
#include <QRect>

namespace drawing {

// What one tool does with a pointer on the canvas picture: the press, the movements until the
// release, the release, and the cancel of a gesture under way. Points are picture coordinates and
// no call asks which button or device it came from, since every button draws alike; the mouse, a
// finger or a pen drive a tool the same way. Each call returns the rectangle of the picture it
// changed, for the repaint.
class CanvasTool {
public:
    virtual ~CanvasTool() = default;

    virtual QRect press(QPoint point) = 0;
    virtual QRect move(QPoint) { return {}; }
    virtual QRect release(QPoint) { return {}; }
    // Ends the gesture under way without finishing it: what only showed the gesture goes, what it
    // already painted stays for undo to take back, and later movements paint nothing.
    virtual QRect cancel() { return {}; }
};

} // namespace drawing
