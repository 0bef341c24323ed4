// A ship calling a coast station on 500 kHz: the call, the coast station's answer by what was
// asked, the ship's reply and the last words. A ship sent up to a working frequency leaves the
// contact behind (svc500...) for that frequency's working to take up.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {

int half_khz(int tenths) {
    return tenths / 10 * 10 + (tenths % 10 != 0 ? 5 : 0);
}

namespace {

enum class Answer { none, strength, traffic, qru, qtp, qrj, up };

// One kind of call: its text, the fill-ins in order (C coast, S ship, G greeting, X the coast
// station's listening frequency, P a port, n a count of telegrams), the answer it asks for and
// what it leaves in svc500 (0 nothing).
struct CallKind {
    const char* text;
    const char* fills;
    Answer answer;
    int svc;
};

// clang-format off
constexpr CallKind kCalls[] = {
    {" E   ",                                    "",        Answer::none,     0},
    {"VVV TEST",                                 "",        Answer::none,     0},
    {"%s     %s     %s     %s     %s",           "CCCCC",   Answer::none,     0},
    {"%s %s %s DE %s %s %s %s QSA? K",           "CCCSSSG", Answer::strength, 0},
    {"%s %s %s DE %s %s %s %s OBS K",            "CCCSSSG", Answer::traffic,  5},
    {"%s %s %s DE %s %s %s %s MSG K",            "CCCSSSG", Answer::traffic,  104},
    {"%s %s DE %s %s %s QRU? K",                 "CCSSG",   Answer::qru,      0},
    {"%s %s %s DE %s %s %s %s QRU? K",           "CCCSSSG", Answer::qru,      0},
    {"%s DE %s %s QRU? K",                       "CSG",     Answer::qru,      0},
    {"%s DE %s MSG K",                           "CS",      Answer::traffic,  104},
    {"%s %s %s DE %s %s %s %s QTC K",            "CCCSSSG", Answer::traffic,  0},
    {"%s DE %s QTC K",                           "CS",      Answer::traffic,  0},
    {"%s %s DE %s %s MSG K",                     "CCSS",    Answer::traffic,  104},
    {"%s  %s  DE  %s  %s MSG K",                 "CCSS",    Answer::traffic,  104},
    {"%s   %s   %s   DE  %s  %s  %s  QTC%d  K",  "CCCSSSn", Answer::traffic,  0},
    {"%s DE %s QTC1 K",                          "CS",      Answer::traffic,  0},
    {"%s %s DE %s %s QTC%d K",                   "CCSSn",   Answer::traffic,  0},
    {"%s %s DE %s %s SVC K",                     "CCSS",    Answer::traffic,  0},
    {"%s %s DE %s %s %s QTP %s K",               "CCSSGP",  Answer::qtp,      0},
    {"%s %s DE %s %s %s QRJ? K",                 "CCSSG",   Answer::qrj,      0},
    {"^  %s DE %s %s  QRJ? K",                   "CSG",     Answer::qrj,      0},
    {"VVV TEST %s +",                            "S",       Answer::none,     0},
    {"%s %s %s DE %s %s OBS %s K",               "CCCSSX",  Answer::up,       5},
    {"%s  %s  %s  DE  %s  %s MSG %s K",          "CCCSSX",  Answer::up,       104},
    {"%s  %s  %s  DE  %s  %s QTC %s K",          "CCCSSX",  Answer::up,       1},
    {"%s  %s  %s  %s  %s",                       "CCCCC",   Answer::none,     0},
    {"VVV VVV VVV +",                            "",        Answer::none,     0},
};
// clang-format on

constexpr int kKindCount = static_cast<int>(std::size(kCalls));
static_assert(kKindCount == 27);

struct Exchange {
    std::string C, S, G, X, Q, P;
    int n = 1;
};

std::string call_text(const CallKind& k, const Exchange& e) {
    Fills values;
    for (const char* f = k.fills; *f != '\0'; ++f) {
        switch (*f) {
        case 'C': values.emplace_back(e.C); break;
        case 'S': values.emplace_back(e.S); break;
        case 'G': values.emplace_back(e.G); break;
        case 'X': values.emplace_back(e.X); break;
        case 'P': values.emplace_back(e.P); break;
        default: values.emplace_back(e.n); break;
        }
    }
    return fill(k.text, values);
}

void record_contact(Air& a, int svc, int fq) {
    a.contact500.svc500 = svc;
    a.contact500.svc500fq = fq;
    a.contact500.svc500vsl = a.vsl_nr;
    a.contact500.svc500cst = a.coast_nr;
}

void clear_contact(Air& a) {
    a.contact500.svc500 = 0;
    a.contact500.svc500fq = 0;
}

bool odd_second(Air& a) {
    a.refresh_time();
    return a.t.second % 2 == 1;
}

} // namespace

