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
        EmissionParams p;
        p.qsa = s.qsa;
        out.push_back({s.station, -1, p, carrier ? std::string() : s.name, carrier, s.started});
    }
    return out;
}

// The stations of one retune, each once: a station is its label and calls. Each with how it
// is first on the air: its first slot, or else its first carrier or recording.
using Key = std::pair<std::string, std::vector<std::string>>;

std::map<Key, Coming> stations_of(const Composition& c) {
    std::map<Key, Coming> out;
    const auto add = [&](const StationId& s) -> Coming* {
        auto [where, added] = out.try_emplace(Key{s.label, s.calls});
        if (!added) return nullptr;
        where->second.station = s;
        return &where->second;
    };
    for (std::size_t k = 0; k < c.slots.size(); ++k)
        if (Coming* first = add(c.slots[k].station)) {
            first->channel = static_cast<int>(k);
            first->params = c.slots[k].params;
        }
    for (const SoundRequest& s : c.sounds)
        if (Coming* first = add(s.station)) {
            first->carrier = s.kind == SoundRequest::Kind::Carrier;
            first->params.qsa = s.qsa;
            if (!first->carrier) first->recording = s.name;
        }
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
        std::map<Key, Coming> before = stations_of(compose_at(q, at, freq, true));
        for (UtcInstant t = first; t <= end; t += minutes(1)) {
            std::map<Key, Coming> now = stations_of(compose_at(q, t, freq, true));
            for (const auto& [key, coming] : now)
                if (!before.contains(key)) {
                    out.push_back(coming);
                    out.back().at = t;
                    out.back().freq = freq;
                }
            before = std::move(now);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Coming& x, const Coming& y) { return x.at < y.at; });
    return out;
}

} // namespace zenka
