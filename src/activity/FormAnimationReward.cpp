// The end of a solved task: its result and the reward. For now the reward covers the board with
// the student's background colour (no check mark, no stars, no song) and nothing is written.

#include "activity/FormAnimation.h"
#include "app/Globvars.h"
#include "app/PictureWidgets.h"
#include "platform/Services.h"

void FormAnimation::recordResults() {}

void FormAnimation::showReward() {
    PicExit->hide();
    sound.DirectSS1.stop();
    TaskFinished = 1;
    recordResults();

    PicRewardMain->setBackground(palette().color(QPalette::Window));
    PicRewardMain->setGeometry(QRect(QPoint(0, 0), platform::screen().sizePixels()));
    PicRewardMain->raise();
    PicRewardMain->show();

    for (int k = 1; k <= 10; ++k) {
        PicBase[k]->hide();
        PicSeq[k]->hide();
        PicSeparator[k]->hide();
    }
    PicPlayLesson->hide();
    update();
    PicExit->show();
}
