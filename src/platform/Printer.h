#pragma once

#include "core/Result.h"

#include <QImage>
#include <QRectF>
#include <QString>

// One printed document. Positions are in twips from the top left corner of the printable area.
class Printer {
public:
    virtual ~Printer() = default;

    virtual void printText(const QString& text, const QPointF& topLeftTwips) = 0;
    virtual void paintPicture(const QImage& picture, const QRectF& rectTwips) = 0;
    virtual void newPage() = 0;

    // Sends the document to the default printer; when none is set up, writes it as a PDF.
    // Returns a sentence for the teacher saying where it went, or an error naming the printer
    // or the file and the problem.
    virtual Result<QString> endDocument() = 0;

    // The printable page size in twips.
    virtual QSizeF pageSizeTwips() = 0;
};
