#include "synth/waveforms.h"

#include <array>
#include <vector>

namespace zenka {
namespace {

// Mark amplitude per strength step; a cycle is 128, +a/2, +a, +a/2, 128, -a/2, -a, -a/2.
constexpr int kMarkAmplitude[6] = {2, 8, 16, 32, 64, 96};

// clang-format off
constexpr std::uint8_t kSparkBurst[6][20] = {
    {136, 120, 132, 124, 130, 126,           128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128},
    {144, 112, 139, 117, 134, 122,           128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128},
    {160,  96, 150, 106, 140, 116,           128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128},
    {192,  64, 171,  85, 150, 106,           128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128},
    {224,  32, 192,  64, 160,  96,           128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128},
    {255,   0, 224,  32, 192,  64, 160,  96, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128},
};
// clang-format on

constexpr std::uint8_t kF1Cycle[6][12] = {
    {128, 128, 129, 130, 129, 128, 128, 128, 127, 126, 127, 127},
    {128, 132, 134, 136, 134, 132, 128, 124, 122, 120, 122, 124},
    {128, 136, 140, 144, 140, 136, 128, 120, 116, 112, 116, 120},
    {128, 144, 152, 160, 152, 144, 128, 112, 104, 96, 104, 112},
    {128, 160, 176, 192, 176, 160, 128, 96, 80, 64, 80, 96},
    {128, 176, 200, 224, 200, 176, 128, 80, 56, 32, 56, 80},
};

// 120 is a multiple of every period (1, 8, 12, 20); 512 of them make a 60 KiB bank.
constexpr std::size_t kBankSize = 120 * 512;

struct Bank {
    std::vector<std::uint8_t> bytes;
    Pattern pattern;

    Bank(const std::uint8_t* cycle, std::size_t period) : bytes(kBankSize) {
        for (std::size_t i = 0; i < kBankSize; ++i)
            bytes[i] = cycle[i % period];
        pattern = {bytes.data(), bytes.size(), period};
    }
};

struct Banks {
    Bank silence{&kSilence, 1};
    std::vector<Bank> mark, spark, f1;

    Banks() {
        mark.reserve(6);
        spark.reserve(6);
        f1.reserve(6);
        for (int q = 0; q < 6; ++q) {
            const int a = kMarkAmplitude[q];
            const std::uint8_t cycle[8] = {128,
                                           static_cast<std::uint8_t>(128 + a / 2),
                                           static_cast<std::uint8_t>(128 + a),
                                           static_cast<std::uint8_t>(128 + a / 2),
                                           128,
                                           static_cast<std::uint8_t>(128 - a / 2),
                                           static_cast<std::uint8_t>(128 - a),
                                           static_cast<std::uint8_t>(128 - a / 2)};
            mark.emplace_back(cycle, 8);
            spark.emplace_back(kSparkBurst[q], 20);
            f1.emplace_back(kF1Cycle[q], 12);
        }
    }
};

const Banks& banks() {
    static const Banks instance;
    return instance;
}

const Pattern* pick(const std::vector<Bank>& set, int qsa) {
    if (qsa < 0 || qsa > 5) return nullptr;
    return &set[static_cast<std::size_t>(qsa)].pattern;
}

} // namespace

const Pattern& silence_pattern() {
    return banks().silence.pattern;
}
const Pattern* mark_pattern(int qsa) {
    return pick(banks().mark, qsa);
}
const Pattern* spark_pattern(int qsa) {
    return pick(banks().spark, qsa);
}
const Pattern* f1_pattern(int qsa) {
    return pick(banks().f1, qsa);
}

int mark_amplitude(int qsa) {
    return qsa >= 0 && qsa <= 5 ? kMarkAmplitude[qsa] : 0;
}

} // namespace zenka
