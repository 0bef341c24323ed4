// The MF fleet, army and police nets in the old "V" calling style, and the Canadian army calls.

#include "compose/air.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <algorithm>
#include <array>
#include <string>

namespace zenka {
namespace {

// A form of the Canadian army's call: its text and how many times each call fills it.
struct ArmyCall {
    std::string_view text;
    int called, calling;
};

constexpr std::array<ArmyCall, 7> kArmyCalls = {{
    {"^ ^  %s  %s  V  %s  %s +", 2, 2},
    {"^ ^  %s %s  V  %s %s  +", 2, 2},
    {"^  %s V %s  +", 1, 1},
    {"^ %s V %s +", 1, 1},
    {"^  %s  %s  V %s %s +", 2, 2},
    {"^ %s  %s  %s  %s %s V %s %s +", 5, 2},
    {"^ vvvvvvvvvvv +", 0, 0},
}};

constexpr std::array<std::string_view, 3> kArmyBoats = {"WYDO", "WYDP", "WYDQ"};
constexpr std::array<std::string_view, 6> kArmyShore = {"WYCM", "WYDK", "WYDL",
                                                        "WYDM", "WYDN", "WYDR"};

} // namespace

void fleetwave_975(Air& a) {
    if (a.min_period(10, 20) || a.min_period(40, 50)) return;
    // Spark is heard only with the historical stations on; without them nothing is composed.
    if (a.settings.hist == 0) return;
    a.stn();
    const std::string shore(pick(a, usn_fleetwave));
    const std::string ship(pick(a, usn_fleetwave2));
    a.send(fill("< < %s %s V %s %s K", {shore, shore, ship, ship}));
    send_spark(a, "");
}

void usarmy_air_corps(Air& a, std::span<const std::string_view> stations, int n) {
    if (a.t.minute % 3 != 0 || stations.empty()) return;
    // Five words a minute slower, until the bug-keyed conditional call draws its own voice.
    a.spd -= 5;
    const int choices = std::clamp(n - 1, 1, static_cast<int>(stations.size()));
    const std::string ground(stations[static_cast<std::size_t>(a.rand() % choices)]);
    a.nato_call3();
    const std::string aircraft = a.str2;
    const std::string text = a.t.second % 2 == 1
                                 ? fill("%s %s V %s K", {aircraft, aircraft, ground})
                                 : fill("%s V %s QGN K", {aircraft, ground});
    a.send_cond_bug(text);
}

void usarmy_vsl(Air& a) {
    if (a.t.second % 3 != 0) return;
    a.stn();
    const std::string boat(kArmyBoats[static_cast<std::size_t>(a.rand() % 3)]);
    const std::string shore(kArmyShore[static_cast<std::size_t>(a.rand() % 6)]);
    a.send_stack(fill("<  %s %s V %s %s QMM +", {boat, boat, shore, shore}));
}

void pa_state_police(Air& a) {
    if (a.t.second % 3 != 0) return;
    a.stn();
    const std::string first(pick(a, pa_police_net));
    std::string second(pick(a, pa_police_net));
    while (second == first)
        second = pick(a, pa_police_net);
    a.bug();
    a.send_stack(fill("< %s %s DE %s %s +", {first, first, second, second}));
}

void can_army(Air& a, std::string_view called, std::string_view calling) {
    if (!a.cond(4)) return;
    a.spd = 15 + static_cast<int>(a.myrand() % 4);
    a.ton = 600 + static_cast<int>(a.myrand() % 300);
    a.qsa = 1;
    a.hand = 1;
    const ArmyCall& form = kArmyCalls[a.myrand() % kArmyCalls.size()];
    Fills calls(static_cast<std::size_t>(form.called), std::string(called));
    calls.insert(calls.end(), static_cast<std::size_t>(form.calling), std::string(calling));
    a.send_stack(fill(form.text, calls));
}

} // namespace zenka
