#pragma once
// Writes a finished recording with libsndfile: 16-bit PCM WAV, or MPEG layer III.

#include "sound.h"

#include <filesystem>

namespace zenka::fone {

enum class Container { Wav16, Mp3 };

// Samples beyond +-1.0 are clipped. Throws std::runtime_error when the file cannot be
// written.
void write_sound(const std::filesystem::path& path, const Sound& sound, Container container);

} // namespace zenka::fone
