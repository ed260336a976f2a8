#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/Result.h"
#include "platform/WavFile.h"

// The folder the generator fills, and a note of every picture written, for the contact sheet.
class ContentOutput {
public:
    explicit ContentOutput(QString folder);

    const QString& folder() const { return folder_; }
    QString path(const QString& name) const;

    Status writeBytes(const QString& name, const QByteArray& bytes);
    // Text files of the program: UTF-8, every line ended by CR LF.
    Status writeLines(const QString& name, const QStringList& lines);
    Status writeJpeg(const QString& name, const QImage& image);
    Status writeGif(const QString& name, const QImage& image);
    Status writeIcon(const QString& name, const QImage& image);
    Status writeWave(const QString& name, const PcmAudio& audio);

    struct Picture {
        QString name;
        QImage image;
        bool library = false;  // a picture of the demo library rather than of the program
    };
    const std::vector<Picture>& pictures() const { return pictures_; }
    // Pictures written from now on belong to the demo library (for the contact sheet).
    void startLibraryPictures() { library_ = true; }

private:
    Status writeImage(const QString& name, const QImage& image, const char* format, int quality);

    QString folder_;
    std::vector<Picture> pictures_;
    bool library_ = false;
};
