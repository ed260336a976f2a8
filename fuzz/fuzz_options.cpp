#include "FuzzTarget.h"
#include "OptionsEntries.h"

STEPWICK_FUZZ_TARGET(fuzzStudentOptions)
