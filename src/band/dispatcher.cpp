#include "band/dispatcher.h"

#include "band/catalogue.h"
#include "band/identity.h"
#include "compose/air.h"

namespace zenka {
namespace {

void evaluate(Air& a, std::span<const Rule> rules) {
    for (const Rule& rule : rules)
        if (rule.freq.contains(a.settings.freq)) run_rule(a, rule);
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
