// The NAVTEX broadcast on SITOR-B: two tones 170 Hz apart keyed only on a 10 ms grid,
// demodulated here unit by unit (Goertzel) and read back through the CCIR 476 code: phasing,
// every word of constant ratio, each character repeated five places later, the message.

#include "fone_audio.h"
#include "signal_measure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace zenka::fone_test {
namespace {

constexpr double kMarkHz = 2125.0, kSpaceHz = 2295.0;
constexpr int kUnit = 80; // samples: 10 ms at 8000 samples/s

constexpr const char* kMessage = "ZCZC SE42\r\n"
                                 "181200 UTC DEC\r\n"
                                 "GERMAN BIGHT: SW 5 TO 6, LATER W 7.\r\n"
                                 "SEA MODERATE. VIS GOOD.\r\n"
                                 "NNNN\r\n";

// CCIR 476 words as sent, first unit first: B mark, Y space.
struct Word {
    const char* units;
    char letter, figure; // '\0': not a printing character
};

constexpr Word kCode[] = {
    {"BBBYYYB", 'A', '-'}, {"YBYYBBB", 'B', '?'}, {"BYBBBYY", 'C', ':'},   {"BBYYBYB", 'D', 0},
    {"YBBYBYB", 'E', '3'}, {"BBYBBYY", 'F', 0},   {"BYBYBBY", 'G', 0},     {"BYYBYBB", 'H', 0},
    {"BYBBYYB", 'I', '8'}, {"BBBYBYY", 'J', 0},   {"YBBBBYY", 'K', '('},   {"BYBYYBB", 'L', ')'},
    {"BYYBBBY", 'M', '.'}, {"BYYBBYB", 'N', ','}, {"BYYYBBB", 'O', '9'},   {"BYBBYBY", 'P', '0'},
    {"YBBBYBY", 'Q', '1'}, {"BYBYBYB", 'R', '4'}, {"BBYBYYB", 'S', 0},     {"YYBYBBB", 'T', '5'},
    {"YBBBYYB", 'U', '7'}, {"YYBBBBY", 'V', '='}, {"BBBYYBY", 'W', '2'},   {"YBYBBBY", 'X', '/'},
    {"BBYBYBY", 'Y', '6'}, {"BBYYYBB", 'Z', '+'}, {"YYYBBBB", '\r', '\r'}, {"YYBBYBB", '\n', '\n'},
    {"YYBBBYB", ' ', ' '},
};
constexpr const char* kLetters = "YBYBBYB";
constexpr const char* kFigures = "YBBYBBY";
constexpr const char* kAlpha = "BBBBYYY"; // phasing signal 1, idle
constexpr const char* kRq = "YBBYYBB";    // phasing signal 2

struct Units {
    std::size_t first_edge; // sample of the first keying edge
    std::vector<std::size_t> edges;
    std::string units; // B / Y per 10 ms from first_edge
    int unclear = 0;   // units whose two tones were not clearly apart
};

// The tone on: where the two tones together rise above a quarter of their peak.
std::pair<std::size_t, std::size_t> carrier(const Audio& a) {
    std::vector<std::size_t> on;
    for (std::size_t b = 0; b + kUnit <= a.samples.size(); b += kUnit) {
        const double level = tone_amplitude(a.samples, b, kUnit, kMarkHz, a.rate) +
                             tone_amplitude(a.samples, b, kUnit, kSpaceHz, a.rate);
        if (level > 0.1) on.push_back(b);
    }
    return {on.front(), on.back() + kUnit};
}

Units demodulate(const Audio& a) {
    const auto [begin, end] = carrier(a);
    const Samples f = instantaneous_frequency(a.samples, a.rate, 0.5 * (kMarkHz + kSpaceHz), 300);
    Units u;
    for (std::size_t i = begin + kUnit; i < end - kUnit; ++i)
        if ((f[i] < 2210.0) != (f[i - 1] < 2210.0)) u.edges.push_back(i);
    u.first_edge = u.edges.front();
    // Each unit by Goertzel over its middle 60 samples.
    for (std::size_t s = u.first_edge; s + kUnit <= end - kUnit; s += kUnit) {
        const double mark = tone_amplitude(a.samples, s + 10, 60, kMarkHz, a.rate);
        const double space = tone_amplitude(a.samples, s + 10, 60, kSpaceHz, a.rate);
        u.units += mark > space ? 'B' : 'Y';
        if (std::max(mark, space) < 4.0 * std::min(mark, space)) ++u.unclear;
    }
    return u;
}

bool constant_ratio(const std::string& w) {
    return w.size() == 7 && std::count(w.begin(), w.end(), 'B') == 4;
}

// Cuts the units into words at the offset where the most are of constant ratio.
std::vector<std::string> words_of(const std::string& units) {
    std::vector<std::string> best;
    std::size_t best_valid = 0;
    for (std::size_t offset = 0; offset < 7; ++offset) {
        std::vector<std::string> words;
        for (std::size_t i = offset; i + 7 <= units.size(); i += 7)
            words.push_back(units.substr(i, 7));
        const auto valid =
            static_cast<std::size_t>(std::count_if(words.begin(), words.end(), constant_ratio));
        if (valid > best_valid) best = words, best_valid = valid;
    }
    return best;
}

std::string teleprinter(const std::vector<std::string>& words) {
    std::string text;
    bool figures = false;
    for (const std::string& w : words) {
        if (w == kLetters) figures = false;
        if (w == kFigures) figures = true;
        for (const Word& c : kCode)
            if (w == c.units) text += figures ? (c.figure != 0 ? c.figure : '?') : c.letter;
    }
    return text;
}

class FoneSitorB : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        audio = read_audio(fone_file("sitorb.wav"));
        units = demodulate(audio);
    }
    static Audio audio;
    static Units units;
};
Audio FoneSitorB::audio;
Units FoneSitorB::units;

