#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

// The pictures of the board, decoded once and shown at any size. A picture is decoded at the
// smallest of its whole fractions (1/8, 1/4, 1/2, 1) that is not smaller than it is shown: a
// 4000 x 3000 photograph shown 170 pixels wide is never held at full resolution, and JPEG
// decodes such a fraction several times faster. Any size up to that is then scaled from the
// decoded picture, so the same task laid out again (or with a pixel more or less) needs no
// decoding. A file changed on disk is decoded afresh.
class PictureCache {
public:
    // The picture at `size` (stretched to it); a null image when the file cannot be read, with
    // the reason in `error`.
    QImage at(const QString& path, QSize size, QString* error = nullptr);

    // Decodes those of the pictures that are not at hand yet, side by side on the processor's
    // cores, so that the calls of at() that follow find them.
    void prefetch(const std::vector<std::pair<QString, QSize>>& pictures);

    void clear();

private:
    struct Entry {
        QString stamp;  // the file's size and time when it was decoded
        QImage decoded;
        QString error;
    };
    static Entry decode(const QString& path, const QString& stamp, QSize size);
    static QString stampOf(const QString& path);
    bool covers(const QString& path, const QString& stamp, QSize size) const;
    void keep(const QString& path, Entry entry);

    QHash<QString, Entry> entries_;
    qint64 bytes_ = 0;
};
