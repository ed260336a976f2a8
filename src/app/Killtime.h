#pragma once

// The delay between two steps of a moving picture: a busy wait that counts from 0 up in steps
// of 1 until the count is greater than n. It adds 1 once for a negative n, and the whole part of
// n plus one times otherwise. It neither sleeps nor lets events run; how long it takes depends
// on the processor alone, which is why each computer measures its own AnimationSpeed
// (SpeedCalibration.h). Returns the count reached, that is how many times it added 1.
double killtime(double n);
