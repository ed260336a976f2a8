#include "activity/LessonGeometry.h"

#include <algorithm>

#include "core/TextFormat.h"
#include "library/PathHelpers.h"

namespace activity {

namespace {

// Halves to even, in 32 bits: a screen wider than 2184 pixels is more than 32767 twips wide.
int round16(double value) { return static_cast<int>(roundHalfEven(value)); }

}  // namespace

LessonGeometry layOutLesson(const LessonInput& in) {
    LessonGeometry g;
    const int n = std::clamp(in.stepCount, 0, kMaxSlots);
    const int width = in.screen.width();
    const int height = in.screen.height();
    const LessonDesign& d = in.design;
    g.heading = QRect(0, 0, width, d.headingHeight);
    g.taskTitle = QRect(0, d.headingHeight + 1, width, d.taskTitleHeight);
    g.titlesVisible = in.pictureTitles;
    if (n == 0) return g;

    for (int p = 1; p <= n; ++p) {
        LessonPicture& place = g.places[p];
        place.step = in.layout == BoardLayout::RightToLeft ? n + 1 - p : p;
    }
    if (isVertical(in.layout)) {
        const int headings = d.headingHeight + d.taskTitleHeight;
        const int available = height - headings - 15;
        const int h = round16(available / (1.2 * n));
        const int gap = round16(double(available - h * n) / (n + 1));
        const int imageWidth = round16(1.333 * h - 2);
        for (int p = 1; p <= n; ++p) {
            const int top = headings + gap + (p - 1) * (h + gap);
            g.places[p].image = QRect(round16((width - imageWidth) / 2.0), top, imageWidth, h - 2);
        }
    } else {
        const int w = round16(width / (1.2 * n));
        const int gap = round16(double(width - w * n) / (n + 1));
        const int imageHeight = round16(0.75 * w - 2);
        int top = round16(height / 2.0);
        if (top + imageHeight > height) top = height - imageHeight - 2;
        for (int p = 1; p <= n; ++p) {
            g.places[p].image = QRect(gap + (p - 1) * (w + gap), top, w - 2, imageHeight);
        }
    }
    for (int p = 1; p <= n; ++p) {
        LessonPicture& place = g.places[p];
        place.title = QRect(place.image.left(), place.image.top() - 1 - d.pictureTitleHeight, place.image.width(),
                            d.pictureTitleHeight);
    }

    switch (in.layout) {
        case BoardLayout::TopToBottom:
            g.handFile = QStringLiteral("aobj_arrow_pointing_right.jpg");
            g.handStart = {g.places[1].image.left() - in.hand.width() - 1, -in.hand.height() - 1};
            break;
        case BoardLayout::RightToLeft:
            g.handFile = QStringLiteral("aobj_arrow_pointing_down.jpg");
            g.handStart = {width, g.places[1].title.top() - in.hand.height() - 1};
            break;
        case BoardLayout::LeftToRight:
            g.handFile = QStringLiteral("aobj_arrow_pointing_down.jpg");
            g.handStart = {-in.hand.width(), g.places[1].title.top() - in.hand.height() - 1};
            break;
    }
    for (int i = 1; i <= n; ++i) g.visitOrder.push_back(in.layout == BoardLayout::RightToLeft ? n + 1 - i : i);
    return g;
}

GlidePath lessonHandToPlace(BoardLayout layout, QSize hand, const LessonPicture& place) {
    return handToMiddleOf(layout, hand, isVertical(layout) ? place.image : place.title);
}

int twipsToPixels(double twips, int twipsPerPixel) {
    return twipsPerPixel > 0 ? roundToInt16(twips / twipsPerPixel) : roundToInt16(twips);
}

QRect twipsToPixels(QRect twips, int twipsPerPixel) {
    return {twipsToPixels(twips.left(), twipsPerPixel), twipsToPixels(twips.top(), twipsPerPixel),
            twipsToPixels(twips.width(), twipsPerPixel), twipsToPixels(twips.height(), twipsPerPixel)};
}

std::vector<LessonItem> lessonScript(const LessonScriptInput& in) {
    using Kind = LessonItem::Kind;
    const auto usable = [&](const QString& name) { return !isNone(name) && in.fileExists && in.fileExists(name); };
    const QString silence = QStringLiteral("aobj_silence_half_sec.wav");
    std::vector<LessonItem> items{{Kind::Play, silence, 0}};
    if (usable(in.introFile)) {
        items.push_back({Kind::StopWave, {}, 0});
        items.push_back({Kind::Play, QStringLiteral("aobj_lets_learn.wav"), 0});
        items.push_back({Kind::Play, in.introFile, 0});
    }
    const int n = std::clamp(in.stepCount, 0, kMaxSlots);
    for (int step = 1; step <= n; ++step) {
        // Right to left step s stands at place N + 1 - s; the places are visited step by step.
        const int place = in.layout == BoardLayout::RightToLeft ? n + 1 - step : step;
        items.push_back({Kind::MoveHand, {}, place});
        items.push_back(
            {Kind::Play, step == 1 ? QStringLiteral("aobj_first_is.wav") : QStringLiteral("aobj_next_is.wav"), 0});
        if (usable(in.narrationFile[step])) items.push_back({Kind::Play, in.narrationFile[step], 0});
        items.push_back({Kind::Play, silence, 0});
    }
    items.push_back({Kind::MoveHandOffScreen, {}, 0});
    items.push_back({Kind::Play, QStringLiteral("aobj_your_turn.wav"), 0});
    items.push_back({Kind::Play, silence, 0});
    return items;
}

}  // namespace activity
