#include "students/OptionWidgets.h"

#include "platform/Services.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QStylePainter>

#include <algorithm>

namespace {
constexpr int kMargin = 3;  // room for the focus frame
constexpr int kPreferredTextWidth = 620;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

void drawFocusFrame(QPainter& p, const QWidget& w, const QRect& r) {
    QPen pen(w.palette().color(QPalette::Highlight), 2);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
}
}  // namespace

QString displayedCaption(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size() && caption[i + 1] == u'&') ++i;
        out += caption[i];
    }
    return out;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(displayedCaption(text), parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

namespace {
// Enter presses the button that has the focus, as Space does. (A default button would do it
// too, but would draw a second frame inside the focus frame.)
class EnterPresses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
                static_cast<QAbstractButton*>(watched)->click();
                return true;
            }
        }
        return false;
    }
};
}  // namespace

QPushButton* namedButton(QWidget* parent, const char* objectName, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAccessibleName(displayedCaption(caption));
    b->setAutoDefault(false);
    b->installEventFilter(new EnterPresses(b));
    b->setMinimumHeight(36);
    return b;
}

QString optionsStyleSheet() {
    return QStringLiteral(
        "QWidget { font-size: 11pt; }"
        "QGroupBox { font-weight: bold; }"
        "QPushButton { padding: 5px 12px; border: 1px solid #8a8a8a; border-radius: 4px; background: #f2f2f2; }"
        "QPushButton:hover { background: #e4ecf7; }"
        "QPushButton:pressed { background: #c9d8ee; }"
        "QPushButton:focus { border: 3px solid #1e5fc8; padding: 3px 10px; }"
        "QPushButton:disabled { color: #9a9a9a; border-color: #c4c4c4; }");
}

void centreOnScreen(QWidget* window) {
    const QRect screen = platform::screen().geometry();
    window->move(screen.center() - QPoint(window->width() / 2, window->height() / 2));
}

WrapRadioButton::WrapRadioButton(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    setAccessibleName(displayedCaption(caption));
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrapRadioButton::textRect(int width) const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int spacing = style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
    const int left = kMargin + indicator + spacing + kMargin;
    const int textWidth = std::max(40, width - left - kMargin);
    const QRect bound = fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000), kTextFlags, text());
    return {left, kMargin, textWidth, bound.height()};
}

int WrapRadioButton::heightForWidth(int width) const {
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(textRect(width).height(), indicator) + 2 * kMargin;
}

QSize WrapRadioButton::sizeHint() const {
    const QRect oneLine = fontMetrics().boundingRect(QRect(0, 0, 100000, 1000), kTextFlags, text());
    const int width = textRect(0).left() + std::min(oneLine.width() + 2, kPreferredTextWidth) + kMargin;
    return {width, heightForWidth(width)};
}

QSize WrapRadioButton::minimumSizeHint() const {
    const int width = textRect(0).left() + 160;
    return {width, heightForWidth(width)};
}

void WrapRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorW = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int indicatorH = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    const QRect text = textRect(width());
    option.rect =
        QRect(kMargin, kMargin + std::max(0, (fontMetrics().height() - indicatorH) / 2), indicatorW, indicatorH);
    option.state &= ~QStyle::State_HasFocus;
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    p.drawItemText(text, kTextFlags, palette(), isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) drawFocusFrame(p, *this, rect());
}

ColourButton::ColourButton(const QString& colourName, QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setText(colourName);
    setAccessibleName(colourName);
    setToolTip(colourName);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourButton::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect face = rect().adjusted(4, 4, -4, -4);
    p.fillRect(face, colour_);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawRect(face);
    if (isChecked()) {
        // A mark that shows on every colour: white on dark ones, black on light ones.
        const QColor mark = colour_.lightness() > 140 ? Qt::black : Qt::white;
        p.setPen(QPen(mark, 3));
        p.drawRect(face.adjusted(3, 3, -3, -3));
        const QPointF c = face.center();
        p.drawPolyline(
            QPolygonF({QPointF(c.x() - 8, c.y()), QPointF(c.x() - 2, c.y() + 6), QPointF(c.x() + 9, c.y() - 7)}));
    }
    if (hasFocus()) drawFocusFrame(p, *this, rect());
}

void FocusSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        drawFocusFrame(p, *this, rect());
    }
}

SliderScale::SliderScale(const QString& scale, QSlider* slider, QWidget* parent)
    : QLabel(scale, parent), slider_(slider) {
    setMinimumHeight(fontMetrics().height() + 4);
}

void SliderScale::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    QStyleOptionSlider option;
    option.initFrom(slider_);
    option.orientation = slider_->orientation();
    option.minimum = slider_->minimum();
    option.maximum = slider_->maximum();
    option.tickPosition = slider_->tickPosition();
    option.tickInterval = slider_->tickInterval();
    option.singleStep = slider_->singleStep();
    option.pageStep = slider_->pageStep();
    option.subControls = QStyle::SC_All;
    const QStringList numbers = text().split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < numbers.size(); ++i) {
        const int value = slider_->minimum() + i;
        option.sliderPosition = option.sliderValue = value;
        const QRect handle =
            slider_->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider_);
        const int x = mapFromGlobal(slider_->mapToGlobal(handle.center())).x();
        const int w = fontMetrics().horizontalAdvance(numbers[i]);
        p.drawText(QRect(x - w, 0, 2 * w, height()), Qt::AlignHCenter | Qt::AlignTop, numbers[i]);
    }
}
