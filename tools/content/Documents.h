#pragma once

#include <QString>

#include "core/Result.h"

class ContentOutput;

// The text files: the program-type file, the review word, the teacher's options, the user guide
// and the credits. AppFolder must be the output folder (the options go through the program's
// own writer).
Status writeDocuments(ContentOutput& out, int edition);

// The two HTML documents, for reading in a web browser.
QString userGuideHtml();
QString creditsHtml();
