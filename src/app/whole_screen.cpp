#include "app/whole_screen.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLayout>
#include <QMainWindow>
#include <algorithm>

namespace app {

namespace {

// The letterbox takes the colour of the page around the layout: the page background's left edge.
QColor page_colour(QWidget& client)
{
    const QImage page = client.grab(QRect(0, client.height() / 2, 1, 1)).toImage();
    return page.isNull() ? QColor(Qt::white) : page.pixelColor(0, 0);
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

void WholeScreen::enter()
{
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
    window_.showFullScreen();
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
    window_.showNormal();
    window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window_.adjustSize();
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
