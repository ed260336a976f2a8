#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QWidget>

// A picture box: a background colour that can hold an image stretched to the box's size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, const QString& name = {});

    // False (and the box shows no picture) when the file cannot be read as a picture.
    bool loadPicture(const QString& path);
    void setPicture(const QImage& image);
    void clearPicture();
    const QImage& picture() const { return image_; }
    QString picturePath() const { return path_; }

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

    bool loadPicture(const QString& path);
    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// Loads a picture file by its contents (JPEG, GIF, BMP, PNG, ICO), whatever its extension says.
QImage readPicture(const QString& path);

// The same, decoded straight at `size` (stretched to it): a large photograph shown small is never
// held at its full resolution, and JPEG decoding at a fraction of the size is several times
// faster. A null image when the file cannot be read; then `error`, if given, says why.
QImage readPictureAt(const QString& path, QSize size, QString* error = nullptr);
