#include "output/screen_fit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace output {

namespace {

QMargins frame_margins(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

} // namespace

QScrollArea* scrolled_contents(QWidget& window, QWidget* contents)
{
    auto* area = new QScrollArea(&window);
    area->setObjectName(window.objectName() + QStringLiteral("_scroll"));
    area->setFrameShape(QFrame::NoFrame);
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

QSize ScreenFit::client_size(const QSize& room) const
{
    const QSize natural = contents_.widget()->size();
    if (natural.height() <= room.height())
        return natural.boundedTo(room);
    // Scrolling up and down, the window is wider by the scroll bar where the screen has room.
    const int bar = contents_.verticalScrollBar()->sizeHint().width();
    return QSize(natural.width() + bar, natural.height()).boundedTo(room);
}

void ScreenFit::place()
{
    const QScreen* screen = window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    frame_ = frame_margins(window_);
    const QSize client = client_size(available.size().shrunkBy(frame_));
    window_.setFixedSize(client);
    const QSize outer = client.grownBy(frame_);
    // A window's position is that of its frame.
    window_.move(available.topLeft() +
                 QPoint((available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2));
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Show;
    if (watched == &window_ && placed && window_.isVisible() && frame_margins(window_) != frame_)
        place();
    return false;
}

} // namespace output
