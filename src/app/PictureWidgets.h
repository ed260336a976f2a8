#pragma once

#include "core/Result.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// A picture box: a background colour that can hold an image stretched to the box's size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, const QString& name = {});

    // An error naming the file (and the box shows no picture) when it cannot be read as a
    // picture.
    Status loadPicture(const QString& path);
    void setPicture(const QImage& image);
    void clearPicture();
    const QImage& picture() const { return image_; }
    QString picturePath() const { return path_; }
    // Draws on the picture itself, so that what is drawn stays when the box is painted again,
    // and repaints the part of the box that shows area (the picture's pixels) at once, without
    // waiting for the event loop. A surface drawn on step by step is not copied for each step.
    void drawOnPicture(const QRect& area, const std::function<void(QPainter&)>& draw);

    void setBackground(const QColor& color);
    QColor background() const { return background_; }

    // A border drawn inside the box (0 = none).
    void setBorder(int width, const QColor& color = Qt::white);

Q_SIGNALS:
    void mousePressed(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QString path_;
    QColor background_ = Qt::black;
    int borderWidth_ = 0;
    QColor borderColor_ = Qt::white;
};

// A clickable picture whose accessible name is the words on it. Without a picture it draws
// its caption on a rounded face, so it is never a blank square.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& name, const QString& caption);

    // As PictureBox::loadPicture; without a picture the button shows its caption.
    Status loadPicture(const QString& path);
    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// Loads a picture file by its contents (JPEG, GIF, BMP, PNG, ICO), whatever its extension says.
// An error names the file and says why it cannot be shown.
Result<QImage> readPicture(const QString& path);
