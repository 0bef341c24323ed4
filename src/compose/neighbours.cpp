#include "compose/neighbours.h"

#include "platform/sound/receiver_chain.h"
#include "synth/keyer.h"
#include "synth/waveforms.h"

#include <algorithm>
#include <cstdlib>

namespace zenka {
namespace {

constexpr int kDialLowest = 100;    // 10.0 kHz
constexpr int kDialHighest = 10004; // where a fine step up from 999.9 kHz lands

std::uint32_t mixed(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

double level_of(const Slot& slot, double pitch, const ReceiverSettings& rx, bool cw) {
    const double mark = mark_amplitude(slot.params.qsa) / static_cast<double>(mark_amplitude(5));
    return mark * sound::ReceiverChain::response(pitch, rx.filter, cw);
}

} // namespace

RandomSource neighbour_source(const RandomSource& session, int freq) {
    RandomSource r;
    r.seed = mixed(session.seed ^ mixed(static_cast<std::uint32_t>(freq)));
    r.seed_runtime(mixed(r.seed + 0x9e3779b9U));
    return r;
}

std::vector<Neighbour> compose_neighbours(UtcInstant at, const RandomSource& session,
                                          const ReceiverSettings& settings, const BandPass& band,
                                          bool cw) {
    std::vector<Neighbour> found;
    const FixedClock clock(at);
    const int dial = settings.freq;
    for (int d = -kNeighbourReach; d <= kNeighbourReach; ++d) {
        const int freq = dial + d;
        if (d == 0 || freq < kDialLowest || freq > kDialHighest) continue;
        ReceiverSettings there = settings;
        there.freq = freq;
        RandomSource random = neighbour_source(session, freq);
        const Composition c = compose(clock, random, there, band);
        for (const Slot& slot : c.slots) {
            // A station over a range is heard at each of its positions: only where it
            // stands, and not at all when the dial is within its reach.
            const int stands = standing(slot.station, freq);
            if (stands != freq || std::abs(dial - stands) <= slot.station.reach) continue;
            const double offset = beat_offset_hz(stands, dial);
            const double pitch =
                keyed_pitch_hz(slot.params.ton, settings.sampling, settings.filter) + offset;
            const double level = level_of(slot, pitch, settings, cw);
            if (level >= kFaintestNeighbour) found.push_back({slot, stands, offset, pitch, level});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Neighbour& a, const Neighbour& b) { return a.level > b.level; });
    if (found.size() > kMostNeighbours) found.resize(kMostNeighbours);
    return found;
}

} // namespace zenka
