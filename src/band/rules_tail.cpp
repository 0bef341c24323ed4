#include "air.h"
#include "band/catalogue.h"

namespace zenka {

// 205.0 - 400.0 kHz (aeronautical ground stations, weather, army, some
// maritime), 457.0 and 530.0 kHz, and 535 - 1000 kHz.
std::span<const Rule> tail_block() {
    return {};
}

} // namespace zenka
