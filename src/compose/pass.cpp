#include "compose/pass.h"

namespace zenka {

Composition compose(const Clock& clock, RandomSource& random, const ReceiverSettings& settings,
                    const BandPass& band, const Contact500& carried) {
    Air a(clock, random, settings);
    a.svc500 = carried.svc500;
    a.svc500fq = carried.svc500fq;
    a.svc500vsl = carried.svc500vsl;
    a.svc500cst = carried.svc500cst;
    a.stn();
    if (band) band(a);
    return a.finish();
}

} // namespace zenka
