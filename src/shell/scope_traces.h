#pragma once
// What the band scope shows after a retune: every station within 10 kHz of the dial, at
// the frequency it stands on, with the stretches it is keyed down in from the moment of
// the retune. Each dial position is composed at the retune's instant from the random
// source the stations near the dial are composed from (compose/neighbours.h), so that
// those within 3 kHz are the very stations heard beside the tuned one, and the session's
// own source is never drawn from. The tuned frequency's stations are the channels that
// play, keyed from a copy of the session's source as they were keyed: their stretches are
// those of the sound heard, hand keying and all.
//
// Composes about two hundred positions: run it on a QueryWorker, never on the interface
// thread.

#include "compose/composition.h"
#include "compose/pass.h"
#include "playout/playout.h"
#include "synth/keyer.h"

#include <cstdint>
#include <stop_token>
#include <vector>

namespace zenka {

inline constexpr int kScopeReach = 100; // dial positions either side: 10.0 kHz
// How far from the retune the keying is followed.
inline constexpr std::uint32_t kScopeHorizonMs = 20 * 60 * 1000;

// One station in the scope.
struct ScopeTrace {
    int freq = 0;                   // where it stands on the dial (100 Hz)
    StationId station;              // who sends
    EmissionParams params;          // its emission parameters
    bool tuned = false;             // one of the tuned frequency's channels
    double level = 0;               // its mark, 1: a mark at full strength
    std::uint32_t duration_ms = 0;  // how long it keys in all
    std::vector<KeyDown> key_downs; // from the retune on, up to the horizon

    friend bool operator==(const ScopeTrace&, const ScopeTrace&) = default;
};

struct ScopeQuery {
    ReceiverSettings settings; // the dial (settings.freq) and the switches
    NearDial around;           // the retune's instant and source (Composition::around)
    // The tuned frequency's slots that play, in channel order.
    std::vector<Slot> tuned;
    // The station list composed at every other position: the band's dispatcher when empty.
    BandPass band;
    std::uint32_t horizon_ms = kScopeHorizonMs;
};

struct Scope {
    int dial = 0;
    UtcInstant at{}; // the retune: key-downs count from it
    std::uint32_t horizon_ms = 0;
    std::vector<ScopeTrace> traces; // by frequency, the tuned ones in channel order

    // The positions of the scope with a station, each once.
    int positions() const;
};

// How much of a station `offset_hz` above the dial the receiver lets through (1 = all):
// its beat note lies at the pitch the receiver assumes for the tuned station plus the
// offset (beat_offset_hz), through FLT1, FLT2 or the narrow CW filter as switched.
double scope_response(double offset_hz, Filter filter, bool cw);

// The passband about the dial: the offsets (Hz) between which the response stays at
// -6 dB or more, on the side of the pitch the receiver assumes.
struct Passband {
    double low_hz = 0;
    double high_hz = 0;
};
Passband scope_passband(Filter filter, bool cw);

// The query for the retune that composed `c`, with its slots that play (a channel that
// played for no time was busy or too weak and keys nothing).
ScopeQuery scope_query(const Composition& c, const PlayReport& played);

// The scope of the query; empty when stopped.
Scope compose_scope(const ScopeQuery& q, std::stop_token stop = {});

} // namespace zenka
