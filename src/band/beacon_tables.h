#pragma once
// The beacon plan: the non-directional beacons, the maritime radiobeacon groups
// of 286 - 319 kHz, the character beacons, the Consol stations and the
// individually scheduled idents, with the keying patterns they use.
// `beacons` (band/dispatcher.h) walks these tables for the tuned frequency.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zenka {

class Air;

// Whether a beacon is on the air now; reads the clock snapshot `t` as it stands.
using BeaconGate = bool (*)(Air&);

// A station repeating a fixed ident through send_still.
struct IdentBeacon {
    int freq; // units of 100 Hz
    const char* text;
    int spd, ton, qsa;
    BeaconGate when;
};

// A beacon keying a characteristic letter, then its call sign (ussr_beacon).
struct CharacterBeacon {
    int freq;
    const char* call;
    char letter;
    BeaconGate when;
};

// A Consol navigation station.
struct ConsolStation {
    int freq;
    const char* call;
};

// One member of a maritime radiobeacon group.
struct GroupBeacon {
    enum class Kind { letter, pattern, literal };
    int freq;
    Kind kind;
    const char* text; // letter: the one character; pattern: the call sign; literal: the text
    int n;            // letter: the schedule 0 - 13; pattern: the type 1 - 15; literal: repeats
    int minute;       // pattern: the start minute, or 255 for every even minute
    BeaconGate when;  // literal: when it is sent (letters and patterns keep their own times)
};

// A non-directional beacon: its frequency and its call sign of one to three characters.
struct Ndb {
    std::int32_t freq;
    char call[4];
};

inline constexpr std::size_t kNdbCount = 266;

std::span<const IdentBeacon> ident_beacons();
std::span<const CharacterBeacon> character_beacons();
std::span<const ConsolStation> consol_stations();
std::span<const GroupBeacon> marine_beacon_groups(); // in evaluation order
extern const std::array<Ndb, kNdbCount> ndb_table;   // in evaluation order, not sorted

// A maritime beacon sending one letter, in the minutes of its schedule.
void marine_beacon(Air& a, char c, int schedule);
// A maritime beacon with a call sign and one of fifteen keying patterns.
void marine_beacon2(Air& a, std::string_view call, int type, int minute);
// A letter three times over, then the call sign, in minutes 0 - 4.
void ussr_beacon(Air& a, std::string_view call, char c);
// A Consol station, in odd minutes.
void consol(Air& a, std::string_view call);
// The VLF navigation signals: silent.
void omega(Air& a);

} // namespace zenka
