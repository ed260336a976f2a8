#include "activity/Glide.h"

namespace activity {

bool Leg::holds(QPoint position) const {
    const int value = axis == Axis::X ? position.x() : position.y();
    return step > 0 ? value < limit : value > limit;
}

std::optional<QPoint> GlideWalk::next(QPoint current) {
    while (leg_ < path_.legs.size()) {
        const Leg& leg = path_.legs[leg_];
        if (leg.holds(current)) {
            return leg.axis == Axis::X ? current + QPoint(leg.step, 0) : current + QPoint(0, leg.step);
        }
        ++leg_;
    }
    return std::nullopt;
}

GlidePath handToMiddleOf(BoardLayout layout, QSize hand, QRect target) {
    if (isVertical(layout)) return {{{Axis::Y, +1, target.top() + target.height() / 2.0 - hand.height() / 2.0}}, {}};
    const double limit = target.left() + target.width() / 2.0 - hand.width() / 2.0;
    return {{{Axis::X, layout == BoardLayout::RightToLeft ? -1 : +1, limit}}, {}};
}

GlidePath handOffScreen(BoardLayout layout, QSize hand, QSize screen) {
    switch (layout) {
        case BoardLayout::TopToBottom:
            return {{{Axis::Y, +1, double(screen.height())}}, {}};
        case BoardLayout::RightToLeft:
            return {{{Axis::X, -1, double(-hand.width())}}, {}};
        case BoardLayout::LeftToRight:
            break;
    }
    return {{{Axis::X, +1, double(screen.width())}}, {}};
}

std::vector<QPoint> glidePositions(const GlidePath& path, QPoint start, int maxSteps) {
    std::vector<QPoint> positions;
    GlideWalk walk(path);
    QPoint at = start;
    for (int i = 0; i < maxSteps; ++i) {
        const std::optional<QPoint> next = walk.next(at);
        if (!next) break;
        at = *next;
        positions.push_back(at);
    }
    if (path.snap) positions.push_back(*path.snap);
    return positions;
}

}  // namespace activity
