#include "shell/retune_report.h"

#include "playout/carrier_file.h"
#include "shell/text_format.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace zenka {
namespace {

// A slot's text with each strength switch carrying the step it is keyed at (0 for the 6 that
// stands for it), as a JSON string.
void json_text(std::string& out, std::string_view s) {
    std::string heard(s);
    for (std::size_t i = 0; i + 1 < heard.size(); ++i) {
        const auto c = static_cast<unsigned char>(heard[i]);
        if (c == 0x01 || c == 0x03) {
            if (c == 0x03)
                heard[i + 1] =
                    static_cast<char>(keyed_strength(static_cast<unsigned char>(heard[i + 1])));
            ++i;
        } else if (c == 0x02) {
            i += 2;
        }
    }
    json_string(out, heard);
}

} // namespace

void json_string(std::string& out, std::string_view s) {
    out += '"';
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"')
            out += "\\\"";
        else if (c == '\\')
            out += "\\\\";
        else if (c < 0x20 || c >= 0x7F)
            out += format("\\u%04x", c); // control bytes, and other bytes read as Latin-1
        else
            out += ch;
    }
    out += '"';
}

namespace {

RetuneReport common(const Composition& c) {
    RetuneReport r;
    r.freq = c.settings.freq;
    r.utc = format("%04u-%02u-%02uT%02u:%02u:%02u.%03uZ", unsigned{c.t.year}, unsigned{c.t.month},
                   unsigned{c.t.day}, unsigned{c.t.hour}, unsigned{c.t.minute},
                   unsigned{c.t.second}, unsigned{c.t.milliseconds});
    r.slots_closed = c.slots_closed;
    for (std::size_t k = 0; k < c.slots.size(); ++k)
        r.slots.push_back(
            {static_cast<int>(k), c.slots[k].params, 0, c.slots[k].text, c.slots[k].station});
    for (const SoundRequest& s : c.sounds) {
        SoundReport sound;
        sound.started = s.started;
        sound.station = s.station;
        if (s.kind == SoundRequest::Kind::Carrier) {
            sound.kind = SoundReport::Kind::Carrier;
            // A silent carrier's file reads back as strength 6.
            sound.tone = s.tone;
            sound.qsa = carrier_amplitude(s.qsa) == 0 ? 6 : s.qsa;
        } else {
            sound.path = s.name;
        }
        r.sounds.push_back(std::move(sound));
    }
    for (const Neighbour& n : c.neighbours)
        r.neighbours.push_back({n.freq, n.offset_hz, n.pitch_hz, 20.0 * std::log10(n.level),
                                n.slot.params, n.slot.text, n.slot.station});
    return r;
}

} // namespace

RetuneReport report(const Composition& c, Keyer& keyer) {
    RetuneReport r = common(c);
    const KeyerSetup setup = keyer_setup(c.settings);
    for (SlotReport& s : r.slots)
        s.duration_ms = keyer.measure(s.text, s.params, setup).duration_ms;
    return r;
}

