#include "synth/keyer.h"

#include "synth/in_band.h"
#include "synth/morse_table.h"

#include <algorithm>
#include <cstdlib>

namespace zenka {
namespace {

// A count of units that cannot go below zero.
std::uint64_t units(int v) {
    return v > 0 ? static_cast<std::uint64_t>(v) : 0;
}

} // namespace

void Keyer::start(const EmissionParams& params, const KeyerSetup& setup) {
    p = params;
    rx = setup;
    timeline_.clear();
    // A spark transmitter is always heard through the narrow filter.
    if (p.spark) rx.filter = Filter::flt1;
    prop();
    load_params(ParamChange::Render);
    wavehdr.set_format(rx.channel, static_cast<std::uint32_t>(rx.sampling * p.ton));
}

void Keyer::key(std::string_view text) {
    text_size_ = text.substr(0, text.find('\0')).size();
    keyed_ = 0;
    chars_.clear();
    letter(' ', dot_size);
    walk(text);
}

RenderResult Keyer::keyed_result() {
    RenderResult r{RenderResult::Outcome::Written, duration_ms(), {}, p.qsa};
    r.cut_short = out_.dropped() || (out_.full() && keyed_ < text_size_);
    r.keyed = r.cut_short ? keyed_ : text_size_;
    const std::uint64_t rate = std::max(wavehdr.byte_rate, 1u);
    for (const ByteStart& c : chars_) {
        if (c.at >= r.keyed) break; // cut off at the file's limit
        timeline_.push_back({c.at, static_cast<std::uint32_t>(c.byte * 1000 / rate)});
    }
    return r;
}

std::uint32_t Keyer::duration_ms() const {
    if (wavehdr.byte_rate == 0) return 0;
    return static_cast<std::uint32_t>(std::uint64_t{wavehdr.data_size} * 1000 / wavehdr.byte_rate);
}

RenderResult Keyer::render(const std::filesystem::path& path, std::string_view text,
                           const EmissionParams& params, const KeyerSetup& setup) {
    start(params, setup);
    if (!file_.open(path)) return {RenderResult::Outcome::FileError, 0, file_.error(), p.qsa};
    return render_open(text);
}

RenderResult Keyer::render(int fd, std::string_view text, const EmissionParams& params,
                           const KeyerSetup& setup) {
    start(params, setup);
    if (!file_.adopt(fd)) return {RenderResult::Outcome::FileError, 0, file_.error(), p.qsa};
    return render_open(text);
}

RenderResult Keyer::render_open(std::string_view text) {
    if (rx.att) {
        if (p.qsa == 0) {
            // Too weak to be heard through the attenuator: the file is left empty.
            if (!file_.finish(0)) return {RenderResult::Outcome::FileError, 0, file_.error(), 0};
            return {RenderResult::Outcome::Suppressed, 0, {}, 0};
        }
        --p.qsa;
    }

    out_.begin(&file_, WaveHeader::kSize, kMaxSamples);
    key(text);
    bool ok = out_.end();
    wavehdr.set_samples(out_.written());
    if (ok) {
        const auto head = wavehdr.bytes();
        ok = file_.write_at(0, head.data(), head.size()) &&
             file_.finish(WaveHeader::kSize + out_.written());
    }
    if (!ok) {
        // A half-written file must not be played as if it were whole.
        RenderResult failed{RenderResult::Outcome::FileError, 0, file_.error(), p.qsa};
        if (file_.is_open()) file_.finish(0);
        return failed;
    }
    return keyed_result();
}

RenderResult Keyer::measure(std::string_view text, const EmissionParams& params,
                            const KeyerSetup& setup) {
    return measured(text, params, setup, nullptr, 0);
}

RenderResult Keyer::measured(std::string_view text, const EmissionParams& params,
                             const KeyerSetup& setup, std::vector<SoundRun>* runs,
                             std::uint64_t until) {
    start(params, setup);
    if (rx.att) {
        if (p.qsa == 0) return {RenderResult::Outcome::Suppressed, 0, {}, 0};
        --p.qsa;
    }
    out_.begin(nullptr, WaveHeader::kSize, kMaxSamples);
    out_.track(runs, until);
    key(text);
    out_.end();
    out_.track(nullptr, 0);
    wavehdr.set_samples(out_.written());
    return keyed_result();
}

RenderResult Keyer::measure_keying(std::string_view text, const EmissionParams& params,
                                   const KeyerSetup& setup, std::uint32_t horizon_ms,
                                   std::vector<KeyDown>& key_downs) {
    key_downs.clear();
    runs_.clear();
    // The rate is known once the slot's parameters are in: start() sets it.
    start(params, setup);
    const std::uint64_t rate = std::max(wavehdr.byte_rate, 1u);
    const std::uint64_t until = (std::uint64_t{horizon_ms} * rate + 999) / 1000;
    const RenderResult r = measured(text, params, setup, &runs_, until);
    // A pattern's cycles may begin and end on silent samples: the stretch runs from its
    // first sounding sample to its last.
    const Pattern* last = nullptr;
    float loudness = 0;
    std::uint64_t lead = 0, trail = 0;
    std::uint64_t end = 0; // the last stretch's end, in bytes
    const auto ms = [rate](std::uint64_t byte) {
        return static_cast<std::uint32_t>(byte * 1000 / rate);
    };
    for (const SoundRun& run : runs_) {
        if (run.pattern != last) {
            last = run.pattern;
            const std::uint8_t* cycle = run.pattern->bank;
            const std::size_t period = run.pattern->period;
            int peak = 0;
            lead = period;
            trail = period;
            for (std::size_t i = 0; i < period; ++i) {
                const int size = std::abs(int{cycle[i]} - int{kSilence});
                peak = std::max(peak, size);
                if (size != 0) {
                    lead = std::min<std::uint64_t>(lead, i);
                    trail = period - 1 - i;
                }
            }
            loudness =
                std::min(1.0f, static_cast<float>(peak) / static_cast<float>(mark_amplitude(5)));
        }
        if (run.to - run.from <= lead + trail) continue; // nothing sounds in it
        const std::uint64_t from = run.from + lead;
        const std::uint64_t to = std::min(run.to - trail, until);
        if (from >= until) break;
        // Runs closer together than a mark's few cycles are one stretch on the air.
        if (!key_downs.empty() && from <= end + KeyDown::kBridge) {
            key_downs.back().to_ms = std::max(key_downs.back().to_ms, ms(to));
            key_downs.back().level = std::max(key_downs.back().level, loudness);
        } else {
            key_downs.push_back({ms(from), ms(to), loudness});
        }
        end = std::max(end, to);
    }
    return r;
}

double keyed_pitch_hz(int ton, int sampling, Filter filter) {
    const int tone = narrow(filter) ? std::clamp(ton, 500, 2000) : std::clamp(2 * ton, 500, 4000);
    return sampling * tone / 8.0;
}

void Keyer::prop() {
    const bool day = daytime(clock_.utc());
    if (p.qsa > 0 && rx.freq >= 1001 && rx.freq <= 3999 && day) --p.qsa;
    if (p.qsa > 0 && rx.freq > 10000 && !day) --p.qsa;
}

void Keyer::load_params(ParamChange change) {
    const bool new_render = change == ParamChange::Render;
    if ((new_render || change == ParamChange::Speed) && p.rto != 0) p.spd += 1;

    const int dot = rx.sampling * 150 / std::max(p.spd, 1);
    int sized = 0;
    if (!narrow(rx.filter)) {
        std::int64_t tone = p.ton;
        if (new_render || change == ParamChange::Tone) tone *= 2;
        p.ton = static_cast<int>(std::clamp<std::int64_t>(tone, 500, 4000));
        sized = p.ton >= 2000 ? dot * p.ton / 1000 : dot * 200 / (200000 / p.ton);
    } else {
        p.ton = std::clamp(p.ton, 500, 2000);
        sized = p.ton >= 1000 ? dot * p.ton / 1000 : dot * 100 / (100000 / p.ton);
    }
    dot_size = static_cast<std::uint32_t>(std::max(sized, 0));
}

void Keyer::walk(std::string_view text) {
    // The text ends at its first zero byte, as a C string would.
    text = text.substr(0, text.find('\0'));
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (out_.failed() || out_.full()) return;
        switch (const unsigned char c = byte(i); c) {
        case kSpeedSwitch:
            if (i + 1 >= text.size()) return;
            p.spd = byte(++i);
            load_params(ParamChange::Speed);
            break;
        case kToneSwitch:
            if (i + 2 >= text.size()) return;
            p.ton = byte(i + 1) + 256 * byte(i + 2);
            i += 2;
            load_params(ParamChange::Tone);
            break;
        case kStrengthSwitch:
            if (i + 1 >= text.size()) return;
            p.qsa = byte(++i);
            load_params(ParamChange::Strength);
            break;
        default:
            chars_.push_back({i, out_.written()});
            letter(c, dot_size);
        }
        if (!out_.dropped()) keyed_ = i + 1;
    }
}

