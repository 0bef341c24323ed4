#pragma once
// The families of the station catalogue as docs/band.md shows them: each family of
// the registry of emission kinds with the rules that send its emissions.

#include "band/catalogue.h"
#include "band/label.h"

#include <string>
#include <vector>

namespace zenka::banddoc {

// The kinds named in the catalogue that the registry lacks (empty when all are there).
std::vector<std::string> unregistered_kinds(const Catalogue& catalogue);

// The markdown table of the families: each family with the number of rules that
// send one of its emissions, and its kinds of emission with the rules naming each.
std::string family_table(const Catalogue& catalogue);

} // namespace zenka::banddoc
