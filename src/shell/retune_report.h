#pragma once
// What one retune put on the air, for the headless front ends: each closed slot
// with its emission parameters, duration and text, and the other sounds started
// (carriers and recordings), each marked started or not.

#include "compose/composition.h"
#include "playout/playout.h"
#include "synth/emission.h"
#include "synth/keyer.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

struct SlotReport {
    int channel = 0;
    EmissionParams params;
    std::uint32_t duration_ms = 0;
    std::string text;
    StationId station;
};

struct SoundReport {
    enum class Kind { Carrier, Clip };
    Kind kind = Kind::Clip;
    int tone = 0;         // carrier: the tone it was started with
    int qsa = 0;          // carrier: its strength step
    std::string path;     // clip: the recording's name, "fone/..."
    bool started = false; // a later carrier of the pass finds the first one sounding
    StationId station;
};

// A station near the dial heard beside the channels.
struct NeighbourReport {
    int freq = 0;         // where it stands (100 Hz)
    double offset_hz = 0; // its beat note moved by this much
    double pitch_hz = 0;  // heard at this pitch
    double level_db = 0;  // its mark through the filter, against the strongest in the pass band
    EmissionParams params;
    std::string text;
    StationId station;
};

struct RetuneReport {
    int freq = 0;
    std::string utc;
    int slots_closed = 0;
    std::vector<SlotReport> slots;
    std::vector<SoundReport> sounds;
    std::vector<NeighbourReport> neighbours;
};

// The report of a composition. A slot's duration is what keying its text gives
// (measured by `keyer`, which draws hand keying from its random source as playing
// would).
RetuneReport report(const Composition& c, Keyer& keyer);

// Appends `s` as a JSON string: quotes and backslashes escaped, control bytes and bytes
// beyond ASCII (read as Latin-1) as \u00XX.
void json_string(std::string& out, std::string_view s);

// A text with its control bytes spelled out: <spd 30>, <ton 1200>, <qsa 2>, <tune>.
std::string readable(std::string_view text);
// The report as one JSON object.
std::string to_json(const RetuneReport& r);
// A station in words: "station coast_station_mf WMH/BALTIMORE  service maritime  calls WMH KFS",
// with "  may call" for one drawn by chance.
std::string station_words(const StationId& s);
// A station as a JSON object: {"label": ..., "calls": [...], "service": ..., "may_call": ...}.
std::string station_json(const StationId& s);
// The report as lines of text.
std::string to_text(const RetuneReport& r);

} // namespace zenka
