#include "activity/ActivityWidgets.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Below this a caption is no longer comfortable to read; a caption still too wide is then cut
// at its end, so that it reads from its beginning.
constexpr int kMinimumPixelSize = 9;

// How the caption is laid out: one line, access-key marks shown as the platform shows them.
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;

}  // namespace

CaptionLabel::CaptionLabel(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::setCaption(const QString& caption) {
    caption_ = caption;
    setAccessibleName(shownText());
    update();
}

QString CaptionLabel::shownText() const {
    QString shown;
    shown.reserve(caption_.size());
    for (qsizetype i = 0; i < caption_.size(); ++i) {
        // "&&" is one ampersand; a single "&" marks the next character and is not shown.
        if (caption_[i] == u'&' && i + 1 < caption_.size())
            ++i;
        else if (caption_[i] == u'&')
            continue;
        shown += caption_[i];
    }
    return shown;
}

void CaptionLabel::setColors(const QColor& background, const QColor& text) {
    background_ = background;
    text_ = text;
    update();
}

void CaptionLabel::setPixelSize(int pixels) {
    pixelSize_ = std::max(1, pixels);
    update();
}

QFont CaptionLabel::fontOfSize(int pixels) const {
    QFont f = font();
    f.setPixelSize(pixels);
    return f;
}

int CaptionLabel::fittedPixelSize() const {
    const int room = width() - 4;  // as painted
    for (int pixels = pixelSize_; pixels > std::min(kMinimumPixelSize, pixelSize_); --pixels) {
        if (QFontMetrics(fontOfSize(pixels)).boundingRect(QRect(), kTextFlags, caption_).width() <= room) return pixels;
    }
    return std::min(kMinimumPixelSize, pixelSize_);
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), background_);
    const QFont f = fontOfSize(fittedPixelSize());
    p.setFont(f);
    p.setPen(text_);
    const QRect room = rect().adjusted(2, 0, -2, 0);
    p.drawText(room, kTextFlags,
               QFontMetrics(f).elidedText(caption_, Qt::ElideRight, room.width(), Qt::TextShowMnemonic));
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) { Q_EMIT mousePressed(event); }

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(event);
    if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) { Q_EMIT mouseMoved(event); }

ClickFrame::ClickFrame(QWidget* parent, const QString& name) : QFrame(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

void ClickFrame::mouseReleaseEvent(QMouseEvent* event) {
    QFrame::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

ScanShape::ScanShape(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ScanShape::setBorder(int width, const QColor& color) {
    borderWidth_ = width;
    color_ = color;
    update();
}

void ScanShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = borderWidth_;
    const QRect r = rect();
    // Four bars; the middle stays see-through, so the choice shows inside the frame.
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), color_);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), color_);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), color_);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), color_);
}
