#pragma once
// What one retune puts on the air, as a value: the closed slots with their
// emission parameters, the sounds requested in order, the S-meter readings shown
// while composing and the diagnostic records. Composing makes it; playing turns
// it into sound; the headless commands print it.

#include "compose/settings.h"
#include "compose/station_id.h"
#include "platform/clock.h"
#include "platform/random_source.h"
#include "synth/emission.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zenka {

// One closed slot of the send stack: slot k plays on channel k.
struct Slot {
    std::string text;
    EmissionParams params;
    StationId station; // who sends it

    friend bool operator==(const Slot&, const Slot&) = default;
};

// A carrier or a recording asked for by a station.
struct SoundRequest {
    enum class Kind { Carrier, Recording };
    Kind kind = Kind::Recording;
    int tone = 0;     // carrier: the tone number; its file's rate is sampling x tone
    int qsa = 0;      // carrier: the strength step
    int count = 0;    // carrier: pairs of samples in its file
    std::string name; // recording: "fone/..."
    // The first carrier of a pass sounds; a later one finds it sounding and changes
    // nothing. A recording always (re)starts.
    bool started = false;
    StationId station; // who asked for it

    friend bool operator==(const SoundRequest&, const SoundRequest&) = default;
};

// A station near the dial, heard beside the tuned frequency's channels.
struct Neighbour {
    Slot slot;
    int freq = 0;         // where it stands on the dial (100 Hz)
    double offset_hz = 0; // its beat note moved by this much
    double pitch_hz = 0;  // the pitch it is heard at
    double level = 0;     // its mark through the filter; 1: the strongest mark, in the pass band

    friend bool operator==(const Neighbour&, const Neighbour&) = default;
};

// What the dial positions around the tuned one are composed from at a retune: its
// instant, and the session's random source as the tuned frequency's pass left it (each
// position draws from a source derived from it, never from it).
struct NearDial {
    UtcInstant at{};
    RandomSource source;
};

// A diagnostic record with the values it was made with.
struct LogRecord {
    std::string function;
    std::string info;
    std::uint32_t param = 0;
    int freq = 0;
    EmissionParams params; // the emission parameters at the time of the record
    int spacing = 2;       // the spacing of the first slot, as the record prints it
    SystemTime time{};
    std::uint32_t ticks = 0;
};

// A 500 kHz contact sent on to a working frequency: what the ship announced (0 none), the
// frequency it was sent to (100 Hz), the ship's and the coast station's places in their lists.
// It outlives the pass so that the next retune to that frequency hears the contact go on.
struct Contact500 {
    int svc500 = 0, svc500fq = 0, svc500vsl = 0, svc500cst = 0;
};

struct Composition {
    static constexpr int kSlots = 7;

    ReceiverSettings settings; // what the pass was composed with (freq among them)
    SystemTime t{};            // the clock snapshot when the pass ended
    std::vector<Slot> slots;   // at most kSlots, in channel order
    int slots_closed = 0;      // slots closed, as the send stack counts them (send_call)
    std::vector<SoundRequest> sounds;
    std::vector<int> meter;     // S-meter strengths shown while composing, in order
    std::vector<LogRecord> log; // records made while composing, in order
    Contact500 contact500;      // the 500 kHz contact as the pass left it
    // Stations near the dial that the receiver hears beside the channels, strongest
    // first; the pass leaves it empty and the receiver adds them.
    std::vector<Neighbour> neighbours;
    // What the stations near the dial were composed from, or would have been.
    NearDial around;

    bool empty() const { return slots.empty() && sounds.empty(); }
};

} // namespace zenka
