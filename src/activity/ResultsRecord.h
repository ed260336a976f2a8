#pragma once

// The results' texts and files live with the other data files, so that the main window can
// write what is still waiting when the program quits.
#include "library/ResultsRecord.h"
