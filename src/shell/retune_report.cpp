#include "shell/retune_report.h"

#include "air.h"

#include <cstdio>
#include <fstream>
#include <utility>

namespace zenka {
namespace {

// Carrier amplitude back to the strength step that gives it (6 for a silent carrier).
int carrier_strength(int amplitude) {
    constexpr int kAmplitude[] = {1, 8, 16, 32, 64, 126};
    for (int q = 0; q < 6; ++q)
        if (kAmplitude[q] == amplitude) return q;
    return 6;
}

std::string format(const char* fmt, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

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

} // namespace

void SoundCapture::loop_carrier(const std::filesystem::path& file) {
    unsigned char head[49] = {};
    std::ifstream in(file, std::ios::binary);
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const std::uint32_t rate =
        head[24] | head[25] << 8 | head[26] << 16 | static_cast<std::uint32_t>(head[27]) << 24;
    const std::lock_guard lock(mutex_);
    carriers_.push_back({rate, in ? head[48] - 128 : 0});
    SoundReport carrier;
    carrier.kind = SoundReport::Kind::Carrier;
    carrier.tone = static_cast<int>(carriers_.size() - 1); // resolved in take()
    sounds_.push_back(carrier);
}

void SoundCapture::play_recording(std::string_view name) {
    const std::lock_guard lock(mutex_);
    SoundReport clip;
    clip.path = name;
    sounds_.push_back(clip);
}

std::vector<SoundReport> SoundCapture::take(int sampling) {
    const std::lock_guard lock(mutex_);
    for (SoundReport& s : sounds_) {
        if (s.kind != SoundReport::Kind::Carrier) continue;
        const Carrier& c = carriers_[static_cast<std::size_t>(s.tone)];
        s.tone = sampling > 0 ? static_cast<int>(c.rate) / sampling : 0;
        s.qsa = carrier_strength(c.amplitude);
    }
    carriers_.clear();
    return std::exchange(sounds_, {});
}

RetuneReport report(const Air& a, SoundCapture& capture) {
    RetuneReport r;
    r.freq = a.freq;
    r.utc = format("%04u-%02u-%02uT%02u:%02u:%02u.%03uZ", unsigned{a.t.year}, unsigned{a.t.month},
                   unsigned{a.t.day}, unsigned{a.t.hour}, unsigned{a.t.minute},
                   unsigned{a.t.second}, unsigned{a.t.milliseconds});
    r.send_call = a.send_call;
    for (int k = 0; k < a.send_call && k < Air::kSlots; ++k) {
        const auto i = static_cast<std::size_t>(k);
        r.slots.push_back({k, a.slot_params[i], a.slot_duration[i], a.send_buf[i]});
    }
    r.sounds = capture.take(a.sampling);
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
            out += format("<qsa %d>", byte(++i));
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

std::string to_json(const RetuneReport& r) {
    std::string out = format("{\"freq\": %d, \"utc\": \"%s\", \"send_call\": %d, \"slots\": [",
                             r.freq, r.utc.c_str(), r.send_call);
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
        json_string(out, s.text);
        out += '}';
    }
    out += "], \"sounds\": [";
    for (std::size_t i = 0; i < r.sounds.size(); ++i) {
        const SoundReport& s = r.sounds[i];
        if (i) out += ", ";
        if (s.kind == SoundReport::Kind::Carrier) {
            out += format("{\"kind\": \"carrier\", \"tone\": %d, \"qsa\": %d}", s.tone, s.qsa);
        } else {
            out += "{\"kind\": \"clip\", \"path\": ";
            json_string(out, s.path);
            out += '}';
        }
    }
    return out + "]}";
}

std::string to_text(const RetuneReport& r) {
    std::string out = format("%d.%d kHz  %s  %d slot%s\n", r.freq / 10, r.freq % 10, r.utc.c_str(),
                             r.send_call, r.send_call == 1 ? "" : "s");
    for (const SlotReport& s : r.slots) {
        const EmissionParams& p = s.params;
        out += format("channel %d  spd %d ton %d qsa %d rto %d f1 %d sz %d qrh %d qsb %d ",
                      s.channel, p.spd, p.ton, p.qsa, p.rto, p._f1, p.sz, p.qrh, p.qsb);
        out += format("katokana %d bw %d hand %d spark %d spacing %d  %u ms\n", p.katokana, p.bw,
                      p.hand, p.spark, p.spacing, s.duration_ms);
        out += "  " + readable(s.text) + "\n";
    }
    for (const SoundReport& s : r.sounds) {
        if (s.kind == SoundReport::Kind::Carrier)
            out += format("carrier  tone %d qsa %d\n", s.tone, s.qsa);
        else
            out += "clip  " + s.path + "\n";
    }
    return out;
}

} // namespace zenka
