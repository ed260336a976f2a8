#include "LibraryEntries.h"
#include "FuzzTarget.h"

STEPWICK_FUZZ_TARGET(fuzzPictureReaders)
