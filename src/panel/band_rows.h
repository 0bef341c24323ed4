#pragma once
// What the band window shows, as plain values: each thing on the air (a keyed
// slot, a carrier, a recording) with its station, how it is keyed and how strong
// it is; the rows of the panes built from them. Filled from what a retune composed
// and played; no Qt here, so every rule of it runs in a unit test.

#include "compose/composition.h"
#include "platform/clock.h"
#include "playout/playout.h"
#include "shell/on_air.h"
#include "synth/emission.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zenka {

// Every kind of keying, in the order the lists offer them.
inline constexpr Keying kKeyings[] = {Keying::machine, Keying::hand, Keying::bug, Keying::spark,
                                      Keying::f1};

// One thing on the air.
struct Emission {
    enum class Kind { keyed, carrier, recording };
    Kind kind = Kind::keyed;
    StationId station;
    // A carrier or recording: what it sounds like ("carrier", "teleprinter, 50 baud").
    std::string what;
    int spd = 0;                     // keyed: words per minute
    int qsa = 0;                     // keyed and carrier: the strength step 0 .. 5
    Keying keying = Keying::machine; // keyed only

    friend bool operator==(const Emission&, const Emission&) = default;
};

// What a recording of the "fone" folder is, from its name: "teleprinter, 50 baud,
// 170 Hz shift" for "fone/rtt-001.wav"; the file's own name for one not known.
std::string recording_name(std::string_view path);

// A line of "Now hearing": one playing channel, carrier or recording.
struct HearingRow {
    Emission emission;
    int channel = -1;              // 0 .. 6 for a keyed slot
    std::uint32_t duration_ms = 0; // keyed: how long the channel plays; 0 for the others
    std::string text;              // keyed: the text as heard, its control bytes left out
    // When each character of `text` starts, in ms from the channel's start; empty
    // while the keying times are not known.
    std::vector<std::uint32_t> keyed_ms;
};

// The lines of what a retune started: the slots that play (a slot the playout left
// silent is not heard), then the carriers and recordings.
std::vector<HearingRow> hearing_rows(const Composition& c, const PlayReport& played);

// How many characters of a row's text have begun to be keyed `elapsed_ms` after the
// channel started: all of them when the keying times are not known.
std::size_t keyed_by(const HearingRow& row, std::uint32_t elapsed_ms);

// The text of a slot as it is heard: without the in-band switches of speed, tone and
// strength and the tuning character.
std::string heard_text(std::string_view composed);

// When each character of heard_text(composed) starts, from the keyer's moments of the
// composed bytes (`starts`, in byte order); empty when there are none.
std::vector<std::uint32_t> heard_times(std::string_view composed,
                                       const std::vector<CharStart>& starts);

// A line of "On the air": what is on the air at one frequency.
struct AirRow {
    int freq = 0; // 100 Hz units
    Emission emission;
    UtcInstant at{};  // the moment it was found on the air
    int channel = -1; // the slot's channel, -1 for a carrier or recording

    friend bool operator==(const AirRow&, const AirRow&) = default;
};

// The lines of the band's answer at `at`: each frequency's slots in channel order, then its
// carriers and recordings that sound.
std::vector<AirRow> air_rows(const std::vector<OnAir>& band, UtcInstant at);

// A line of "Coming up": a frequency going on the air at a moment, with what.
struct ComingRow {
    UtcInstant at{};
    int freq = 0;
    Emission emission;

    friend bool operator==(const ComingRow&, const ComingRow&) = default;
};

// The line of a station coming on: keyed as its first slot is keyed, or its carrier or
// recording.
ComingRow coming_row(Coming c);

} // namespace zenka
