#pragma once

#include <QMargins>
#include <QObject>

class QScrollArea;
class QWidget;

namespace output {

// Shows `contents` unscaled in a frameless scroll area that fills `window`: where the window is
// smaller than its contents, the contents scroll and keep their own size and geometry.
QScrollArea* scrolled_contents(QWidget& window, QWidget* contents);

// Keeps a window's frame inside the available area of its screen (the screen without its panels).
// The window's client area is its scrolled contents' size where that area has room, and smaller,
// the contents scrolling, where it has not; its frame stands at the centre of the area. The window
// manager's frame is known only once it has framed the window, and the available area may change
// while it shows, so the window is fitted again whenever it stands elsewhere than it should.
class ScreenFit : public QObject {
    Q_OBJECT

public:
    ScreenFit(QWidget& window, QScrollArea& contents);

    // Sizes and centres the window for the screen it shows on.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect available() const;
    QSize client_size(const QSize& room) const;
    // Where the window's frame belongs with these frame margins.
    QRect wanted_frame(const QMargins& frame) const;
    void place_in(const QMargins& frame);

    QWidget& window_;
    QScrollArea& contents_;
    // Fittings since the window last showed: a window manager that keeps moving the window
    // elsewhere is left its way after a few.
    int refits_ = 0;
};

} // namespace output
