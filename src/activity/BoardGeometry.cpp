#include "activity/BoardGeometry.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/TextFormat.h"

namespace activity {

namespace {

// Every position is a 16-bit whole pixel; halves round to the even one.
int px(double value) { return roundToInt16(value); }

int clampedCount(int stepCount) { return std::clamp(stepCount, 0, kMaxSlots); }

QString text(const char* source) { return QCoreApplication::translate("FormAnimation", source); }

// The window, the task title, the status line and the buttons along the top: the same for
// every layout.
BoardGeometry layOutCommon(const BoardInput& in) {
    BoardGeometry g;
    const BoardDesign& d = in.design;
    const int w0 = in.screen.width();
    const int h0 = in.screen.height();
    g.window = QRect(0, 0, w0, h0);

    // The video button waits out of sight unless there is a clip to play; the review button
    // stands right of it, which puts it in the corner when the video button is out of sight.
    const bool video = in.videoFileExists && in.options.videoButton;
    const int videoLeft = video ? 0 : -d.videoButton.width() - 1;
    g.videoButton = {QRect(QPoint(videoLeft, 0), d.videoButton), video};
    g.reviewButton = {QRect(QPoint(videoLeft + d.videoButton.width() + 1, 0), d.reviewButton), in.options.reviewButton};

    g.taskTitle = QRect(0, 0, w0, d.taskTitleHeight);
    g.taskTitleCaption = escapeAmpersands(in.taskTitle);
    g.statusLine = QRect(0, h0 - d.statusLineHeight, w0, d.statusLineHeight);
    g.statusCaption = statusLineText(in.student, in.options.accessMethod, in.options.scanInterval);
    g.exitButton = {QRect(QPoint(w0 - d.exitButton.width(), 0), d.exitButton), true};
    g.titlesVisible = in.options.pictureTitles;
    g.home.layout = in.options.layout;
    return g;
}

// The picture's frame: the image with a one-pixel border, and the title above it when titles
// are shown. Returns the picture's size.
QSize frameSlot(SlotRects& s, const BoardInput& in, QSize imageSize) {
    const int titleHeight = in.design.pictureTitleHeight;
    const int imageTop = in.options.pictureTitles ? titleHeight + 1 : 1;
    s.image = QRect(1, imageTop, imageSize.width(), imageSize.height());
    const int height = (in.options.pictureTitles ? titleHeight : 0) + imageSize.height() + 2;
    const int width = imageSize.width() + 2;
    s.title = QRect(1, 1, width - 2, titleHeight);
    return {width, height};
}

// The texts and pictures of slot k, and the card of box k.
void fillSlot(SlotRects& s, const BoardInput& in, int k) {
    const int n = clampedCount(in.stepCount);
    const int step = in.slotStep[k];
    const bool known = step >= 1 && step <= kMaxSlots;
    s.pictureFile = known ? in.boardPictureFile[step] : QStringLiteral("0");
    s.titleCaption = known ? escapeAmpersands(in.stepDescription[step]) : QString();
    if (in.options.numberedBoxes) {
        // Right to left the right-most box shows 1.
        s.faceNumber = in.options.layout == BoardLayout::RightToLeft ? n + 1 - k : k;
        s.faceFile = QStringLiteral("aobj_seq%1.jpg").arg(s.faceNumber);
    } else {
        s.faceNumber = 0;
        s.faceFile = QStringLiteral("aobj_seq_black.jpg");
    }
}

// The box has the picture's size; its card sits inside a 7-pixel frame.
void sizeBox(SlotRects& s, QPoint topLeft) {
    const QSize size = s.picture.size();
    s.face = QRect(7, 7, size.width() - 14, size.height() - 14);
    s.box = QRect(topLeft, size);
}

// The other side of a picture frame `side` long, in the proportion of the image control (whose
// side along the row or column is `controlSide`, the other `aspect` times it, both rounded).
// A control of no size counts as exactly in proportion.
double scaledSide(int side, int controlSide, double aspect) {
    const int along = px(controlSide);
    const int across = px(aspect * along);
    return along > 0 ? double(side) / along * across : aspect * side;
}

// An arrow fills the room between two pictures, less one pixel, and keeps the shape of the
// arrow picture; it stands just after the box before it, centred on the row (or column).
void placeArrows(BoardGeometry& g, int n, QSize design, bool vertical) {
    for (int b = 2; b <= n; ++b) {
        const QRect& before = g.slots[b - 1].picture;
        const QRect& after = g.slots[b].picture;
        const QRect& box = g.slots[b - 1].box;
        if (vertical) {
            const int height = std::max(0, after.top() - (before.top() + before.height()) - 1);
            const int width = design.height() > 0 ? px(double(height) * design.width() / design.height()) : 0;
            const int left = px(box.left() + box.width() / 2.0 - width / 2.0);
            g.slots[b].separator = QRect(left, box.top() + box.height() + 1, width, height);
        } else {
            const int width = std::max(0, after.left() - (before.left() + before.width()) - 1);
            const int height = design.width() > 0 ? px(double(width) * design.height() / design.width()) : 0;
            const int top = px(box.top() + box.height() / 2.0 - height / 2.0);
            g.slots[b].separator = QRect(box.left() + box.width() + 1, top, width, height);
        }
    }
}

}  // namespace

QPoint BoardHome::home(int slot) const {
    if (slot < 1 || slot > kMaxSlots) return {};
    return isVertical(layout) ? QPoint(HomeColumnLeft, HomeTop[slot]) : QPoint(HomeLeft[slot], HomeRowTop);
}

BoardGeometry layOutBoard(const BoardInput& in) {
    if (isVertical(in.options.layout)) return layOutBoardVertical(in);
    BoardGeometry g = layOutCommon(in);
    const int n = clampedCount(in.stepCount);
    if (n == 0) return g;
    const int w0 = in.screen.width();
    const int h0 = in.screen.height();
    const BoardDesign& d = in.design;

    g.PictureWidth = static_cast<std::int16_t>(n == 2 ? px(w0 / 3.4) : px(w0 / (n * 1.2)));
    const int pw = g.PictureWidth;
    g.gap = static_cast<std::int16_t>(px(double(w0 - n * pw) / (n + 1)));
    g.separatorFile = in.options.layout == BoardLayout::RightToLeft ? QStringLiteral("aobj_separator_left.jpg")
                                                                    : QStringLiteral("aobj_separator_right.jpg");

    for (int k = 1; k <= n; ++k) {
        SlotRects& s = g.slots[k];
        fillSlot(s, in, k);
        const double height = scaledSide(pw, in.imageSize[k].width(), 0.75);
        const QSize frame = frameSlot(s, in, QSize(pw - 2, px(height - 2)));
        const int hk = frame.height();

        int top = px(h0 / 2.0 - hk / 2.0 - hk - 15);
        if (d.taskTitleHeight + 10 > top) top = d.taskTitleHeight + 10;
        const int left = g.gap + (k - 1) * (pw + g.gap);
        s.picture = QRect(QPoint(left, top), frame);
        g.home.HomeLeft[k] = static_cast<std::int16_t>(left);

        // The box row below the centre; a box whose bottom comes near the status line is put
        // 14 pixels above it.
        int boxTop = px(hk / 2.0 + h0 / 2.0 + 15);
        if (boxTop + hk > h0 - hk - d.statusLineHeight - 14) boxTop = h0 - hk - d.statusLineHeight - 14;
        sizeBox(s, QPoint(left, boxTop));
    }
    g.home.HomeRowTop = static_cast<std::int16_t>(g.slots[1].picture.top());

    placeArrows(g, n, d.separatorImage, false);
    return g;
}

BoardGeometry layOutBoardVertical(const BoardInput& in) {
    BoardGeometry g = layOutCommon(in);
    const int n = clampedCount(in.stepCount);
    if (n == 0) return g;
    const int w0 = in.screen.width();
    const int h0 = in.screen.height();
    const BoardDesign& d = in.design;

    const int margin = 50 - 5 * n;
    const int topArea = d.taskTitleHeight + 1 + margin;
    const int bottomArea = d.statusLineHeight + 1 + margin;
    const int highlightRoom = in.options.accessMethod <= 3 ? 6 : 0;
    const int title = in.options.pictureTitles ? d.pictureTitleHeight : 0;
    int ph = px(double(h0 - (topArea + bottomArea + n * title + 2 * highlightRoom * n + (n - 1) * (50 - 4 * n))) / n);
    if (n == 2) ph = px(0.7 * ph);
    g.PictureHeight = static_cast<std::int16_t>(ph);
    g.gap = static_cast<std::int16_t>(px(double(h0 - d.taskTitleHeight - d.statusLineHeight - n * ph) / n));
    g.separatorFile = QStringLiteral("aobj_separator_down.jpg");

    for (int k = 1; k <= n; ++k) {
        SlotRects& s = g.slots[k];
        fillSlot(s, in, k);
        const double width = scaledSide(ph, in.imageSize[k].height(), 1.333333);
        const QSize frame = frameSlot(s, in, QSize(px(width - 2), ph - 2));
        const int wk = frame.width();

        const int top = px(double(ph + g.gap) * (k - 1) + topArea + highlightRoom);
        int left = px(w0 / 2.0 - wk / 2.0 - wk - 15);
        if (left < 10) left = 10;
        s.picture = QRect(QPoint(left, top), frame);
        g.home.HomeLeft[k] = static_cast<std::int16_t>(left);
        g.home.HomeTop[k] = static_cast<std::int16_t>(top);

        // The box column right of the centre, kept on the screen.
        int boxLeft = px(wk / 2.0 + w0 / 2.0 + 15);
        if (boxLeft + wk > w0) boxLeft = w0 - wk - 10;
        sizeBox(s, QPoint(boxLeft, top));
    }
    g.home.HomeColumnLeft = static_cast<std::int16_t>(g.slots[1].picture.left());

    placeArrows(g, n, d.separatorImage, true);
    return g;
}

QString statusLineText(const QString& student, int accessMethod, std::int16_t scanInterval) {
    QString controls;
    switch (knownChoice(static_cast<std::int16_t>(accessMethod), kAccessMethodChoices)) {
        case 2:
            controls = text(" Controls: Touch window or mouse click selects");
            break;
        case 3:
            // The number keeps the blank that stands for its sign: "set to  2 seconds".
            controls = text(" Controls: Timed Scanning <enter>, <space>, mouse click selects - set to ") +
                       (scanInterval >= 0 ? QStringLiteral(" ") : QString()) + QString::number(scanInterval) +
                       text(" seconds");
            break;
        case 4:
            controls = text(" Controls: Drag and Drop with a mouse");
            break;
        case 5:
            controls = text(" Controls: Mouse click to pick up picture, second mouse click to place picture");
            break;
        default:
            controls = text(" Controls: 2 switches, <space> scans, <enter> selects");
            break;
    }
    return text("Logged on as: ") + student + QStringLiteral("    ") + controls;
}

std::array<QString, kMaxSlots + 1> boardPictureFiles(const std::array<QString, kMaxSlots + 1>& stepPictureFile,
                                                     int stepCount,
                                                     const std::function<bool(const QString&)>& fileExists) {
    std::array<QString, kMaxSlots + 1> files;
    files.fill(QStringLiteral("0"));
    for (int s = 1; s <= clampedCount(stepCount); ++s) {
        if (fileExists(stepPictureFile[s])) files[s] = stepPictureFile[s];
    }
    return files;
}

BoardPictures boardPictures(BoardLayout layout) {
    BoardPictures p;
    p.targetArrow =
        isVertical(layout) ? QStringLiteral("aobj_green_arrow_right.gif") : QStringLiteral("aobj_green_arrow_down.gif");
    p.checkHand = isVertical(layout) ? QStringLiteral("aobj_arrow_pointing_right.jpg")
                                     : QStringLiteral("aobj_arrow_pointing_down.jpg");
    return p;
}

}  // namespace activity
