#pragma once
// The tables of the radiotelegrams between ships and coast stations: the fill-in words (ports,
// places of origin, names), the address lines, the ships' telegram texts by slot with their
// checks and address kinds, the stored telegrams of some ships, the coast stations' telegrams
// and their endings. The large ones are made by the build from the text tables in data/.

#include <array>
#include <cstddef>
#include <string_view>

namespace zenka {

struct WordEntry {
    std::string_view word;
};

struct TextEntry {
    std::string_view text;
};

// One line of data/ship_telegrams.txt.
struct ShipTelegram {
    int slot;
    int check;
    int ads; // 201: an address line goes before the text; 200: the text holds its own
    std::string_view text;
};

// One line of data/stored_telegrams.txt.
struct StoredTelegram {
    std::string_view call;
    std::string_view text;
};

// One line of data/coast_telegrams.txt.
struct CoastTelegram {
    int slot;
    std::string_view text;
};

} // namespace zenka

#include "traffic/maritime/addresses_table.h"
#include "traffic/maritime/coast_telegrams_table.h"
#include "traffic/maritime/origins_table.h"
#include "traffic/maritime/ports_table.h"
#include "traffic/maritime/ship_telegrams_table.h"
#include "traffic/maritime/stored_telegrams_table.h"

namespace zenka {

inline constexpr int kNextPortCount = 82;
inline constexpr int kOriginCount = 54;
inline constexpr int kAdrCount = 33; // the last one empty
inline constexpr int kQtcSlots = 100;
inline constexpr int kStoredCount = 37;
static_assert(std::size(kNextPort) == kNextPortCount);
static_assert(std::size(kOrigin) == kOriginCount);
static_assert(std::size(kAddresses) == kAdrCount - 1);
static_assert(std::size(kStoredTelegrams) == kStoredCount);

constexpr std::string_view next_port(int i) {
    return kNextPort[i].word;
}
constexpr std::string_view origin(int i) {
    return kOrigin[i].word;
}
constexpr std::string_view adr(int i) {
    return i < kAdrCount - 1 ? kAddresses[i].text : std::string_view{};
}

// Surnames and first names of the addressees and signatures.
inline constexpr std::array<std::string_view, 22> name = {
    "ADAMSKI",  "BIRD",   "BLINOV",  "GRAYPEN",   "HANSEN",    "JENSEN",   "KOWALSKI", "LARSEN",
    "MILLER",   "MORENO", "NIELSEN", "PAPADAKIS", "PETERSEN",  "ROSSI",    "SCHMIDT",  "SMITH",
    "SVENSSON", "TANAKA", "VOLKOV",  "WILSON",    "ZANDIOXIS", "ZAVIERIEV"};
inline constexpr std::array<std::string_view, 12> fname = {"ADAM",     "DAVID",   "GEORGE", "JOHN",
                                                           "MARGARET", "MICHAEL", "MISHA",  "OLEG",
                                                           "PETER",    "ROBERT",  "ROGER",  "TOM"};

// How a coast station ends the telegram it passes.
inline constexpr std::array<std::string_view, 7> opchat_tail = {
    " + HW? K", " + K", " + QSL? K", " + OK? K", " + NIL K", " + TKS NIL K", " = NIL K"};

// The ship's telegram text of a slot 0 - 99, its check and address kind; an empty slot has an
// empty text.
constexpr const ShipTelegram* qtc_entry(int slot) {
    for (const ShipTelegram& t : kShipTelegrams)
        if (t.slot == slot) return &t;
    return nullptr;
}
constexpr std::string_view qtc_table(int slot) {
    const ShipTelegram* t = qtc_entry(slot);
    return t ? t->text : std::string_view{};
}
constexpr int qtc_ck(int slot) {
    const ShipTelegram* t = qtc_entry(slot);
    return t ? t->check : 0;
}
constexpr int qtc_ads(int slot) {
    const ShipTelegram* t = qtc_entry(slot);
    return t ? t->ads : 200;
}

constexpr std::string_view qtc_700_cs(int i) {
    return kStoredTelegrams[i].call;
}
constexpr std::string_view qtc_700_tab(int i) {
    return kStoredTelegrams[i].text;
}

// The coast station's telegram template of a slot (0 - 24, 121, 131, 141).
constexpr std::string_view coast_qtc_template(int slot) {
    for (const CoastTelegram& t : kCoastTelegrams)
        if (t.slot == slot) return t.text;
    return {};
}

} // namespace zenka
