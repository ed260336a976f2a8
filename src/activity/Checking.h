#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

#include "activity/BoardState.h"
#include "activity/Glide.h"

// Judging placements and the final check of the boxes.
namespace activity {

struct Judgement {
    bool correct = false;
    bool reject = false;  // judged at once and wrong: say so and send the picture home
};

// Judges the picture just put into `box` by a scanning or clicking move: a correct one counts
// in CorrectMoves (and, judged at once, sets PlacedCorrectly), a wrong one in IncorrectMoves.
Judgement judgePlacement(BoardState& state, const BoardOptions& options, int box);

// The boxes in the order the student reads them: right to left from the right-most box.
std::vector<int> readingOrder(int stepCount, BoardLayout layout);

// True when the box holds the step it expects.
bool boxIsCorrect(const BoardState& state, int box, BoardLayout layout);

// True when the final check sends the box's picture back: the box holds a picture, and not
// the one it expects. (An empty box has nothing to send back, even if the student emptied it
// while the check was running.)
bool boxNeedsSendingBack(const BoardState& state, int box, BoardLayout layout);

// The boxes the final check visits, in reading order, with the slot of each wrong picture.
// Empty when every box is right. Only meaningful once every box is filled.
struct CheckVisit {
    int box = 0;
    int slot = 0;
};
std::vector<CheckVisit> wrongBoxes(const BoardState& state, BoardLayout layout);

// Empties one box (the final check, once a wrong picture is home; a picture taken out).
void emptyBox(BoardState& state, int box);

// What the final check returns: 1 go on (a box is empty, or pictures were sent back), 0 solved.
int checkResult(const BoardState& state, BoardLayout layout);

// The pointing hand of the final check (pixels). It waits before the first box in reading
// order: beyond the left or the right edge of the screen just above the boxes, or left of the
// column of boxes just below the task title.
QPoint checkHandStart(BoardLayout layout, QSize hand, QRect firstBox, QRect taskTitle, int screenWidth);
// It moves to each wrong box with handToMiddleOf and leaves with handOffScreen.

}  // namespace activity
