#pragma once
// The ship register's drawing: the program's own generator of numbers, and the names of ships
// in the manner of their flags.

#include <cstdint>
#include <string>
#include <vector>

namespace shipreg {

constexpr int kShips = 1856;

// A 64-bit linear congruential generator: the same numbers on every platform.
struct Draw {
    std::uint64_t state = 0x5A454E4B41ull; // "ZENKA"
    unsigned operator()(unsigned n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<unsigned>((state >> 33) % n);
    }
    template <typename T> const T& pick(const std::vector<T>& v) { return v[(*this)(v.size())]; }
};

using Words = std::vector<std::string>;

// How the ships of a flag are named: a pattern of the flag, filled from word lists.
enum class Style {
    Greek,
    Convenience,
    Soviet,
    Polish,
    EastGerman,
    German,
    Norwegian,
    Swedish,
    Danish,
    Finnish,
    Dutch,
    Japanese,
    British,
    American,
    Italian,
    French,
    Spanish,
    Portuguese,
    Chinese,
    Korean,
    Indian,
    Turkish,
    Arabic,
    Balkan,
    Cuban,
    Latin
};

// A flag: the first two characters of its call signs (one of `series`), how many letters follow
// them, whether a figure may close the call, its share of the fleet and its naming.
// A ship's name in the manner of `style`.
std::string name_for(Style style, Draw& d);

} // namespace shipreg
