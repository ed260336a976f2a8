#include "app/WindowSetup.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>
#include <QWidget>

QIcon stepwickIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0, 18, 191));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
        const QColor boxes[3] = {QColor(255, 200, 40), QColor(90, 220, 110), QColor(255, 255, 255)};
        const double box = size * 0.26;
        const double gap = (size - 3 * box) / 4.0;
        QFont font;
        font.setBold(true);
        font.setPixelSize(static_cast<int>(box * 0.8));
        p.setFont(font);
        for (int i = 0; i < 3; ++i) {
            const QRectF r(gap + i * (box + gap), size * 0.5 - box / 2 + (1 - i) * size * 0.12, box, box);
            p.setBrush(boxes[i]);
            p.drawRoundedRect(r, box * 0.15, box * 0.15);
            p.setPen(Qt::black);
            p.drawText(r, Qt::AlignCenter, QString::number(i + 1));
            p.setPen(Qt::NoPen);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

void prepareWindow(QWidget* window, bool fullScreen) {
    window->setWindowTitle(QCoreApplication::translate("WindowSetup", "Stepwick"));
    window->setWindowIcon(stepwickIcon());
    if (fullScreen) {
        window->setGeometry(platform::screen().geometry());
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
    }
}

void ActivationOnShow::showed(QWidget* window, const QShowEvent* event, std::function<void()> activate) {
    if (event->spontaneous() || pending_) return;
    pending_ = true;
    QTimer::singleShot(0, window, [this, window, activate = std::move(activate)] {
        pending_ = false;
        if (window->isVisible()) activate();
    });
}
