#pragma once
// The world's ship register and the coast station lists, made by the build from the text tables
// in data/ (ships.txt, coast.txt, mf_coast.txt). A ship is drawn by its place in the register:
// `vsl(i)` is its call sign, `qra(i)` its name.

#include <array>
#include <cstddef>
#include <string_view>

namespace zenka {

// One line of data/ships.txt: call sign, traffic type ("-" none), name.
struct ShipEntry {
    std::string_view call;
    std::string_view type;
    std::string_view name;
};

// One line of data/coast.txt.
struct CoastEntry {
    std::string_view call;
};

// One line of data/mf_coast.txt: call sign, working and listening frequencies (100 Hz), place.
struct MfCoastEntry {
    std::string_view call;
    int qss;
    int qsx;
    std::string_view place;
};

} // namespace zenka

#include "traffic/maritime/coast_table.h"
#include "traffic/maritime/mf_coast_table.h"
#include "traffic/maritime/ships_table.h"

namespace zenka {

inline constexpr int kVslCount = 1856;
inline constexpr int kCoastCount = 111;
inline constexpr int kMfCoastCount = 103;
static_assert(std::size(kShipRegister) == kVslCount);
static_assert(std::size(kCoast) == kCoastCount);
static_assert(std::size(kMfCoast) == kMfCoastCount);

constexpr std::string_view vsl(int i) {
    return kShipRegister[i].call;
}
constexpr std::string_view qra(int i) {
    return kShipRegister[i].name;
}
constexpr std::string_view coast(int i) {
    return kCoast[i].call;
}
constexpr std::string_view mf_coast(int i) {
    return kMfCoast[i].call;
}

// The calls of the register's ships of one traffic type, in register order.
template <std::size_t N> consteval std::array<std::string_view, N> type_list(std::string_view t) {
    std::array<std::string_view, N> out{};
    std::size_t n = 0;
    for (const ShipEntry& s : kShipRegister)
        if (s.type == t) {
            if (n == N) throw "more ships of this type than the list holds";
            out[n++] = s.call;
        }
    if (n != N) throw "fewer ships of this type than the list holds";
    return out;
}

inline constexpr auto vsl_type_motorcargo = type_list<190>("motorcargo");
inline constexpr auto vsl_type_ore = type_list<92>("ore");
inline constexpr auto vsl_type_motortanker = type_list<51>("motortanker");
inline constexpr auto vsl_type_steamcargo = type_list<16>("steamcargo");
inline constexpr auto vsl_type_cc = type_list<9>("container");
inline constexpr auto vsl_type_refrigatedcargo = type_list<16>("reefer");
inline constexpr auto vsl_type_steamtanker = type_list<25>("steamtanker");
inline constexpr auto vsl_type_motorpassanger = type_list<13>("motorpassenger");
inline constexpr auto vsl_type_steampassanger = type_list<18>("steampassenger");
inline constexpr auto vsl_type_trawler = type_list<23>("trawler");

} // namespace zenka
