#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "ContentOutput.h"
#include "Drawing.h"
#include "core/ShippedFiles.h"

using namespace drawing;

namespace {

const QColor kNavy(13, 43, 107);
const QColor kYellow(255, 212, 0);
const QColor kGreen(0, 200, 83);
const QColor kDarkGreen(0, 60, 20);

using Painting = std::function<void(QPainter&)>;

QImage paint(QImage image, const Painting& draw) {
    QPainter painter(&image);
    smooth(painter);
    draw(painter);
    return image;
}

// A placement box: a white card with a big dark number and a dashed "put it here" outline.
QImage boxCard(int number) {
    return paint(canvas(320, 240, Qt::white), [&](QPainter& p) {
        p.setPen(QPen(QColor(176, 190, 197), 6, Qt::DashLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(16, 16, 288, 208), 18, 18);
        drawFittedText(p, QRectF(24, 18, 272, 204), QString::number(number), kNavy, 176);
    });
}

// The arrows between the boxes: bright yellow on the black of their holder, 23 x 31.
QImage separator(bool down, bool left) {
    return paint(canvas(23, 31, Qt::black), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        if (down) {
            p.drawPath(downArrow(QRectF(1.5, 1.5, 20, 28), 0.46, 0.5));
            return;
        }
        if (left) {  // mirrored right arrow
            p.translate(23, 0);
            p.scale(-1, 1);
        }
        p.drawPath(rightArrow(QRectF(1.5, 4.5, 20, 22), 0.46, 0.55));
    });
}

// The scanning highlight: diagonal yellow and black stripes, visible on every background colour
// however thin a strip of it shows around a picture.
QImage marquee() {
    return paint(canvas(400, 300, kYellow), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        constexpr int kStripe = 14;
        for (int x = -300; x < 400; x += 2 * kStripe) {
            QPainterPath band;
            band.moveTo(x, 300);
            band.lineTo(x + kStripe, 300);
            band.lineTo(x + kStripe + 300, 0);
            band.lineTo(x + 300, 0);
            band.closeSubpath();
            p.drawPath(band);
        }
    });
}

// The pointer beside the highlighted picture: a yellow star, which reads the same on every side.
QImage scanPointer() {
    return paint(transparentCanvas(48, 48),
                 [](QPainter& p) { fillOutlined(p, star(QPointF(24, 25.5), 21.5, 9.5), kYellow, Qt::black, 3); });
}

QImage greenArrow(bool down) {
    const QSize size = down ? QSize(48, 64) : QSize(64, 48);
    return paint(transparentCanvas(size.width(), size.height()), [&](QPainter& p) {
        const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(3, 3, -3, -3);
        fillOutlined(p, down ? downArrow(box, 0.44, 0.5) : rightArrow(box, 0.44, 0.5), kGreen, kDarkGreen, 3);
    });
}

// The cursor while a picture is carried: an open hand.
QImage handCursor() {
    return paint(transparentCanvas(32, 32),
                 [](QPainter& p) { drawEmoji(p, QRectF(1, 1, 30, 30), QStringLiteral("✋")); });
}

QImage pointingHand(const QString& glyph) {
    return paint(canvas(96, 96, Qt::white), [&](QPainter& p) { drawEmoji(p, QRectF(6, 6, 84, 84), glyph); });
}

