#include "compose/pass.h"

namespace zenka {

Composition compose(const Clock& clock, RandomSource& random, const ReceiverSettings& settings,
                    const BandPass& band, const Contact500& carried) {
    Air a(clock, random, settings);
    a.contact500 = carried;
    a.stn();
    if (band) band(a);
    return a.finish();
}

} // namespace zenka
