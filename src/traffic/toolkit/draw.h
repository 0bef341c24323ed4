#pragma once
// Uniform draws in a range, as the traffic writes them ("wait(3 ... 6)").

#include "compose/air.h"

#include <iterator>
#include <string_view>

namespace zenka {

// lo ... hi inclusive, uniform.
inline int between(Air& a, int lo, int hi) {
    return lo + static_cast<int>(a.myrand() % static_cast<std::uint32_t>(hi - lo + 1));
}

// One of n: 0 ... n - 1.
inline int one_of(Air& a, int n) {
    return static_cast<int>(a.myrand() % static_cast<std::uint32_t>(n));
}

// One entry of a table at random, of its first `n` when n is given.
template <class Table> std::string_view pick(Air& a, const Table& table, int n) {
    return table[static_cast<std::size_t>(one_of(a, n))];
}
template <class Table> std::string_view pick(Air& a, const Table& table) {
    return pick(a, table, static_cast<int>(std::size(table)));
}

// A pause of lo ... hi groups of four spaces.
inline void wait_between(Air& a, int lo, int hi) {
    a.wait(between(a, lo, hi));
}

} // namespace zenka
