// The review lesson: the task's pictures in order with a pointing hand and the narration. Not
// built yet: the lesson returns at once.

#include "activity/FormAnimation.h"

void FormAnimation::playLesson() {}
