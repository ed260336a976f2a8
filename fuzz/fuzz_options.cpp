#include "OptionsEntries.h"
#include "FuzzTarget.h"

STEPWICK_FUZZ_TARGET(fuzzStudentOptions)
