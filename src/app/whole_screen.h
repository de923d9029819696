#pragma once

#include <QGraphicsView>
#include <QObject>
#include <QPointer>

class QMainWindow;
class QWidget;

namespace app {

// The whole-screen mode: the window fills its screen and its client area, the fixed layout, is
// scaled uniformly to the largest size that fits (below 1 too, on a small screen) and centred,
// the bands beside it in the colour of the page. The layout itself is unchanged, so every
// position, hit test and hint keeps its logical value; pictures are drawn from their denser
// renderings where the scale is above 1.
class WholeScreen : public QObject {
    Q_OBJECT

public:
    // `client` is the window's central widget, whose size is fixed.
    WholeScreen(QMainWindow& window, QWidget& client);

    bool is_on() const { return view_ != nullptr; }
    void set_on(bool on);
    // The scale the client area is shown at: 1 outside the mode.
    double scale() const;
    // The client area's rectangle on the window, in the window's logical pixels.
    QRectF client_area() const;
    // Whether the window, with its frame, has room in its screen's available area: the size it
    // had before the mode was entered, or has now outside it.
    bool window_fits() const;

signals:
    // The view took the scale the client area is shown at, once the screen gave it its size, and
    // when leaving the mode (1): pictures decoded at a density are made again for it.
    void scale_settled(double scale);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enter();
    void leave();
    void fit();

    QMainWindow& window_;
    QWidget& client_;
    QPointer<QGraphicsView> view_;
    QPoint normal_position_; // the window's frame position before the mode, restored on leaving
    QSize normal_size_;      // the window's size with its frame before the mode
};

} // namespace app
