#pragma once
// The station catalogue without the rules of the long-wave maritime working (ship channels, coast
// stations, market reports, the early stations), for tests of the other stations that share
// their frequencies: a pass of the others alone.

#include "band/catalogue.h"
#include "band/dispatcher.h"
#include "compose/air.h"

#include <array>
#include <string_view>
#include <vector>

namespace zenka::test {

inline bool lf_maritime_item(std::string_view item) {
    static constexpr std::array<std::string_view, 15> kGenerators = {
        "vsl_lf_channel", "coast_station_lf", "live_stock",      "swedish_ice_report",
        "chilean_old_nw", "polish_ptt",       "great_lakes_old", "tfc_list_lf",
        "intership_lf",   "ufc ",             "alaska_packers",  "phillipine_old_coast",
        "selective_call", "meteo_warszawa",   "qte_coast"};
    for (std::string_view g : kGenerators)
        if (item.starts_with(g)) return true;
    return false;
}

// A rule all of whose emissions are long-wave maritime working.
inline bool lf_maritime_rule(std::string_view label) {
    for (std::size_t at = 0;;) {
        const std::size_t comma = label.find(", ", at);
        if (!lf_maritime_item(label.substr(at, comma - at))) return false;
        if (comma == std::string_view::npos) return true;
        at = comma + 2;
    }
}

class CatalogueWithoutLfShips {
  public:
    CatalogueWithoutLfShips() {
        const Catalogue all = station_catalogue();
        keep(all.low, low_);
        keep(all.marine, marine_);
        keep(all.tail, tail_);
    }
    Catalogue view() const { return {low_, marine_, tail_}; }

  private:
    static void keep(std::span<const Rule> from, std::vector<Rule>& to) {
        for (const Rule& r : from)
            if (!lf_maritime_rule(r.label)) to.push_back(r);
    }
    std::vector<Rule> low_, marine_, tail_;
};

// A dispatcher pass over the others alone.
inline void band_without_lf_ships(Air& a) {
    static const CatalogueWithoutLfShips catalogue;
    band(a, catalogue.view());
}

} // namespace zenka::test
