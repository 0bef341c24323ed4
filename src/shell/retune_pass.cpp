#include "shell/retune_pass.h"

namespace zenka {

Composition compose_retune(const Clock& clock, RandomSource& random,
                           const ReceiverSettings& settings, const BandPass& band,
                           const Contact500& carried, RetunePass how) {
    const UtcInstant at = clock.now();
    Composition c = compose(clock, random, settings, band, carried);
    c.around = {at, random};
    if (how.neighbours) c.neighbours = compose_neighbours(at, random, settings, band, how.cw_filter);
    return c;
}

} // namespace zenka