std::string readable(std::string_view text) {
    std::string out;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = byte(i);
        if (c == 0x01 && i + 1 < text.size()) {
            out += format("<spd %d>", byte(++i));
        } else if (c == 0x02 && i + 2 < text.size()) {
            out += format("<ton %d>", byte(i + 1) + 256 * byte(i + 2));
            i += 2;
        } else if (c == 0x03 && i + 1 < text.size()) {
            out += format("<qsa %d>", keyed_strength(byte(++i)));
        } else if (c == 0x04) {
            out += "<tune>";
        } else if (c < 0x20 || c >= 0x7F) {
            out += format("<%02x>", c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string station_words(const StationId& s) {
    std::string out = "station " + s.label;
    if (s.service != Service::unknown) out += "  service " + std::string(service_name(s.service));
    if (!s.calls.empty()) {
        out += "  calls";
        for (const std::string& call : s.calls)
            out += " " + call;
    }
    return s.by_chance ? out + "  may call" : out;
}

std::string station_json(const StationId& s) {
    std::string out = "{\"label\": ";
    json_string(out, s.label);
    out += ", \"calls\": [";
    for (std::size_t i = 0; i < s.calls.size(); ++i) {
        if (i) out += ", ";
        json_string(out, s.calls[i]);
    }
    out += "], \"service\": ";
    json_string(out, service_name(s.service));
    return out + format(", \"may_call\": %s}", s.by_chance ? "true" : "false");
}

std::string to_json(const RetuneReport& r) {
    std::string out = format("{\"freq\": %d, \"utc\": \"%s\", \"send_call\": %d, \"slots\": [",
                             r.freq, r.utc.c_str(), r.slots_closed);
    for (std::size_t i = 0; i < r.slots.size(); ++i) {
        const SlotReport& s = r.slots[i];
        const EmissionParams& p = s.params;
        if (i) out += ", ";
        out += format("{\"channel\": %d, \"spd\": %d, \"ton\": %d, \"qsa\": %d, \"rto\": %d, "
                      "\"f1\": %d, \"sz\": %d, \"qrh\": %d, \"qsb\": %d, \"katokana\": %d, ",
                      s.channel, p.spd, p.ton, p.qsa, p.rto, p._f1, p.sz, p.qrh, p.qsb, p.katokana);
        out += format("\"bw\": %d, \"hand\": %d, \"spark\": %d, \"spacing\": %d, "
                      "\"duration_ms\": %u, \"text\": ",
                      p.bw, p.hand, p.spark, p.spacing, s.duration_ms);
        json_text(out, s.text);
        out += ", \"station\": " + station_json(s.station) + '}';
    }
    out += "], \"sounds\": [";
    for (std::size_t i = 0; i < r.sounds.size(); ++i) {
        const SoundReport& s = r.sounds[i];
        if (i) out += ", ";
        if (s.kind == SoundReport::Kind::Carrier) {
            out += format("{\"kind\": \"carrier\", \"tone\": %d, \"qsa\": %d, \"started\": %s",
                          s.tone, s.qsa, s.started ? "true" : "false");
        } else {
            out += "{\"kind\": \"clip\", \"path\": ";
            json_string(out, s.path);
            out += format(", \"started\": %s", s.started ? "true" : "false");
        }
        out += ", \"station\": " + station_json(s.station) + '}';
    }
    out += "], \"neighbours\": [";
    for (std::size_t i = 0; i < r.neighbours.size(); ++i) {
        const NeighbourReport& n = r.neighbours[i];
        if (i) out += ", ";
        out += format("{\"freq\": %d, \"offset_hz\": %.0f, \"pitch_hz\": %.0f, "
                      "\"level_db\": %.1f, \"spd\": %d, \"ton\": %d, \"qsa\": %d, \"text\": ",
                      n.freq, n.offset_hz, n.pitch_hz, n.level_db, n.params.spd, n.params.ton,
                      n.params.qsa);
        json_text(out, n.text);
        out += ", \"station\": " + station_json(n.station) + '}';
    }
    return out + "]}";
}

std::string to_text(const RetuneReport& r) {
    std::string out = format("%d.%d kHz  %s  %d slot%s\n", r.freq / 10, r.freq % 10, r.utc.c_str(),
                             r.slots_closed, r.slots_closed == 1 ? "" : "s");
    for (const SlotReport& s : r.slots) {
        const EmissionParams& p = s.params;
        out += format("channel %d  spd %d ton %d qsa %d rto %d f1 %d sz %d qrh %d qsb %d ",
                      s.channel, p.spd, p.ton, p.qsa, p.rto, p._f1, p.sz, p.qrh, p.qsb);
        out += format("katokana %d bw %d hand %d spark %d spacing %d  %u ms\n", p.katokana, p.bw,
                      p.hand, p.spark, p.spacing, s.duration_ms);
        out += "  " + station_words(s.station) + "\n";
        out += "  " + readable(s.text) + "\n";
    }
    for (const SoundReport& s : r.sounds) {
        if (s.kind == SoundReport::Kind::Carrier)
            out += format("carrier  tone %d qsa %d%s  ", s.tone, s.qsa,
                          s.started ? "" : "  (not started: a carrier sounds)");
        else
            out += "clip  " + s.path + "  ";
        out += station_words(s.station) + "\n";
    }
    return out;
}

} // namespace zenka
