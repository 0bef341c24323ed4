#pragma once
// A unit complex number turned a step at a time (an oscillator without a sine
// per sample), put back on the unit circle once a block.

#include <cmath>

namespace zenka::sound {

struct Phasor {
    double re = 1.0, im = 0.0;

    // Multiplies by (c + j s).
    void turn(double c, double s) noexcept {
        const double r = re * c - im * s;
        im = re * s + im * c;
        re = r;
    }
    void renormalise() noexcept {
        const double length = std::sqrt(re * re + im * im);
        if (length > 0.0) {
            re /= length;
            im /= length;
        }
    }
};

} // namespace zenka::sound
