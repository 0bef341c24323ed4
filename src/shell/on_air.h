#pragma once
// Now and next: what a retune would put on the air at every frequency of the band at an
// instant, and the moments within a horizon at which a frequency goes on the air, with
// which station. Every answer is composed as a retune composes it, without sound.
//
// For the band window: the queries are plain functions of their inputs and safe to run on
// any thread (each pass has its own clock and random source); run them on a QueryWorker
// (shell/query_worker.h), not on the interface thread.
//
//   OnAirQuery q;                       // the receiver's switches, the runtime seed
//   q.settings = receiver.settings();
//   std::vector<OnAir> now = on_air(q, clock.now(), 100, 10004);
//   std::vector<Coming> day = coming_up(q, clock.now(), 5000, 5000, std::chrono::hours(24));
//   std::vector<Coming> hour = coming_up(q, clock.now(), 100, 10004, std::chrono::hours(1));

#include "compose/composition.h"
#include "compose/settings.h"
#include "compose/station_id.h"
#include "platform/clock.h"
#include "platform/random_source.h"

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

namespace zenka {

// What the queries compose with: the receiver's switches (its frequency is ignored) and the
// seeds of a fresh random source for every frequency, as `zenka survey` takes them.
struct OnAirQuery {
    ReceiverSettings settings;
    std::uint32_t seed = RandomSource{}.seed; // myrand's seed
    std::uint32_t runtime_seed = 1;           // the runtime rand's initial state
};

// One thing heard at a frequency: a slot (channel >= 0) or a carrier or recording.
struct Heard {
    StationId station;
    int channel = -1;      // the slot's channel, -1 for a carrier or recording
    EmissionParams params; // a slot's emission parameters; a carrier's strength step in qsa
    std::string text;      // a slot's text as keyed (switches included); a recording's name
    bool carrier = false;  // a carrier (channel -1 and not a recording)
    // A slot always sounds; a carrier only when it is the retune's first (a later one finds
    // it sounding), a recording always.
    bool started = true;
};

// A frequency with something on the air.
struct OnAir {
    int freq = 0; // 100 Hz
    std::vector<Heard> heard;
};

// Every frequency of [from, to] (100 Hz) where a retune at `at` closes a slot or starts a
// sound, in order, each with what it puts on the air and who. A station drawn by chance is
// there as the moment draws it, marked by_chance ("may call").
std::vector<OnAir> on_air(const OnAirQuery& q, UtcInstant at, int from, int to,
                          std::stop_token stop = {});

// One station coming on the air.
struct Coming {
    UtcInstant at; // the first minute of the horizon at which a retune hears it
    int freq = 0;  // 100 Hz
    StationId station;
    // How that retune first puts it on the air: on a slot (channel >= 0) keyed with the
    // slot's emission parameters, or else as the carrier or recording it asks for.
    int channel = -1;
    EmissionParams params;   // a slot's; a carrier's strength step in qsa
    bool carrier = false;    // channel -1: a carrier, or else a recording
    std::string recording;   // a recording's name ("fone/...")

    friend bool operator==(const Coming&, const Coming&) = default;
};

// The moments within `horizon` after `at` at which a station goes on the air at each
// frequency of [from, to], in time order (and by frequency within a minute). The frequency
// is retuned at second 0 of every minute; a station (its label and calls) not heard at the
// retune before is coming on. What is on the air at `at` itself is on_air's, not coming.
// Chances are held open: a station drawn by chance is reported at the first minute it could
// call, marked by_chance ("may call"), not as certain.
std::vector<Coming> coming_up(const OnAirQuery& q, UtcInstant at, int from, int to,
                              std::chrono::minutes horizon, std::stop_token stop = {});

// What a retune at `at` to `freq` composes, as on_air and coming_up compose it: every
// chance drawn (`chances_open` false) or held open (true).
Composition compose_at(const OnAirQuery& q, UtcInstant at, int freq, bool chances_open);

} // namespace zenka
