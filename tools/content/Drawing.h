#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// Fonts and shapes shared by every picture the generator draws. Text is DejaVu Sans and
// pictograms come from Noto Color Emoji, both loaded from the files Debian installs, so that
// the pictures do not depend on which fonts a build machine happens to prefer.
namespace drawing {

// Loads the two font files; an error names the missing file.
bool loadFonts(QString* problem);

QFont textFont(double pixelSize, bool bold = true);
QFont emojiFont(double pixelSize);

// A new picture filled with one colour.
QImage canvas(int width, int height, const QColor& fill);
// A new picture with a transparent background (for GIF and ICO pictures).
QImage transparentCanvas(int width, int height);

// Turns on every kind of smoothing.
void smooth(QPainter& painter);

// Draws text centred in the box, word-wrapped, in the largest bold size up to maxPixelSize
// that fits. Returns the size used.
double drawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour,
                      double maxPixelSize, bool bold = true);

// Draws pictograms side by side, centred in the box, as large as the box allows.
void drawEmojiRow(QPainter& painter, const QRectF& box, const QStringList& glyphs, double gap = 0.08);

// True when the emoji font draws the pictogram.
bool hasEmoji(const QString& glyph);

// One pictogram filling the box (kept in proportion, centred).
void drawEmoji(QPainter& painter, const QRectF& box, const QString& glyph);

// A filled shape with a dark outline of the given width.
void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, const QColor& outline,
                  double outlineWidth);

// A block arrow pointing right that fills the box: a shaft of shaftRatio of the box's height
// and a head of headRatio of its width.
QPainterPath rightArrow(const QRectF& box, double shaftRatio = 0.42, double headRatio = 0.5);
// The same arrow turned to point down, filling the box.
QPainterPath downArrow(const QRectF& box, double shaftRatio = 0.42, double headRatio = 0.5);
// A five-pointed star.
QPainterPath star(const QPointF& centre, double outerRadius, double innerRadius);

// A vertical gradient from top to bottom colour, as a brush for a rectangle.
void fillGradient(QPainter& painter, const QRectF& box, const QColor& top, const QColor& bottom);

}  // namespace drawing
