// Warships and naval stations of their own kind: wartime fleet messages, a cipher burst, the
// courier's machine burst, a tuning net, coast-guard calls and an old operator exchange.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/naval/naval.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {

void russian_navy_2ww(Air& a) {
    if (!a.cond(6)) return;
    a.stn();
    const std::string first = a.group4f(); // each group ends in a space
    const std::string second = a.group4f();
    a.send(fill("%s%s%s %s%s", {first, first, first, second, second}));
    a.wait(4);
    a.send(
        fill("%s%s %02d %02d %02d%02d = ", {first, second, a.nr % 50, a.gr, a.t.hour, a.t.minute}));
    for (int i = 0; i < a.gr; ++i)
        a.send(a.group3f());
    a.sz = 1;
    a.send_stack(a.t.minute % 2 == 0 ? " DK? +" : " QSL? +");
}

void uboot_mf(Air& a) {
    a.stn();
    a.spd += 2;
    a.group3l();
    a.str3.clear();
    for (int i = 0; i < 18; ++i)
        a.str3.push_back(a.rand_lat());
    std::string burst;
    if (a.t.minute % 2 == 0) {
        const char first = a.rand_lat();
        const char second = a.rand_lat();
        burst = fill("vvv   WWJKZNISFQE%c%c", {first, second});
    } else {
        burst = fill("vvv   %c %c %s%s%s ", {'\t', '\t', a.str2, a.str3, a.str2});
    }
    a.send(burst);
    a.send_stack(" ]");
}

void courier(Air& a) {
    a.ton = 1500;
    a.qsa = 4;
    a.spd = 600; // a machine burst far above any hand speed
    a.wait(1 + static_cast<int>(a.myrand() % 4));
    a.send_stack("NQF PQT   ");
}

void ftg(Air& a) {
    a.stn_ext();
    a.dialog1("F  ");
    a.dialog2("T  ");
    a.dialog3("G");
    a.send_stack("");
}

void jap_coast_guard(Air& a, std::string_view own_call) {
    if (!a.cond(8)) return;
    a.bug();
    get_vsl(a);
    hello(a);
    a.send(fill("^  %s de %s %s k", {a.ship_call, std::string(own_call), a.str2}));
    a.send_stack("");
}

void usn_old_ochat(Air& a, std::string_view own_call, std::string_view other_call) {
    const std::string own(own_call), other(other_call);
    a.stn();
    a.dialog1(fill("> %s %s v %s zoy 0 zoz +", {own, own, other}));
    a.dialog2(fill("%s v %s zoy0 +", {other, own}));
    a.dialog1("zag ]");
    a.send_stack("");
}

} // namespace zenka