TEST_F(FoneSitorB, SendsTwoTones170HzApart) {
    // Every unit is clearly one tone or the other (Goertzel, see demodulate) ...
    ASSERT_GT(units.units.size(), 2000u);
    EXPECT_EQ(units.unclear, 0);
    // ... at exactly 2125 and 2295 Hz: the frequency in the middle of each unit.
    const Samples f = instantaneous_frequency(audio.samples, audio.rate, 2210.0, 300);
    Samples marks, spaces;
    for (std::size_t k = 0; k < units.units.size(); ++k) {
        const double mid = f[units.first_edge + k * kUnit + kUnit / 2];
        (units.units[k] == 'B' ? marks : spaces).push_back(mid);
    }
    EXPECT_NEAR(percentile(marks, 0.5), kMarkHz, 3.0);
    EXPECT_NEAR(percentile(spaces, 0.5), kSpaceHz, 3.0);
    EXPECT_GT(percentile(marks, 0.02), kMarkHz - 30.0);
    EXPECT_LT(percentile(marks, 0.98), kMarkHz + 30.0);
    EXPECT_GT(percentile(spaces, 0.02), kSpaceHz - 30.0);
    EXPECT_LT(percentile(spaces, 0.98), kSpaceHz + 30.0);
    // Four marks to three spaces, word after word.
    EXPECT_NEAR(static_cast<double>(marks.size()) / static_cast<double>(units.units.size()),
                4.0 / 7.0, 0.002);
}

TEST_F(FoneSitorB, KeysOnlyOnTheTenMillisecondGrid) {
    ASSERT_GT(units.edges.size(), 1000u);
    std::size_t off_grid = 0;
    for (std::size_t e : units.edges) {
        const std::size_t r = (e - units.first_edge) % kUnit;
        if (std::min(r, kUnit - r) > 3) ++off_grid;
    }
    EXPECT_EQ(off_grid, 0u);
    // And the units really are 10 ms: edges one unit apart occur.
    std::size_t single = 0;
    for (std::size_t i = 1; i < units.edges.size(); ++i)
        if (units.edges[i] - units.edges[i - 1] <= kUnit + 3) ++single;
    EXPECT_GT(single, units.edges.size() / 4);
}

TEST_F(FoneSitorB, EveryWordHasFourMarksAndThreeSpaces) {
    const std::vector<std::string> words = words_of(units.units);
    ASSERT_GT(words.size(), 300u);
    for (std::size_t i = 0; i < words.size(); ++i)
        EXPECT_TRUE(constant_ratio(words[i])) << "word " << i << ": " << words[i];
}

TEST_F(FoneSitorB, PhasesThenRepeatsEachCharacterFivePlacesLaterAndReadsTheMessage) {
    const std::vector<std::string> words = words_of(units.units);
    // Phasing: signal 2 (RQ) in the DX places, signal 1 (alpha) in the RX places.
    const std::size_t dx = words[0] == kRq ? 0 : 1;
    std::size_t phasing = 0;
    while (dx + 2 * phasing + 1 < words.size() && words[dx + 2 * phasing] == kRq &&
           words[dx + 2 * phasing + 1] == kAlpha)
        ++phasing;
    EXPECT_GE(phasing * 14 * kUnit, 9.5 * audio.rate); // about 10 s

    std::vector<std::string> message;
    std::size_t i = dx + 2 * phasing;
    for (; i + 5 < words.size() && words[i] != kAlpha; i += 2) {
        message.push_back(words[i]);
        EXPECT_EQ(words[i + 5], words[i]) << "DX word " << i << " repeated in RX";
    }
    EXPECT_EQ(teleprinter(message), kMessage);
    // The end of emission: three alphas in the DX places.
    ASSERT_LT(i + 4, words.size());
    EXPECT_EQ(words[i], kAlpha);
    EXPECT_EQ(words[i + 2], kAlpha);
    EXPECT_EQ(words[i + 4], kAlpha);
}

} // namespace
} // namespace zenka::fone_test
