#include "core/frame_shape.h"

#include <QPainter>

namespace core {

FrameShape::FrameShape(QColor pen, QWidget* parent) : QWidget(parent), pen_(pen)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    // Four filled bands rather than a stroked rectangle: the outline then covers exactly the two
    // outermost pixel rows and columns, with no anti-aliased half pixels.
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, pen_width, pen_);
    painter.fillRect(0, h - pen_width, w, pen_width, pen_);
    painter.fillRect(0, 0, pen_width, h, pen_);
    painter.fillRect(w - pen_width, 0, pen_width, h, pen_);
}

} // namespace core
