// The naval shore stations' fleet broadcasts: the marker tape runs, and now and then the operator
// stops it to work a ship or to pass a cipher message.

#include "compose/air.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace zenka {
namespace {

// The operator's forms, which differ between the older and the newer procedure.
struct Procedure {
    std::string_view tactical; // answer by tactical call
    std::string_view open;     // answer by the ship's own call
    std::string_view cipher;   // end of a cipher message
    bool strength;             // the answers report the strength
};

constexpr Procedure kNewer{"%s %s DE %s RRR QSA%d K", "%s %s DE %s QSA%d K", " + DE %s QRU ]",
                           true};
constexpr Procedure kOlder{"%s %s DE %s RRR K", "%s %s DE %s QRK K", " + NM ] %s", false};

void tape_times(Air& a, std::string_view tape, int n) {
    for (int i = 0; i < n; ++i)
        a.send(tape);
}

// The tape runs 1 - 5 times and the operator stops it after 5 - 14 characters, then speeds up.
void stop_tape(Air& a, std::string_view tape) {
    for (int i = 0; i < between(a, 1, 5); ++i)
        a.send(tape);
    a.str = std::string(tape.substr(0, 5 + a.myrand() % 10));
    a.send(a.str);
    a.wait(1);
    a.spd += 3;
}

// The ship answered by a tactical call: letter, figure, letter. Only an 'N' station does it, and
// only when the millisecond is not a multiple of 4. Closes the slot when it takes place.
bool tactical_call(Air& a, std::string_view tape, std::string_view own_call, const Procedure& p) {
    if (!own_call.starts_with('N') || a.t.milliseconds % 4 == 0) return false;
    const char letter = static_cast<char>('A' + a.rand() % 26);
    const char figure = static_cast<char>('0' + a.rand() % 9);
    const char last = static_cast<char>('A' + a.rand() % 26);
    a.str2 = {letter, figure, last};
    Fills fills{a.str2, a.str2, std::string(own_call)};
    if (p.strength) fills.emplace_back(2 + a.rand() % 3);
    a.send(fill(p.tactical, fills));
    a.wait(6);
    a.send("OK QRU ]ee");
    a.wait(4);
    tape_times(a, tape, 20);
    a.send_stack("");
    return true;
}

void ship_working(Air& a, std::string_view tape, std::string_view own_call, CallList calls,
                  int count, const Procedure& p) {
    a.Log("naval_coat", "rcvg QTC fm ship ", 0);
    stop_tape(a, tape);
    const auto ship = static_cast<std::size_t>(a.myrand() % static_cast<std::uint32_t>(count - 1));
    a.str2 = std::string(calls[std::min(ship, calls.size() - 1)].word);
    if (tactical_call(a, tape, own_call, p)) return;
    a.Log("naval_coast", "open call ", 0);
    const std::string own(own_call);
    Fills fills{a.str2, a.str2, own};
    if (p.strength) fills.emplace_back(2 + a.rand() % 3);
    a.send(fill(p.open, fills));
    a.wait(8);
    a.send("QRV K");
    a.wait(60);
    a.send("QSL K");
    a.wait(4);
    a.send(fill("OK %s DE %s ]EE", {a.str2, own}));
    a.send_stack("");
}

void cipher_message(Air& a, std::string_view tape, std::string_view own_call, const Procedure& p) {
    a.Log("naval_coat", "5F QTC IN PROGRESS", 0);
    for (int i = 0; i < between(a, 10, 49); ++i)
        a.send(a.group5f());
    a.send(fill(p.cipher, {std::string(own_call)}));
    a.wait(2);
    tape_times(a, tape, 20);
    a.send_stack("");
}

bool is_npm(std::string_view call) {
    return std::ranges::equal(call, std::string_view("NPM"), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == y;
    });
}

void broadcast(Air& a, std::string_view tape, std::string_view own_call, CallList calls, int count,
               const Procedure& p) {
    switch (a.myrand() % 6) {
    case 0:
    case 1:
    case 2:
        a.Log("naval_coat", "send_still(tape)", 0);
        a.send_still(tape);
        return;
    case 3:
        ship_working(a, tape, own_call, calls, count, p);
        return;
    case 4:
        cipher_message(a, tape, own_call, p);
        return;
    default: // the older procedure's NPM sends its fleet telegram; the others keep silent
        if (&p == &kOlder && is_npm(own_call)) {
            a.send(fill("%s + %s K", {std::string(qtc_901), std::string(own_call)}));
            a.send_stack("");
        }
        return;
    }
}

} // namespace

void naval_coast(Air& a, std::string_view tape, std::string_view own_call, CallList calls,
                 int count) {
    broadcast(a, tape, own_call, calls, count, kNewer);
}

void naval_coast_old(Air& a, std::string_view tape, std::string_view own_call, CallList calls,
                     int count) {
    broadcast(a, tape, own_call, calls, count, kOlder);
}

void italian_naval(Air& a, std::string_view tape, std::string_view own_call) {
    if (a.eh() && a.t.second % 6 == 0) {
        a.Log("naval_coat", "rcvg QTC fm ship ", 0);
        stop_tape(a, tape);
        if (tactical_call(a, tape, own_call, kNewer)) return;
    }
    if (a.oh() && a.min_period(30, 35)) {
        const int speed = a.spd;
        a.spd = 18;
        a.create_params();
        for (int i = 0; i < between(a, 10, 19); ++i)
            a.send(a.group5l(2));
        a.send(" + QRU ]");
        a.wait(3);
        a.spd = speed;
        a.create_params();
        tape_times(a, tape, 40);
    } else {
        tape_times(a, tape, 50);
    }
    a.send_stack("");
}

void brasilian_navy(Air& a, std::string_view own_call) {
    a.spd = 18;
    a.ton = 770;
    const std::string own(own_call);
    a.str = fill("VVV VVV VVV DE %s %s %s", {own, own, own});
    a.str.append(12, ' ');
    if (a.t.second % 2 == 1) {
        a.send_still(a.str);
        return;
    }
    const std::string tape = a.str; // group5f writes str
    tape_times(a, tape, 3);
    a.gr = 10 + static_cast<int>(a.myrand() % 40);
    a.send(fill("NW NR %d CK %d = ", {a.nr++, a.gr}));
    for (int i = 0; i < a.gr; ++i)
        a.send(a.group5f());
    a.send(fill(" = + de %s QRU  ] ]", {own}));
    a.wait(2);
    a.send_stack("");
}

} // namespace zenka
