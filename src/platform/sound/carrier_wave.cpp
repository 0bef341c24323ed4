#include "platform/sound/carrier_wave.h"

#include "platform/sound/sound_file.h"
#include "platform/sound/unique_fd.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zenka::sound {

CarrierWave measure_wave(std::span<const float> samples, int rate) {
    if (samples.empty() || rate <= 0) return {};
    const auto [lowest, highest] = std::minmax_element(samples.begin(), samples.end());
    CarrierWave wave;
    wave.peak = (static_cast<double>(*highest) - *lowest) / 2.0;
    if (wave.peak <= 0.0) return wave;
    const double middle = (static_cast<double>(*highest) + *lowest) / 2.0;
    const double arm = -wave.peak / 2.0;

    bool armed = false;
    std::size_t rises = 0;
    double first = 0.0;
    double last = 0.0;
    double before = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double v = samples[i] - middle;
        if (v < arm) {
            armed = true;
        } else if (armed && v >= 0.0) {
            // Armed means every sample since the arming one was below the middle,
            // `before` included.
            const double at = static_cast<double>(i) - 1.0 + before / (before - v);
            if (rises == 0) first = at;
            last = at;
            ++rises;
            armed = false;
        }
        before = v;
    }
    if (rises >= 2 && last > first)
        wave.pitch_hz = rate * static_cast<double>(rises - 1) / (last - first);
    return wave;
}

std::optional<CarrierWave> read_carrier_wave(const std::filesystem::path& file) {
    SoundFile sound(open_regular(file));
    if (!sound) return std::nullopt;
    const auto claimed = static_cast<std::size_t>(std::max<std::int64_t>(sound.frames(), 0));
    std::vector<float> samples(std::min(claimed, kMaxCarrierFrames));
    samples.resize(sound.read_mono(samples));
    if (samples.empty()) return std::nullopt;
    return measure_wave(samples, sound.rate());
}

} // namespace zenka::sound
