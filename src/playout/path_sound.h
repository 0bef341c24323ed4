#pragma once
// How the path and the transmitter colour what the receiver hears, worked out
// from the tuning, the emission and the hour and season, for the sound output:
// - fading: sky wave at night on the MF band fades deep (Rayleigh) and at a
//   rate of its own; LF fades mildly at night; ground wave by day and VLF are
//   nearly steady; an emission with qsb fades deep whatever the path;
// - drift: qrh 1 wanders at least 5 Hz in every minute, qrh 2 nearly twice
//   that, both with a chirp at every key-down; a spark chirps too;
// - band noise: VLF and LF noisier than MF, more at night and in summer, and
//   static crashes far more often on summer nights.

#include "compose/settings.h"
#include "platform/channel_sound.h"
#include "platform/clock.h"
#include "synth/emission.h"

#include <cstdint>

namespace zenka {

// `seed` tells one station's draws from another's.
ChannelSound channel_sound(const EmissionParams& params, const ReceiverSettings& settings,
                           const SystemTime& utc, std::uint64_t seed);

ReceiverSound receiver_sound(const ReceiverSettings& settings, const SystemTime& utc,
                             std::uint64_t seed);

// Summer on the path: May to September.
constexpr bool summer(const SystemTime& t) {
    return t.month >= 5 && t.month <= 9;
}

} // namespace zenka
