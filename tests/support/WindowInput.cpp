#include "WindowInput.h"

#include <QApplication>
#include <QWindow>

#include <qpa/qwindowsysteminterface.h>

void queueClick(QWidget* widget) {
    QWidget* top = widget->window();
    QWindow* window = top->windowHandle();
    if (window == nullptr) return;
    const QPointF local = widget->mapTo(top, QPointF(widget->rect().center()));
    const QPointF global = top->mapToGlobal(local);
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Queue>(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                                    QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Queue>(window, local, global, Qt::NoButton, Qt::LeftButton,
                                                    QEvent::MouseButtonRelease);
}

void queueKey(QWidget* widget, Qt::Key key) {
    QWindow* window = widget->window()->windowHandle();
    if (window == nullptr) return;
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleKeyEvent<Queue>(window, QEvent::KeyPress, key, Qt::NoModifier);
    QWindowSystemInterface::handleKeyEvent<Queue>(window, QEvent::KeyRelease, key, Qt::NoModifier);
}

void queueMouseEvent(QWidget* window, QEvent::Type type, QPoint local, Qt::MouseButtons state, Qt::MouseButton button,
                     ulong timestamp) {
    QWindow* handle = window->window()->windowHandle();
    if (handle == nullptr) return;
    const QPointF global = window->window()->mapToGlobal(QPointF(local));
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleMouseEvent<Queue>(handle, timestamp, QPointF(local), global, state, button, type);
}

void queueKeyEvent(QWidget* window, QEvent::Type type, Qt::Key key, bool autoRepeat) {
    QWindow* handle = window->window()->windowHandle();
    if (handle == nullptr) return;
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleKeyEvent<Queue>(handle, type, key, Qt::NoModifier, QString(), autoRepeat);
}

WindowWithButton::WindowWithButton() : button(new QPushButton(QStringLiteral("Button"), &window)) {
    window.resize(400, 300);
    button->setGeometry(20, 20, 120, 60);
    window.show();
    QApplication::processEvents();
}
