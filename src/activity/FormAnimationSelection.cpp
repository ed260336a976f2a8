// The access methods' part of a run: the introduction and the run loop of the scanning and
// clicking methods. For now the loop takes the clicked slot and moves its picture, which is
// all the other parts of the activity need to run a task; the scanning highlight, the target
// box and the three methods' own loops come with the access methods.

#include "activity/BoardState.h"
#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "platform/Services.h"

void FormAnimation::selectSlot(int slot) {
    if (slot < 1 || slot > Task.StepCount) return;
    // A picture placed in advance never moves, and nothing is taken while a sentence plays.
    if (activity::slotIsPrePlaced(board(), options_, slot) || WaitingForSound == 1) return;
    if (ClickSelectEnabled == 1) ClickedSlot = static_cast<std::int16_t>(slot);
}

void FormAnimation::introduceTask() {}

bool FormAnimation::runSelectionLoop() {
    for (;;) {
        if (checkSequence() != 1) return true;
        while (ClickedSlot == 0) {
            platform::pump().waitEvents();
            if (ExitRequested == 1) return false;
        }
        ScanSlot = ClickedSlot;
        moveSelectedPicture(ScanSlot);
        ClickedSlot = 0;
    }
}
