#include "platform/sound/frequency_shifter.h"

#include <cmath>
#include <numbers>

namespace zenka::sound {

std::array<FrequencyShifter::Allpass, 4> FrequencyShifter::chain(const std::array<double, 4>& a) {
    std::array<Allpass, 4> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i].a2 = a[i] * a[i];
    return c;
}

void FrequencyShifter::process(std::span<float> io, double offset_hz) noexcept {
    const double angle = 2.0 * std::numbers::pi * offset_hz / rate_;
    const double c = std::cos(angle), s = std::sin(angle);
    for (float& v : io) {
        double re = v, im = v;
        for (Allpass& p : re_)
            re = p.step(re);
        for (Allpass& p : im_)
            im = p.step(im);
        const double late = re_delay_;
        re_delay_ = re;
        // The analytic signal is late - j im (the second chain leads by 90
        // degrees); turned by the phasor, its real part is the shifted signal.
        v = static_cast<float>(late * turn_.re + im * turn_.im);
        turn_.turn(c, s);
    }
    turn_.renormalise();
}

} // namespace zenka::sound
