#pragma once
// Whole sounds (recordings, noise) decoded once to 48 kHz mono and kept
// for the next time the same file is played. A file is the same while its
// device, inode, size and modification time are.

#include "platform/sound/unique_fd.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zenka::sound {

using DecodedSound = std::shared_ptr<const std::vector<float>>;

// Decodes all of `fd` to 48 kHz, at most kMaxDecodedSeconds of it and at most
// kMaxSourceFrames of the file (so a high rate costs no more). A `loop` is
// converted as one period of an endless repetition. Null when nothing can be
// decoded.
DecodedSound decode_whole(UniqueFd fd, bool loop);

inline constexpr std::size_t kMaxDecodedSeconds = 120;
inline constexpr std::size_t kMaxSourceFrames = 48000 * kMaxDecodedSeconds;

// Used by one thread at a time.
class SoundCache {
  public:
    // Everything cached together stays below this; past it the cache starts over
    // (sounds still playing keep their own reference).
    static constexpr std::size_t kMaxSamples = 32u << 20; // 128 MB of floats

    DecodedSound get(UniqueFd fd, bool loop);

  private:
    std::map<std::string, DecodedSound> sounds_;
    std::size_t samples_ = 0;
};

} // namespace zenka::sound
