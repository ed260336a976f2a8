#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

class QPushButton;

// An option button whose caption wraps over as many lines as it needs (the options' captions
// are whole sentences). A click anywhere on it selects it; "&&" in the caption shows one "&".
class WrapRadioButton : public QRadioButton {
    Q_OBJECT
public:
    WrapRadioButton(const QString& caption, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    QRect textRect(int width) const;
};

// An option button that is a patch of colour: its accessible name is the colour's name. The
// chosen one carries a ring and a tick; the one with the keyboard focus a frame around it.
class ColourButton : public QAbstractButton {
    Q_OBJECT
public:
    ColourButton(const QString& colourName, QWidget* parent);

    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }
    QSize sizeHint() const override { return {64, 44}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_ = Qt::gray;
};

// A slider that shows plainly when it has the keyboard focus.
class FocusSlider : public QSlider {
    Q_OBJECT
public:
    using QSlider::QSlider;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The printed scale under a slider: its text is the scale as one line ("   1    2 ..."), and it
// paints each number under the slider's position for that value.
class SliderScale : public QLabel {
    Q_OBJECT
public:
    SliderScale(const QString& scale, QSlider* slider, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSlider* slider_;
};

// A label with a text of the program, as a panel shows it: wrapped, and with "&&" shown as "&".
QLabel* wrappedLabel(const QString& text, QWidget* parent);

// A caption as it is displayed: "&&" is one "&" (and a single "&" marks no key here).
QString displayedCaption(const QString& caption);

// A push button named objectName whose accessible name is its caption as shown; Enter presses it
// when it has the focus, as Space does.
QPushButton* namedButton(QWidget* parent, const char* objectName, const QString& caption);

// Puts a window that does not cover the screen in the screen's middle.
void centreOnScreen(QWidget* window);

// The look of the options window and the speech windows: text large enough to read from a step
// away, bold group captions, and buttons that show the keyboard focus plainly.
QString optionsStyleSheet();
