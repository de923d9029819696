#pragma once

#include <QColor>
#include <QWidget>

namespace core {

// The layout's outline frames (info_frame to grid_pattern_frame): a rectangle outline two pixels wide in the
// pen colour, clear inside, that lets the mouse through to the controls under it.
class FrameShape : public QWidget {
    Q_OBJECT

public:
    static constexpr int pen_width = 2;

    FrameShape(QColor pen, QWidget* parent);
    QColor pen() const { return pen_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_;
};

} // namespace core
