#include "panel/band_rows.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zenka {

std::string recording_name(std::string_view path) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kKnown = {{
        {"rtt-001.wav", "teleprinter, 50 baud, 170 Hz shift"},
        {"rtt-001.mp3", "teleprinter, 50 baud, 425 Hz shift"},
        {"rtt-002.wav", "teleprinter, 75 baud, 850 Hz shift"},
        {"sitorb.wav", "NAVTEX on SITOR-B"},
        {"fax-001.wav", "weather facsimile"},
        {"ssb-002.wav", "voice on single sideband"},
        {"othr-001.wav", "over-the-horizon radar"},
        {"noise.wav", "band noise"},
    }};
    const std::size_t slash = path.find_last_of('/');
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (const auto& [name, what] : kKnown)
        if (file == name) return std::string(what);
    return std::string(file);
}

namespace {

Emission keyed(StationId station, const EmissionParams& p) {
    Emission e;
    e.station = std::move(station);
    e.spd = p.spd;
    e.qsa = keyed_strength(p.qsa);
    e.keying = keying_of(p);
    return e;
}

Emission keyed(const Slot& s) {
    return keyed(s.station, s.params);
}

// A carrier (its strength step) or a recording (its file's name).
Emission sound(StationId station, bool carrier, int qsa, std::string_view name) {
    Emission e;
    e.station = std::move(station);
    if (carrier) {
        e.kind = Emission::Kind::carrier;
        e.what = "carrier";
        e.qsa = keyed_strength(qsa);
    } else {
        e.kind = Emission::Kind::recording;
        e.what = recording_name(name);
    }
    return e;
}

Emission sound(const SoundRequest& r) {
    return sound(r.station, r.kind == SoundRequest::Kind::Carrier, r.qsa, r.name);
}

} // namespace

std::string heard_text(std::string_view composed) {
    std::string out;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(composed[i]); };
    for (std::size_t i = 0; i < composed.size(); ++i) {
        const unsigned char c = byte(i);
        if (c == 0x01 || c == 0x03) {
            ++i; // the new speed or strength
        } else if (c == 0x02) {
            i += 2; // the new tone, two bytes
        } else if (c >= 0x20 && c != 0x7F) {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::vector<std::uint32_t> heard_times(std::string_view composed,
                                       const std::vector<CharStart>& starts) {
    std::vector<std::uint32_t> out;
    if (starts.empty()) return out;
    std::size_t next = 0;
    std::uint32_t last = 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(composed[i]); };
    for (std::size_t i = 0; i < composed.size(); ++i) {
        const unsigned char c = byte(i);
        if (c == 0x01 || c == 0x03) {
            ++i;
            continue;
        }
        if (c == 0x02) {
            i += 2;
            continue;
        }
        while (next < starts.size() && starts[next].at < i)
            ++next;
        if (next < starts.size() && starts[next].at == i) last = starts[next].ms;
        // A byte the keyer gave no moment of its own begins with the one before it.
        if (c >= 0x20 && c != 0x7F) out.push_back(last);
    }
    return out;
}

std::vector<HearingRow> hearing_rows(const Composition& c, const PlayReport& played) {
    std::vector<HearingRow> rows;
    for (std::size_t k = 0; k < c.slots.size() && k < played.duration_ms.size(); ++k) {
        if (played.duration_ms[k] == 0) continue; // left silent: nothing is heard
        HearingRow row;
        row.emission = keyed(c.slots[k]);
        row.channel = static_cast<int>(k);
        row.duration_ms = played.duration_ms[k];
        row.text = heard_text(c.slots[k].text);
        row.keyed_ms = heard_times(c.slots[k].text, played.chars[k]);
        rows.push_back(std::move(row));
    }
    for (const SoundRequest& r : c.sounds) {
        if (!r.started) continue;
        HearingRow row;
        row.emission = sound(r);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::size_t keyed_by(const HearingRow& row, std::uint32_t elapsed_ms) {
    if (row.keyed_ms.empty()) return row.text.size();
    const auto begun = std::upper_bound(row.keyed_ms.begin(), row.keyed_ms.end(), elapsed_ms);
    return std::min(static_cast<std::size_t>(begun - row.keyed_ms.begin()), row.text.size());
}

std::vector<AirRow> air_rows(const std::vector<OnAir>& band, UtcInstant at) {
    std::vector<AirRow> rows;
    for (const OnAir& o : band)
        for (const Heard& h : o.heard) {
            if (!h.started) continue;
            rows.push_back({o.freq,
                            h.channel >= 0 ? keyed(h.station, h.params)
                                           : sound(h.station, h.carrier, h.params.qsa, h.text),
                            at, h.channel});
        }
    return rows;
}

ComingRow coming_row(Coming c) {
    return {c.at, c.freq,
            c.channel >= 0 ? keyed(std::move(c.station), c.params)
                           : sound(std::move(c.station), c.carrier, c.params.qsa, c.recording)};
}

} // namespace zenka
