// The radiotelegrams: a ship's telegram filed with a coast station, and a coast station's
// telegram passed to a ship.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/series.h"
#include "traffic/maritime/telegram_fills.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/dates.h"
#include "traffic/toolkit/draw.h"

#include <array>
#include <cctype>

namespace zenka {
namespace {

// The stored telegram of the working ship, or none.
std::string_view stored_telegram(std::string_view call) {
    for (int i = 0; i < kStoredCount; ++i) {
        const std::string_view c = qtc_700_cs(i);
        bool same = c.size() == call.size();
        for (std::size_t k = 0; same && k < c.size(); ++k)
            same = std::toupper(static_cast<unsigned char>(call[k])) == c[k];
        if (same) return qtc_700_tab(i);
    }
    return {};
}

bool tanker(int type) {
    return type == 3 || type == 7;
}

// The type prefix printed before the ship's name.
std::string type_prefix(Air& a, std::string_view coast, int type) {
    const std::string_view s = a.ship_call;
    std::string prefix = "M/V";
    if (in_series(s, 'D', 'A', 'R')) prefix = "MS";
    if (begins(s, "I") && begins(coast, "I")) prefix = "M/N";
    if (in_series(s, 'L', 'A', 'N') || in_series(s, 'S', 'A', 'R')) prefix = "M/S";
    if (begins_any(s, {"K", "W"})) prefix = "S/S";
    if (begins_any(s, {"G", "M"})) prefix = "";
    if (type == 3) prefix = a.cond(4) ? "MT" : "M/T";
    if (type == 7) prefix = a.cond(3) ? "ST" : "S/T";
    if (type == 4) prefix = a.cond(3) ? "SS" : "S/S";
    if (type == 10) prefix = a.cond(4) ? "FV" : "F/V";
    if (tanker(type) && in_series(s, 'E', 'A', 'H') && in_series(coast, 'E', 'A', 'H'))
        prefix = "B/T";
    if (type == 1 && begins(s, "CS")) prefix = "N/M";
    if ((type == 1 || type == 2) && begins(s, "PP")) prefix = "N/M";
    if (type == 3 && begins(s, "PP")) prefix = "N/T";
    return prefix;
}

constexpr std::array<std::string_view, 6> kShipEndings = {
    "%s + K", "%s + HW", "%s + HW? K", "%s = + NIL K", "%s + NIL K", "%s + NIL DE %s K"};

// The preamble, text and address of a ship's telegram drawn afresh.
std::string ship_telegram(Air& a, std::string_view coast) {
    const int type = find_specialistic_vsl(a);
    const std::string prefix = type_prefix(a, coast, type);
    ShipFacts f = ship_facts(a, a.ship_name, a.ship_call);

    f.H = one_of(a, 23);
    int p = one_of(a, 81), p2 = one_of(a, 81);
    if (p2 == p) {
        p = 1;
        p2 = 0;
    }
    f.P = next_port(p);
    f.P2 = next_port(p2);
    int n = one_of(a, 22), n2 = one_of(a, 22);
    if (n == n2) {
        n = 1;
        n2 = 2;
    }
    f.N = name[static_cast<std::size_t>(n)];
    f.N2 = name[static_cast<std::size_t>(n2)];
    const std::string_view address = adr(one_of(a, kAdrCount));
    f.O = origin(one_of(a, kOriginCount));
    int slot = one_of(a, 53);

    if (a.cond(2)) {
        if (in_series(f.C, 'D', 'A', 'R')) slot = 70;
        if (begins_any(f.C, {"SP", "SQ"})) slot = between(a, 80, 82);
        if (begins(f.C, "TC")) slot = between(a, 90, 91);
    }
    if (type == 8 || type == 9) slot = 38;

    a.str2 = (slot == 51 || slot == 52) ? std::string("TXT SAME ")
                                        : fill(qtc_table(slot), ship_text_fills(a, slot, f));

    static constexpr std::array<std::string_view, 6> kPreambles = {
        "NW FM %s %s/%s NR %d > %u %u/%u %02u%02u UTC",
        "< FM %s %s/%s NR %d > %u %u %u %02u%02u GMT",
        "NW FM %s %s/%s NR %d > %u %u/%u %02u%02u LT",
        "VVV  <<  NW FM %s %s/%s NR %d > %u %u/%u %02u%02u LT",
        "NW FM %s %s/%s NR %d > %u %u/%u %02u%02u UTC",
        "< %s NR %d %u %u %02u%02u"};
    const int form = one_of(a, 6);
    const int serial = between(a, 1, 9);
    const int check = qtc_ck(slot);
    a.str = form == 5
                ? fill(kPreambles[5], {f.V, serial, check, a.t.day, a.t.hour, a.t.minute})
                : fill(kPreambles[static_cast<std::size_t>(form)],
                       {prefix, f.V, f.C, serial, check, a.t.day, a.t.month, a.t.hour, a.t.minute});
    if (qtc_ads(slot) == 201) return a.str + " = " + std::string(address) + " = " + a.str2;
    return a.str + " = " + a.str2;
}

} // namespace

void vsl_qtc(Air& a, std::string_view coast) {
    std::string telegram(stored_telegram(a.ship_call));
    if (!telegram.empty()) {
        a.str = fill("< %s/%s ", {a.ship_name, a.ship_call});
        a.send(a.str);
    } else {
        telegram = ship_telegram(a, coast);
    }
    a.str3 = fill(kShipEndings[static_cast<std::size_t>(one_of(a, 6))], {telegram, a.ship_call});
    if (a.cond(3))
        qtc_qsk(a, a.str3);
    else
        a.send(a.str3);
    a.wait(4 + one_of(a, 3));
    maritime_bye(a, a.ship_call);
    a.send_stack("");
}

void coast_qtc(Air& a, std::string_view coast, std::string_view place) {
    get_vsl(a);
    coast_qtc_to_vsl(a, coast, place);
}

void coast_qtc_to_vsl(Air& a, std::string_view coast, std::string_view place) {
    if (begins(a.ship_call, "F"))
        french_hello(a);
    else
        international_hello(a, coast, a.ship_call);
    const std::string greeting = a.str2;

    int slot = one_of(a, 25);
    if (in_series(a.ship_call, 'L', 'A', 'N') && in_series(coast, 'L', 'A', 'N')) slot = 121;
    if (in_series(a.ship_call, 'O', 'U', 'Z') && in_series(coast, 'O', 'U', 'Z')) slot = 141;
    if (in_series(a.ship_call, 'P', 'A', 'J') && in_series(coast, 'P', 'A', 'J')) slot = 131;

    CoastFacts f;
    f.P = next_port(one_of(a, kNextPortCount));
    f.O = origin(one_of(a, kOriginCount));
    const std::string_view tail = opchat_tail[static_cast<std::size_t>(one_of(a, 7))];
    f.N = name[static_cast<std::size_t>(one_of(a, 22))];
    f.N2 = name[static_cast<std::size_t>(one_of(a, 22))];
    f.F = fname[static_cast<std::size_t>(one_of(a, 12))];

    a.wait(0);
    const std::string announcement = a.coast_mf
                                         ? fill("%s DE %s QTC1 GA?", {a.ship_call, std::string(coast)})
                                         : fill("%s %s QTC1 GA?", {a.ship_call, greeting});
    if (a.t.second % 2 == 1) a.spacing = 3;
    if (a.spd <= 16) a.spd = 20;
    if (a.spd > 27) a.spd -= 3;
    a.send(announcement);
    a.wait(2 + one_of(a, 2));

    f.St = place.empty() ? fill(" %s ", {std::string(coast)})
                         : fill(" %sRADIO ", {std::string(place)});
    f.nr = a.nr;
    f.d = a.t.day;
    f.m = a.t.month;
    f.h = a.t.hour;
    f.mi = a.t.minute;
    f.V = a.ship_name;
    f.C = a.ship_call;
    f.K = coast;
    a.str = fill(coast_qtc_template(slot), coast_text_fills(a, slot, f));
    a.str2 = a.str + " " + std::string(tail) + " ";
    if (a.cond(3))
        qtc_qsk(a, a.str2);
    else
        a.send(a.str2);
    a.wait(4 + one_of(a, 4));
    maritime_bye(a, coast);
    if (!a.coast_mf) a.spd -= 3;
    a.wait(1);
}

} // namespace zenka
