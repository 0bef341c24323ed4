#include "platform/sound/sound_cache.h"

#include "platform/sound/mix_levels.h"
#include "platform/sound/resampler.h"
#include "platform/sound/sound_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

namespace zenka::sound {
namespace {

std::string identity(const UniqueFd& fd, bool loop) {
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) return {};
    return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
           std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
           std::to_string(st.st_mtim.tv_nsec) + (loop ? ":loop" : ":once");
}

} // namespace

DecodedSound decode_whole(UniqueFd fd, bool loop) {
    SoundFile file(std::move(fd));
    if (!file) return nullptr;
    const auto limit =
        std::min(static_cast<std::size_t>(file.rate()) * kMaxDecodedSeconds, kMaxSourceFrames);
    const auto claimed = static_cast<std::size_t>(std::max<std::int64_t>(file.frames(), 0));
    // Read a block at a time: what the header claims costs nothing until the file holds it.
    std::vector<float> source;
    source.reserve(std::min(claimed, limit));
    std::vector<float> block(std::min<std::size_t>(limit, 1u << 16));
    while (source.size() < limit) {
        const std::size_t want = std::min(block.size(), limit - source.size());
        const std::size_t got = file.read_mono(std::span<float>(block).first(want));
        source.insert(source.end(), block.begin(),
                      block.begin() + static_cast<std::ptrdiff_t>(got));
        if (got < want) break;
    }
    const double ratio = static_cast<double>(kMixRate) / file.rate();
    file.close();
    if (source.empty()) return nullptr;
    // At the mix rate the samples are kept as they are, not copied.
    auto samples = ratio == 1.0 ? std::move(source)
                   : loop       ? resample_loop(source, ratio, Quality::Medium)
                                : resample(source, ratio, Quality::Medium);
    if (samples.empty()) return nullptr;
    return std::make_shared<const std::vector<float>>(std::move(samples));
}

DecodedSound SoundCache::get(UniqueFd fd, bool loop) {
    if (!fd) return nullptr;
    const std::string key = identity(fd, loop);
    if (key.empty()) return nullptr;
    if (const auto found = sounds_.find(key); found != sounds_.end()) return found->second;
    DecodedSound sound = decode_whole(std::move(fd), loop);
    if (!sound) return nullptr;
    if (samples_ + sound->size() > kMaxSamples) {
        sounds_.clear();
        samples_ = 0;
    }
    if (sound->size() <= kMaxSamples) {
        sounds_.emplace(key, sound);
        samples_ += sound->size();
    }
    return sound;
}

} // namespace zenka::sound
