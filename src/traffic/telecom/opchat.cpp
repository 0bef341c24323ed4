// The telegraph operators' chat on the fixed circuits: fifty scenarios of service talk, test
// groups, machine calls, the high-speed automatic test and public telegrams.

#include "compose/air.h"
#include "traffic/telecom/public_telegrams.h"
#include "traffic/telecom/telecom.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {
namespace {

// The UTC time as hhmm.
std::string hhmm(const Air& a) {
    return fill("%02d%02d", {a.t.hour, a.t.minute});
}

// Scenarios 18 and 19: groups while their number stays below a bound drawn afresh before each
// group, then the circuit reference, the time and the call for a receipt.
void test_groups(Air& a, bool figures, const std::string& calling) {
    for (int n = 0; n < between(a, 10, 49); ++n)
        a.send(figures ? a.group5f() : a.group5l(2));
    const std::string ref = a.str3;
    a.send(" = ");
    a.send(ref);
    a.send(" ");
    a.send(hhmm(a));
    a.send(figures ? " = + ? DE " : " = + HW? DE ");
    a.send(calling);
    a.send(" K");
}

// Scenarios 24 - 29: the station's machine call, by the first letter of its call sign.
void machine_call(Air& a, const std::string& calling) {
    a.bug_off();
    a.hand = 0;
    a.spd = 27;
    const char first = calling.empty() ? ' ' : calling[0];
    if (first == 'F') {
        // The call at 30 words per minute, then a run of dots at 80.
        std::string text{'\x01', '\x1e'};
        text += "  " + calling + "  ";
        text += {'\x01', '\x50'};
        text.append(31, 'e');
        for (int i = 0; i < 20; ++i)
            a.send(text);
        a.send_stack("");
    } else if (first == 'K' || first == 'W') {
        a.send_still(fill("QRA QRA QRA DE %s %s %s zhc?            ", {calling, calling, calling}));
    } else {
        a.send_still(fill("VVV VVV VVV DE %s %s %s            ", {calling, calling, calling}));
    }
}

// The texts of scenarios 0 - 22, each closed by an empty send_stack.
void service_talk(Air& a, int c, const std::string& to, const std::string& from) {
    const std::string ref = a.str3, greeting = a.str2;
    switch (c) {
    case 0:
    case 1:
        a.send(fill("RQ %s K", {ref}));
        wait_between(a, 4, 7);
        a.send("ZTH K");
        wait_between(a, 4, 7);
        a.send("CFM K");
        break;
    case 2:
        a.send("R *");
        a.wait(12);
        a.send("SRI AYTAG K");
        wait_between(a, 4, 5);
        a.send(fill("OK BABSO %s K", {ref}));
        break;
    case 3:
        a.send(fill("%s DE %s %s HR ZOH %u K", {to, from, greeting, between(a, 15, 114)}));
        wait_between(a, 4, 5);
        a.send("R *");
        break;
    case 4:
        a.send(fill("AZKEG %s K", {ref}));
        wait_between(a, 8, 9);
        a.send("++");
        break;
    case 5:
        a.send(fill("BUCOD %s K", {ref}));
        wait_between(a, 4, 5);
        a.send("BOSUV BUDOG CAPITALISM IS AWFUL SYSTEM K");
        wait_between(a, 4, 5);
        a.send("BINZA BUCOD BABSO EE");
        break;
    case 6:
        a.send("BADPO ? BADET K");
        a.wait(4);
        a.send(fill("OK BABSO %s K", {ref}));
        wait_between(a, 4, 5);
        a.send("EE");
        break;
    case 7:
        a.send(fill("ZOH %u ZAR ZHS 100 ZAP K", {between(a, 10, 39)}));
        wait_between(a, 4, 5);
        a.send("WL TRY ZAL LTR NW PSE TEST ZHS60 K");
        wait_between(a, 4, 5);
        a.send("R OK ZOM");
        wait_between(a, 20, 27);
        a.send("NW ZNS ZRT");
        break;
    case 8:
        a.send("ZUA DAHPA 60 OR ZTH OK? K");
        a.wait(7);
        a.send("ZTA ZIP/ZAL K");
        wait_between(a, 8, 9);
        a.send("CFM ZTA 60 WPM K");
        a.wait(6);
        a.send("OK");
        break;
    case 9:
        a.send(fill("DE %s ZRT", {from}));
        wait_between(a, 4, 5);
        break;
    case 10:
        a.send(fill("DE %s DEFTU %s %s DACRU DICOX +", {from, ref, ref}));
        break;
    case 11:
        a.send(fill("^ %s DE %s DIDAW K", {to, from}));
        wait_between(a, 8, 11);
        a.send(fill("DAFEJ TMR %02d00 GMT + DE %s ]", {between(a, 0, 22), from}));
        break;
    case 12:
        a.send(fill("ROK BABSO %s K", {ref}));
        break;
    case 13:
        a.send(fill("BABBA %s K", {ref}));
        break;
    case 14:
        a.send(fill("%s %s %s DE %s %s %s ZOH K", {to, to, to, from, from, from}));
        break;
    case 15:
        a.send(fill("%s DE %s ZSU PSE ZTH K", {to, from}));
        break;
    case 16:
        a.send(fill("%s DE %s OM HR ZSU ZFB ZFA ZTH K", {to, from}));
        break;
    case 17:
        a.send(fill("%s DE %s OM HR ZSU ZAL? ZAP K", {to, from}));
        break;
    case 18:
    case 19:
        test_groups(a, c == 19, from);
        break;
    case 20:
        a.send(fill("%s DE %s GUHOR GUHOR  LR %s ii  %s HW? K", {to, from, ref, ref}));
        wait_between(a, 4, 5);
        a.send("R *");
        break;
    case 21:
        a.send("R NW ZHS?");
        wait_between(a, 4, 5);
        a.send("ZRO ZOK *");
        break;
    default:
        a.send(fill("ii de %s ZNR %s ii %s PSE RPT K", {from, ref, ref}));
        break;
    }
    a.send_stack("");
}

} // namespace

