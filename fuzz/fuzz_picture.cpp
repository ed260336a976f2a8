#include "FuzzTarget.h"
#include "LibraryEntries.h"

STEPWICK_FUZZ_TARGET(fuzzPictureReaders)
