#pragma once
// A sound file being read through libsndfile as mono float samples (several
// channels are averaged). A file that libsndfile cannot read, that holds no
// samples, or whose rate or channel count is out of range gives an empty
// SoundFile, which reads nothing.

#include "platform/sound/unique_fd.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

struct sf_private_tag; // libsndfile's SNDFILE

namespace zenka::sound {

class SoundFile {
  public:
    static constexpr int kMinRate = 200;
    // A sound beyond these costs more to read than any recording is worth.
    static constexpr int kMaxRate = 192000;
    static constexpr int kMaxChannels = 2;

    SoundFile() = default;
    explicit SoundFile(UniqueFd fd);

    explicit operator bool() const { return file_ != nullptr; }
    int rate() const { return rate_; }
    // The length the header claims; the file may end sooner.
    std::int64_t frames() const { return frames_; }

    // Reads up to out.size() frames; fewer means the file has ended (or failed).
    std::size_t read_mono(std::span<float> out);

    // Lets go of the file at once.
    void close();

  private:
    struct Closer {
        void operator()(sf_private_tag* file) const;
    };

    UniqueFd fd_; // declared first: outlives the libsndfile handle using it
    std::unique_ptr<sf_private_tag, Closer> file_;
    int rate_ = 0;
    int channels_ = 0;
    std::int64_t frames_ = 0;
    std::vector<float> interleaved_; // for files with several channels, a block at a time
};

} // namespace zenka::sound