void Keyer::letter(unsigned char ch, std::uint32_t n) {
    p.qsa = keyed_strength(p.qsa);
    if (ch == kTuningChar) {
        tuning_flag = 1;
        dash(80 * n);
        return;
    }
    tuning_flag = 0;

    if (ch == ' ') {
        const std::uint64_t gap = (units(p.spacing) + (last_space ? 3 : 0)) * n;
        if (p._f1) space_f1(gap);
        if (p.bw) space_inv(gap);
        if (!p._f1 && !p.bw) space(gap);
        last_space = 1;
        return;
    }
    last_space = 0;

    if (!p.katokana && ch >= 0x61 && ch <= 0x7F) ch = static_cast<unsigned char>(ch - 0x20);
    if (p.sz && ch == '0') ch = 'T';

    if (ch <= 0x7F) {
        const std::uint32_t code = cw_table[ch];
        int top = 31;
        while (top > 0 && !(code & (1u << top)))
            --top;
        for (int bit = top - 1; bit >= 0; --bit) {
            const bool is_dash = code & (1u << bit);
            if (p.bw)
                is_dash ? dash_inv(n) : dot_inv(n);
            else
                is_dash ? dash(n) : dot(n);
        }
    }

    const std::uint64_t gap = units(p.spacing) * n;
    if (p._f1)
        space_f1(gap);
    else if (p.bw)
        space_inv(gap);
    else
        space(gap);
}

