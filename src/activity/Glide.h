#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "activity/BoardState.h"

// Pictures and pointing hands move one unit at a time along straight legs. A leg says which way
// to step and while what holds; the mover reads the position again before every step, so a
// path gives the same moves whoever else moves the control in between.
namespace activity {

enum class Axis { X, Y };

struct Leg {
    Axis axis = Axis::X;
    int step = 1;  // +1 or -1
    // Steps are taken while the position is below the limit (step +1) or above it (step -1).
    double limit = 0;

    bool holds(QPoint position) const;
};

struct GlidePath {
    std::vector<Leg> legs;
    std::optional<QPoint> snap;  // where the control is put exactly once the legs are done
};

// Walks a path: next() gives the position after one more step from `current`, or nothing when
// every leg is done (then the control goes to the path's snap, if it has one).
class GlideWalk {
public:
    explicit GlideWalk(GlidePath path) : path_(std::move(path)) {}
    std::optional<QPoint> next(QPoint current);
    const GlidePath& path() const { return path_; }

private:
    GlidePath path_;
    std::size_t leg_ = 0;
};

// A pointing hand to the middle of `target`: along the row in the reading direction (its middle
// meets the target's), or down the column.
GlidePath handToMiddleOf(BoardLayout layout, QSize hand, QRect target);

// A pointing hand on in the reading direction (or down) until it has left the screen.
GlidePath handOffScreen(BoardLayout layout, QSize hand, QSize screen);

// Every position a control takes on the path from `start`, the snap included. At most
// `maxSteps` steps are walked.
std::vector<QPoint> glidePositions(const GlidePath& path, QPoint start, int maxSteps = 100000);

}  // namespace activity
