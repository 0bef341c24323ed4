#pragma once
// A mono recording being built: samples at full scale +-1.0 and their rate.

#include <vector>

namespace zenka::fone {

using Signal = std::vector<double>;

struct Sound {
    int rate = 8000;
    Signal samples;
};

} // namespace zenka::fone
