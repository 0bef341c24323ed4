#pragma once
// A recording of what the listener hears, as a sound output reports it.

#include <cstdint>
#include <filesystem>
#include <string>

namespace zenka {

enum class RecordingFormat {
    wav,  // 16-bit PCM; past 4 GiB RF64, the WAV with 64-bit sizes
    flac, // 16-bit FLAC
};

struct RecordingStatus {
    bool recording = false;
    // The recording's file: where it goes while it runs, where it went after.
    std::filesystem::path file;
    double seconds = 0.0;      // heard and kept so far
    std::uint64_t bytes = 0;   // on disk so far
    double lost_seconds = 0.0; // dropped while the disk could not keep up
    // Why the recording stopped by itself, in one line; empty when it runs or
    // was stopped.
    std::string message;
};

} // namespace zenka
