#pragma once

#include "core/Result.h"

class ContentOutput;

// The program's own pictures of the board and the screens: box cards, arrows, pointers, hands,
// check mark, logos, calibration picture, missing-picture stand-in, microphones.
Status writeProgramPictures(ContentOutput& out);

// Every button face: the activity's buttons, the after-task menu, the television buttons, the
// main menu and the recording buttons.
Status writeButtonPictures(ContentOutput& out);
