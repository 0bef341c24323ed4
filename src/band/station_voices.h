#pragma once
// Every station's own keying speed, beat tone and strength. A station is heard
// with the same voice on every frequency and at every hour it works; the rules
// look their stations up here by call sign at compile time, so a call sign
// missing from the table does not build.

#include "synth/emission.h"

#include <algorithm>
#include <string_view>

namespace zenka {

// One line of band/data/station_voices.txt.
struct StationVoice {
    std::string_view call;
    int spd;
    int ton;
    int qsa;
};

} // namespace zenka

// kStationVoices, generated from band/data/station_voices.txt by the build.
#include "band/station_voices_table.h"

namespace zenka {

static_assert(std::ranges::is_sorted(kStationVoices, {}, &StationVoice::call),
              "the station voices must stay sorted by call sign");

// The voice of a station; an unknown call sign stops the build.
consteval Voice voice_of(std::string_view call) {
    const auto* it = std::ranges::lower_bound(kStationVoices, call, {}, &StationVoice::call);
    if (it == std::end(kStationVoices) || it->call != call) throw "no voice for this call sign";
    return {it->spd, it->ton, it->qsa};
}

// A station of a rule: its call sign and voice, checked when the rule is built.
struct Station {
    consteval Station(const char* call_sign) : call(call_sign), voice(voice_of(call_sign)) {}
    std::string_view call;
    Voice voice;
};

} // namespace zenka
