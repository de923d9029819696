#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace testing_support {

// Runs `act` on the modal window (a dialog, a message box) once it is shown, from inside the modal
// window's own event loop.
inline void when_modal_shown(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

} // namespace testing_support
