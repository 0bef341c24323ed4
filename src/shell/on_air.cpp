#include "shell/on_air.h"

#include "band/dispatcher.h"
#include "compose/pass.h"

#include <algorithm>
#include <map>
#include <utility>

namespace zenka {
namespace {

std::vector<Heard> heard_in(const Composition& c) {
    std::vector<Heard> out;
    for (std::size_t k = 0; k < c.slots.size(); ++k)
        out.push_back(
            {c.slots[k].station, static_cast<int>(k), c.slots[k].params, c.slots[k].text, false});
    for (const SoundRequest& s : c.sounds) {
        const bool carrier = s.kind == SoundRequest::Kind::Carrier;
        out.push_back({s.station, -1, {}, carrier ? std::string() : s.name, carrier});
    }
    return out;
}

// The stations of one retune, each once: a station is its label and calls.
using Key = std::pair<std::string, std::vector<std::string>>;

std::map<Key, StationId> stations_of(const Composition& c) {
    std::map<Key, StationId> out;
    const auto add = [&](const StationId& s) { out.emplace(Key{s.label, s.calls}, s); };
    for (const Slot& s : c.slots)
        add(s.station);
    for (const SoundRequest& s : c.sounds)
        add(s.station);
    return out;
}

} // namespace

Composition compose_at(const OnAirQuery& q, UtcInstant at, int freq, bool chances_open) {
    FixedClock clock(at);
    RandomSource random;
    random.seed = q.seed;
    random.seed_runtime(q.runtime_seed);
    ReceiverSettings s = q.settings;
    s.freq = freq;
    return compose(clock, random, s, [chances_open](Air& a) {
        if (chances_open) a.chance = Air::Chance::always;
        band(a);
    });
}

std::vector<OnAir> on_air(const OnAirQuery& q, UtcInstant at, int from, int to,
                          std::stop_token stop) {
    std::vector<OnAir> out;
    for (int freq = from; freq <= to && !stop.stop_requested(); ++freq) {
        const Composition c = compose_at(q, at, freq, false);
        if (!c.empty()) out.push_back({freq, heard_in(c)});
    }
    return out;
}

std::vector<Coming> coming_up(const OnAirQuery& q, UtcInstant at, int from, int to,
                              std::chrono::minutes horizon, std::stop_token stop) {
    using namespace std::chrono;
    const UtcInstant first = floor<minutes>(at) + minutes(1);
    const UtcInstant end = at + horizon;
    std::vector<Coming> out;
    for (int freq = from; freq <= to && !stop.stop_requested(); ++freq) {
        std::map<Key, StationId> before = stations_of(compose_at(q, at, freq, true));
        for (UtcInstant t = first; t <= end; t += minutes(1)) {
            std::map<Key, StationId> now = stations_of(compose_at(q, t, freq, true));
            for (const auto& [key, station] : now)
                if (!before.contains(key)) out.push_back({t, freq, station});
            before = std::move(now);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Coming& x, const Coming& y) { return x.at < y.at; });
    return out;
}

} // namespace zenka