std::uint64_t Keyer::draw_below(std::uint64_t m) {
    const std::uint32_t r = random_.next(clock_.utc());
    return m == 0 ? 0 : r % m;
}

std::uint64_t Keyer::hand_extension(std::uint64_t m) {
    return p.hand ? draw_below(m / 2) : 0;
}

void Keyer::dot(std::uint32_t n) {
    const std::uint64_t e = hand_extension(n);
    rto_rand = static_cast<std::uint32_t>(e);
    if (p.spark) {
        spark_dot(e);
        space(n);
        return;
    }
    out_.repeat(mark_pattern(p.qsa), dot_size + e);
    if (p._f1)
        space_f1(n);
    else
        space(n);
}

void Keyer::dash(std::uint32_t n) {
    std::uint64_t e = hand_extension(n);
    if (p.rto >= 1 && p.rto <= 20)
        e = n + draw_below(n / 2);
    else if (p.rto > 20)
        e = n + draw_below(n);
    rto_rand = static_cast<std::uint32_t>(e);
    if (p.spark) {
        spark_dash(e);
        space(n);
        return;
    }
    out_.repeat(mark_pattern(p.qsa), 3ull * dot_size + e);
    if (p._f1)
        space_f1(n);
    else if (!tuning_flag)
        space(n); // tuning characters join into one continuous tone
}

void Keyer::space(std::uint64_t n) {
    const std::uint64_t e = hand_extension(n);
    out_.silence(8 * (n + e));
}

void Keyer::dot_inv(std::uint32_t n) {
    out_.silence(n);
    space_inv(n);
}

void Keyer::dash_inv(std::uint32_t n) {
    out_.silence(3ull * n);
    space_inv(n);
}

void Keyer::space_inv(std::uint64_t n) {
    const std::uint64_t e = hand_extension(n);
    out_.repeat(mark_pattern(p.qsa), dot_size + e);
}

void Keyer::space_f1(std::uint64_t n) {
    const std::uint64_t e = hand_extension(n);
    out_.repeat(f1_pattern(p.qsa), dot_size + e);
}

void Keyer::spark_dot(std::uint64_t e) {
    out_.repeat(spark_pattern(p.qsa), dot_size / 2 + e);
}

void Keyer::spark_dash(std::uint64_t e) {
    out_.repeat(spark_pattern(p.qsa), 3ull * (dot_size / 2) + e);
}

} // namespace zenka
