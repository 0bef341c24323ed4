#pragma once
// The naval family's call lists and texts. The long lists and the fleet telegram are text tables
// in data/, made into C++ by the build; the short lists stand here.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace zenka {

// One line of data/us_navy.txt, data/us_navy_old.txt or data/rdl_codeword.txt.
struct NavalWord {
    std::string_view word;
};

// The one line of data/qtc_901.txt.
struct NavalText {
    std::string_view text;
};

} // namespace zenka

#include "traffic/naval/qtc_901_table.h"
#include "traffic/naval/rdl_codeword_table.h"
#include "traffic/naval/us_navy_old_table.h"
#include "traffic/naval/us_navy_table.h"

namespace zenka {

static_assert(std::size(kUsNavy) == 37);
static_assert(std::size(kUsNavyOld) == 78);
static_assert(std::size(kRdlCodeword) == 26);
static_assert(std::size(kQtc901) == 1);

// The calls of a list as the broadcasts take them.
using CallList = std::span<const NavalWord>;
inline constexpr CallList us_navy{kUsNavy};
inline constexpr CallList us_navy_old{kUsNavyOld};

// The fleet telegram NPM sends in the older procedure.
inline constexpr std::string_view qtc_901 = kQtc901[0].text;

// The United States shore stations of the old fleet wave.
inline constexpr std::array<std::string_view, 19> usn_fleetwave = {
    "NAD", "NAO", "NAP", "NAS", "NAQ", "NAX", "NBA", "NBD", "NDW", "NPA",
    "NPO", "NPQ", "NPS", "NPU", "NPW", "NSD", "NVD", "NVH", "NXA"};

// The United States ships they call.
inline constexpr std::array<std::string_view, 16> usn_fleetwave2 = {
    "NACB", "NADP", "NAFF", "NAPT", "NARP", "NELG", "NEML", "NENN",
    "NEPF", "NEQZ", "NESM", "NEZS", "NISN", "NULL", "NULN", "NUQP"};

// The state police stations of the Pennsylvania net.
inline constexpr std::array<std::string_view, 5> pa_police_net = {"WBA", "WBR", "WDX", "WJL",
                                                                  "WMB"};

} // namespace zenka
