#pragma once
// One composing pass: what a retune puts on the air at the moment the clock
// gives, with the receiver's settings, drawing from the session's random source.

#include "compose/air.h"

#include <functional>

namespace zenka {

// The dispatcher, or any other station list, run over the context of a pass.
using BandPass = std::function<void(Air&)>;

// Fresh emission parameters, an empty send stack and fresh traffic state but for the 500 kHz
// contact `carried` over from the last pass, then `band`; nothing is written or played.
Composition compose(const Clock& clock, RandomSource& random, const ReceiverSettings& settings,
                    const BandPass& band, const Contact500& carried = {});

} // namespace zenka
