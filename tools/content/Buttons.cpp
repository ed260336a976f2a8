#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ContentOutput.h"
#include "Drawing.h"
#include "Pictures.h"
#include "core/ShippedFiles.h"

using namespace drawing;

namespace {

const QColor kNavy(13, 43, 107);

enum class Icon { None, Play, Pause, Rewind, Skip, Record, Stop, Back, Book };

// A small symbol drawn in the square box, in the given colour.
void drawIcon(QPainter& p, Icon icon, const QRectF& box, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double s = box.width();
    const double x = box.left(), y = box.top();
    auto triangle = [&](double left, double right) {  // pointing right when left < right
        QPainterPath t;
        t.moveTo(left, y + 0.1 * s);
        t.lineTo(right, y + 0.5 * s);
        t.lineTo(left, y + 0.9 * s);
        t.closeSubpath();
        p.drawPath(t);
    };
    switch (icon) {
        case Icon::None:
            break;
        case Icon::Play:
            triangle(x + 0.18 * s, x + 0.9 * s);
            break;
        case Icon::Pause:
            p.drawRect(QRectF(x + 0.18 * s, y + 0.12 * s, 0.22 * s, 0.76 * s));
            p.drawRect(QRectF(x + 0.6 * s, y + 0.12 * s, 0.22 * s, 0.76 * s));
            break;
        case Icon::Rewind:
            p.drawRect(QRectF(x + 0.04 * s, y + 0.12 * s, 0.14 * s, 0.76 * s));
            triangle(x + 0.58 * s, x + 0.18 * s);
            triangle(x + 0.98 * s, x + 0.58 * s);
            break;
        case Icon::Skip:
            triangle(x + 0.02 * s, x + 0.42 * s);
            triangle(x + 0.42 * s, x + 0.82 * s);
            p.drawRect(QRectF(x + 0.82 * s, y + 0.12 * s, 0.14 * s, 0.76 * s));
            break;
        case Icon::Record:
            p.drawEllipse(box.center(), 0.42 * s, 0.42 * s);
            break;
        case Icon::Stop:
            p.drawRect(box.adjusted(0.12 * s, 0.12 * s, -0.12 * s, -0.12 * s));
            break;
        case Icon::Back:
            triangle(x + 0.85 * s, x + 0.1 * s);
            break;
        case Icon::Book:
            drawEmoji(p, box, QStringLiteral("📖"));
            break;
    }
    p.restore();
}

// A flat button: a coloured face with a darker rim, an optional symbol and its words.
QImage button(int width, int height, const QColor& face, const QColor& ink, Icon icon, const QString& words,
              double maxText) {
    QImage image = canvas(width, height, face);
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(face.darker(160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, width - 2, height - 2));
    const double iconSize = icon == Icon::None ? 0 : height * 0.62;
    const double pad = height * 0.19;
    if (icon != Icon::None) drawIcon(p, icon, QRectF(pad + 1, (height - iconSize) / 2, iconSize, iconSize), ink);
    const double textLeft = icon == Icon::None ? 4 : pad + iconSize + pad * 0.8;
    drawFittedText(p, QRectF(textLeft, 2, width - textLeft - 4, height - 4), words, ink, maxText);
    return image;
}

// The arrow that curves back, for "Same Task Again".
void curvedBackArrow(QPainter& p, const QRectF& box, const QColor& colour) {
    const QPointF centre = box.center();
    const double r = box.width() * 0.34;
    QPainterPath arc;
    arc.arcMoveTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200);
    arc.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 200, -290);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, box.width() * 0.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(colour, box.width() * 0.13, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    // The head at the start of the arc (200 degrees), pointing back down along the circle.
    const double angle = 200 * M_PI / 180;
    const QPointF tip(centre.x() + r * std::cos(angle), centre.y() - r * std::sin(angle));
    const double h = box.width() * 0.2;
    QPainterPath head;
    head.moveTo(tip.x() - h, tip.y() - h * 0.3);
    head.lineTo(tip.x() + h, tip.y() - h * 0.9);
    head.lineTo(tip.x() + h * 0.2, tip.y() + h * 1.1);
    head.closeSubpath();
    fillOutlined(p, head, colour, Qt::white, box.width() * 0.035);
    p.restore();
}

// A list symbol: three bullets with lines.
void listSymbol(QPainter& p, const QRectF& box) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double row = box.height() / 3;
    for (int i = 0; i < 3; ++i) {
        const double cy = box.top() + row * (i + 0.5);
        p.drawEllipse(QPointF(box.left() + row * 0.3, cy), row * 0.22, row * 0.22);
        p.drawRoundedRect(QRectF(box.left() + row * 0.75, cy - row * 0.14, box.width() - row * 0.75, row * 0.28),
                          row * 0.1, row * 0.1);
    }
    p.restore();
}

// A choice of the after-task menu: a coloured panel with big words and a symbol at the right.
QImage menuChoice(const QColor& panel, const QString& words,
                  const std::function<void(QPainter&, const QRectF&)>& symbol) {
    QImage image = canvas(606, 162, panel);
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(Qt::white, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5, 5, 596, 152), 24, 24);
    drawFittedText(p, QRectF(28, 14, 400, 134), words, Qt::white, 62);
    symbol(p, QRectF(450, 21, 120, 120));
    return image;
}

