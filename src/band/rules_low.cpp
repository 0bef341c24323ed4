#include "air.h"
#include "band/catalogue.h"

namespace zenka {

// VLF and LF up to 200.0 kHz: navigation, naval broadcasts, telegraph and press,
// army, LF maritime and weather stations.
std::span<const Rule> low_block() {
    return {};
}

} // namespace zenka
