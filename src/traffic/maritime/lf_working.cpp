// Long-wave maritime working in the older style: the coast stations with their calls, telegrams
// and lists, the ships on their channels and on the 143 kHz calling frequency, ship-to-ship
// traffic, and the calls with the starting signal and "V" of the early stations.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/maritime/register.h"
#include "traffic/maritime/telegram_fills.h"
#include "traffic/maritime/telegram_tables.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <string>

namespace zenka {
namespace {

// The long-wave coast stations a ship works and the frequency (kHz) each keys on.
struct LfCoast {
    std::string_view call;
    int khz;
};
constexpr std::array<LfCoast, 12> kLfCoast = {{{"GKU", 149},
                                               {"WCC", 147},
                                               {"VAS", 127},
                                               {"IAR", 147},
                                               {"KPH", 153},
                                               {"FFP", 145},
                                               {"PCH", 135},
                                               {"OXA", 123},
                                               {"SAG", 133},
                                               {"LGN", 147},
                                               {"WNY", 170},
                                               {"WSL", 152}}};

// The ship channels of the long waves (kHz).
constexpr std::array<int, 8> kShipChannels = {125, 131, 137, 141, 155, 157, 159, 160};

const LfCoast& lf_coast(Air& a) {
    return kLfCoast[static_cast<std::size_t>(one_of(a, static_cast<int>(kLfCoast.size())))];
}

int ship_channel(Air& a) {
    return kShipChannels[static_cast<std::size_t>(one_of(a, 8))];
}

// A steamship of the register: its place.
int steamship(Air& a) {
    const bool passenger = a.cond(3);
    const std::string_view call =
        passenger ? vsl_type_steampassanger[static_cast<std::size_t>(one_of(a, 18))]
                  : vsl_type_steamcargo[static_cast<std::size_t>(one_of(a, 16))];
    const int i = find_base_vsl(call, kVslCount);
    return i < 0 ? 0 : i;
}

std::string name_list(Air& a) {
    return std::string(name[static_cast<std::size_t>(one_of(a, static_cast<int>(name.size())))]);
}

// The ships' texts that give the ETA at the port of the fill-ins: the preamble of a steamship's
// telegram names the same port, day and hour.
constexpr std::array<int, 10> kEtaTexts = {6, 8, 9, 11, 13, 24, 30, 32, 39, 49};

struct SteamshipTelegram {
    ShipFacts facts;
    std::string text;
};

// One of the ETA texts with its fill-ins, for the steamship `name`/`call`: "M/V" of the text
// becomes "SS".
SteamshipTelegram steamship_text(Air& a, const std::string& name, const std::string& call) {
    ShipFacts f = ship_facts(a, name, call);
    f.H = one_of(a, 23);
    const int p = one_of(a, 81);
    f.P = next_port(p);
    f.P2 = next_port((p + 1 + one_of(a, 79)) % 81);
    f.N = name_list(a);
    f.N2 = name_list(a);
    f.O = origin(one_of(a, kOriginCount));
    const int slot =
        kEtaTexts[static_cast<std::size_t>(one_of(a, static_cast<int>(kEtaTexts.size())))];
    std::string text = fill(qtc_table(slot), ship_text_fills(a, slot, f));
    for (std::size_t at = text.find("M/V "); at != std::string::npos; at = text.find("M/V ", at))
        text.replace(at, 4, "SS ");
    return {f, text};
}

} // namespace

void coast_station_lf(Air& a, std::string_view coast, std::string_view place) {
    const std::string C(coast);
    const int own = a.settings.freq / 10;
    switch (one_of(a, 5)) {
    case 0:
        a.send(fill("<< %s %s %s QRU? ANS 143 KCS +", {C, C, C}));
        a.wait(2);
        a.send(fill("<< %s %s %s QRU? ANS 143 KCS +", {C, C, C}));
        break;
    case 1: {
        get_vsl(a);
        hello(a);
        a.send(fill("< %s %s %s DE %s %s K", {a.ship_call, a.ship_call, a.ship_call, C, C}));
        a.wait(6);
        a.send(fill("< %s de %s %s up %d/%d =ee", {a.ship_call, C, a.str2, ship_channel(a), own}));
        break;
    }
    case 2:
        get_vsl(a);
        a.send(fill("< %s %s DE %s QTC K", {a.ship_call, a.ship_call, C}));
        a.wait(8);
        coast_qtc_to_vsl(a, C, place); // the ship it called
        a.send(" + K");
        break;
    case 3:
        tfc_list_lf(a, 1, 16, C);
        return;
    default:
        // Taking a ship's telegram; the ship keys on its own channel, not heard here.
        get_vsl(a);
        a.send(fill("%s de %s qrv k", {a.ship_call, C}));
        a.wait(4);
        _rcvg_qtc(a);
        maritime_bye(a, C);
        break;
    }
    a.send_stack("");
}

void vsl_lf_channel(Air& a) {
    a.stn();
    a.vsl_nr = steamship(a);
    const std::string S(vsl(a.vsl_nr)), N(qra(a.vsl_nr));
    const LfCoast& c = lf_coast(a);
    const std::string C(c.call);
    a.send(fill(" < %s %s DE %s MSG GA?", {C, C, S}));
    wait_between(a, 6, 12);
    a.refresh_time();
    const SteamshipTelegram t = steamship_text(a, N, S);
    a.send(fill("< SS %s/%s NR %d CK %d %d %02d%02d = ETA %s %d %02d00 = ",
                {N, S, between(a, 1, 40), word_count(t.text), a.t.day, a.t.hour, a.t.minute,
                 t.facts.P, t.facts.D, t.facts.H}));
    a.send(t.text);
    a.send(fill(" + %s K", {S}));
    a.send_stack("");
}

void intership_lf(Air& a) {
    a.stn();
    const int first = steamship(a), second = steamship(a);
    const std::string S1(vsl(first)), S2(vsl(second)), N1(qra(first));
    const std::string port(next_port(one_of(a, kNextPortCount)));
    a.dialog1(fill("< < %s %s DE %s MSG K", {S2, S2, S1}));
    a.wait(4);
    a.dialog2(fill("%s DE %s GA", {S1, S2}));
    a.dialog1(fill("MASTER SS %s TO MASTER = POSN %02d MILES WEST %s AT NOON = FOG BANK "
                   "AHEAD VISIBILITY NIL = KEEP CLEAR = %s +",
                   {N1, between(a, 5, 60), port, N1}));
    a.dialog2("R TU OM EE");
    a.send_stack("");
}

void calling_143_khz(Air& a) {
    a.stn();
    get_vsl(a);
    const std::string S = a.ship_call;
    const LfCoast& c = lf_coast(a);
    const std::string C(c.call);
    const int channel = ship_channel(a);
    a.dialog1(fill("%s %s de %s %s msgs qss %d/%d k", {C, C, S, S, channel, c.khz}));
    if (a.cond(3)) {
        a.send_stack("");
        return;
    }
    a.wait(3);
    a.dialog2(fill("%s %s de %s %s msgs up %d k", {S, S, C, C, c.khz}));
    a.dialog1("r up ee");
    a.send_stack("");
}

void tfc_list_lf(Air& a, int form, int rarity, std::string_view coast) {
    const std::string C(coast);
    if (!a.anm_sent) {
        send_times(a, fill("CQ CQ CQ %s %s %s TFC LIST * ", {C, C, C}), 3);
        a.wait(2);
    }
    a.anm_sent = 1;
    tfc_list(a, form, rarity, coast);
}

} // namespace zenka
