#include "compose/pass.h"

namespace zenka {

Composition compose(const Clock& clock, RandomSource& random, const ReceiverSettings& settings,
                    const BandPass& band) {
    Air a(clock, random, settings);
    a.stn();
    if (band) band(a);
    return a.finish();
}

} // namespace zenka
