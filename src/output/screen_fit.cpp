#include "output/screen_fit.h"

#include "skin/x11_desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>

namespace output {

namespace {

// The window manager's frame around the window; nothing while it is unknown. On X11 the window
// manager's own word counts: Qt may keep the frame it found before the window was framed, or
// briefly report one smaller than the window while it is framed anew.
std::optional<QMargins> frame_margins(const QWidget& window)
{
    if (const std::optional<QMargins> extents = skin::frame_extents(window))
        return extents;
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return std::nullopt;
    return margins;
}

} // namespace

QScrollArea* scrolled_contents(QWidget& window, QWidget* contents)
{
    auto* area = new QScrollArea(&window);
    area->setObjectName(window.objectName() + QStringLiteral("_scroll"));
    area->setFrameShape(QFrame::NoFrame);
    // The first field of the contents, not the area, takes the focus when the window opens.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(contents);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return area;
}

ScreenFit::ScreenFit(QWidget& window, QScrollArea& contents)
    : QObject(&window), window_(window), contents_(contents)
{
    window_.installEventFilter(this);
}

QRect ScreenFit::available() const
{
    const QScreen* screen = window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QSize ScreenFit::client_size(const QSize& room) const
{
    const QSize natural = contents_.widget()->size();
    if (natural.height() <= room.height())
        return natural.boundedTo(room);
    // Scrolling up and down, the window is wider by the scroll bar where the screen has room.
    const int bar = contents_.verticalScrollBar()->sizeHint().width();
    return QSize(natural.width() + bar, natural.height()).boundedTo(room);
}

QRect ScreenFit::wanted_frame(const QMargins& frame) const
{
    const QRect area = available();
    const QSize outer = client_size(area.size().shrunkBy(frame)).grownBy(frame);
    return QRect(area.topLeft() +
                     QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2),
                 outer);
}

void ScreenFit::place()
{
    place_in(frame_margins(window_).value_or(QMargins()));
}

void ScreenFit::place_in(const QMargins& frame)
{
    const QRect wanted = wanted_frame(frame);
    if (wanted.isEmpty())
        return;
    window_.setFixedSize(wanted.size().shrunkBy(frame));
    // A window's position is that of its frame.
    window_.move(wanted.topLeft());
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_)
        return false;
    if (event->type() == QEvent::Show)
        refits_ = 0;
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Show;
    const std::optional<QMargins> frame = frame_margins(window_);
    constexpr int max_refits = 4;
    if (placed && frame && window_.isVisible() && refits_ < max_refits &&
        window_.geometry() != wanted_frame(*frame).marginsRemoved(*frame)) {
        ++refits_;
        place_in(*frame);
    }
    return false;
}

} // namespace output
