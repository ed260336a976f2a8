#include "activity/Motion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace activity {

std::int64_t killtimeCount(double n) {
    if (!(n >= 0)) return 1;
    if (n >= 9.0e18) return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(std::floor(n)) + 1;
}

GlidePath returnHomePath(const BoardHome& home, int slot, QSize picture, HomeVariant variant) {
    const QPoint target = home.home(slot);
    GlidePath path;
    if (isVertical(home.layout)) {
        path.legs = {{Axis::X, -1, double(home.HomeColumnLeft + picture.width() + kClearance)},
                     {Axis::Y, -1, double(target.y())},
                     {Axis::Y, +1, double(target.y())},
                     {Axis::X, -1, double(home.HomeColumnLeft)}};
        if (variant == HomeVariant::Rejection) path.legs.push_back({Axis::X, +1, double(home.HomeColumnLeft)});
    } else {
        path.legs = {{Axis::Y, -1, double(home.HomeRowTop + picture.height() + kClearance)},
                     {Axis::X, -1, double(target.x())},
                     {Axis::X, +1, double(target.x())},
                     {Axis::Y, -1, double(home.HomeRowTop)}};
        if (variant == HomeVariant::Rejection) path.legs.push_back({Axis::Y, +1, double(home.HomeRowTop)});
    }
    path.snap = target;
    return path;
}

GlidePath putInPath(BoardLayout layout, QSize picture, QPoint box) {
    GlidePath path;
    if (isVertical(layout)) {
        path.legs = {{Axis::X, +1, double(box.x() - kClearance - picture.width())},
                     {Axis::Y, -1, double(box.y())},
                     {Axis::Y, +1, double(box.y())},
                     {Axis::X, +1, double(box.x())}};
    } else {
        path.legs = {{Axis::Y, +1, double(box.y() - kClearance - picture.height())},
                     {Axis::X, -1, double(box.x())},
                     {Axis::X, +1, double(box.x())},
                     {Axis::Y, +1, double(box.y())}};
    }
    path.snap = box;
    return path;
}

bool beyondClearance(const BoardHome& home, QRect picture) {
    if (isVertical(home.layout)) return picture.left() > home.HomeColumnLeft + picture.width() + kClearance;
    return picture.top() > home.HomeRowTop + picture.height() + kClearance;
}

std::vector<int> boxesCrossedByRejection(const BoardHome& home, QRect picture,
                                         const std::array<QRect, kMaxSlots + 1>& boxes, int stepCount) {
    std::vector<int> crossed;
    if (!beyondClearance(home, picture)) return crossed;
    const bool vertical = isVertical(home.layout);
    for (int b = 1; b <= std::clamp(stepCount, 0, kMaxSlots); ++b) {
        const QRect& box = boxes[b];
        const int edge = vertical ? picture.top() : picture.left();
        const int from = vertical ? box.top() : box.left();
        const int span = vertical ? box.height() : box.width();
        if (from <= edge && edge <= from + span) crossed.push_back(b);
    }
    return crossed;
}

SelectedMove beginSelectedMove(BoardState& state, int slot) {
    countOne(state.PictureMoves);
    state.PlacedCorrectly = 0;
    SelectedMove move;
    if (slot < 1 || slot > slotCount(state)) return move;
    move.step = state.SlotStep[slot];
    const int holding = boxHoldingStep(state, move.step);
    move.takeOut = holding != 0;
    move.box = move.takeOut ? holding : firstEmptyBox(state);
    return move;
}

Judgement finishSelectedMove(BoardState& state, const BoardOptions& options, int slot, const SelectedMove& move) {
    if (move.box < 1 || move.box > kMaxSlots) return {};
    if (move.takeOut) {
        emptyBox(state, move.box);
        return {};
    }
    state.BoxStep[move.box] = static_cast<std::int16_t>(move.step);
    state.BoxSlot[move.box] = static_cast<std::int16_t>(slot);
    return judgePlacement(state, options, move.box);
}

}  // namespace activity
