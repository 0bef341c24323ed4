#pragma once
// A retune's composing, as the receiver and the headless commands do it alike: the
// pass at the tuned frequency, then (unless left out) the stations near the dial,
// composed at the same instant from the session's random source as the pass left it
// and without drawing from it.

#include "compose/neighbours.h"
#include "compose/pass.h"

namespace zenka {

struct RetunePass {
    bool neighbours = true; // hear the stations near the dial
    bool cw_filter = false; // the narrow CW filter ranks them
};

Composition compose_retune(const Clock& clock, RandomSource& random,
                           const ReceiverSettings& settings, const BandPass& band,
                           const Contact500& carried = {}, RetunePass how = {});

} // namespace zenka
