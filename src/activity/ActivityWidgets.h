#pragma once

#include <QColor>
#include <QFrame>
#include <QString>
#include <QWidget>

class QMouseEvent;

// A label of the activity board. Its caption follows the access-key convention of captions: a
// doubled "&" shows one ampersand (captions come through escapeAmpersands), and nothing in it is
// taken as markup, so "<space>" shows as written. A caption too wide for the label is drawn in
// a smaller font, down to a readable minimum, and beyond that cut at its end ("Putting the
// tooth…"), so that it still reads from its beginning.
class CaptionLabel : public QWidget {
    Q_OBJECT
public:
    CaptionLabel(QWidget* parent, const QString& name);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    // The caption as it reads on the screen (one "&" for each doubled one).
    QString shownText() const;

    void setColors(const QColor& background, const QColor& text);
    // The font's pixel size the label uses when the caption fits.
    void setPixelSize(int pixels);
    int pixelSize() const { return pixelSize_; }
    // The pixel size the caption is drawn in at the label's current width.
    int fittedPixelSize() const;

Q_SIGNALS:
    void mousePressed(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QFont fontOfSize(int pixels) const;

    QString caption_;
    QColor background_ = Qt::white;
    QColor text_ = Qt::black;
    int pixelSize_ = 16;
};

// A panel that reports a click on itself (not on its children).
class ClickFrame : public QFrame {
    Q_OBJECT
public:
    ClickFrame(QWidget* parent, const QString& name);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A rectangle outline that lets every click through to what lies under it.
class ScanShape : public QWidget {
    Q_OBJECT
public:
    ScanShape(QWidget* parent, const QString& name);

    void setBorder(int width, const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderWidth_ = 8;
    QColor color_ = QColor(255, 214, 0);
};
