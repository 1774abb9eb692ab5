#pragma once
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// Acts on the next modal window of type T once it is shown (dialogs run their own event loop).
// Gives up after a few seconds and closes whatever modal window is open, so a test never hangs.
template <class T>
void OnModal(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget()); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
        }
    });
    timer->start();
}
