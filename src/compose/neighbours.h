#pragma once
// The stations near the dial. At a retune the receiver also composes every dial
// position within 3.0 kHz of the tuned frequency, at the same instant, each from a
// random source of its own derived from the session's (which is left exactly as it
// was, so the tuned frequency's traffic and every later retune are what they are
// without neighbours), and keeps the strongest few that the filter lets through.
// They play as extra voices beside the seven channels, their beat notes moved by
// how far the dial is from them.

#include "compose/composition.h"
#include "compose/pass.h"
#include "platform/clock.h"
#include "platform/random_source.h"

#include <vector>

namespace zenka {

inline constexpr int kNeighbourReach = 30; // dial positions either side: 3.0 kHz
inline constexpr int kMostNeighbours = 8; // of the receiver's twelve neighbour voices
// Weaker than this through the filter, a neighbour is not worth a voice (-40 dB).
inline constexpr double kFaintestNeighbour = 0.01;

// The beat note of a station standing at `station` with the dial at `dial` (both in
// 100 Hz) moves one for one with the tuning: tuned above it, its note goes down.
constexpr double beat_offset_hz(int station, int dial) {
    return (station - dial) * 100.0;
}

// Where a slot's station stands when it was composed with the dial at `dial`.
constexpr int standing(const StationId& s, int dial) {
    return s.freq != 0 ? s.freq : dial;
}

// The random source the position `freq` is composed from at this retune.
RandomSource neighbour_source(const RandomSource& session, int freq);

// The stations around `settings.freq` at `at`, strongest first, at most
// kMostNeighbours of them; none that the tuned frequency hears itself (a rule over
// a range) and none too faint. `cw` is the narrow CW filter in place.
std::vector<Neighbour> compose_neighbours(UtcInstant at, const RandomSource& session,
                                          const ReceiverSettings& settings, const BandPass& band,
                                          bool cw);

} // namespace zenka
