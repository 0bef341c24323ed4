// Long-wave public services next to the ships: the American livestock and grain market reports,
// the Swedish ice report, the Warszawa weather sample and the Polish public telegram service.

#include "compose/air.h"
#include "traffic/maritime/maritime.h"
#include "traffic/toolkit/calling.h"
#include "traffic/toolkit/draw.h"
#include "traffic/toolkit/fill.h"

#include <array>
#include <string>

namespace zenka {
namespace {

// A price in dollars and cents, "8.35".
std::string price(Air& a, int lo_cents, int hi_cents) {
    const int c = between(a, lo_cents, hi_cents);
    return fill("%d.%02d", {c / 100, c % 100});
}

std::string trend(Air& a) {
    static constexpr std::array<std::string_view, 6> kTrend = {
        "STEADY", "STEADY TO 10 HIGHER", "10 TO 15 LOWER", "STRONG", "WEAK", "25 LOWER"};
    return std::string(kTrend[static_cast<std::size_t>(one_of(a, 6))]);
}

std::string livestock_report(Air& a) {
    return fill("HOGS RECEIPTS %d MARKET %s TOP %s BULK %s TO %s = CATTLE %d %s GOOD STEERS %s "
                "TO %s = SHEEP %d LAMBS %s TOP %s",
                {between(a, 8, 60) * 1000, trend(a), price(a, 820, 890), price(a, 760, 800),
                 price(a, 800, 840), between(a, 3, 20) * 1000, trend(a), price(a, 900, 980),
                 price(a, 1050, 1200), between(a, 4, 20) * 1000, trend(a), price(a, 1200, 1400)});
}

std::string grain_report(Air& a) {
    return fill("WHEAT DEC %s MAY %s = CORN DEC %s MAY %s = OATS DEC %s = RYE DEC %s = "
                "MARKET %s",
                {price(a, 110, 135), price(a, 115, 140), price(a, 70, 95), price(a, 75, 98),
                 price(a, 38, 52), price(a, 80, 105), trend(a)});
}

std::string fruit_report(Air& a) {
    return fill("APPLES BOX %s TO %s = ORANGES CALIF %s TO %s = POTATOES CWT %s = ONIONS %s = "
                "ARRIVALS %d CARS DEMAND %s",
                {price(a, 150, 210), price(a, 220, 280), price(a, 300, 360), price(a, 380, 450),
                 price(a, 90, 140), price(a, 120, 190), between(a, 40, 160), trend(a)});
}

// The title a market report goes out under.
std::string market_title(std::string_view market) {
    if (market == "KANSAS") return "KANSAS CITY LIVESTOCK";
    if (market == "OMAHA") return "OMAHA LIVESTOCK";
    if (market == "CHICAGO") return "CHICAGO LIVESTOCK";
    if (market == "CINCINNATI") return "CINCINNATI LIVESTOCK";
    if (market == "ST") return "ST LOUIS NATIONAL STOCKYARDS";
    if (market == "GRAIN") return "CHICAGO BOARD OF TRADE GRAIN";
    if (market == "FRUITS") return "FRUITS AND VEGETABLES";
    return "LIVE STOCK MARKETS";
}

} // namespace

void live_stock(Air& a, std::string_view station, std::string_view market) {
    const std::string S(station);
    a.send(fill("QST QST QST DE %s %s %s  %s *          ", {S, S, S, market_title(market)}));
    a.refresh_time();
    a.send(fill("USDA MARKET NEWS %02d%02d = ", {a.t.hour, a.t.minute}));
    if (market == "GRAIN")
        a.send(grain_report(a));
    else if (market == "FRUITS")
        a.send(fruit_report(a));
    else
        a.send(livestock_report(a));
    a.send(fill(" = + DE %s", {S}));
    a.send_stack("");
}

void swedish_ice_report(Air& a) {
    a.refresh_time();
    send_times(a, "CQ CQ CQ DE SAJ SAJ SAJ            ", 2);
    a.send("SWEDISH ICE REPORT    ");
    a.send(fill("NR %d %02d%02d = ", {between(a, 1, 120), a.t.day, a.t.month}));
    const int month = a.t.month;
    if (month >= 5 && month <= 11) {
        a.send("NO ICE IN SWEDISH WATERS = ");
    } else {
        static constexpr std::array<std::string_view, 6> kAreas = {
            "BOTHNIAN BAY", "THE QUARK", "BOTHNIAN SEA", "ALANDS HAV", "NORTHERN BALTIC",
            "LAKE VANERN"};
        static constexpr std::array<std::string_view, 6> kIce = {
            "FAST ICE %d TO %d CM",          "VERY CLOSE DRIFT ICE %d TO %d CM",
            "NEW ICE %d TO %d CM",           "OPEN DRIFT ICE %d TO %d CM",
            "CONSOLIDATED ICE %d TO %d CM",  "RAFTED ICE %d TO %d CM"};
        for (const std::string_view area : kAreas) {
            const int thin = between(a, 5, 30);
            a.send(std::string(area) + " ");
            a.send(fill(kIce[static_cast<std::size_t>(one_of(a, 6))],
                        {thin, thin + between(a, 5, 30)}));
            a.send(" = ");
        }
        a.send(fill("ICEBREAKER ASSISTANCE TO LULEA AND KEMI SHIPS OF %d TONS AND ABOVE = ",
                    {between(a, 2, 4) * 1000}));
    }
    a.send("SJOFARTSVERKET + ]");
    a.send_stack("");
}

void meteo_warszawa(Air& a) {
    a.refresh_time();
    send_times(a, "VVV = ", 6);
    a.send(fill("SOWR %02d%02d00 = ", {a.t.day, a.t.hour}));
    for (int station = 0; station < 8; ++station) {
        a.send(fill("12%03d ", {between(a, 100, 699)}));
        for (int g = 0; g < 4; ++g)
            a.send(a.group5f());
        a.send("= ");
    }
    a.send("+ SOWR");
    a.send_stack("");
}

void polish_ptt(Air& a, std::string_view from, std::string_view from_place, std::string_view to,
                std::string_view to_place) {
    a.stn();
    a.refresh_time();
    const std::string A(from), B(to);
    a.dialog1(fill("^^^  %s %s %s de %s zoh? hr 1 k", {B, B, B, A}));
    a.wait(4);
    a.dialog2(fill("%s de %s ga", {A, B}));
    static constexpr std::array<std::string_view, 5> kTexts = {
        "PRZYJADE JUTRO POCIAGIEM %02d30 = JAN",
        "PROSZE PRZESLAC DOKUMENTY WYSYLKI DO %s NATYCHMIAST = DYREKCJA",
        "ZDROWI WSZYSCY POZDROWIENIA = MATKA",
        "TRANSPORT ZBOZA %d TON WYSLANY DZIS DO %s = ZARZAD",
        "SPOTKANIE PRZELOZONE NA %d BIEZACEGO MIESIACA = KOWALSKI"};
    const std::string P(to_place);
    const int which = one_of(a, 5);
    const std::string body =
        which == 0   ? fill(kTexts[0], {between(a, 6, 22)})
        : which == 1 ? fill(kTexts[1], {P})
        : which == 3 ? fill(kTexts[3], {between(a, 5, 40) * 10, P})
        : which == 4 ? fill(kTexts[4], {next_day(a)})
                     : std::string(kTexts[2]);
    a.dialog1(fill("nr %d %s %d %d %02d%02d = %s +", {between(a, 1, 99), std::string(from_place),
                                                      word_count(body), a.t.day, a.t.hour,
                                                      a.t.minute, body}));
    a.dialog2("r nr 1 sk");
    a.send_stack("");
}

} // namespace zenka
