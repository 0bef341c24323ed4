#pragma once
// Reading the built recordings back for the checks.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace zenka::fone_test {

struct Audio {
    int rate = 0;
    int channels = 0;
    int format = 0; // libsndfile SF_FORMAT_* of the file
    std::vector<double> samples;

    double seconds() const { return static_cast<double>(samples.size()) / rate; }
    // Index of the sample at `t` seconds.
    std::size_t at(double t) const { return static_cast<std::size_t>(t * rate); }
};

// The built recording `name` (beside the zenka executable).
std::filesystem::path fone_file(const std::string& name);

// Reads any file libsndfile opens; throws std::runtime_error when it cannot.
Audio read_audio(const std::filesystem::path& file);

} // namespace zenka::fone_test
