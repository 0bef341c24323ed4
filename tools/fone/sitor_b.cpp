#include "sitor_b.h"

#include "band_noise.h"
#include "ccir476.h"
#include "fsk_keyer.h"
#include "ita2.h"
#include "rtty.h"
#include "shaping.h"

#include <cstddef>

namespace zenka::fone {
namespace {

constexpr int kRate = 8000;
constexpr double kUnit = 0.01; // 100 baud
constexpr double kShiftHz = 170.0;
constexpr int kPhasingPairs = 72; // about 10 s

constexpr const char* kMessage = "ZCZC SE42\r\n"
                                 "181200 UTC DEC\r\n"
                                 "GERMAN BIGHT: SW 5 TO 6, LATER W 7.\r\n"
                                 "SEA MODERATE. VIS GOOD.\r\n"
                                 "NNNN\r\n";

} // namespace

std::vector<std::uint8_t> sitor_b_stream(const std::vector<std::uint8_t>& words,
                                         int phasing_pairs) {
    std::vector<std::uint8_t> out;
    for (int i = 0; i < phasing_pairs; ++i) {
        out.push_back(ccir476::kRq);
        out.push_back(ccir476::kAlpha);
    }
    // DX: the words, then the end-of-emission alphas. RX: the same words two pairs
    // later, the gap before them still filled with phasing signal 1.
    std::vector<std::uint8_t> dx = words, rx = {ccir476::kAlpha, ccir476::kAlpha};
    dx.insert(dx.end(), 3, ccir476::kAlpha);
    rx.insert(rx.end(), words.begin(), words.end());
    rx.push_back(ccir476::kAlpha);
    for (std::size_t i = 0; i < dx.size(); ++i) {
        out.push_back(dx[i]);
        out.push_back(rx[i]);
    }
    return out;
}

Sound make_sitor_b() {
    std::vector<std::uint8_t> words;
    for (std::uint8_t code : ita2::encode(kMessage))
        words.push_back(ccir476::from_ita2(code));

    FskKeyer keyer(kRate, kRttyMarkHz, kRttyMarkHz + kShiftHz);
    for (std::uint8_t word : sitor_b_stream(words, kPhasingPairs))
        keyer.key_bits(word, 7, kUnit);
    Signal carrier = keyer.samples();
    fade_ends(carrier, kRate, 0.003);
    for (double& v : carrier)
        v *= 0.35;

    const double lead = 0.5;
    const double seconds = static_cast<double>(carrier.size()) / kRate + 2.0 * lead;
    Signal x = band_noise({.seconds = seconds,
                           .rate = kRate,
                           .seed = 0x4E415654,
                           .hiss_rms = 0.02,
                           .crashes_per_second = 0.3,
                           .crash_peak = 0.2});
    mix_into(x, carrier, static_cast<std::size_t>(lead * kRate));
    return {kRate, x};
}

} // namespace zenka::fone
