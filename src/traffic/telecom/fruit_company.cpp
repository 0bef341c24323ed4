#include "traffic/telecom/fruit_company.h"

#include "compose/air.h"

#include <array>
#include <string>

namespace zenka {
namespace {

struct Division {
    std::string_view call;
    std::string_view office; // as the preamble names it
};

// The division and port stations the company's stations work.
constexpr std::array<Division, 9> kDivisions = {{
    {"HRT", "TELA"},
    {"HRC", "CASTILLA"},
    {"HRL", "LACEIBA"},
    {"TGB", "BARRIOS"},
    {"TIL", "LIMON"},
    {"TIG", "GOLFITO"},
    {"HPA", "ALMIRANTE"},
    {"HPB", "ARMUELLES"},
    {"HKM", "SANTAMARTA"},
}};

// Who a telegram goes to: from a division north, or from the head offices south.
constexpr std::array<std::string_view, 5> kNorthAddress = {
    "FRUITCO NEWORLEANS", "UNIFRUIT BOSTON", "TRORADIO NEWORLEANS", "STEAMSHIP DEPT NEWORLEANS",
    "PURCHASING BOSTON"};
constexpr std::array<std::string_view, 4> kSouthAddress = {"MANAGER", "DIVMANAGER", "PORTCAPTAIN",
                                                           "SUPERINTENDENT"};
constexpr std::array<std::string_view, 5> kSignature = {"MANAGER", "ROBERTS", "DIVMGR", "PORTCAPT",
                                                        "TRAFFIC"};

// Texts sent north from a division.
constexpr std::array<std::string_view, 10> kNorthTexts = {
    "SS SIXAOLA SAILED 1800 WITH 41500 STEMS ETA NEWORLEANS TUESDAY AM",
    "BLOWDOWN FARMS 12 AND 14 LAST NIGHT ESTIMATE 20000 STEMS LOST WILL ADVISE",
    "RAIN 3 INCHES RAILWAY WASHED OUT KM 42 REPAIR GANGS WORKING",
    "NEED 400 TONS FERTILIZER AND 60 DRUMS SPRAY NEXT STEAMER",
    "SIGATOKA SPRAYING FINISHED DIVISION 3 STARTING DIVISION 4 MONDAY",
    "LOADING FIGURES 9 HANDS 82 PERCENT 8 HANDS 12 PERCENT REJECTS 6 PERCENT",
    "SEND 2 LOCOMOTIVE SPRINGS PART 4471 FIRST BOAT URGENT",
    "PAYROLL FUNDS RECEIVED THANKS",
    "SS CHIRIQUI FINISHED LOADING 0600 38200 STEMS 900 BAGS COFFEE",
    "HOSPITAL REQUIRES 20 CASES QUININE 10 CASES SERUM BY NEXT SAILING",
};

// Texts sent south from the head offices.
constexpr std::array<std::string_view, 8> kSouthTexts = {
    "CUT 12000 STEMS FARMS 4 7 AND 9 FOR SS TALAMANCA LOADING FRIDAY",
    "ARRIVAL SS CHIRIQUI DELAYED WEATHER NOW ETA SATURDAY NOON ARRANGE CUTTING ACCORDINGLY",
    "MARKET FIRM FIRSTS 95 CENTS SECONDS 70 CENTS PER STEM",
    "DOCTOR ROBERTS ARRIVING SS PARISMINA PLEASE MEET",
    "WIRE CONDITION FARMS AFTER STORM",
    "REDUCE CUTTING 20 PERCENT NEXT TWO WEEKS MARKET WEAK",
    "SS SAN JOSE SAILS BOSTON THURSDAY 200 TONS CARGO FOR YOUR PORT",
    "MANAGER RETURNS BOSTON SS SANTA MARTA NEXT SAILING",
};

// The office a company station's telegrams are filed at.
std::string_view office_of(std::string_view us_station) {
    if (us_station == "WAX") return "MIAMI";
    if (us_station == "WBW") return "BOSTON";
    if (us_station == "WIO") return "NEWYORK";
    return "NEWORLEANS";
}

template <std::size_t N> std::string_view pick(Air& a, const std::array<std::string_view, N>& list) {
    return list[a.myrand() % N];
}

std::string two_digits(int n) {
    const char d[2] = {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    return std::string(d, 2);
}

// "NR 27 TELA CK 12 8 1430 = FRUITCO NEWORLEANS = <text> = MANAGER AR"
std::string telegram(Air& a, int nr, std::string_view office, std::string_view address,
                     std::string_view text) {
    std::string out = "NR ";
    out.append(std::to_string(nr)).append(" ").append(office);
    out.append(" CK ").append(std::to_string(telegram_words(text)));
    out.append(" ").append(std::to_string(a.t.day)).append(" ");
    out.append(two_digits(a.t.hour)).append(two_digits(a.t.minute));
    out.append(" = ").append(address).append(" = ").append(text).append(" = ");
    out.append(pick(a, kSignature)).append(" AR");
    return out;
}

} // namespace

int telegram_words(std::string_view text) {
    int words = 0;
    bool in_word = false;
    for (char c : text) {
        if (c != ' ' && !in_word) ++words;
        in_word = c != ' ';
    }
    return words;
}

void ufc(Air& a, std::string_view us_station) {
    const Division& div = kDivisions[a.myrand() % kDivisions.size()];
    const std::string us(us_station), them(div.call);
    // The company station keys in its own voice, the division a little slower and weaker.
    a.spd1 = a.spd;
    a.ton1 = a.ton;
    a.qsa1 = a.qsa;
    a.spd2 = a.spd > 18 ? a.spd - 2 : a.spd;
    a.ton2 = 700 + static_cast<int>(a.myrand() % 600);
    a.qsa2 = a.qsa > 1 ? a.qsa - 1 : 1;
    const bool north = a.myrand() % 2 == 0; // the division has the traffic
    const int count = 1 + static_cast<int>(a.myrand() % 3);
    int nr = 1 + static_cast<int>(a.myrand() % 80);

    std::string call = them + " " + them + " " + them + " DE " + us + " " + us;
    if (north) {
        a.dialog1(call.append(" QRU? K"));
        a.dialog2(us + " DE " + them + " QTC " + std::to_string(count) + " K");
        a.dialog1(them + " DE " + us + " QRV K");
    } else {
        a.dialog1(call.append(" QTC ").append(std::to_string(count)).append(" K"));
        a.dialog2(us + " DE " + them + " QRV K");
    }
    for (int k = 0; k < count; ++k, ++nr) {
        if (north) {
            a.dialog2(telegram(a, nr, div.office, pick(a, kNorthAddress), pick(a, kNorthTexts)));
            a.dialog1("R NR " + std::to_string(nr));
        } else {
            a.dialog1(telegram(a, nr, office_of(us), pick(a, kSouthAddress), pick(a, kSouthTexts)));
            a.dialog2("R NR " + std::to_string(nr));
        }
    }
    a.dialog1(them + " DE " + us + " QRU VA");
    a.dialog2("R SK");
    a.send_stack("");
}

} // namespace zenka
