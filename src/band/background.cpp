#include "band/background.h"

#include "band/identity.h"
#include "compose/air.h"

#include <string>
#include <string_view>

namespace zenka {
namespace {

// clang-format off
constexpr BackgroundEntry kTable[64] = {
    { 600,   2}, {4425,  11}, {5200,  12}, {2520,  13},
    {1570,   2}, {2780,   2}, {1600,   3}, {2450,   4},
    {4000,   4}, {2720,   5}, {5380,   5}, {2690,   6},
    {2480,   6}, {2750,   7}, {5160,   8}, {2390,   9},
    {4570,   9}, {4140,  10}, {2190,  11}, {3200,  11},
    {3320,  12}, {3500,  12}, {2540,  13}, {3440,  14},
    {3020,  15}, {2010,  18}, {2780,  18}, {3420,  18},
    {4405,  62}, {5200,  62}, { 407, 100}, { 420, 100},
    { 510, 100}, { 520, 100}, {1473, 100}, {1474, 100},
    {1475, 100}, { 519, 102}, { 267, 103}, { 252, 104},
    {5215, 106}, { 638, 280}, { 689, 280}, { 210, 280},
    {1258, 280}, { 209, 280}, { 626, 282}, { 179, 282},
    { 203, 283}, { 530, 283}, { 185, 283}, { 208, 284},
    { 426, 284}, {4400, 285}, { 534, 346}, { 191, 349},
    {4185, 354}, {5105, 223}, {5240, 224}, {1860,  61},
    {1560,  61}, { 536,  61}, { 537,   0}, { 538,   0},
};
// clang-format on

constexpr std::string_view kRyry = "RYRYRY";

// A teleprinter code range of 60: which clip, with the repeat number n.
void teleprinter(Air& a, int range, int n) {
    switch (range) {
    case 0:
        a.rtlx_cond_50_170(kRyry, n);
        break;
    case 1:
        a.rtlx_cond_50_425(kRyry, n);
        break;
    case 2:
        a.rtlx_cond_50_850(kRyry, n);
        break;
    case 3:
        a.rtlx_cond_75_170(kRyry, n);
        break;
    case 4:
        a.rtlx_cond_75_425(kRyry, n);
        break;
    case 5:
        a.rtlx_cond_75_850(kRyry, n);
        break;
    case 6:
        a.rtlx_cond_arqe_96(kRyry, n);
        break;
    default:
        break;
    }
}

// A carrier in odd (or even) hours only.
void hourly_carrier(Air& a, bool odd_hours) {
    if (a.oh() != odd_hours) return;
    a.qsa = 1 + (a.rand() & 3);
    a.n0n(800 + a.rand() % 700);
}

void start(Air& a, int code) {
    if (code >= 0 && code <= 59) return a.fone_cond(code);
    if (code == 61) return a.fax(120, 576);
    if (code == 62) return a.sitor();
    if (code == 91) {
        a.qsa = 5;
        return a.n0n(1000);
    }
    if (code == 92) return hourly_carrier(a, true);
    if (code == 93) return hourly_carrier(a, false);
    if (code >= 100 && code <= 519) return teleprinter(a, (code - 100) / 60, (code - 100) % 60);
    if (code == 520) return a.data(200, 3);
    // 2000 - 2719: the teleprinter ranges again, by day and by night in turn.
    if (code >= 2000 && code <= 2719) {
        const int range = (code - 2000) / 60;
        const bool by_day = range % 2 == 0;
        if (by_day ? a.day() : a.night()) teleprinter(a, range / 2, (code - 2000) % 60);
    }
}

constexpr std::string_view kTeleprinters[7] = {
    "teleprinter 50 Bd 170 Hz",
    "teleprinter 50 Bd 425 Hz",
    "teleprinter 50 Bd 850 Hz",
    "teleprinter 75 Bd 170 Hz",
    "teleprinter 75 Bd 425 Hz",
    "teleprinter 75 Bd 850 Hz",
    "ARQ-E 96 Bd",
};

// What the signal of a code is: "voice", "teleprinter 50 Bd 170 Hz" ...
std::string_view signal_of(int code) {
    if (code >= 0 && code <= 59) return "voice";
    if (code == 61) return "facsimile";
    if (code == 62) return "SITOR";
    if (code >= 91 && code <= 93) return "carrier";
    if (code >= 100 && code <= 519) return kTeleprinters[(code - 100) / 60];
    if (code == 520) return "machine data";
    if (code >= 2000 && code <= 2719) return kTeleprinters[(code - 2000) / 120];
    return "signal";
}

} // namespace

std::span<const BackgroundEntry> background_table() {
    return kTable;
}

void get_background(Air& a, std::span<const BackgroundEntry> table) {
    if (!a.settings.bkgnd) return;
    a.stn();
    for (const BackgroundEntry& entry : table) {
        if (entry.freq != a.settings.freq) continue;
        const StationId station =
            own_station("background " + std::string(signal_of(entry.code)), Service::background);
        on_air_as(a, station, [&] { start(a, entry.code); });
        return;
    }
}

} // namespace zenka