// A button of the main menu: a light-blue disc with its label, on the window's black.
QImage mainMenuButton(const QString& label) {
    QImage image = canvas(120, 100, Qt::black);
    QPainter p(&image);
    smooth(p);
    p.setPen(QPen(QColor(2, 119, 189), 3));
    p.setBrush(QColor(129, 212, 250));
    p.drawEllipse(QPointF(60, 50), 47.5, 47.5);
    p.setPen(QPen(QColor(225, 245, 254), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(20, 10, 80, 80), 40 * 16, 100 * 16);  // a highlight along the top
    // Labels of one or two words sit in the middle; longer ones may use the disc's full width.
    const QRectF textBox = label.count(QLatin1Char(' ')) > 1 ? QRectF(17, 20, 86, 60) : QRectF(22, 22, 76, 56);
    drawFittedText(p, textBox, label, kNavy, 22);
    return image;
}

// The television the clips play on: the screen area is where the player goes (640 x 480, moved
// 40 pixels left of the centre), the strip on the right holds knobs and a speaker.
QImage television() {
    QImage image = canvas(800, 600, QColor(20, 20, 20));
    QPainter p(&image);
    smooth(p);
    fillGradient(p, QRectF(0, 0, 800, 600), QColor(84, 110, 122), QColor(38, 50, 56));
    p.setPen(QPen(Qt::black, 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 3, 794, 594), 36, 36);
    p.setBrush(Qt::black);
    p.setPen(QPen(QColor(144, 164, 174), 8));
    p.drawRoundedRect(QRectF(32, 52, 656, 496), 20, 20);
    drawEmoji(p, QRectF(300, 240, 120, 120), QStringLiteral("🎬"));
    p.setPen(QPen(Qt::black, 3));
    for (int i = 0; i < 2; ++i) {
        p.setBrush(QColor(255, 179, 0));
        p.drawEllipse(QPointF(744, 110 + 90 * i), 26, 26);
        p.setBrush(Qt::black);
        p.drawRect(QRectF(741, 86 + 90 * i, 6, 24));
    }
    p.setPen(QPen(QColor(176, 190, 197), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) p.drawLine(QPointF(718, 300 + 24 * i), QPointF(770, 300 + 24 * i));
    return image;
}

}  // namespace

Status writeButtonPictures(ContentOutput& out) {
    struct Face {
        const char* name;
        QImage image;
    };
    const Face faces[] = {
        {"aobj_but_play_video.jpg",
         button(110, 30, QColor(198, 40, 40), Qt::white, Icon::Play, QStringLiteral("Play Video"), 15)},
        {"aobj_but_read_story.jpg",
         button(110, 30, QColor(106, 27, 154), Qt::white, Icon::Book, QStringLiteral("Read Story"), 15)},
        {"aobj_but_start_review.jpg",
         button(110, 30, QColor(21, 101, 192), Qt::white, Icon::None, QStringLiteral("Start Review"), 15)},
        {"aobj_but_stop_review.jpg",
         button(110, 30, QColor(198, 40, 40), Qt::white, Icon::Stop, QStringLiteral("Stop"), 15)},
        {"aobj_but_exit.jpg", button(302, 30, QColor(255, 214, 0), Qt::black, Icon::Back,
                                     QStringLiteral("Back to the Task Selection Menu"), 16)},
        {"aobj_continue_next.jpg", menuChoice(QColor(21, 101, 192), QStringLiteral("Next Task"),
                                              [](QPainter& p, const QRectF& box) {
                                                  fillOutlined(p, rightArrow(box.adjusted(4, 14, -4, -14), 0.42, 0.5),
                                                               QColor(229, 57, 53), Qt::white, 5);
                                              })},
        {"aobj_continue_replay.jpg",
         menuChoice(QColor(0, 121, 107), QStringLiteral("Same Task Again"),
                    [](QPainter& p, const QRectF& box) { curvedBackArrow(p, box, QColor(251, 140, 0)); })},
        {"aobj_continue_task.jpg",
         menuChoice(QColor(106, 27, 154), QStringLiteral("Task Selection Menu"),
                    [](QPainter& p, const QRectF& box) { listSymbol(p, box.adjusted(14, 24, -14, -24)); })},
        {"aobj_tv.jpg", television()},
        {"aobj_tv_pause.jpg", button(110, 40, QColor(230, 81, 0), Qt::white, Icon::Pause, QStringLiteral("Pause"), 18)},
        {"aobj_tv_play.jpg", button(110, 40, QColor(46, 125, 50), Qt::white, Icon::Play, QStringLiteral("Play"), 18)},
        {"aobj_tv_rewind.jpg",
         button(110, 40, QColor(21, 101, 192), Qt::white, Icon::Rewind, QStringLiteral("Rewind"), 18)},
        {"aobj_tv_skip.jpg", button(110, 40, QColor(106, 27, 154), Qt::white, Icon::Skip, QStringLiteral("Skip"), 18)},
        {"aobj_rec_start.jpg",
         button(180, 48, QColor(183, 28, 28), Qt::white, Icon::Record, QStringLiteral("Start Recording"), 20)},
        {"aobj_rec_stop.jpg",
         button(180, 48, QColor(38, 50, 56), Qt::white, Icon::Stop, QStringLiteral("Stop Recording"), 20)},
        {"aobj_rec_play.jpg", button(180, 48, QColor(46, 125, 50), Qt::white, Icon::Play, QStringLiteral("Play"), 20)},
    };
    for (const Face& face : faces) {
        if (Status s = out.writeJpeg(QString::fromUtf8(face.name), face.image); !s) return s;
    }
    // The main menu, in the order of the menu's own list of picture names.
    const char* const labels[7] = {"Start",      "Options", "Quit", "Task Maker", "View Data /\nDelete /\nAdd Student",
                                   "User Guide", "Credits"};
    for (int i = 0; i < 7; ++i) {
        const QString label = QString::fromUtf8(labels[i]);
        if (Status s = out.writeJpeg(kMenuPictures[i], mainMenuButton(label)); !s) return s;
    }
    return {};
}
