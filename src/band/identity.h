#pragma once
// Who is on the air: every slot a pass closes and every sound it asks for is marked
// with the station that sent it. A station rule's slots carry the rule's label, the
// calls their texts name, the service and whether the traffic is drawn by chance;
// the beacons, the background signals and the carriers carry labels of their own.
//
// The service of a slot is that of the emission of the label that sent it: the slot
// is told by the calls it names (its sender first), by the second marks of a time
// signal, or else it is the rule's first generator. A generator's family gives the
// service (the 500 kHz family is "500 kHz" on the 500 kHz rule and maritime on the
// long-wave ship channels); a time signal is a time signal, a navigation system a
// beacon. A fixed text or machine emission (marker, text, cq, anm, auto ...) takes
// the service of a generator of its own rule, or else of the first generator in the
// catalogue that names its call, or else the default of default_service.

#include "compose/station_id.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

class Air;
struct Rule;

// Runs one rule of the catalogue and marks what it closes and asks for as its station's,
// each slot with where its station stands on the dial.
void run_rule(Air& a, const Rule& rule);

// The service of each emission of a rule's label, in label order, as a slot of it that
// names the emission's own call (and no text to tell it by) is given it at `freq`.
std::vector<Service> emission_services(const Rule& rule, int freq);

// Marks the slots from `first_slot` and the sounds from `first_sound` on as those of
// `station`: each slot gets the calls its text names, or those of `station.calls` that
// stand in it; each sound gets `station` as it is.
void mark_on_air(Air& a, int first_slot, std::size_t first_sound, const StationId& station);

// Runs `emit` and marks what it closes and asks for as `station`'s.
template <class Emit> void on_air_as(Air& a, const StationId& station, Emit&& emit);

// A station of the band's own: "beacon ND", "background voice", "carrier ..."; its calls
// are `call` when one is given.
StationId own_station(std::string label, Service service, std::string_view call = {},
                      bool by_chance = false);

// The service of a station the catalogue knows by no generator: weather when the text names
// the weather ("WX", "METEO", "OBS") or a navigational warning ("TTT"); otherwise by the band,
// naval below 100.0 kHz, telecom up to 200.0, aeronautical up to 405.0, maritime in the
// medium-frequency maritime band up to 535.0 kHz, and maritime above.
Service default_service(int freq, std::string_view text);

} // namespace zenka

#include "compose/air.h"

namespace zenka {

template <class Emit> void on_air_as(Air& a, const StationId& station, Emit&& emit) {
    const int first_slot = a.open_slot;
    const std::size_t first_sound = a.so_far().sounds.size();
    emit();
    mark_on_air(a, first_slot, first_sound, station);
}

} // namespace zenka
