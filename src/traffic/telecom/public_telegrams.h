#pragma once
// The texts the telegraph operators send: the five-letter test groups of the automatic test and
// the public telegrams (made by the build from data/public_telegrams.txt). A telegram reads
// preamble = address = text = signature; the preamble gives the number, the office of origin,
// the count of chargeable words (address, text and signature), the day and the time handed in,
// and a service indicator where one applies. The first telegram gives its address first.

#include <string_view>

namespace zenka {

// One line of data/public_telegrams.txt.
struct PublicTelegram {
    std::string_view text;
};

} // namespace zenka

// kPublicTelegrams, generated from data/public_telegrams.txt by the build.
#include "traffic/telecom/public_telegrams_table.h"

#include <iterator>

namespace zenka {

inline constexpr int kPublicTelegramCount = 22;
static_assert(std::size(kPublicTelegrams) == kPublicTelegramCount);

constexpr std::string_view qtc_ptt_table(int i) {
    return kPublicTelegrams[i].text;
}

// The automatic test's five-letter groups.
inline constexpr std::string_view txt =
    "= CDE = WPLUY IFWPE YSODS KZNMA QRTLE VBHXO JGCUD NYFEA PLOWS MIKTR ZUBAE XCVOG HEDJN "
    "RAQYL SOTUF WEMIB GLAKZ DIVNO YUCEP TRHAW JOSBK QEFML ZANUX CIRGO LEPYT BUVDA HONKW "
    "SMEJT FYQIR AXLUG KOPZE VEDNI WUCRA NIHOB ZYLTE GAMUS CDE = ";

} // namespace zenka
