#include "activity/ScanOrder.h"

#include <vector>

#include "core/TextFormat.h"

namespace activity {

namespace {

std::vector<int> scanCandidates(const BoardState& state, const BoardOptions& options) {
    const int n = slotCount(state);
    std::vector<int> list;
    for (int k = 1; k <= n; ++k) {
        bool inBox = false;
        for (int b = 1; b <= n; ++b) inBox = inBox || state.BoxSlot[b] == k;
        if (!inBox) list.push_back(k);
    }
    // Judged at once, placed pictures are right and are not offered again.
    if (!options.immediateFeedback) {
        for (int b = 1; b <= n; ++b) {
            if (state.BoxStep[b] != 0) list.push_back(state.BoxSlot[b]);
        }
    }
    return list;
}

}  // namespace

int nextScanSlot(const BoardState& state, const BoardOptions& options, int current) {
    const std::vector<int> list = scanCandidates(state, options);
    const int size = static_cast<int>(list.size());
    int at = -1;  // before the first candidate
    for (int i = 0; i < size; ++i) {
        if (list[i] == current) at = i;
    }
    // Each candidate is looked at once at most: when every one is placed in advance there is
    // nothing to highlight.
    for (int tried = 1; tried <= size; ++tried) {
        const int slot = list[(at + tried) % size];
        if (!slotIsPrePlaced(state, options, slot)) return slot;
    }
    return 0;
}

QRect highlightSlot(QRect picture) { return picture.adjusted(-6, -6, 6, 6); }

QRect placeScanPointer(QRect marquee, QSize pointer, QSize window, BoardLayout layout) {
    const double halfWidth = window.width() / 2.0;
    const double halfHeight = window.height() / 2.0;
    int left = 0;
    int top = 0;
    if (isVertical(layout)) {
        left =
            halfWidth >= marquee.left() ? marquee.left() + marquee.width() + 1 : marquee.left() - pointer.width() - 1;
        top = roundToInt16(marquee.top() + marquee.height() / 2.0 - pointer.height() / 2.0);
    } else {
        top = halfHeight > marquee.top() ? marquee.top() + marquee.height() + 1 : marquee.top() - pointer.height() - 1;
        left = roundToInt16(marquee.left() + marquee.width() / 2.0 - pointer.width() / 2.0);
    }
    return {QPoint(left, top), pointer};
}

TargetMark markTargetBox(const BoardState& state) {
    TargetMark mark;
    mark.frame.fill(BoxFrame::Red);
    mark.TargetBox = firstEmptyBox(state);
    if (mark.TargetBox != 0) mark.frame[mark.TargetBox] = BoxFrame::Green;
    return mark;
}

std::optional<QRect> placeTargetArrow(int targetBox, QRect box, QSize arrow, QPoint scanPointer, QSize window,
                                      BoardLayout layout) {
    if (targetBox == 0) return std::nullopt;
    if (isVertical(layout)) {
        if (!(window.width() / 2.0 >= scanPointer.x())) return std::nullopt;
        const int top = roundToInt16(box.top() + box.height() / 2.0 - arrow.height() / 2.0);
        return QRect(QPoint(box.left() - arrow.width() - 1, top), arrow);
    }
    if (!(window.height() / 2.0 >= scanPointer.y())) return std::nullopt;
    const int left = roundToInt16(box.left() + box.width() / 2.0 - arrow.width() / 2.0);
    return QRect(QPoint(left, box.top() - arrow.height() - 1), arrow);
}

bool timedScanDue(double elapsed, std::int16_t scanInterval) { return elapsed > scanInterval; }

}  // namespace activity
