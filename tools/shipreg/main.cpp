// zenka_shipreg: writes the world's ship register, src/traffic/maritime/data/ships.txt.
//
//   zenka_shipreg > ships.txt
//
// The register is drawn once, deterministically, from a small generator of its own (so the same
// program always writes the same file, whatever the standard library): a merchant fleet of the
// 1970s - 1990s by flag, each ship with a call sign of its flag's international series and a name
// in its flag's manner, and the ship types of the traffic (cargo, ore, tanker...). The ships
// whose stored telegrams the traffic keys stand at fixed places.

#include <array>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "names.h"

namespace {

using namespace shipreg;

struct Flag {
    Words series;
    int letters;
    bool figure;
    int weight;
    Style style;
};

const std::vector<Flag>& flags() {
    static const std::vector<Flag> f = {
        {{"EL", "A8", "D5", "5L"}, 2, true, 150, Style::Convenience},             // Liberia
        {{"3E", "3F", "HO", "HP", "H3", "H8"}, 2, true, 150, Style::Convenience}, // Panama
        {{"5B", "C4", "P3", "H2"}, 2, true, 80, Style::Greek},                    // Cyprus
        {{"9H"}, 2, true, 40, Style::Greek},                                      // Malta
        {{"C6"}, 2, true, 30, Style::Convenience},                                // Bahamas
        {{"SV", "SW", "SX", "SY", "SZ"}, 2, false, 150, Style::Greek},            // Greece
        {{"UA", "UB", "UF", "UH", "UI", "UK", "UL", "UM", "UP", "UR", "UT", "UU", "UW", "UY", "UZ",
          "EM", "ER", "ES", "EW"},
         2,
         false,
         170,
         Style::Soviet},                                             // USSR
        {{"SP", "SQ"}, 2, false, 55, Style::Polish},                 // Poland
        {{"Y2", "Y3", "Y4", "Y5"}, 2, false, 35, Style::EastGerman}, // GDR
        {{"DA", "DC", "DD", "DE", "DF", "DG", "DH", "DI", "DL", "DN", "DQ"},
         2,
         false,
         70,
         Style::German}, // FRG
        {{"LA", "LB", "LC", "LD", "LE", "LF", "LG", "LH", "LI", "LJ", "LK", "LL", "LM", "LN"},
         2,
         true,
         90,
         Style::Norwegian}, // Norway
        {{"SA", "SB", "SC", "SD", "SE", "SF", "SG", "SH", "SI", "SJ", "SK", "SL", "SM"},
         2,
         false,
         40,
         Style::Swedish},                                                   // Sweden
        {{"OU", "OV", "OW", "OX", "OY", "OZ"}, 2, true, 40, Style::Danish}, // Denmark
        {{"OF", "OG", "OH", "OI", "OJ"}, 2, false, 20, Style::Finnish},     // Finland
        {{"PA", "PB", "PC", "PD", "PE", "PF", "PG", "PH", "PI"}, 2, false, 40, Style::Dutch},
        {{"JA", "JB", "JD", "JG", "JH", "JI", "JJ", "JK", "JL", "JM", "JN", "JP", "JQ", "JR", "JS",
          "7J", "7K", "8J", "8K"},
         2,
         false,
         120,
         Style::Japanese}, // Japan
        {{"GA", "GB", "GC", "GD", "GF", "GJ", "GK", "GL", "GN", "GP", "GQ",
          "GR", "GS", "GT", "GU", "GV", "GW", "GX", "GY", "GZ", "MA", "MB",
          "MJ", "ML", "MN", "MQ", "MS", "MT", "MU", "MW", "MZ"},
         2,
         false,
         90,
         Style::British}, // Britain
        {{"KA", "KB", "KC", "KD", "KE", "KF", "KG", "KH", "KI", "KJ", "KK", "KL",
          "KM", "KN", "KO", "KP", "KR", "KS", "KT", "KU", "KV", "KW", "KX", "KY",
          "KZ", "WA", "WB", "WC", "WD", "WE", "WF", "WG", "WH", "WI", "WJ", "WK",
          "WL", "WM", "WN", "WP", "WR", "WS", "WT", "WU", "WX", "WZ"},
         2,
         false,
         60,
         Style::American}, // United States
        {{"IA", "IB", "IC", "ID", "IE", "IF", "IG", "IH", "II", "IK", "IL",
          "IN", "IO", "IP", "IQ", "IR", "IS", "IT", "IU", "IV", "IX", "IZ"},
         2,
         false,
         45,
         Style::Italian}, // Italy
        {{"FA", "FB", "FC", "FH", "FI", "FM", "FN", "FO", "FP", "FQ", "FS", "FU", "FW", "FZ"},
         2,
         false,
         35,
         Style::French}, // France
        {{"EA", "EB", "EC", "ED", "EE", "EF", "EG", "EH"}, 2, false, 35, Style::Spanish},
        {{"CS"}, 2, false, 15, Style::Portuguese},                          // Portugal
        {{"PP", "PQ", "PR", "PS", "PT", "PU"}, 2, false, 25, Style::Latin}, // Brazil
        {{"BO", "BP", "BQ", "BR", "BS", "BT", "BV", "BX", "BY", "BZ"},
         2,
         false,
         45,
         Style::Chinese},                                                          // China
        {{"VR"}, 2, false, 15, Style::Chinese},                                    // Hong Kong
        {{"DS", "DT", "HL", "6K", "6L", "6M", "6N"}, 2, false, 35, Style::Korean}, // Korea
        {{"9V", "S6"}, 2, true, 20, Style::Convenience},                           // Singapore
        {{"VT", "VU", "VV", "VW", "AT"}, 2, false, 30, Style::Indian},             // India
        {{"AP", "AQ"}, 2, false, 10, Style::Arabic},                               // Pakistan
        {{"TA", "TB", "TC"}, 2, false, 35, Style::Turkish},                        // Turkey
        {{"5A"}, 2, false, 15, Style::Arabic},                                     // Libya
        {{"SS", "SU"}, 2, false, 15, Style::Arabic},                               // Egypt
        {{"HN", "YI"}, 2, false, 12, Style::Arabic},                               // Iraq
        {{"HZ", "7Z"}, 2, false, 12, Style::Arabic},                               // Saudi Arabia
        {{"9K"}, 2, false, 12, Style::Arabic},                                     // Kuwait
        {{"7T"}, 2, false, 12, Style::Arabic},                                     // Algeria
        {{"EP", "EQ", "9B"}, 2, false, 15, Style::Arabic},                         // Iran
        {{"YU", "YT", "4N", "4O"}, 2, false, 35, Style::Balkan},                   // Yugoslavia
        {{"YO", "YP", "YQ", "YR"}, 2, false, 25, Style::Balkan},                   // Romania
        {{"LZ"}, 2, false, 25, Style::Balkan},                                     // Bulgaria
        {{"CO", "CM", "CL"}, 2, false, 15, Style::Cuban},                          // Cuba
        {{"LO", "LP", "LQ", "LR", "LS", "LT", "LU", "LW"}, 2, false, 15, Style::Latin}, // Argentina
        {{"3A", "3B", "4X", "4Z", "9G", "5N", "4R", "9M", "DU", "DZ"},
         2,
         false,
         30,
         Style::Convenience}, // others
    };
    return f;
}

const Words kRoman = {"II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
std::string call_for(const Flag& f, Draw& d) {
    std::string call = d.pick(f.series);
    for (int k = 0; k < f.letters; ++k)
        call += static_cast<char>('A' + d(26));
    if (f.figure && d(2)) call += static_cast<char>('2' + d(8));
    return call;
}

struct Ship {
    std::string call;
    std::string type = "-";
    std::string name;
    Style style = Style::Convenience;
};

// The ships whose stored telegrams the traffic keys, and the first ship of the register.
struct Pinned {
    const char* call;
    const char* name;
};
constexpr std::array<Pinned, 37> kStoredTelegrams = {{
    {"7THQ", "TABLAT"},
    {"9HDP5", "AGIOS GERASIMOS"},
    {"COGW", "PLAYA LARGA"},
    {"DHHT", "HELGA RUSS"},
    {"EMRN", "KAPITAN GUDIN"},
    {"ELBK7", "OCEAN LAUREL"},
    {"3EKZ3", "ORIENT ACE"},
    {"SVKM", "ARISTEIDIS"},
    {"SQLR", "ZIEMIA LUBELSKA"},
    {"LAGQ4", "BERGE SOLVEIG"},
    {"OXVB2", "ELLEN MAERSK"},
    {"JKPR", "TOYOHASHI MARU"},
    {"GBZD", "CITY OF DUNDEE"},
    {"KGTB", "PRESIDENT TYLER"},
    {"ICMV", "NICOLA DI BARI"},
    {"FNAW", "VILLE DE NANTES"},
    {"EBPT", "MONTE ESTELA"},
    {"TCKA", "KAPTAN YILMAZ"},
    {"UUAZ", "AKADEMIK SHOKALSKIY"},
    {"Y5LB", "WARNEMUENDE"},
    {"PDGT", "NEDLLOYD BORNEO"},
    {"SKRW", "STENA NORDICA"},
    {"5BLT2", "ANNA P"},
    {"C6KD4", "WESTERN SEALAND"},
    {"HPJS", "GOLDEN HARVEST"},
    {"YUTL", "DURMITOR"},
    {"LZCD", "SHIPKA"},
    {"5AWE", "GARYOUNIS"},
    {"9KRC", "AL MUBARAKIAH"},
    {"SUDA", "ABU SIMBEL"},
    {"VTQR", "STATE OF GUJARAT"},
    {"BOPK", "LIU HE KOU"},
    {"DSHM", "HANJIN JEDDAH"},
    {"PPXU", "LLOYD GENOVA"},
    {"OHNQ", "FINNCLIPPER"},
    {"YOPA", "PIATRA CRAIULUI"},
    {"SZLE", "EVIA"},
}};

// Ship types of the traffic with their counts, and which naming styles may carry each.
struct TypeCount {
    const char* code;
    int count;
    std::vector<Style> styles; // empty: any flag
};

std::vector<TypeCount> types() {
    using S = Style;
    return {
        {"motorcargo", 190, {}},
        {"ore",
         92,
         {S::Convenience, S::Greek, S::Norwegian, S::Japanese, S::British, S::German, S::Polish,
          S::Soviet, S::Chinese, S::Korean, S::Indian}},
        {"motortanker",
         51,
         {S::Convenience, S::Greek, S::Norwegian, S::Swedish, S::Danish, S::Japanese, S::British,
          S::Soviet, S::Arabic, S::Spanish, S::Italian}},
        {"steamcargo", 16, {S::American, S::British, S::Greek, S::Convenience, S::Soviet}},
        {"container",
         9,
         {S::German, S::Dutch, S::Danish, S::American, S::Japanese, S::British, S::Korean}},
        {"reefer",
         16,
         {S::Soviet, S::Convenience, S::Danish, S::Swedish, S::Cuban, S::Japanese, S::German}},
        {"steamtanker", 25, {S::American, S::British, S::Convenience, S::Greek, S::Spanish}},
        {"motorpassenger",
         13,
         {S::Soviet, S::Italian, S::Greek, S::Norwegian, S::Finnish, S::Swedish, S::EastGerman,
          S::Polish}},
        {"steampassenger",
         18,
         {S::Italian, S::British, S::Greek, S::Soviet, S::French, S::Portuguese, S::American}},
        {"trawler",
         23,
         {S::Soviet, S::Norwegian, S::Japanese, S::Polish, S::EastGerman, S::Spanish, S::Portuguese,
          S::Korean}},
    };
}

std::vector<Ship> register_of_ships() {
    Draw d;
    std::set<std::string> calls, names;
    std::vector<Ship> ships;
    ships.push_back({"2ETI8", "-", "PIXY MARZO", Style::British});
    for (const Pinned& p : kStoredTelegrams) {
        calls.insert(p.call);
        names.insert(p.name);
    }
    calls.insert("2ETI8");
    names.insert("PIXY MARZO");

    int total_weight = 0;
    for (const Flag& f : flags())
        total_weight += f.weight;
    const std::size_t drawn = kShips - 1 - kStoredTelegrams.size();
    while (ships.size() < drawn + 1) {
        int w = static_cast<int>(d(static_cast<unsigned>(total_weight)));
        const Flag* flag = &flags().front();
        for (const Flag& f : flags()) {
            if (w < f.weight) {
                flag = &f;
                break;
            }
            w -= f.weight;
        }
        std::string call = call_for(*flag, d);
        if (calls.count(call)) continue;
        std::string name = name_for(flag->style, d);
        for (std::size_t k = 0; names.count(name) && k < kRoman.size(); ++k)
            name = name_for(flag->style, d) + (d(2) ? ""
                                               : flag->style == Style::Japanese
                                                   ? " NO " + std::to_string(k + 2)
                                                   : " " + kRoman[k]);
        if (names.count(name)) continue;
        calls.insert(call);
        names.insert(name);
        ships.push_back({call, "-", name, flag->style});
    }
    // The stored-telegram ships at even places through the register.
    for (std::size_t k = 0; k < kStoredTelegrams.size(); ++k) {
        const std::size_t at = 25 + k * 49;
        ships.insert(
            ships.begin() + static_cast<long>(at),
            Ship{kStoredTelegrams[k].call, "-", kStoredTelegrams[k].name, Style::Convenience});
    }
    // Types: first the national fleets that keep their own type prefixes in the telegrams
    // (Portuguese and Brazilian motor ships, Spanish tankers), then the rest of each type at
    // drawn places through the register.
    struct Seeded {
        const char* prefix;
        const char* type;
        int count;
    };
    constexpr std::array<Seeded, 5> kSeeded = {{{"CS", "motorcargo", 3},
                                                {"PP", "motorcargo", 2},
                                                {"PP", "ore", 2},
                                                {"PP", "motortanker", 2},
                                                {"E", "motortanker", 3}}};
    std::vector<std::pair<std::string, int>> given;
    for (const Seeded& s : kSeeded) {
        int left = s.count;
        for (std::size_t k = 1; k < ships.size() && left > 0; ++k) {
            const std::string& c = ships[k].call;
            const bool spanish = std::string_view(s.prefix) == "E" && c[0] == 'E' && c[1] <= 'H';
            const bool series =
                std::string_view(s.prefix) == "E" ? spanish : c.rfind(s.prefix, 0) == 0;
            if (ships[k].type != "-" || !series) continue;
            ships[k].type = s.type;
            --left;
        }
        given.emplace_back(s.type, s.count - left);
    }
    for (const TypeCount& t : types()) {
        int left = t.count;
        for (const auto& [type, count] : given)
            if (type == t.code) left -= count;
        std::size_t at = d(kShips);
        while (left > 0) {
            at = (at + 1 + d(40)) % ships.size();
            Ship& s = ships[at];
            if (at == 0 || s.type != "-") continue;
            bool fits = t.styles.empty();
            for (Style st : t.styles)
                fits = fits || st == s.style;
            if (!fits) continue;
            s.type = t.code;
            --left;
        }
    }
    return ships;
}

} // namespace

int main() {
    std::printf("# The world's ship register: one ship a line, its call sign, its type for the\n"
                "# traffic ('-' none of the listed types) and its name. Written by zenka_shipreg\n"
                "# (tools/shipreg); run it again rather than editing this file.\n"
                "#\n#CALL  TYPE            NAME\n");
    for (const Ship& s : register_of_ships())
        std::printf("%-6s %-15s %s\n", s.call.c_str(), s.type.c_str(), s.name.c_str());
    return 0;
}
