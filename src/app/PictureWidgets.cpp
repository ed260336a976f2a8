#include "app/PictureWidgets.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

Result<QImage> readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return Error{QCoreApplication::translate("PictureWidgets", "The picture %1 cannot be shown: %2")
                         .arg(path, reader.errorString())};
    return image;
}

PictureBox::PictureBox(QWidget* parent, const QString& name) : QWidget(parent) {
    if (!name.isEmpty()) setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

Status PictureBox::loadPicture(const QString& path) {
    auto image = readPicture(path);
    path_ = image ? path : QString();
    setPicture(image ? *image : QImage());
    if (!image) return Error{image.error()};
    return {};
}

void PictureBox::setPicture(const QImage& image) {
    image_ = image;
    update();
}

void PictureBox::clearPicture() {
    image_ = QImage();
    path_.clear();
    update();
}

void PictureBox::drawOnPicture(const QRect& area, const std::function<void(QPainter&)>& draw) {
    if (image_.isNull()) return;
    {
        QPainter painter(&image_);
        draw(painter);
    }
    // The picture is stretched to the box: the area as the box shows it, a pixel more all round
    // for the smoothing.
    const double sx = double(width()) / image_.width();
    const double sy = double(height()) / image_.height();
    const QRect shown = QRectF(area.x() * sx, area.y() * sy, area.width() * sx, area.height() * sy)
                            .toAlignedRect()
                            .adjusted(-1, -1, 1, 1);
    repaint(shown);
}

void PictureBox::setBackground(const QColor& color) {
    background_ = color;
    update();
}

void PictureBox::setBorder(int width, const QColor& color) {
    borderWidth_ = width;
    borderColor_ = color;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    if (!image_.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), image_);
    }
    if (borderWidth_ > 0) {
        QPen pen(borderColor_, borderWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        const int half = borderWidth_ / 2;
        p.drawRect(rect().adjusted(half, half, -half - (borderWidth_ % 2 == 0 ? 1 : 0),
                                   -half - (borderWidth_ % 2 == 0 ? 1 : 0)));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) { Q_EMIT mousePressed(event); }
void PictureBox::mouseReleaseEvent(QMouseEvent* event) { Q_EMIT mouseReleased(event); }
void PictureBox::mouseMoveEvent(QMouseEvent* event) { Q_EMIT mouseMoved(event); }

PictureButton::PictureButton(QWidget* parent, const QString& name, const QString& caption) : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    setAccessibleName(caption);
    setToolTip(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

Status PictureButton::loadPicture(const QString& path) {
    auto image = readPicture(path);
    setPicture(image ? *image : QImage());
    if (!image) return Error{image.error()};
    return {};
}

void PictureButton::setPicture(const QImage& image) {
    image_ = image;
    update();
}

QSize PictureButton::sizeHint() const { return image_.isNull() ? QSize(120, 100) : image_.size(); }

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!image_.isNull()) {
        p.drawImage(rect(), image_);
    } else {
        QPainterPath face;
        face.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 12, 12);
        p.fillPath(face, isDown() ? QColor(120, 170, 230) : QColor(170, 210, 250));
        p.setPen(QPen(Qt::white, 2));
        p.drawPath(face);
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(qMax(12, height() / 6));
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 210, 0), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(2, 2, -2, -2));
    }
}
