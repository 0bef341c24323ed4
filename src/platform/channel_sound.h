#pragma once
// What the sound output needs to know to make a station and the band sound as a
// listener hears them: per channel, how its path fades and how its transmitter
// drifts; per neighbour (a station near the dial), also how far its beat note
// lies from its own pitch; for the whole receiver, its filter, attenuator and
// band noise. Plain values only, worked out by the playout from the emission,
// the tuning and the clock.

#include "platform/audio_filter.h"

#include <cstdint>

namespace zenka {

struct ChannelSound {
    bool spark = false;        // a spark transmitter: its rough note is kept as it is
    bool f1 = false;           // frequency-shift keyed: a lower tone fills the gaps
    double fade_rate_hz = 0.0; // how fast the path fades; 0: steady
    double fade_depth = 0.0;   // 0 steady .. 1 Rayleigh fading down to nothing
    // How far the pitch wanders, either side of its own: it moves smoothly from
    // place to place, each move at least 0.6 x drift_hz and taking 12 - 30 s.
    double drift_hz = 0.0;
    double chirp_hz = 0.0;  // pitch offset at each key-down, dying away in tens of ms
    // The beat note moved by this much (negative: lower): the receiver is tuned this
    // far from the station's own frequency.
    double offset_hz = 0.0;
    std::uint64_t seed = 0; // draws of this station's fading and drift
};

// A station heard beside the tuned one, its beat note moved by its
// `sound.offset_hz`, at `gain` times the level of a channel.
struct NeighbourSound {
    ChannelSound sound;
    double gain = 1.0;
};

// The beat note the receiver assumes for the station it is tuned to: the narrow
// CW filter is centred on it.
inline constexpr double kBeatPitchHz = 800.0;

struct ReceiverSound {
    Filter filter = Filter::flt2;
    int att = 0;                // attenuator in: the band noise 10 dB lower
    double noise_db = 0.0;      // band noise level against the recording's own
    double crash_rate_hz = 0.0; // static crashes a second, on average
    std::uint64_t seed = 0;     // where the band noise goes on from after this retune
    bool cw_filter = false;     // the narrow CW filter (500 Hz) in place of FLT1 / FLT2
};

} // namespace zenka
