#pragma once
// A second-order IIR section in double (transposed direct form II), with the
// low- and high-pass designs of the audio EQ cookbook, and Butterworth cascades
// of two sections (fourth order, 24 dB an octave beyond the corner).

#include <array>
#include <cmath>
#include <numbers>

namespace zenka::sound {

struct Biquad {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double s1 = 0.0, s2 = 0.0;

    double step(double x) noexcept {
        const double y = b0 * x + s1;
        s1 = b1 * x - a1 * y + s2;
        s2 = b2 * x - a2 * y;
        return y;
    }
    void reset() noexcept { s1 = s2 = 0.0; }

    static Biquad lowpass(double corner_hz, double q, double rate) {
        const double w = 2.0 * std::numbers::pi * corner_hz / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        return normalised((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c,
                          1.0 - alpha);
    }
    static Biquad highpass(double corner_hz, double q, double rate) {
        const double w = 2.0 * std::numbers::pi * corner_hz / rate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        return normalised((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c,
                          1.0 - alpha);
    }

  private:
    static Biquad normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
        Biquad q;
        q.b0 = b0 / a0;
        q.b1 = b1 / a0;
        q.b2 = b2 / a0;
        q.a1 = a1 / a0;
        q.a2 = a2 / a0;
        return q;
    }
};

// Fourth-order Butterworth: two sections with Q 0.541 and 1.307.
struct Butterworth4 {
    std::array<Biquad, 2> s;

    double step(double x) noexcept { return s[1].step(s[0].step(x)); }
    void reset() noexcept { s[0].reset(), s[1].reset(); }

    static constexpr double kQ1 = 0.54119610014619698;
    static constexpr double kQ2 = 1.3065629648763766;

    static Butterworth4 lowpass(double corner_hz, double rate) {
        return {{Biquad::lowpass(corner_hz, kQ1, rate), Biquad::lowpass(corner_hz, kQ2, rate)}};
    }
    static Butterworth4 highpass(double corner_hz, double rate) {
        return {{Biquad::highpass(corner_hz, kQ1, rate), Biquad::highpass(corner_hz, kQ2, rate)}};
    }
};

} // namespace zenka::sound