void telecom_opchat_dx(Air& a, std::string_view called, std::string_view calling) {
    const std::string to(called), from(calling); // the calls may live in the shared buffers
    a.spd = between(a, 24, 37);
    const int c = one_of(a, 50);
    if (to.starts_with('F'))
        french_hello(a);
    else
        hello(a);
    a.str3 = fill("%c%c%c%03d", {a.rand_lat(), a.rand_lat(), a.rand_lat(), a.nr});
    a.bug();
    if (c < 23) {
        a.wait(one_of(a, 2));
        service_talk(a, c, to, from);
    } else if (c == 23) {
        a.spd = 21;
        a.send_still(fill("QTT QTT QTT DE %s %s %s            ", {from, from, from}));
    } else if (c <= 29) {
        machine_call(a, from);
    } else if (c <= 35) {
        auto_morse(a, c <= 31 ? 40 : c <= 33 ? 60 : 80);
    } else {
        qtc_qsk_ptt(a, qtc_ptt_table(one_of(a, kPublicTelegramCount)), from, a.nr);
    }
}

void auto_morse(Air& a, int wpm) {
    a.spd = wpm;
    a.rto = 0;
    a.str =
        fill("= THIS IS HIGH SPEED AUTOMATIC MORSE TRANSMISSION AT %u WPM FOR TESTING PURPOSES = ",
             {wpm});
    if (a.t.milliseconds % 2 == 0)
        a.send_still(txt);
    else
        a.send_still(a.str);
}

void ptt_nr_time(Air& a, int n) {
    a.send(fill(" + %d %02d%02d + ", {n, a.t.hour, a.t.minute}));
}

void qtc_qsk_ptt(Air& a, std::string_view telegram, std::string_view calling, int n) {
    const std::string from(calling);
    qtc_qsk(a, telegram);
    ptt_nr_time(a, n);
    a.send(fill("DE %s ?K", {from}));
    a.wait(4);
    a.send_stack("R NW NIL K");
}

} // namespace zenka
