#include "ContactSheet.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>

#include "ContentOutput.h"
#include "Drawing.h"

namespace {

constexpr int kColumns = 8;
constexpr int kCellWidth = 230;
constexpr int kPictureHeight = 160;
constexpr int kCellHeight = kPictureHeight + 44;
constexpr int kHeading = 40;

// A chequered ground, so that transparent parts and white edges stay visible.
void chequer(QPainter& p, const QRect& area) {
    constexpr int kSquare = 8;
    for (int y = area.top(); y < area.bottom(); y += kSquare) {
        for (int x = area.left(); x < area.right(); x += kSquare) {
            const bool dark = ((x - area.left()) / kSquare + (y - area.top()) / kSquare) % 2 == 0;
            p.fillRect(QRect(x, y, kSquare, kSquare).intersected(area),
                       dark ? QColor(150, 150, 150) : QColor(110, 110, 110));
        }
    }
}

int drawSection(QPainter& p, int top, const QString& heading, const std::vector<const ContentOutput::Picture*>& list) {
    p.setPen(Qt::white);
    p.setFont(drawing::textFont(24));
    p.drawText(QRect(10, top, kColumns * kCellWidth, kHeading), Qt::AlignVCenter | Qt::AlignLeft, heading);
    top += kHeading;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto& picture = *list[i];
        const QRect cell(static_cast<int>(i % kColumns) * kCellWidth,
                         top + static_cast<int>(i / kColumns) * kCellHeight, kCellWidth, kCellHeight);
        const QRect slot = cell.adjusted(8, 6, -8, -(kCellHeight - kPictureHeight));
        chequer(p, slot);
        // Small pictures are shown at most three times enlarged, never smaller than they are
        // unless the cell demands it.
        const QSize size = picture.image.size();
        const double scale =
            std::min({3.0, double(slot.width()) / size.width(), double(slot.height()) / size.height()});
        const QSize shown(std::max(1, int(size.width() * scale)), std::max(1, int(size.height() * scale)));
        const QRect target(slot.center().x() - shown.width() / 2, slot.center().y() - shown.height() / 2, shown.width(),
                           shown.height());
        p.drawImage(target, picture.image);
        p.setPen(Qt::white);
        p.setFont(drawing::textFont(12, false));
        p.drawText(QRect(cell.left() + 4, slot.bottom() + 4, kCellWidth - 8, 34),
                   Qt::AlignHCenter | Qt::TextWrapAnywhere,
                   QStringLiteral("%1 (%2×%3)").arg(picture.name).arg(size.width()).arg(size.height()));
    }
    const int rows = static_cast<int>((list.size() + kColumns - 1) / kColumns);
    return top + rows * kCellHeight;
}

}  // namespace

Status writeContactSheet(const ContentOutput& out, const QString& path) {
    std::vector<const ContentOutput::Picture*> program, library;
    for (const auto& picture : out.pictures()) (picture.library ? library : program).push_back(&picture);
    auto rowsOf = [](std::size_t n) { return static_cast<int>((n + kColumns - 1) / kColumns); };
    const int height = 2 * kHeading + (rowsOf(program.size()) + rowsOf(library.size())) * kCellHeight + 10;
    QImage sheet(kColumns * kCellWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 48));
    {
        QPainter p(&sheet);
        drawing::smooth(p);
        const int next = drawSection(p, 0, QStringLiteral("Program pictures"), program);
        drawSection(p, next, QStringLiteral("Demo library"), library);
    }
    QImageWriter writer(path, "png");
    if (!writer.write(sheet)) {
        return Error{QStringLiteral("The contact sheet %1 cannot be written: %2").arg(path, writer.errorString())};
    }
    return {};
}
