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
// manager's frame is known only once it has framed the window, so the window is fitted again
// whenever its frame turns out other than assumed.
class ScreenFit : public QObject {
    Q_OBJECT

public:
    ScreenFit(QWidget& window, QScrollArea& contents);

    // Sizes and centres the window for the screen it shows on.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize client_size(const QSize& room) const;

    QWidget& window_;
    QScrollArea& contents_;
    QMargins frame_;
};

} // namespace output
