#include "Drawing.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace drawing {
namespace {

const char* const kTextFontFiles[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                      "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
const char* const kEmojiFontFile = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

QString textFamily;
QString emojiFamily;

QString addFont(const char* file, QString* problem) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        *problem = QStringLiteral("The font file %1 cannot be loaded (is its Debian package installed?).")
                       .arg(QString::fromUtf8(file));
        return {};
    }
    return families.first();
}

// The smallest rectangle holding every visible pixel.
QRect visibleArea(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The pictogram at the font's own bitmap size, cropped to its visible pixels. Kept, because the
// library draws the same pictograms many times.
const QImage& emojiImage(const QString& glyph) {
    static QHash<QString, QImage> cache;
    const auto found = cache.constFind(glyph);
    if (found != cache.constEnd()) return *found;
    constexpr int kNative = 136;  // the size of the font's bitmaps: sharpest when drawn 1:1
    QImage big(kNative * 2, kNative * 2, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        smooth(p);
        p.setFont(emojiFont(kNative));
        p.drawText(big.rect(), Qt::AlignCenter, glyph);
    }
    const QRect area = visibleArea(big);
    return *cache.insert(glyph, area.isNull() ? QImage() : big.copy(area));
}

QRectF fitCentred(const QSizeF& size, const QRectF& box) {
    const double scale = std::min(box.width() / size.width(), box.height() / size.height());
    const QSizeF scaled = size * scale;
    return {box.center().x() - scaled.width() / 2, box.center().y() - scaled.height() / 2, scaled.width(),
            scaled.height()};
}

}  // namespace

bool loadFonts(QString* problem) {
    for (const char* file : kTextFontFiles) {
        textFamily = addFont(file, problem);
        if (textFamily.isEmpty()) return false;
    }
    emojiFamily = addFont(kEmojiFontFile, problem);
    return !emojiFamily.isEmpty();
}

QFont textFont(double pixelSize, bool bold) {
    QFont font(textFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont emojiFont(double pixelSize) {
    QFont font(emojiFamily);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    return font;
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage transparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

double drawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour,
                      double maxPixelSize, bool bold) {
    constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap;
    double size = maxPixelSize;
    for (; size > 6; size -= 0.5) {
        const QRectF needed = QFontMetricsF(textFont(size, bold)).boundingRect(box, kFlags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height()) break;
    }
    painter.save();
    painter.setFont(textFont(size, bold));
    painter.setPen(colour);
    painter.drawText(box, kFlags, text);
    painter.restore();
    return size;
}

void drawEmoji(QPainter& painter, const QRectF& box, const QString& glyph) {
    const QImage& image = emojiImage(glyph);
    if (image.isNull()) return;
    painter.drawImage(fitCentred(image.size(), box), image);
}

void drawEmojiRow(QPainter& painter, const QRectF& box, const QStringList& glyphs, double gap) {
    if (glyphs.isEmpty()) return;
    // Every pictogram gets the same height; the row is scaled down as a whole to fit the box.
    double rowWidth = 0;
    const double unit = 100;
    for (const QString& glyph : glyphs) {
        const QImage& image = emojiImage(glyph);
        if (image.isNull()) continue;
        rowWidth += unit * image.width() / image.height();
    }
    rowWidth += unit * gap * (glyphs.size() - 1);
    const QRectF row = fitCentred(QSizeF(rowWidth, unit), box);
    const double scale = row.height() / unit;
    double x = row.left();
    for (const QString& glyph : glyphs) {
        const QImage& image = emojiImage(glyph);
        if (image.isNull()) continue;
        const double width = scale * unit * image.width() / image.height();
        painter.drawImage(QRectF(x, row.top(), width, row.height()), image);
        x += width + scale * unit * gap;
    }
}

bool hasEmoji(const QString& glyph) {
    // Qt would quietly draw a missing pictogram from another font; ask the emoji font itself.
    const QFontMetricsF metrics(emojiFont(136));
    for (const char32_t code : glyph.toUcs4()) {
        const bool joiner = code == 0x200D || code == 0xFE0E || code == 0xFE0F;
        if (!joiner && !metrics.inFontUcs4(code)) return false;
    }
    return !emojiImage(glyph).isNull();
}

void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, const QColor& outline,
                  double outlineWidth) {
    painter.save();
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(shape);
    painter.restore();
}

QPainterPath rightArrow(const QRectF& box, double shaftRatio, double headRatio) {
    const double shaftHalf = box.height() * shaftRatio / 2;
    const double headStart = box.right() - box.width() * headRatio;
    const double mid = box.center().y();
    QPainterPath path;
    path.moveTo(box.left(), mid - shaftHalf);
    path.lineTo(headStart, mid - shaftHalf);
    path.lineTo(headStart, box.top());
    path.lineTo(box.right(), mid);
    path.lineTo(headStart, box.bottom());
    path.lineTo(headStart, mid + shaftHalf);
    path.lineTo(box.left(), mid + shaftHalf);
    path.closeSubpath();
    return path;
}

QPainterPath downArrow(const QRectF& box, double shaftRatio, double headRatio) {
    const double shaftHalf = box.width() * shaftRatio / 2;
    const double headStart = box.bottom() - box.height() * headRatio;
    const double mid = box.center().x();
    QPainterPath path;
    path.moveTo(mid - shaftHalf, box.top());
    path.lineTo(mid + shaftHalf, box.top());
    path.lineTo(mid + shaftHalf, headStart);
    path.lineTo(box.right(), headStart);
    path.lineTo(mid, box.bottom());
    path.lineTo(box.left(), headStart);
    path.lineTo(mid - shaftHalf, headStart);
    path.closeSubpath();
    return path;
}

QPainterPath star(const QPointF& centre, double outerRadius, double innerRadius) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? outerRadius : innerRadius;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

void fillGradient(QPainter& painter, const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(box, gradient);
}

}  // namespace drawing
