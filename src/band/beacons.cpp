#include "air.h"
#include "band/dispatcher.h"

namespace zenka {

// The beacon plan: none on the air yet.
void beacons(Air&) {}

} // namespace zenka