QImage checkMark() {
    return paint(canvas(300, 300, Qt::white), [](QPainter& p) {
        p.setPen(QPen(QColor(27, 94, 32), 6));
        p.setBrush(QColor(46, 160, 67));
        p.drawEllipse(QPointF(150, 150), 140, 140);
        QPainterPath tick;
        tick.moveTo(78, 158);
        tick.lineTo(128, 210);
        tick.lineTo(226, 96);
        p.setPen(QPen(Qt::white, 36, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    });
}

QImage logo(const QString& edition, const QString& bird, const QColor& top, const QColor& bottom) {
    return paint(canvas(640, 200, bottom), [&](QPainter& p) {
        fillGradient(p, QRectF(0, 0, 640, 200), top, bottom);
        p.setPen(QPen(QColor(255, 255, 255, 90), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(6, 6, 628, 188), 22, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        p.drawEllipse(QPointF(104, 100), 78, 78);
        drawEmoji(p, QRectF(50, 46, 108, 108), bird);
        drawFittedText(p, QRectF(200, 20, 420, 96), QStringLiteral("Stepwick"), Qt::white, 88);
        drawFittedText(p, QRectF(200, 112, 420, 40), edition, kYellow, 32);
        drawFittedText(p, QRectF(200, 152, 420, 30), QStringLiteral("Everyday tasks, one step at a time"), Qt::white,
                       22, false);
    });
}

// The picture that runs across the screen while the speed is measured.
QImage calibrationPicture() {
    return paint(canvas(200, 150, QColor(129, 212, 250)), [](QPainter& p) {
        p.setPen(QPen(kNavy, 6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 3, 194, 144));
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) p.drawLine(QPointF(18, 52 + 22 * i), QPointF(52 - 8 * i, 52 + 22 * i));
        drawEmoji(p, QRectF(62, 18, 120, 114), QStringLiteral("🐇"));
    });
}

QImage missingPicture() {
    return paint(canvas(320, 240, QColor(236, 239, 241)), [](QPainter& p) {
        p.setPen(QPen(QColor(120, 144, 156), 6, Qt::DashLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(14, 14, 292, 212), 16, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(96, 125, 139));
        p.drawEllipse(QPointF(160, 96), 56, 56);
        drawFittedText(p, QRectF(104, 40, 112, 112), QStringLiteral("?"), Qt::white, 96);
        drawFittedText(p, QRectF(24, 162, 272, 52), QStringLiteral("Picture missing"), QColor(38, 50, 56), 34);
    });
}

// The two kinds of computer microphone plug, for the recording help page.
void usbPlug(QPainter& p) {
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(QColor(55, 71, 79));
    p.drawRoundedRect(QRectF(150, 40, 44, 70), 8, 8);  // the moulded grip
    p.setBrush(QColor(207, 216, 220));
    p.drawRect(QRectF(156, 10, 32, 32));  // the metal shell
    p.setBrush(Qt::black);
    p.drawRect(QRectF(163, 16, 7, 7));
    p.drawRect(QRectF(174, 16, 7, 7));
    p.setPen(QPen(Qt::black, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(172, 110), QPointF(172, 134));  // the cable
}

void jackPlug(QPainter& p) {
    p.setPen(QPen(Qt::black, 3));
    p.setBrush(QColor(38, 50, 56));
    p.drawRoundedRect(QRectF(156, 56, 32, 58), 8, 8);
    p.setBrush(QColor(224, 224, 224));
    p.drawRoundedRect(QRectF(166, 8, 12, 50), 5, 5);  // the pin
    p.setBrush(Qt::black);
    p.drawRect(QRectF(166, 22, 12, 3));
    p.drawRect(QRectF(166, 34, 12, 3));
    p.setPen(QPen(Qt::black, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(172, 114), QPointF(172, 134));
}

QImage microphone(const QString& caption, void (*plug)(QPainter&)) {
    return paint(canvas(240, 180, Qt::white), [&](QPainter& p) {
        p.setPen(QPen(QColor(176, 190, 197), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 237, 177));
        drawEmoji(p, QRectF(24, 18, 110, 110), QStringLiteral("🎤"));
        plug(p);
        drawFittedText(p, QRectF(8, 138, 224, 36), caption, kNavy, 24);
    });
}

}  // namespace

Status writeProgramPictures(ContentOutput& out) {
    for (int n = 1; n <= 10; ++n) {
        if (Status s = out.writeJpeg(QStringLiteral("aobj_seq%1.jpg").arg(n), boxCard(n)); !s) return s;
    }
    struct Still {
        QString name;
        QImage image;
    };
    const Still stills[] = {
        {"aobj_seq_black.jpg", canvas(320, 240, Qt::black)},
        {"aobj_separator_right.jpg", separator(false, false)},
        {"aobj_separator_left.jpg", separator(false, true)},
        {"aobj_separator_down.jpg", separator(true, false)},
        {"aobj_marquis.jpg", marquee()},
        {"aobj_arrow_pointing_down.jpg", pointingHand(QStringLiteral("👇"))},
        {"aobj_arrow_pointing_right.jpg", pointingHand(QStringLiteral("👉"))},
        {"aobj_check.jpg", checkMark()},
        {kKestrelLogo,
         logo(QStringLiteral("Kestrel edition"), QStringLiteral("🦅"), QColor(13, 71, 161), QColor(25, 118, 210))},
        {kLarkinLogo,
         logo(QStringLiteral("Larkin edition"), QStringLiteral("🐦"), QColor(27, 94, 32), QColor(67, 160, 71))},
        {"aobj_calibrate.jpg", calibrationPicture()},
        {"aobj_missing_pic.jpg", missingPicture()},
        {"aobj_mic_usb.jpg", microphone(QStringLiteral("USB connector"), usbPlug)},
        {"aobj_mic_jack.jpg", microphone(QStringLiteral("1/8 inch connector"), jackPlug)},
    };
    for (const Still& still : stills) {
        if (Status s = out.writeJpeg(still.name, still.image); !s) return s;
    }
    if (Status s = out.writeGif(QStringLiteral("aobj_scan_pointer.gif"), scanPointer()); !s) return s;
    if (Status s = out.writeGif(QStringLiteral("aobj_green_arrow_down.gif"), greenArrow(true)); !s) return s;
    if (Status s = out.writeGif(QStringLiteral("aobj_green_arrow_right.gif"), greenArrow(false)); !s) return s;
    return out.writeIcon(QStringLiteral("aobj_hand.ico"), handCursor());
}
