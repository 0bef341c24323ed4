#include "rtty.h"

#include "band_noise.h"
#include "fsk_keyer.h"
#include "ita2.h"
#include "shaping.h"

#include <string>

namespace zenka::fone {
namespace {

constexpr int kRate = 8000;

std::string ry_lines(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "RYRYRYRYRYRYRYRYRYRYRYRY\r\n";
    return text;
}

} // namespace

Sound make_rtty(const RttyClip& clip) {
    const double unit = 1.0 / clip.baud;
    FskKeyer keyer(kRate, kRttyMarkHz, kRttyMarkHz + clip.shift_hz);
    keyer.key(true, 1.0); // idle mark while the receiver settles
    for (std::uint8_t code : ita2::encode(ry_lines(2) + std::string(clip.message) + "\r\n")) {
        keyer.key(false, unit);
        keyer.key_bits(code, 5, unit);
        keyer.key(true, 1.5 * unit);
    }
    keyer.key(true, 0.8);

    Signal carrier = keyer.samples();
    fade_ends(carrier, kRate, 0.01);
    for (double& v : carrier)
        v *= 0.35;

    const double lead = 0.6; // band noise alone before the carrier comes up and after it drops
    const double seconds = static_cast<double>(carrier.size()) / kRate + 2.0 * lead;
    Signal x = band_noise({.seconds = seconds,
                           .rate = kRate,
                           .seed = clip.seed,
                           .hiss_rms = 0.025,
                           .crashes_per_second = 0.3,
                           .crash_peak = 0.25});
    mix_into(x, carrier, static_cast<std::size_t>(lead * kRate));
    return {kRate, x};
}

Sound make_rtty_50_170() {
    return make_rtty({.baud = 50,
                      .shift_hz = 170,
                      .message = "FORECAST GERMAN BIGHT: SW 5 TO 6, VEERING W 7 LATER. SEA 2.5 M.",
                      .seed = 0x52545431});
}

Sound make_rtty_50_425() {
    return make_rtty({.baud = 50,
                      .shift_hz = 425,
                      .message = "PRESS 0800 UTC: KIEL HARBOUR CLOSED (ICE), PILOTS ON STATION 3.",
                      .seed = 0x52545432});
}

Sound make_rtty_75_850() {
    return make_rtty({.baud = 75,
                      .shift_hz = 850,
                      .message = "SHIP REPORT 1200 UTC: 54.3 N 007.9 E, WIND 240/15 KT, "
                                 "PRESSURE 1013.2 HPA, VIS 10 KM.",
                      .seed = 0x52545433});
}

} // namespace zenka::fone
