#pragma once
// The registry of emission kinds: every kind a station rule's label may name, the
// fixed texts of the send primitives as well as the generators of the traffic
// families, with the family it belongs to, what it leaves when it is on the air
// and whether its traffic is drawn by chance rather than kept to a timetable.
// The catalogue's tests, the band-doc tool and the listener's reports all read
// this one table; a kind that a rule names and the table lacks fails the tests.

#include <span>
#include <string_view>

namespace zenka {

// The families, in the order docs/band.md lists them.
enum class Family {
    fixed_text,   // markers, calls, announcements and texts of the send primitives
    time_signal,  // time signals and the tuning call
    machine,      // machine Morse, teleprinter, data and facsimile
    navigation,   // navigation systems
    maritime,     // ships and coast stations on the medium waves
    calling_500,  // 500 kHz calling and distress, the long-wave ship channels
    weather,      // weather and navigational warnings
    naval,        // naval broadcasts and warships
    military,     // army and air-corps nets
    aeronautical, // aircraft and ground stations
    telecom,      // the telegraph operators' chat
};

// What an emission of the kind leaves on the air.
enum class Leaves {
    call,      // a closed slot whose text names the emission's station, where it names one
    slot,      // a closed slot of the send stack
    recording, // a recording (teleprinter, facsimile)
    nothing,   // nothing that sounds (a silent navigation system)
};

struct EmissionKind {
    std::string_view name;
    Family family;
    Leaves leaves;
    bool fixed;     // a send primitive's text: follows the call sign in a label ("NAA marker")
    bool by_chance; // traffic drawn by chance at any hour, not kept to a timetable
};

// Every kind, grouped by family.
std::span<const EmissionKind> emission_kinds();

// The kind of that name, or null.
const EmissionKind* find_kind(std::string_view name);

// The family's name as docs/band.md shows it ("Ships and coast stations (MF)").
std::string_view family_title(Family family);

} // namespace zenka
