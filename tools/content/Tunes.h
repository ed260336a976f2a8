#pragma once

#include "core/Result.h"
#include "platform/WavFile.h"

class ContentOutput;

// The synthesized sounds: the click of a dropped picture, the star chime, the three reward songs
// and the start-up gong.
Status writeTunes(ContentOutput& out);

// A gentle tune of the given length, for the demo video's sound track.
PcmAudio growingTune(double seconds);
