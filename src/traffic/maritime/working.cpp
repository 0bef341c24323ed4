// The working ship of a contact and its manners: how it is chosen, how its operator greets, keys
// and takes leave.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <cctype>

namespace zenka {

void get_vsl(Air& a) {
    a.coast_nr = one_of(a, kCoastCount);
    a.vsl_nr = one_of(a, kVslCount);
    a.ship_call = vsl(a.vsl_nr);
    a.ship_name = qra(a.vsl_nr);
}

void international_hello(Air& a, std::string_view coast, std::string_view ship) {
    if (begins(coast, "F") || begins(ship, "F"))
        french_hello(a);
    else
        hello(a);
    if (begins(coast, "U") && begins(ship, "U")) a.str2 = "ZDR";
    if (in_series(coast, 'S', 'A', 'M') && in_series(ship, 'S', 'A', 'M')) a.str2 = "HEJ";
    if (begins_any(coast, {"5A", "7T", "9K", "A4", "A7", "A9", "HZ", "JY", "OD", "SU"}) &&
        begins_any(ship, {"5A", "7T", "9K", "A4", "A7", "A9", "HN", "HZ", "JY", "OD", "SU"}))
        a.str2 = "SLM";
}

void fleet_style(Air& a, std::string_view coast) {
    a.refresh_time();
    if (a.cond(3)) a.hand = 1;
    if (a.t.second == 13) a.qrh = 2;
    if (a.t.second == 26) a.qrh = 1;
    const std::string_view s = a.ship_call;
    if (begins_any(s, {"3E", "3F", "9H"})) {
        a.spd = between(a, 21, 26);
    } else if (begins(s, "4J")) {
        a.spd += 4;
    } else if (begins(s, "5A")) {
        a.spd -= 4;
        a.ton = between(a, 500, 799);
    } else if (begins_any(s, {"6K", "6L", "6M", "6N", "DS", "DT", "HL"})) {
        a.bug();
    } else if (begins(s, "I")) {
        a.spd = between(a, 16, 22);
    } else if (begins_any(s, {"AQ", "AT", "VV", "VW"})) {
        a.spd = between(a, 15, 20);
        a.ton = between(a, 500, 699);
        a.hand = 1;
        a.qrh = 2;
    } else if (begins_any(s, {"EP", "EQ"})) {
        a.spd = between(a, 16, 21);
        a.ton = between(a, 500, 799);
    } else if (begins_any(s, {"F", "G", "M", "K", "W", "Z"}) && a.t.second % 3 != 0) {
        a.bug();
    } else if (begins_any(s, {"G", "M"})) {
        a.spd = between(a, 16, 23);
    } else if (begins_any(s, {"HN", "HZ"})) {
        a.spd = between(a, 18, 23);
    } else if (begins(s, "U") && begins_any(coast, {"R", "U"})) {
        a.spd += 5;
    } else if (begins_any(s, {"SP", "SQ"})) {
        a.spd = between(a, 20, 24);
    } else if (begins_any(s, {"SS", "SU"})) {
        a.spd -= 4;
        a.ton = between(a, 500, 699);
    } else if (in_series(s, 'S', 'V', 'Z')) {
        a.spd = between(a, 20, 28);
    }
}

namespace {

bool same_call(std::string_view x, std::string_view y) {
    if (x.size() != y.size()) return false;
    for (std::size_t k = 0; k < x.size(); ++k)
        if (std::toupper(static_cast<unsigned char>(x[k])) !=
            std::toupper(static_cast<unsigned char>(y[k])))
            return false;
    return true;
}

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view c) {
    for (std::string_view entry : list)
        if (same_call(entry, c)) return true;
    return false;
}

} // namespace

int find_specialistic_vsl(Air& a) {
    const std::string_view c = a.ship_call;
    if (listed(vsl_type_motorcargo, c)) return 1;
    if (listed(vsl_type_ore, c)) return 2;
    if (listed(vsl_type_motortanker, c)) return 3;
    if (listed(vsl_type_steamcargo, c)) return 4;
    if (listed(vsl_type_cc, c)) return 5;
    if (listed(vsl_type_refrigatedcargo, c)) return 6;
    if (listed(vsl_type_steamtanker, c)) return 7;
    if (listed(vsl_type_motorpassanger, c)) return 8;
    if (listed(vsl_type_steampassanger, c)) return 9;
    if (listed(vsl_type_trawler, c)) return 10;
    return 0;
}

int find_base_vsl(std::string_view call, int n) {
    for (int i = 0; i < n && i < kVslCount; ++i)
        if (same_call(vsl(i), call)) return i;
    return -1;
}

namespace {

// The farewells by draw; `reply` adds the other station's "ee" after a pause.
struct Farewell {
    std::string_view text;
    bool reply;
};
constexpr std::array<Farewell, 34> kFarewells = {{
    {"TU SU ee", false},
    {"TU SU ee", false},
    {"TU SU ee", false},
    {"TUSUee", false},
    {"TU ee", false},
    {"TUee", false},
    {"] ee", false},
    {"SU ee", false},
    {"TU e e", false},
    {"73 GB e e", false},
    {"R FB 73 DE %s ] ee", false},
    {"DE %s TKS 73 GB ee", false},
    {"DE %s TKS OM 73 GB ee", false},
    {"ee", false},
    {"73 ee", false},
    {"GB TU ee", false},
    {"QRU 73 TU SU ee", false},
    {"TKS OM NEEL 73 GB ee", false},
    {"R TKS OM NEEL 73 GB ee", false},
    {"R TKS OM NW NEEL 73 GB ee", true},
    {"R FB 73 GB DE %s SEE U ee", true},
    {"NW QRU 73 TU SU ee", false},
    {"ERE QRU 73 TU SU ee", false},
    {"ERE QRU 73 TU SU ee", true},
    {"EN NW NEEL 73 GB DE %s  TU ee", false},
    {"EN NW NEEL 73 GB DE %s  TU ee", false},
    {"R NW NIL 73 GB DE %s  TU SU ee", true},
    {"TKS NIL 73 SUEE", false},
    {"TKS NIL 73 SUEE", true},
    {"73 GB TU SU EE", false},
    {"73 GB TU SU EE", true},
    {"NW NIL 73 ]", false},
    {"HR QRU 73 TU SU ee", false},
    {"HR NIL 73 TU SU ee", false},
}};

} // namespace

void maritime_bye(Air& a, std::string_view call) {
    const int draw = one_of(a, static_cast<int>(kFarewells.size()));
    const Farewell& f = kFarewells[static_cast<std::size_t>(draw)];
    a.send(fill(f.text, {std::string(call)}));
    if (draw == 25) {
        wait_between(a, 3, 6);
        a.send("e e");
    }
    if (f.reply) {
        wait_between(a, 3, 6);
        a.send("ee");
    }
}

} // namespace zenka
