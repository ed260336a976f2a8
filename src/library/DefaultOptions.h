#pragma once

#include "core/StudentOptions.h"

// The options a new installation starts with, chosen for a first lesson with a mouse or a touch
// screen: direct selection, blue background, everything narrated, immediate feedback, never in
// order, no pictures placed in advance, every task length listed. The speed is negative so that
// the first start calibrates it. Used to create a missing "teacher.lgn" and by the generator of
// the default content.
StudentOptionsRecord defaultStudentOptions();
