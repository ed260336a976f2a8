#include "platform/QtPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

QString printFileStem(const QString& folder, const QString& dateTime) {
    const QString stem = QStringLiteral("Print ") + dateTime;
    // Two pages printed within the same second must not overwrite each other.
    QString name = stem;
    for (int n = 2; QFileInfo::exists(QDir(folder).filePath(name + QStringLiteral(".pdf"))); ++n) {
        name = stem + QStringLiteral(" (%1)").arg(n);
    }
    return name;
}

QtPrinter::QtPrinter(const QString& pdfFolder, const QString& fileStem) : printer_(QPrinter::HighResolution) {
    const QPrinterInfo device = QPrinterInfo::defaultPrinter();
    if (!device.isNull()) {
        printer_.setPrinterName(device.printerName());
        return;
    }
    printer_.setOutputFormat(QPrinter::PdfFormat);
    if (!QDir().mkpath(pdfFolder)) {
        problem_ = QCoreApplication::translate("QtPrinter", "No printer is set up, and the folder %1 cannot be made.")
                       .arg(pdfFolder);
        return;
    }
    pdfPath_ = QDir(pdfFolder).absoluteFilePath(fileStem + QStringLiteral(".pdf"));
    printer_.setOutputFileName(pdfPath_);
}

QtPrinter::~QtPrinter() {
    // A document that was started but never ended is still finished, never left half made.
    if (painter_ && painter_->isActive()) painter_->end();
}

QPainter* QtPrinter::painter() {
    if (!problem_.isEmpty() || ended_) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            problem_ = pdfPath_.isEmpty()
                           ? QCoreApplication::translate("QtPrinter", "The printer %1 cannot be used.")
                                 .arg(printer_.printerName())
                           : QCoreApplication::translate("QtPrinter", "No printer is set up, and %1 cannot be written.")
                                 .arg(pdfPath_);
            painter_.reset();
        }
    }
    return painter_.get();
}

QPointF QtPrinter::toDevice(const QPointF& twips) const {
    return {twips.x() * printer_.resolution() / kTwipsPerInch, twips.y() * printer_.resolution() / kTwipsPerInch};
}

void QtPrinter::printText(const QString& text, const QPointF& topLeftTwips) {
    QPainter* p = painter();
    if (!p) return;
    const QPointF topLeft = toDevice(topLeftTwips);
    const QRectF room(topLeft, QSizeF(p->viewport().width() - topLeft.x(), p->viewport().height() - topLeft.y()));
    p->drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void QtPrinter::paintPicture(const QImage& picture, const QRectF& rectTwips) {
    QPainter* p = painter();
    if (!p || picture.isNull()) return;
    const QRectF target(toDevice(rectTwips.topLeft()), toDevice(rectTwips.bottomRight()));
    p->drawImage(target, picture);
}

void QtPrinter::newPage() {
    if (QPainter* p = painter()) {
        static_cast<void>(p);
        printer_.newPage();
    }
}

Result<QString> QtPrinter::endDocument() {
    if (ended_) return Error{QCoreApplication::translate("QtPrinter", "The document was already finished.")};
    // A document with nothing on it is still one (blank) page, as the teacher asked for a print.
    painter();
    if (!problem_.isEmpty()) return Error{problem_};
    ended_ = true;
    if (!painter_->end()) {
        return Error{pdfPath_.isEmpty()
                         ? QCoreApplication::translate("QtPrinter", "The page could not be sent to the printer %1.")
                               .arg(printer_.printerName())
                         : QCoreApplication::translate("QtPrinter", "No printer is set up, and %1 cannot be written.")
                               .arg(pdfPath_)};
    }
    if (pdfPath_.isEmpty()) {
        return QCoreApplication::translate("QtPrinter", "The page was sent to the printer %1.")
            .arg(printer_.printerName());
    }
    if (QFileInfo(pdfPath_).size() <= 0) {
        return Error{
            QCoreApplication::translate("QtPrinter", "No printer is set up, and %1 cannot be written.").arg(pdfPath_)};
    }
    return QCoreApplication::translate("QtPrinter", "No printer is set up, so the page was saved as %1.")
        .arg(QDir::toNativeSeparators(pdfPath_));
}

QSizeF QtPrinter::pageSizeTwips() {
    const QRectF area = printer_.pageLayout().paintRect(QPageLayout::Inch);
    return {area.width() * kTwipsPerInch, area.height() * kTwipsPerInch};
}