void vsl_coast_tfc_500k(Air& a, int silent) {
    a.stn();
    a.voice(1).ton = 500 + a.rand() % 1500;
    a.voice(1).spd = 18 + a.rand() % 14;
    a.voice(2).ton = 500 + a.rand() % 1500;
    a.voice(2).spd = 18 + a.rand() % 12;
    if (silent == 1) {
        a.qsa = 1;
        a.voice(1).qsa = 0;
        a.voice(2).qsa = 0;
    }
    get_vsl(a);
    a.coast_nr = one_of(a, kMfCoastCount);
    const MfCoastEntry& coast_entry = kMfCoast[static_cast<std::size_t>(a.coast_nr)];
    Exchange e;
    e.C = coast_entry.call;
    e.S = a.ship_call;
    fleet_style(a, e.C);
    if (e.S.starts_with('F'))
        french_hello(a);
    else
        international_hello(a, e.C, e.S);
    e.G = a.str2;

    const CallKind& kind = kCalls[one_of(a, kKindCount)];
    e.P = next_port(one_of(a, kNextPortCount));
    e.X = khz_text(half_khz(coast_entry.qsx));
    e.Q = khz_text(half_khz(coast_entry.qss));
    e.n = between(a, 1, 3);
    wait_between(a, 0, 4);

    // The call, and what it leaves behind.
    if (&kind == &kCalls[0]) wait_between(a, 0, 1);
    if (&kind == &kCalls[21]) a.voice(1).spd = 27;
    if (kind.svc != 0)
        record_contact(a, kind.svc, kind.answer == Answer::up ? coast_entry.qsx : 0);
    a.dialog1(call_text(kind, e));
    if (a.cond(4)) {
        clear_contact(a);
        a.send_stack("");
        return;
    }

    // The coast station's answer, the ship's reply, the last words.
    const Fills sent_up = {e.S, e.C, e.G, e.X, e.Q};
    switch (kind.answer) {
    case Answer::none:
        break;
    case Answer::traffic:
        a.dialog2(a.cond(2) ? fill("%s DE %s %s UP %s/%s = EE", sent_up)
                            : fill("%s DE %s %s PSE UP %s/%s K", sent_up));
        record_contact(a, kind.svc != 0 ? kind.svc : 1, coast_entry.qsx);
        a.dialog1(odd_second(a) ? "UP=EE" : "UP EE");
        break;
    case Answer::qru: {
        a.refresh_time();
        const bool has_traffic = a.t.minute % 2 == 1;
        if (has_traffic) {
            a.dialog2(fill("%s DE %s %s QTC1 PSE UP %s/%s K", sent_up));
            record_contact(a, 2, coast_entry.qsx);
        } else {
            a.dialog2(fill("%s DE %s %s QRU K", {e.S, e.C, e.G}));
        }
        a.dialog1(odd_second(a) ? "R TU SU EE" : "R TU EE");
        if (!has_traffic) a.dialog2("EE");
        break;
    }
    case Answer::strength: {
        a.dialog2(fill("%s DE %s %s QSA%d K", {e.S, e.C, e.G, between(a, 2, 4)}));
        const int heard = a.myrand() % 2 == 1 ? 4 : 3;
        a.dialog1(fill("%s DE %s R QSA%d TKS NIL 73 SU EE", {e.C, e.S, heard}));
        a.dialog2(odd_second(a) ? "SU EE" : "EE");
        break;
    }
    case Answer::qrj:
        a.dialog2(fill("%s DE %s %s QRJ NIL K", {e.S, e.C, e.G}));
        a.dialog1(odd_second(a) ? "R TU SU EE" : "R TU EE");
        a.dialog2(odd_second(a) ? "SU EE" : "EE");
        break;
    case Answer::qtp:
        a.dialog2(fill("%s DE %s OK %s K", {e.S, e.C, e.P}));
        a.dialog2(odd_second(a) ? "SU EE" : "EE");
        break;
    case Answer::up:
        a.dialog2(fill("%s DE %s R UP", {e.S, e.C}));
        a.dialog1("ee");
        a.dialog2("EE");
        break;
    }
    a.send_stack("");
}

} // namespace zenka
