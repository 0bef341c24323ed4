#pragma once
// The station catalogue: ordered station rules, each a frequency condition and an
// action that tests its own schedule gate, sets the emission parameters and
// sends. The dispatcher evaluates them block by block in this order, so the
// order of the rules is the order in which their emissions take sound channels.

#include <algorithm>
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

    // Where the station of a rule over these frequencies stands when the dial is at
    // `freq` (which they contain): a range up to 6.0 kHz wide in its middle, heard half
    // its width either side; a wider range follows the dial (freq 0); a single
    // frequency is where it is composed (freq 0, reach 0), unless the set is one
    // station heard across its positions: then it stands at the middle one.
    struct Nominal {
        int freq = 0;
        int reach = 0;
    };
    constexpr Nominal nominal(int freq) const {
        if (one_station_ && contains(freq)) {
            const int mid = lo_[static_cast<std::size_t>(count_ / 2)];
            return {mid, std::max(mid - lo_[0], hi_[static_cast<std::size_t>(count_ - 1)] - mid)};
        }
        for (int i = 0; i < count_; ++i) {
            const int lo = lo_[static_cast<std::size_t>(i)], hi = hi_[static_cast<std::size_t>(i)];
            if (freq < lo || freq > hi || lo == hi) continue;
            if (hi - lo > kNarrowRange) return {0, 0};
            return {(lo + hi) / 2, (hi - lo) / 2};
        }
        return {};
    }
    static constexpr int kNarrowRange = 60;

    friend constexpr Frequencies at(int freq);
    friend constexpr Frequencies any_of(std::initializer_list<int> freqs);
    friend constexpr Frequencies range(int lo, int hi);
    friend constexpr Frequencies heard_across(std::initializer_list<int> freqs);

  private:
    constexpr void add(int lo, int hi) {
        lo_[static_cast<std::size_t>(count_)] = lo;
        hi_[static_cast<std::size_t>(count_)] = hi;
        ++count_;
    }

    std::array<int, kMaxRanges> lo_{};
    std::array<int, kMaxRanges> hi_{};
    int count_ = 0;
    bool one_station_ = false;
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

// One station heard alike at each of a few neighbouring positions of the dial (given
// in rising order): the receiver hears it standing at the middle one.
constexpr Frequencies heard_across(std::initializer_list<int> freqs) {
    Frequencies f = any_of(freqs);
    f.one_station_ = true;
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
