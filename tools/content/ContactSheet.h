#pragma once

#include <QString>

#include "core/Result.h"

class ContentOutput;

// A PNG with every picture written, scaled into cells with its name under it, so that a person
// can look the whole set over at once. Written outside the content folder.
Status writeContactSheet(const ContentOutput& out, const QString& path);
