#include "air.h"
#include "platform/rewrite_file.h"
#include "synth/wave_header.h"

#include <vector>

namespace zenka {
namespace {

// Carrier amplitude per strength step; 6 and 7 give a silent carrier.
constexpr int kCarrierAmplitude[8] = {1, 8, 16, 32, 64, 126, 0, 0};

int carrier_amplitude(int qsa) {
    return qsa >= 0 && qsa < 8 ? kCarrierAmplitude[qsa] : 0;
}

} // namespace

void Air::emit_sound(int tone, int count) {
    WaveHeader header;
    header.set_format(channel, static_cast<std::uint32_t>(sampling * tone));
    RewriteFile file;
    if (!file.open(carrier_file())) return;
    Log("SOUND", "ton", static_cast<std::uint32_t>(tone));
    if (att && qsa > 0) --qsa;

    // A square wave of two samples a period: the pitch is half the sample rate.
    const int a = carrier_amplitude(qsa);
    const std::size_t pairs = count > 0 ? static_cast<std::size_t>(count) : 0;
    std::vector<std::uint8_t> samples(2 * pairs);
    for (std::size_t i = 0; i < pairs; ++i) {
        samples[2 * i] = static_cast<std::uint8_t>(128 + a);
        samples[2 * i + 1] = static_cast<std::uint8_t>(128 - a);
    }
    header.set_samples(2 * pairs * header.block_align);
    const auto head = header.bytes();
    const bool ok = file.write_at(WaveHeader::kSize, samples.data(), samples.size()) &&
                    file.write_at(0, head.data(), head.size()) &&
                    file.finish(WaveHeader::kSize + samples.size());
    if (!ok && file.is_open()) file.finish(0);
    smetr();
}

void Air::n0n(int tone) {
    emit_sound(tone, 30000);
    out.loop_carrier(carrier_file()); // a carrier that already sounds goes on undisturbed
}

void Air::tuning2(int tone, int pause) {
    n0n(tone);
    smetr();
    wait(pause);
}

void Air::fone_cond(int m) {
    if (m == 0 || t.second % m == 0) out.play_recording("fone/ssb-002.wav");
}

} // namespace zenka
