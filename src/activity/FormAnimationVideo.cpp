// The task's video clip (or story) before a task and from the video button. Not built yet: both
// return at once.

#include "activity/FormAnimation.h"

void FormAnimation::playVideoBeforeTask() {}

void FormAnimation::PicPlayVideo_Click() {}
