#include "random.h"

#include <cmath>
#include <numbers>

namespace zenka::fone {

std::uint64_t Random::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::uniform() {
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double Random::gauss() {
    const double u = 1.0 - uniform(); // (0, 1]: the logarithm stays finite
    const double v = uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
}

} // namespace zenka::fone
