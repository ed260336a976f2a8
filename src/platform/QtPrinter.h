#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/Printer.h"

// One document for the default printer, or, when no printer is set up, a PDF file in a folder.
class QtPrinter : public Printer {
public:
    // pdfFolder: where the document goes when there is no printer (made when needed).
    // fileStem: the PDF's name without extension, normally the date and time.
    QtPrinter(const QString& pdfFolder, const QString& fileStem);
    ~QtPrinter() override;

    void printText(const QString& text, const QPointF& topLeftTwips) override;
    void paintPicture(const QImage& picture, const QRectF& rectTwips) override;
    void newPage() override;
    Result<QString> endDocument() override;
    QSizeF pageSizeTwips() override;

private:
    QPainter* painter();  // begins the document on first use; null when the printer cannot start
    QPointF toDevice(const QPointF& twips) const;

    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    QString pdfPath_;  // empty when a real printer is used
    QString problem_;  // why the document could not be made
    bool ended_ = false;
};

// A PDF name from a date and time, "Print 2024-05-01 14.03.22", made unique in the folder.
QString printFileStem(const QString& folder, const QString& dateTime);
