#include "app/whole_screen.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

namespace app {

namespace {

// The letterbox takes the colour of the page around the layout: the page background's left edge.
QColor page_colour(QWidget& client)
{
    const QImage page = client.grab(QRect(0, client.height() / 2, 1, 1)).toImage();
    return page.isNull() ? QColor(Qt::white) : page.pixelColor(0, 0);
}

// The menu bar is the window's, outside the scaled view: its font grows with the page on a screen
// larger than the window, and keeps its size on a smaller one, where shrinking it would make its
// captions too small to read. The scale comes from the screen, not from the view, which the menu
// bar's own height shrinks.
void scale_menu(QMainWindow& window, QSize client, const QScreen& screen)
{
    QMenuBar* menu = window.menuBar();
    const QSize normal(client.width(), client.height() + menu->sizeHint().height());
    const QSize room = screen.geometry().size();
    const double factor = std::max(
        1.0, std::min(double(room.width()) / normal.width(), double(room.height()) / normal.height()));
    QFont font = window.font();
    if (font.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    menu->setFont(font);
}

} // namespace

WholeScreen::WholeScreen(QMainWindow& window, QWidget& client)
    : QObject(&window), window_(window), client_(client)
{
}

void WholeScreen::set_on(bool on)
{
    if (on == is_on())
        return;
    if (on)
        enter();
    else
        leave();
}

bool WholeScreen::window_fits() const
{
    const QScreen* screen = window_.screen();
    if (screen == nullptr)
        return true;
    const QSize room = screen->availableGeometry().size();
    const QSize window = is_on() ? normal_size_ : window_.frameGeometry().size();
    return room.expandedTo(window) == room;
}

void WholeScreen::enter()
{
    normal_position_ = window_.pos();
    normal_size_ = window_.frameGeometry().size();
    const QColor letterbox = page_colour(client_);
    window_.takeCentralWidget();
    auto* scene = new QGraphicsScene(this);
    auto* view = new QGraphicsView(scene);
    view->setObjectName(QStringLiteral("whole_screen_view"));
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setBackgroundBrush(letterbox);
    view->setAlignment(Qt::AlignCenter);
    // The client keeps its place below the menu bar as a widget's position; in the scene it is the
    // scene's origin.
    client_.move(0, 0);
    scene->addWidget(&client_);
    scene->setSceneRect(QRectF(QPointF(0, 0), client_.size()));
    view->viewport()->installEventFilter(this);
    // The canvas takes its fingers through the view; touches elsewhere become mouse clicks.
    view->viewport()->setAttribute(Qt::WA_AcceptTouchEvents);
    view_ = view;
    window_.layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window_.setCentralWidget(view);
    if (const QScreen* screen = window_.screen())
        scale_menu(window_, client_.size(), *screen);
    window_.showFullScreen();
    // Without a window manager nothing acts on the request: the window takes the screen itself.
    if (const QScreen* screen = window_.screen())
        window_.setGeometry(screen->geometry());
    fit();
}

void WholeScreen::leave()
{
    QGraphicsView* view = view_;
    QGraphicsScene* scene = view->scene();
    const auto items = scene->items();
    for (QGraphicsItem* item : items)
        if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item))
            proxy->setWidget(nullptr);
    view_ = nullptr;
    window_.setCentralWidget(&client_);
    client_.show();
    delete view;
    delete scene;
    window_.menuBar()->setFont(QFont());
    window_.showNormal();
    window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window_.adjustSize();
    // Where no window manager keeps the window's place, it goes back there itself.
    window_.move(normal_position_);
    emit scale_settled(1.0);
}

void WholeScreen::fit()
{
    if (!view_)
        return;
    const QSize room = view_->viewport()->size();
    const double factor =
        std::min(double(room.width()) / client_.width(), double(room.height()) / client_.height());
    if (qFuzzyCompare(factor, scale()))
        return;
    view_->setTransform(QTransform::fromScale(factor, factor));
    emit scale_settled(factor);
}

double WholeScreen::scale() const
{
    return view_ ? view_->transform().m11() : 1.0;
}

QRectF WholeScreen::client_area() const
{
    QWidget* central = window_.centralWidget();
    if (!view_)
        return QRectF(central->geometry());
    const QRectF shown = view_->viewportTransform().mapRect(QRectF(QPointF(0, 0), client_.size()));
    return shown.translated(view_->viewport()->mapTo(&window_, QPoint(0, 0)));
}

bool WholeScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (view_ && watched == view_->viewport() && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

} // namespace app
