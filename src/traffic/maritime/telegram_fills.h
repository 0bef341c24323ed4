#pragma once
// The fill-ins of the telegram texts, slot by slot, in the order their placeholders take them.

#include "traffic/toolkit/fill.h"

#include <string>
#include <string_view>

namespace zenka {

class Air;

// What a ship's telegram is filled from: V name, C call, D M the ETA day and month, H the drawn
// hour, P P2 ports, N N2 surnames, d m h today's day, month and hour, Mn this month's name.
struct ShipFacts {
    std::string V, C;
    int D = 1, M = 1, H = 0;
    std::string P, P2, N, N2, O;
    int d = 1, m = 1, h = 0;
    std::string Mn;
};

// The facts of ship `name`/`call` as of the pass's day: today's day, month, hour and month name,
// and the ETA of tomorrow.
ShipFacts ship_facts(const Air& a, std::string_view name, std::string_view call);

// The fill-ins of ship's text `slot`; numbers of their own ranges and first names are drawn.
Fills ship_text_fills(Air& a, int slot, const ShipFacts& f);

// What a coast station's telegram is filled from: O origin, nr the message number, d m h mi
// now, V C the ship, St the addressee's station, K the coast call, P port, N N2 surnames, F a
// first name.
struct CoastFacts {
    std::string O;
    int nr = 0, d = 1, m = 1, h = 0, mi = 0;
    std::string V, C, St, K, P, N, N2, F;
};

// The fill-ins of coast telegram `slot` (0 - 24, 121, 131, 141).
Fills coast_text_fills(Air& a, int slot, const CoastFacts& f);

// The ETA of a telegram drawn on `day` of `month`: tomorrow, and after the 30th the 1st of the
// next month (January after December).
void eta(int day, int month, int& D, int& M);

} // namespace zenka
