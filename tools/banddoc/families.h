#pragma once
// The families of the station catalogue: which family each kind of emission in a
// rule's label belongs to, and the table of families that docs/band.md shows.

#include "band/catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace zenka::banddoc {

// The kind of one emission of a label: "NAA marker" -> "marker",
// "coast_station_lf FFP/LEHAVRE" -> "coast_station_lf", "ts" -> "ts".
std::string kind_of(std::string_view emission);

// The family of a kind of emission, or "" for a kind no family holds.
std::string_view family_of(std::string_view kind);

// The kinds named in the catalogue that no family holds (empty when all are placed).
std::vector<std::string> unplaced_kinds(const Catalogue& catalogue);

// The markdown table of the families: each family with the number of rules that
// send one of its emissions, and its kinds of emission with the rules naming each.
std::string family_table(const Catalogue& catalogue);

} // namespace zenka::banddoc
