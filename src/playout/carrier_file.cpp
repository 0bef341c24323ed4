#include "playout/carrier_file.h"

#include "platform/rewrite_file.h"
#include "synth/wave_header.h"

#include <cstdint>
#include <vector>

namespace zenka {

int carrier_amplitude(int qsa) {
    constexpr int kAmplitude[8] = {1, 8, 16, 32, 64, 126, 0, 0};
    return qsa >= 0 && qsa < 8 ? kAmplitude[qsa] : 0;
}

bool write_carrier_file(const std::filesystem::path& path, const SoundRequest& r, int sampling,
                        int channel) {
    WaveHeader header;
    header.set_format(channel, static_cast<std::uint32_t>(sampling * r.tone));
    RewriteFile file;
    if (!file.open(path)) return false;
    const int a = carrier_amplitude(r.qsa);
    const std::size_t pairs = r.count > 0 ? static_cast<std::size_t>(r.count) : 0;
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
    return ok;
}

} // namespace zenka
