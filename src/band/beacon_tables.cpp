#include "band/beacon_tables.h"

#include "compose/air.h"

#include <initializer_list>

namespace zenka {
namespace {

bool at_minutes(const Air& a, std::initializer_list<int> minutes) {
    for (int m : minutes)
        if (a.t.minute == m) return true;
    return false;
}

bool always(Air&) {
    return true;
}
bool even_day(Air& a) {
    return a.ed();
}
bool odd_day(Air& a) {
    return a.od();
}
bool every_6th_minute(Air& a) {
    return a.t.minute % 6 == 0;
}
bool every_6th_minute_from_4(Air& a) {
    return (a.t.minute + 2) % 6 == 0;
}
bool every_10th_minute(Air& a) {
    return a.t.minute % 10 == 0;
}
bool every_11th_minute(Air& a) {
    return a.t.minute % 11 == 0;
}
bool every_12th_minute(Air& a) {
    return a.t.minute % 12 == 0;
}
bool every_13th_minute(Air& a) {
    return a.t.minute % 13 == 0;
}
bool minutes_0_to_9(Air& a) {
    return a.t.minute <= 9;
}
bool minutes_10_to_19(Air& a) {
    return a.t.minute >= 10 && a.t.minute <= 19;
}
bool minutes_0_6_30_36(Air& a) {
    return at_minutes(a, {0, 6, 30, 36});
}
bool minutes_5_22_36_50(Air& a) {
    return at_minutes(a, {5, 22, 36, 50});
}
bool minutes_9_24_39_54(Air& a) {
    return at_minutes(a, {9, 24, 39, 54});
}
bool minutes_7_20_38_51(Air& a) {
    return at_minutes(a, {7, 20, 38, 51});
}
bool minutes_6_21_37_53(Air& a) {
    return at_minutes(a, {6, 21, 37, 53});
}
bool sked_20_past(Air& a) {
    return a.sked(220) || a.sked(720) || a.sked(1220) || a.sked(1820);
}
bool sked_30_past(Air& a) {
    return a.sked(230) || a.sked(730) || a.sked(1230) || a.sked(1830);
}
bool at_1148_1748_2348(Air& a) {
    return a.t.minute == 48 && (a.t.hour == 11 || a.t.hour == 17 || a.t.hour == 23);
}
bool one_in_9(Air& a) {
    return a.cond(9) != 0;
}

// clang-format off
constexpr IdentBeacon kIdents[] = {
    // freq  text                  spd  ton   qsa  when
    {3470, "YA BL           ",    15, 1300, 1, minutes_5_22_36_50},
    {3850, "4YC 21           ",   15, 1500, 1, every_11th_minute},
    {3620, "4YE 08           ",   15, 1500, 1, every_13th_minute},
    {3880, "YI DB           ",    15, 1300, 1, minutes_9_24_39_54},
    {3700, "YJ CD           ",    15, 1300, 1, minutes_7_20_38_51},
    {3575, "YK FK           ",    15, 1300, 1, minutes_6_21_37_53},
    {3910, "4YP 34           ",   15, 1300, 1, every_10th_minute},
    {3590, "4YU 18           ",   15, 1700, 0, every_12th_minute},
    {3620, "LMJ  ",               13,  900, 2, sked_20_past},
    {4100, "LJB  ",               13,  900, 2, sked_30_past},
    {4100, "VGF  ",               13,  900, 2, at_1148_1748_2348},
};

constexpr CharacterBeacon kCharacterBeacons[] = {
    // freq  call   letter when
    {2905, "UOX", 'K', always},
    {3000, "UHY", 'T', always},
    {3100, "UPR", 'D', always},
    {3750, "UES", 'Y', even_day},
    {3750, "UZT", 'P', odd_day},
    {3845, "UIX", '$', always},
    {3945, "UOK", 'M', always},
    {4195, "USY", 'N', always},
};

constexpr ConsolStation kConsol[] = {
    {2770, "TRQ"},
    {2660, "MWN"},
    {3030, "LG"},
    {3110, "SL"},
    {3190, "LEC"},
};

constexpr GroupBeacon mb(int freq, const char* c, int schedule) {
    return {freq, GroupBeacon::Kind::letter, c, schedule, 0, always};
}
constexpr GroupBeacon mb2(int freq, const char* call, int type, int minute) {
    return {freq, GroupBeacon::Kind::pattern, call, type, minute, always};
}
constexpr GroupBeacon txt(int freq, BeaconGate when, const char* text, int times = 1) {
    return {freq, GroupBeacon::Kind::literal, text, times, 0, when};
}

constexpr GroupBeacon kGroups[] = {
    mb(2860, "$", 1),
    mb(2880, "R", 1),
    mb(2900, "M", 5),
    txt(2915, every_6th_minute, "PXQ PXQ  TTTTT TTTTT TTTTT TTTTT TTTTT  PXQ"),
    mb2(2915, "GGP", 6, 12),
    mb2(2915, "HEL", 14, 12),
    mb2(2915, "ROZ", 13, 14),
    mb2(2915, "MMC", 2, 18),
    mb2(2915, "MMX", 9, 22),
    mb2(2915, "GY", 15, 22),
    mb(2920, "!", 3),
    mb(2940, "@", 2),
    mb2(2945, "MNG", 5, 12),
    mb2(2945, "MMM", 5, 14),
    mb2(2945, "MMK", 5, 16),
    mb(2950, "U", 6),
    mb(2960, "Y", 2),
    txt(2960, minutes_0_to_9, "V  V  V  TTT      ", 25),
    txt(2965, minutes_0_6_30_36, "PWA PWA  TTTTT TTTTT TTTTT TTTTT TTTTT  PWA"),
    txt(2975, every_6th_minute_from_4,
        "GAM GAM GAM GAM GAM GAM GAM GAM TTTTTTTTTTTTTTT "
        "GAM GAM GAM GAM GAM GAM GAM GAM TTTTTTTTTTTTTTT "
        "GAM GAM GAM GAM GAM"),
    mb2(2975, "GGC", 5, 6),
    mb2(2975, "EIB", 12, 8),
    mb2(2975, "MMF", 5, 16),
    mb(3000, "Z", 1),
    mb(3000, "#", 2),
    mb2(3005, "MOG", 7, 255),
    mb2(3005, "MMB", 8, 4),
    mb(3020, "O", 1),
    mb(3020, "F", 2),
    mb2(3035, "MMH", 11, 18),
    mb2(3035, "MMY", 10, 22),
    mb2(3035, "MBG", 5, 24),
    mb2(3035, "MSG", 5, 26),
    mb2(3035, "GGH", 5, 28),
    mb(3040, "Z", 2),
    mb(3050, "A", 8),
    mb(3060, "M", 1),
    mb(3060, "K", 3),
    txt(3065, every_6th_minute, "PXN PXN  TTTTT TTTTT TTTTT TTTTT TTTTT  PXN"),
    mb2(3065, "GGM", 4, 12),
    mb2(3065, "GGK", 1, 14),
    mb(3075, "B", 2),
    mb(3080, "U", 1),
    mb(3080, "H", 2),
    txt(3095, every_6th_minute_from_4, "GR GR  TTTTTTTTTTTTTTT GR                              ", 3),
    mb(3100, "C", 9),
    mb(3120, "P", 1),
    mb2(3125, "GGF", 5, 18),
    txt(3125, every_6th_minute_from_4, "GSM GSM GSM TTTTTTTTTTTTTTT GSM                              ", 3),
    txt(3130, one_in_9, "VOZ  VOZ  VOZ  T T        ", 25),
    mb(3140, "G", 3),
    txt(3150, minutes_10_to_19, "P  P  P  TTTTTTTTTTTTTTTTTT P  P  P"),
    txt(3185, every_6th_minute_from_4, "GGJ GGJ GGJ TTTTTTTTTTTTTTT GGJ                              ", 3),
    mb2(3185, "GGB", 2, 0),
    mb2(3185, "EIK", 3, 4),
};
// clang-format on

} // namespace

std::span<const IdentBeacon> ident_beacons() {
    return kIdents;
}

std::span<const CharacterBeacon> character_beacons() {
    return kCharacterBeacons;
}

std::span<const ConsolStation> consol_stations() {
    return kConsol;
}

std::span<const GroupBeacon> marine_beacon_groups() {
    return kGroups;
}

// clang-format off
const std::array<Ndb, kNdbCount> ndb_table = {{
    {1900, "ND"},   {2380, "KT"},   {2440, "TH"},   {2450, "ANR"},  {2480, "WG"},   {2540, "WI"},
    {2550, "H"},    {2580, "ORU"},  {2620, "GH"},   {2630, "UYF"},  {1905, "UY"},   {1910, "QC"},
    {1920, "SA"},   {1925, "QXY"},  {1940, "PS"},   {1950, "LI"},   {1960, "KQB"},  {1965, "W"},
    {1970, "FGJ"},  {1975, "PKI"},  {1980, "VYI"},  {1985, "EL"},   {2005, "ZVH"},  {2015, "TJO"},
    {2025, "S"},    {2030, "WXL"},  {2035, "ZLT"},  {2040, "TYF"},  {2045, "ZAR"},  {2055, "OPF"},
    {2060, "J"},    {2065, "NF"},   {2070, "KX"},   {2075, "ZO"},   {2085, "GZW"},  {2090, "IK"},
    {2095, "VNA"},  {2100, "MJK"},  {2105, "DP"},   {2110, "ZT"},   {2115, "PMK"},  {2120, "LFS"},
    {2135, "HLX"},  {2140, "LNI"},  {2145, "KD"},   {2160, "KP"},   {2170, "PAL"},  {2175, "EXR"},
    {2185, "IB"},   {2190, "GL"},   {2195, "WLQ"},  {2200, "IKL"},  {2215, "BWZ"},  {2235, "VF"},
    {2240, "AZ"},   {2245, "ZBU"},  {2255, "WCO"},  {2265, "L"},    {2270, "TCZ"},  {2280, "GK"},
    {2285, "KOL"},  {2290, "VH"},   {2305, "OW"},   {2310, "KDU"},  {2320, "AFN"},  {2325, "MEM"},
    {2330, "DJ"},   {2335, "WRF"},  {2345, "NHG"},  {2360, "OPJ"},  {2365, "BS"},   {2370, "YQI"},
    {2385, "HJ"},   {2390, "YBP"},  {2395, "UB"},   {2415, "IV"},   {2420, "ZF"},   {2425, "IKX"},
    {2430, "VTP"},  {2435, "AF"},   {2445, "LQ"},   {2455, "WAA"},  {2465, "UT"},   {2475, "APO"},
    {2485, "LB"},   {2490, "NLC"},  {2495, "CL"},   {2500, "BN"},   {2505, "TF"},   {2510, "RI"},
    {2515, "LZO"},  {2520, "CQ"},   {2525, "VHK"},  {2535, "MPK"},  {2555, "RS"},   {2570, "IF"},
    {2575, "TNQ"},  {2585, "OYC"},  {2600, "DCS"},  {2605, "WJ"},   {2610, "HZS"},  {2615, "JT"},
    {2635, "DO"},   {2640, "YOV"},  {2650, "MZO"},  {2665, "BGC"},  {2675, "O"},    {2680, "YSE"},
    {2690, "JEI"},  {2705, "WN"},   {2715, "CY"},   {2720, "Y"},    {2725, "MAV"},  {2740, "LQY"},
    {2750, "UXS"},  {2755, "JF"},   {2765, "YD"},   {2785, "AN"},   {2790, "WGC"},  {2795, "EE"},
    {2800, "KOR"},  {2810, "OHM"},  {2815, "NP"},   {2820, "KNS"},  {2825, "UD"},   {2830, "MD"},
    {2835, "GV"},   {2840, "FI"},   {2855, "KYA"},  {2865, "LV"},   {2870, "CD"},   {2875, "PE"},
    {2890, "WPB"},  {2895, "MWY"},  {2935, "IW"},   {2970, "PM"},   {2990, "YU"},   {3005, "B@"},
    {3010, "GY"},   {3015, "DKD"},  {3045, "R"},    {3085, "NZY"},  {3115, "KLH"},  {3120, "IQG"},
    {3155, "SSR"},  {3170, "UW"},   {3175, "MP"},   {3180, "HYQ"},  {3195, "FH"},   {3210, "NY"},
    {3215, "GGU"},  {3220, "APZ"},  {3225, "PED"},  {3230, "FAD"},  {3235, "HNV"},  {3240, "CCP"},
    {3245, "PQL"},  {3255, "SMH"},  {3260, "PMT"},  {3270, "VL"},   {3275, "LHB"},  {3280, "JQY"},
    {3290, "HOY"},  {3305, "JNQ"},  {3310, "FE"},   {3315, "VX"},   {3330, "OH"},   {3345, "QJX"},
    {3350, "PLA"},  {3360, "QMX"},  {3370, "FMS"},  {3375, "CDJ"},  {3380, "DM"},   {3390, "RU"},
    {3415, "WP"},   {3425, "LUN"},  {3430, "VLJ"},  {3440, "SDD"},  {3450, "KY"},   {3455, "XC"},
    {3460, "UXK"},  {3465, "UUO"},  {3475, "FOX"},  {3485, "FSG"},  {3490, "WNH"},  {3500, "HKH"},
    {3505, "MQH"},  {3510, "E"},    {3515, "HRB"},  {3520, "G"},    {3525, "VBZ"},  {3530, "WYS"},
    {3535, "CK"},   {3545, "FM"},   {3550, "HP"},   {3560, "UMJ"},  {3565, "XFD"},  {3570, "HN"},
    {3580, "AU"},   {3585, "YRP"},  {3595, "KWU"},  {3605, "DXR"},  {3610, "RN"},   {3615, "DQG"},
    {3630, "PTW"},  {3640, "EIJ"},  {3645, "EH"},   {3650, "QPA"},  {3660, "OKQ"},  {3665, "DYF"},
    {3675, "HLJ"},  {3685, "WAF"},  {3690, "LQG"},  {3715, "CBN"},  {3720, "WF"},   {3725, "FW"},
    {3730, "VZO"},  {3735, "NCG"},  {3745, "A"},    {3750, "NDG"},  {3755, "NMG"},  {3765, "PK"},
    {3770, "MG"},   {3775, "WD"},   {3785, "EOD"},  {3790, "EOY"},  {3795, "F"},    {3800, "IG"},
    {3805, "PXO"},  {3810, "UVP"},  {3815, "X"},    {3820, "IN"},   {3840, "RP"},   {3855, "UGT"},
    {3860, "FJG"},  {3870, "RAL"},  {3875, "FUR"},  {3885, "TID"},  {3890, "RFP"},  {3895, "LEM"},
    {3900, "PN"},   {3905, "UK"},   {3915, "NB"},   {3925, "AC"},   {3930, "SY"},   {3935, "NT"},
    {3940, "EOS"},  {3950, "RE"},   {3955, "RH"},   {3960, "EZ"},   {3975, "RUG"},  {3980, "WHX"},
    {3985, "NBH"},  {3990, "PZ"},   {3995, "SMY"},  {4005, "RTI"},  {4010, "SP"},   {4015, "QI"},
    {4020, "NG"},   {4025, "NN"},   {4035, "IQ"},   {4040, "NSK"},  {7700, "LR"},   {7700, "N"},
    {9420, "C$"},   {9950, "SV"},
}};
// clang-format on

} // namespace zenka
