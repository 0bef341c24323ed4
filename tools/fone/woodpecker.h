#pragma once
// Over-the-horizon radar, the "woodpecker": ten sharp pulses a second, each a fast
// frequency sweep, with a weaker multipath echo a few milliseconds behind it, slow fading
// and band noise. On a receiver it is a hard, even tapping.

#include "sound.h"

namespace zenka::fone {

constexpr double kRadarPulsesPerSecond = 10.0;

Sound make_woodpecker();

} // namespace zenka::fone
