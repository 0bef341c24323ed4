// The recordings loader on any bytes a file in the recordings folder may hold:
// what it reads is finite and within [-1, 1], and a whole decode stays within
// its bounds. Names are checked as the folder checks them.

#include "fuzz_check.h"
#include "platform/sound/recordings_folder.h"
#include "platform/sound/sound_cache.h"
#include "platform/sound/sound_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

using namespace zenka::sound;

namespace {

// The bytes as an open file, read from its start.
UniqueFd file_of(const std::uint8_t* data, std::size_t size) {
    UniqueFd fd(::memfd_create("recording", MFD_CLOEXEC));
    FUZZ_CHECK(fd);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd.get(), data + done, size - done);
        FUZZ_CHECK(n > 0);
        done += static_cast<std::size_t>(n);
    }
    FUZZ_CHECK(::lseek(fd.get(), 0, SEEK_SET) == 0);
    return fd;
}

void check_samples(const float* samples, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        FUZZ_CHECK(std::isfinite(samples[i]) && samples[i] >= -1.0f && samples[i] <= 1.0f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data),
                                std::min<std::size_t>(size, 64));
    if (RecordingsFolder::valid_name(name)) {
        const std::string_view file = name.substr(RecordingsFolder::kPrefix.size());
        FUZZ_CHECK(!file.empty() && file.find('/') == std::string_view::npos && file != "." &&
                   file != "..");
    }

    SoundFile sound(file_of(data, size));
    if (sound) {
        FUZZ_CHECK(sound.rate() >= SoundFile::kMinRate && sound.rate() <= SoundFile::kMaxRate);
        std::vector<float> block(4096);
        for (int i = 0; i < 64; ++i) {
            const std::size_t n = sound.read_mono(block);
            FUZZ_CHECK(n <= block.size());
            check_samples(block.data(), n);
            if (n < block.size()) break;
        }
    }
    for (const bool loop : {false, true}) {
        const DecodedSound decoded = decode_whole(file_of(data, size), loop);
        if (!decoded) continue;
        FUZZ_CHECK(!decoded->empty());
        FUZZ_CHECK(decoded->size() <= kMaxDecodedSeconds * 48000 + 48000);
        for (const float v : *decoded)
            FUZZ_CHECK(std::isfinite(v));
    }
    return 0;
}
