#include "traffic/maritime/telegram_fills.h"

#include "compose/air.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/dates.h"
#include "traffic/toolkit/draw.h"

namespace zenka {

void eta(int day, int month, int& D, int& M) {
    D = day + 1;
    M = month;
    if (D > 30) {
        D = 1;
        M = month % 12 + 1;
    }
}

namespace {

// An hour as the "%s00" of a text takes it: 7 -> "07".
std::string two_figures(int n) {
    const char digits[2] = {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    return std::string(digits, 2);
}

} // namespace

ShipFacts ship_facts(const Air& a, std::string_view name, std::string_view call) {
    ShipFacts f;
    f.V = name;
    f.C = call;
    f.d = a.t.day;
    f.m = a.t.month;
    f.h = a.t.hour;
    f.Mn = months[static_cast<std::size_t>(a.t.month - 1)];
    eta(f.d, f.m, f.D, f.M);
    return f;
}

Fills ship_text_fills(Air& a, int slot, const ShipFacts& f) {
    auto n = [&](int lo, int hi) -> Fill { return between(a, lo, hi); };
    switch (slot) {
    case 0:
        return {f.V, f.D, f.H};
    case 1:
        return {f.D, f.H, n(2, 9), f.D};
    case 2:
        return {f.P, f.P, f.D, n(1, 22), n(3, 9)};
    case 3:
        return {f.N, f.N2, f.D, f.H};
    case 4:
        return {f.d, f.m};
    case 5:
        return {f.V, f.D, f.M, f.H};
    case 6:
        return {f.V, f.D, f.M, f.H, f.P};
    case 8:
        return {f.V, f.C, f.P, f.D, f.M, f.H};
    case 9:
        return {f.P, f.H, f.D};
    case 10:
        return {f.D, f.M, f.H, n(100, 349)};
    case 11:
        return {f.V, f.P, f.D, f.M, f.H, f.P2, n(20, 44)};
    case 12:
        return {f.V, f.d, f.m, f.h, f.D, f.M, f.H};
    case 13:
        return {f.D, f.H, f.P};
    case 14:
        return {n(20, 49), f.D, f.Mn};
    case 15:
        return {f.Mn, f.d, f.P, f.P, f.Mn, f.D, f.M};
    case 16:
        return {f.V, f.d, f.h};
    case 17:
        return {f.d, f.h, f.D, f.H};
    case 18:
        return {f.V, f.C, f.H, f.D};
    case 20:
        return {f.P, f.D + 4, f.M};
    case 21:
        return {f.V, f.P, f.d, f.m, f.h};
    case 22:
        return {f.N};
    case 23:
    case 35:
        return {f.P};
    case 24: // "ETA %s %s %s %s00": the port, the day and month, the hour
        return {f.V, f.P, f.D, f.M, two_figures(f.H)};
    case 25:
        return {f.D, f.H};
    case 26:
        return {f.V, f.D, f.M, two_figures(f.H)};
    case 27:
        return {f.d, f.h, f.D};
    case 28:
        return {f.h, f.P, f.D, f.m, f.H, f.P};
    case 29:
        return {f.P, f.D, f.m};
    case 30:
        return {f.P, f.D, f.Mn};
    case 31:
        return {f.D, f.m, f.H};
    case 32:
        return {f.V, f.C, f.P, f.D, f.m, f.H};
    case 33:
        return {std::string(fname[static_cast<std::size_t>(one_of(a, 12))]), f.P};
    case 37:
        return {f.D, n(1, 11)};
    case 39:
        return {f.V, f.P, f.D, f.H};
    case 40:
        return {f.d, f.m, f.D, f.m};
    case 42:
        return {f.d, f.h};
    case 41:
        return {f.d, f.h, f.P, f.H, f.d, f.Mn};
    case 43:
        return {f.V, f.C, f.d, f.Mn};
    case 44:
    case 45:
    case 46:
        return {f.O, n(2, 11), f.d, f.N, f.V};
    case 47:
        return {n(2, 11), f.d};
    case 48:
        return {f.d, f.Mn, f.h, n(40, 49), n(0, 998)};
    case 49:
        return {f.V, f.P, f.D, f.H};
    case 53:
        return {f.V, f.d, f.h};
    case 81:
        return {f.V, f.D, f.D};
    case 90:
        return {f.h, f.P, f.D, f.m, f.H};
    case 91:
        return {f.d, f.m, f.h, n(10, 20), n(20, 30), n(0, 8), n(50, 70), n(20, 30)};
    default:
        return {};
    }
}

Fills coast_text_fills(Air& a, int slot, const CoastFacts& f) {
    switch (slot) {
    case 0:
        return {f.O, f.nr, f.d, f.m, f.h, f.V, f.C, f.St, between(a, 3, 5), f.P, f.N};
    case 1:
        return {f.nr, f.d, f.m, f.h, f.V, f.C, f.St, f.N};
    case 2:
        return {f.O, f.nr, f.d, f.m, f.h, f.mi, f.V, f.C, f.St, f.N};
    case 3:
        return {f.O, f.nr, f.d, f.V, f.C, f.St, f.N, f.N2};
    case 4:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.C, f.St, f.P, f.N};
    case 5:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.C, f.St, f.P, f.d, f.N};
    case 6:
    case 9:
    case 10:
    case 11:
    case 13:
    case 14:
    case 18:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.St, f.N};
    case 7:
        return {f.d, f.m, f.h, f.V, f.St, f.N};
    case 8:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.St, f.N, f.P, f.P};
    case 12:
        return {f.O, f.nr, f.d, f.h, f.mi, f.F, f.N, f.St};
    case 15:
    case 20:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.St, f.P, f.N};
    case 16:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.St, f.P};
    case 17:
        return {f.O, f.nr, f.d, f.h, f.mi, f.N, f.V, f.St};
    case 19:
        return {f.O, f.d, f.h, f.mi, f.V, f.C, f.St};
    case 21:
        return {f.nr, f.d, f.h, f.V, between(a, 2, 11), f.d, f.N};
    case 22:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.K, f.N};
    case 23:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.N};
    case 24:
        return {f.O, f.nr, f.d, f.h, f.mi, f.V, f.C};
    case 121:
        return {f.d, f.m, f.h, f.V, f.C, f.St};
    case 131:
        return {f.d, f.h, f.mi, f.V, f.St};
    case 141:
        return {f.d, f.h, f.mi, f.V};
    default:
        return {};
    }
}

} // namespace zenka
