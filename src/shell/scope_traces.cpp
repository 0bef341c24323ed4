#include "shell/scope_traces.h"

#include "band/dispatcher.h"
#include "compose/neighbours.h"
#include "platform/channel_sound.h"
#include "platform/sound/receiver_chain.h"
#include "shell/dial.h"
#include "synth/waveforms.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace zenka {
namespace {

// Keys `slot` from `random` (the clock at the retune) and adds its trace.
void add_trace(std::vector<ScopeTrace>& out, Keyer& keyer, const Slot& slot, int freq, bool tuned,
               const ScopeQuery& q) {
    ScopeTrace t;
    t.freq = freq;
    t.station = slot.station;
    t.params = slot.params;
    t.tuned = tuned;
    t.level =
        mark_amplitude(keyed_strength(slot.params.qsa)) / static_cast<double>(mark_amplitude(5));
    ReceiverSettings there = q.settings;
    if (!tuned) there.freq = freq;
    const RenderResult r =
        keyer.measure_keying(slot.text, slot.params, keyer_setup(there), q.horizon_ms, t.key_downs);
    t.duration_ms = r.duration_ms;
    out.push_back(std::move(t));
}

} // namespace

double scope_response(double offset_hz, Filter filter, bool cw) {
    return sound::ReceiverChain::response(kBeatPitchHz + offset_hz, filter, cw);
}

Passband scope_passband(Filter filter, bool cw) {
    // Out from the assumed pitch, 1 Hz at a time, to where the response drops under half.
    constexpr double kHalf = 0.5, kStep = 1.0;
    Passband p;
    while (p.low_hz > -kBeatPitchHz && scope_response(p.low_hz - kStep, filter, cw) >= kHalf)
        p.low_hz -= kStep;
    while (p.high_hz < 20000.0 && scope_response(p.high_hz + kStep, filter, cw) >= kHalf)
        p.high_hz += kStep;
    return p;
}

int Scope::positions() const {
    std::set<int> seen;
    for (const ScopeTrace& t : traces)
        seen.insert(t.freq);
    return static_cast<int>(seen.size());
}

ScopeQuery scope_query(const Composition& c, const PlayReport& played) {
    ScopeQuery q;
    q.settings = c.settings;
    q.around = c.around;
    for (std::size_t k = 0; k < c.slots.size() && k < played.duration_ms.size(); ++k)
        if (played.duration_ms[k] != 0) q.tuned.push_back(c.slots[k]);
    return q;
}

Scope compose_scope(const ScopeQuery& q, std::stop_token stop) {
    Scope scope;
    const int dial = q.settings.freq;
    scope.dial = dial;
    scope.at = q.around.at;
    scope.horizon_ms = q.horizon_ms;
    const FixedClock clock(q.around.at);
    const BandPass band = q.band ? q.band : BandPass([](Air& a) { zenka::band(a); });

    // The tuned channels, keyed as the playout keyed them: one after the other from the
    // session's source as the pass left it.
    RandomSource session = q.around.source;
    Keyer tuned_keyer(clock, session);
    for (const Slot& slot : q.tuned)
        add_trace(scope.traces, tuned_keyer, slot, standing(slot.station, dial), true, q);

    for (int d = -kScopeReach; d <= kScopeReach && !stop.stop_requested(); ++d) {
        const int freq = dial + d;
        if (d == 0 || freq < kDialLowest || freq > kDialHighest) continue;
        ReceiverSettings there = q.settings;
        there.freq = freq;
        RandomSource random = neighbour_source(q.around.source, freq);
        const Composition c = compose(clock, random, there, band);
        // Each station is keyed from the position's source as its pass left it.
        Keyer keyer(clock, random);
        for (const Slot& slot : c.slots) {
            // A station over a range is shown where it stands, and not at all when the
            // dial is within its reach: the tuned channels have it.
            const int stands = standing(slot.station, freq);
            if (stands != freq || std::abs(dial - stands) <= slot.station.reach) continue;
            add_trace(scope.traces, keyer, slot, freq, false, q);
        }
    }
    if (stop.stop_requested()) return {};
    std::stable_sort(scope.traces.begin(), scope.traces.end(),
                     [](const ScopeTrace& a, const ScopeTrace& b) { return a.freq < b.freq; });
    return scope;
}

} // namespace zenka
