#include "band/dispatcher.h"

#include "band/catalogue.h"
#include "compose/air.h"

#include <algorithm>

namespace zenka {
namespace {

// Runs a rule and marks where its stations stand on the dial.
void run(Air& a, const Rule& rule) {
    const int first = a.open_slot;
    rule.act(a);
    const Frequencies::Nominal at = rule.freq.nominal(a.settings.freq);
    for (int k = std::max(first, 0); k < std::min(a.open_slot, Air::kSlots); ++k) {
        StationId& s = a.slot_station[static_cast<std::size_t>(k)];
        s.freq = at.freq;
        s.reach = at.reach;
    }
}

void evaluate(Air& a, std::span<const Rule> rules) {
    for (const Rule& rule : rules)
        if (rule.freq.contains(a.settings.freq)) run(a, rule);
}

} // namespace

void band(Air& a) {
    band(a, station_catalogue());
}

void band(Air& a, const Catalogue& catalogue) {
    a.Log("band start 0 MHz", "", 0);
    a.marine_band = 0;
    if (in_low_block(a.settings.freq)) evaluate(a, catalogue.low);
    if (in_marine_block(a.settings.freq)) evaluate(a, catalogue.marine);
    evaluate(a, catalogue.tail);
    beacons(a);
    if (a.settings.bkgnd) carriers(a);
    a.Log("band end 0 MHz", "send_call", static_cast<std::uint32_t>(a.open_slot));
}

} // namespace zenka
