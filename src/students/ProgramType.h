#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <cstdint>

// The edition number from aobj_prog_type.cfg: its first value, read as a number (blanks and a
// line end around it allowed). 1 is the Kestrel edition; any other value the Larkin edition.
Result<std::int16_t> parseProgramType(const QByteArray& bytes);

// Reads AppFolder's aobj_prog_type.cfg into Edition. On an error Edition keeps its value and the
// message names the file.
Status loadEdition();
