// The background music: a calm piece for koto and bamboo flute in the miyako-bushi mode on D,
// written so that its end flows into its beginning without a seam.
#pragma once

#include "synth.h"

namespace sounds {

Samples background_music();

}  // namespace sounds
