#pragma once

#include "sound/cues.h"

#include <vector>

namespace soundgen {

// The samples of one cue's sound at sample_rate: friendly, under half a second (a brush stroke's
// under 0.3 s), rising from and falling to silence, at the loudness every cue shares.
std::vector<float> voice(sound::Cue cue);

} // namespace soundgen
