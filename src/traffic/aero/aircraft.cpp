// Aircraft calling ground stations and ground stations answering: the formal call with its
// close, the German short-call form, the answers, and the aerodrome's working frequency.

#include "compose/air.h"
#include "traffic/aero/aero.h"
#include "traffic/aero/aero_draw.h"
#include "traffic/aero/aero_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

// The call of form f (0 - 5).
std::string call_text(Air& a, int f, const std::string& G, const std::string& A) {
    switch (f) {
    case 0:
        return fill("%s %s DE %s %s %s %s TEST QRK? QSA? K", {G, G, A, A, A, a.str2});
    case 1:
        return fill("%s  %s  DE  %s  %s  K", {G, G, A, A});
    case 2:
        return fill("%s  %s  DE  %s  %s  %s  MSG K", {G, G, A, A, A});
    case 3:
        return fill("%s  DE  %s  %s  %s QTH K", {G, A, A, A});
    case 4:
        return fill("%s %s DE %s %s %s ARR %02d%01d0 K",
                    {G, G, A, A, A, next_hour(a), a.t.minute / 10});
    default:
        return fill("%s DE %s K", {G, A});
    }
}

// The aircraft's close after the ground station's unheard answer: by form and answer, or the
// call once more.
std::string closing_text(int f, int answer, const std::string& G, const std::string& S,
                         const std::string& call) {
    const std::string head = fill("%s DE %s ", {G, S});
    if (f == 0) {
        constexpr std::string_view ends[] = {"R TKS QRU GB ] EE", "ROK TU ]EE", "R NIL GB ] EE"};
        return head + std::string(ends[answer]);
    }
    if (f == 4 && answer == 2) return head + "R NIL GB ] EE";
    if (f == 2 || f == 3) {
        constexpr std::string_view ends[] = {"R QSY EE", "OK QSY EE", "ROK QSY = EE"};
        return head + std::string(ends[answer]);
    }
    return call;
}

} // namespace

std::string create_short_call(std::string_view call) {
    if (call.size() < 5) return std::string(call);
    return {call[0], call[3], call[4]};
}

void acft_clg_gnd(Air& a, std::string_view gnd) {
    const std::string G(gnd);
    // An aircraft of the ground station's own nation when ten draws find one.
    for (int i = 0; i < 10; ++i) {
        a.str3 = pick(a, acft, 133);
        if (!G.empty() && a.str3[0] == G[0]) break;
    }
    const std::string A = a.str3;
    a.stn();
    a.spd -= 5;
    const int f = one_of(a, 6);
    const int answer = one_of(a, 3);
    a.wait(one_of(a, 2));
    hello(a);
    const std::string call = call_text(a, f, G, A);
    if (german_pair(G, A)) {
        a.spd += 5;
        a.send(fill("%s  %s  K", {G, A}));
        wait_between(a, 4, 9);
        a.send_stack(fill("%s %s DEP %02d%01d0 %s K",
                          {G, A, a.t.hour, a.t.minute / 10, std::string(pick(a, aerodromes, 44))}));
        return;
    }
    a.send(call);
    wait_between(a, 6, 11); // the ground station's answer is not heard
    a.send_stack(closing_text(f, answer, G, create_short_call(A), call));
}

void gnd_ans_acft(Air& a, std::string_view gnd) {
    if (a.t.second % 3 != 0) return;
    const std::string G(gnd);
    a.stn();
    a.spd -= 3;
    a.str3 = pick(a, acft, 133);
    const std::string A = a.str3;
    hello(a);
    std::string text;
    if (german_pair(G, A)) {
        a.spd += 3;
        text = fill("%s %s QSL K", {A, G});
    } else {
        const std::string S = create_short_call(A);
        if (!a.cond(2))
            text = fill("%s %s %s DE %s %s QRK K", {S, S, S, G, a.str2});
        else
            text = fill("%s %s %s DE %s %s QRK%d QSA%d K",
                        {S, S, S, G, a.str2, between(a, 3, 5), between(a, 3, 5)});
    }
    a.send(text);
    a.wait(6);
    a.send_stack("TU ] EE");
}

void int_clg_333(Air& a) {
    acft_clg_gnd(a, pick(a, calling_333, 52));
    if (a.t.second % 2 == 1) acft_clg_gnd(a, pick(a, calling_333, 52));
}

void clg_327(Air& a) {
    acft_clg_gnd(a, pick(a, calling_327, 9));
}

void aerodrome_freq(Air& a, std::string_view gnd) {
    if (a.t.second % 3 != 0) return;
    const std::string G(gnd);
    a.stn();
    const std::string S = create_short_call(pick(a, acft, 133));
    a.dialog1(fill("%s %s DE %s QEK? K", {S, S, G}));
    a.dialog2(fill("%s QEK K", {S}));
    a.dialog1(fill("%s QEL K", {S}));
    a.dialog2(fill("%s C QEL +", {S}));
    a.wait(60);
    a.dialog2(fill("%s QTO K", {S}));
    a.dialog1(fill("%s DE %s OK QRU GL TU ] EE", {S, G}));
    a.dialog2("TU ] EE");
    a.send_stack("");
}

} // namespace zenka
