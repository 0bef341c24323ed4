// A ship calling a medium-frequency coast station: to file a telegram, to ask for traffic, to
// report, or just to be heard.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <string>

namespace zenka {

void vsl_clg_coast_mf(Air& a, int silent) {
    const bool continuation = a.contact500.svc500fq != 0 && a.settings.freq == a.contact500.svc500fq;
    if (continuation) {
        a.vsl_nr = a.contact500.svc500vsl % kVslCount;
        a.ship_call = vsl(a.vsl_nr);
        a.ship_name = qra(a.vsl_nr);
        a.coast_nr = a.contact500.svc500cst % kMfCoastCount;
    } else {
        get_vsl(a);
        a.coast_nr = one_of(a, kMfCoastCount);
    }
    a.ton = 500 + a.rand() % 1500;
    a.spd = 18 + a.rand() % 12;
    a.qsa = 1 + a.rand() % 4;
    if (silent == 1) a.qsa = a.voice(1).qsa = a.voice(2).qsa = 0;
    const std::string K(mf_coast(a.coast_nr)), S = a.ship_call;
    fleet_style(a, K);

    // On the working frequency of a 500 kHz contact the ship goes on with what it was sent up
    // for: it files its telegram, message or observation, or (a telegram waiting for it after
    // its QRU?) takes the coast station's telegram, whose sender keys on another frequency.
    const int announced = continuation ? a.contact500.svc500 : 0;
    const int draw = continuation ? 0 : one_of(a, 15);
    a.contact500.svc500 = 0;
    a.contact500.svc500fq = 0;
    a.wait(one_of(a, 4));
    if (announced == 2) {
        a.send(fill("%s DE %s QRV K", {K, S}));
        a.wait(6);
        _rcvg_qtc(a);
        maritime_bye(a, K);
        a.send_stack("");
        return;
    }
    const char* word = announced == 5 ? "OBS" : announced == 104 ? "MSG" : "QTC";
    auto query = [&](const std::string& text, std::string_view reply) {
        a.send(text);
        wait_between(a, 4, 8);
        a.send(reply);
    };
    switch (draw) {
    case 0:
    case 1:
        a.send(a.open_slot % 2 == 1 ? fill("%s %s DE %s %s %s K", {K, K, S, S, word})
                                    : fill("%s DE %s %s K", {K, S, word}));
        a.wait(10);
        a.send(fill("%s DE %s GA?", {K, S}));
        a.wait(4);
        vsl_qtc(a, K);
        return;
    case 2:
    case 3:
        vsl_rcvg_qtc(a);
        return;
    case 4:
        amver(a, a.coast_nr, a.vsl_nr);
        return;
    case 5:
        a.send(fill("DE %s %s K", {S, S}));
        break;
    case 6:
        a.send(fill("%s %s DE %s %s K", {K, K, S, S}));
        break;
    case 7:
        a.send(fill("^ %s DE %s K", {K, S}));
        break;
    case 8:
        a.send(fill("DE %s K", {S}));
        break;
    case 9:
        query(fill("%s %s DE %s %s QRU? K", {K, K, S, S}), "R TKS SU EE");
        break;
    case 10:
        query(fill("%s DE %s QRU? K", {K, S}), "TU EE");
        break;
    case 11:
        query(fill("DE %s QRU? K", {S}), "TU SU EE");
        break;
    case 12:
    case 13: {
        const std::string text =
            draw == 12 ? fill("%s DE %s QRY? K", {K, S}) : fill("DE %s QRY? K", {S});
        a.send(text);
        wait_between(a, 4, 8);
        if (a.cond(2)) a.send(text);
        break;
    }
    default:
        a.send("vvv vvv vvv +");
        break;
    }
    a.send_stack("");
}

} // namespace zenka
