#pragma once
// The station catalogue: ordered station rules, each a frequency condition and an
// action that tests its own schedule gate, sets the emission parameters and
// sends. The dispatcher evaluates them block by block in this order, so the
// order of the rules is the order in which their emissions take sound channels.

#include <array>
#include <climits>
#include <initializer_list>
#include <span>
#include <string_view>

namespace zenka {

class Air;

// One frequency, a set of frequencies or a closed range, in units of 100 Hz.
class Frequencies {
  public:
    static constexpr int kMaxRanges = 12;

    constexpr bool contains(int freq) const {
        for (int i = 0; i < count_; ++i)
            if (freq >= lo_[static_cast<std::size_t>(i)] &&
                freq <= hi_[static_cast<std::size_t>(i)])
                return true;
        return false;
    }

    friend constexpr Frequencies at(int freq);
    friend constexpr Frequencies any_of(std::initializer_list<int> freqs);
    friend constexpr Frequencies range(int lo, int hi);

  private:
    constexpr void add(int lo, int hi) {
        lo_[static_cast<std::size_t>(count_)] = lo;
        hi_[static_cast<std::size_t>(count_)] = hi;
        ++count_;
    }

    std::array<int, kMaxRanges> lo_{};
    std::array<int, kMaxRanges> hi_{};
    int count_ = 0;
};

constexpr Frequencies at(int freq) {
    Frequencies f;
    f.add(freq, freq);
    return f;
}

constexpr Frequencies any_of(std::initializer_list<int> freqs) {
    Frequencies f;
    for (int freq : freqs)
        f.add(freq, freq);
    return f;
}

constexpr Frequencies range(int lo, int hi) {
    Frequencies f;
    f.add(lo, hi);
    return f;
}

constexpr Frequencies from(int lo) {
    return range(lo, INT_MAX);
}

struct Rule {
    Frequencies freq;
    // The rule's emissions in order, as the band plan names them: a call sign and
    // the kind of emission ("NAA marker, auto"), or a generator and its arguments
    // ("coast_station_lf FFP/LEHAVRE").
    std::string_view label;
    void (*act)(Air& a);
};

// The three blocks of rules, tested in this order: the low block up to 200.0 kHz, the
// medium-frequency maritime block, and the tail at every frequency.
struct Catalogue {
    std::span<const Rule> low;
    std::span<const Rule> marine;
    std::span<const Rule> tail;
};

// The gates of the blocks, in units of 100 Hz.
constexpr bool in_low_block(int freq) {
    return freq <= 2000;
}
constexpr bool in_marine_block(int freq) {
    return freq > 4050 && freq <= 5349;
}

// The station catalogue of the band.
Catalogue station_catalogue();

// Up to 200.0 kHz, in four parts by frequency.
std::span<const Rule> low_block();
std::span<const Rule> vlf_rules();    // 10.0 - 39.9 kHz
std::span<const Rule> lf_rules();     // 40.0 - 99.9 kHz
std::span<const Rule> lf_100_rules(); // 100.0 - 139.9 kHz
std::span<const Rule> lf_140_rules(); // 140.0 - 200.0 kHz
// 405.1 - 534.9 kHz, the medium-frequency maritime band with 500 kHz, in two parts.
std::span<const Rule> marine_block();
std::span<const Rule> marine_rules();     // 405.1 - 469.9 kHz
std::span<const Rule> marine_470_rules(); // 470.0 - 534.9 kHz
// Evaluated at every frequency, in two parts.
std::span<const Rule> tail_block();
std::span<const Rule> tail_rules();     // 205.0 - 299.9 kHz
std::span<const Rule> tail_300_rules(); // 300.0 kHz and up, with 457.0 and 530.0 kHz

} // namespace zenka
