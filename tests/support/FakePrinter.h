#pragma once

#include "platform/Printer.h"

#include <QStringList>

#include <memory>
#include <vector>

// Records a document's operations as text lines ("text 100,200 Title", "picture 0,0 1440x1080
// 320x240", "page", "end").
class FakePrinter : public Printer {
public:
    explicit FakePrinter(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}

    void printText(const QString& text, const QPointF& at) override {
        log_->append(QStringLiteral("text %1,%2 %3").arg(at.x()).arg(at.y()).arg(text));
    }
    void paintPicture(const QImage& picture, const QRectF& r) override {
        log_->append(QStringLiteral("picture %1,%2 %3x%4 %5x%6")
                         .arg(r.x())
                         .arg(r.y())
                         .arg(r.width())
                         .arg(r.height())
                         .arg(picture.width())
                         .arg(picture.height()));
    }
    void newPage() override { log_->append(QStringLiteral("page")); }
    Result<QString> endDocument() override {
        log_->append(QStringLiteral("end"));
        if (!endProblem.isEmpty()) return Error{endProblem};
        return endMessage;
    }
    QSizeF pageSizeTwips() override { return {12240, 15840}; }  // US Letter

    QString endMessage = QStringLiteral("printed");
    QString endProblem;  // when set, the document fails with it

private:
    std::shared_ptr<QStringList> log_;
};
