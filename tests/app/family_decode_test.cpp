// A random sample of stations from every family of traffic, each rendered one
// channel at a time by `zenka render`. Plain machine keying is read back by the
// multimon-ng Morse decoder; what the decoder cannot read (kana, frequency-shift
// and inverted keying, spark, hand and bug keying, speeds outside its range) is
// checked by its timing: the dots and dashes measured from the rendered envelope
// are those the keyer makes for the same parameters (`zenka key`).
//
// ZENKA_DECODE_SEED=N draws another sample; the seed is printed.

#include "band/beacon_tables.h"
#include "band/catalogue.h"
#include "band/dispatcher.h"
#include "compose/air.h"
#include "platform/clock.h"
#include "support/morse_text.h"
#include "support/rule_sweep.h"
#include "support/run_command.h"
#include "support/temp_folder.h"
#include "band/label.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <numbers>
#include <optional>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace zenka {
namespace {

using test::letters_and_figures;
using test::run;

std::string zenka(const std::string& args) {
    return std::string(ZENKA_EXE) + " " + args;
}

// A slot of some station of a family, at a frequency and instant `zenka text` composes it.
struct Sample {
    std::string family;
    int freq = 0;
    std::string at;
    int channel = 0;
    EmissionParams params;
    std::string text;
};

std::string where(const Sample& s) {
    return " --freq " + std::to_string(s.freq / 10) + "." + std::to_string(s.freq % 10) +
           " --at " + s.at;
}

// The family of a rule, that of its first emission made by a generator, and the call
// sign that emission names ("coast_station_mf PCH/SCHEVENINGEN" -> "PCH"; "" for none).
struct RuleFamily {
    std::string family;
    std::string call;
};

RuleFamily family_of_rule(const Rule& rule) {
    for (std::string_view item : label_emissions(rule.label)) {
        const EmissionKind* kind = registered_kind(item);
        if (!kind || kind->family == Family::fixed_text || kind->family == Family::time_signal ||
            kind->family == Family::machine)
            continue;
        const std::size_t space = item.find(' ');
        const std::string_view args = space == std::string_view::npos ? "" : item.substr(space + 1);
        return {std::string(family_title(kind->family)), std::string(args.substr(0, args.find('/')))};
    }
    return {};
}

bool has_control_bytes(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '"'; });
}

// Machine keying at a steady pitch and a speed the decoder follows.
bool decodable(const EmissionParams& p) {
    return p.spd >= 12 && p.spd <= 25 && p.qsa >= 1 && p.rto == 0 && p._f1 == 0 && p.sz == 0 && p.qrh == 0 &&
           p.katokana == 0 && p.bw == 0 && p.hand == 0 && p.spark == 0 && p.spacing == 2;
}

// A station of a family: its frequency and the call sign its slot shows ("" for any).
struct Station {
    int freq;
    std::string call;
};

// The first slot, at a minute of a winter day, that `zenka text` would show at the station's
// frequency with its call, keyed in one voice (no parameter switches inside the text) and
// starting within a few seconds.
std::optional<Sample> find_slot(const std::string& family, const Station& station) {
    const int freq = station.freq;
    const UtcInstant midnight = *parse_utc("2025-01-08T00:00:00Z");
    for (int minute = 0; minute < 24 * 60; minute += 7) {
        const UtcInstant at =
            midnight + std::chrono::minutes(minute) + std::chrono::seconds(minute * 13 % 60);
        FixedClock clock(at);
        RandomSource random;
        ReceiverSettings settings;
        settings.freq = freq;
        Air a(clock, random, settings);
        a.stn();
        band(a);
        for (int k = 0; k < a.open_slot && k < Air::kSlots; ++k) {
            const std::string& text = a.send_buf[static_cast<std::size_t>(k)];
            // Enough to read in the first seconds: letters, not mostly pauses,
            const std::string head = text.substr(0, 60);
            const auto letters = std::count_if(head.begin(), head.end(), [](char c) {
                return std::isalnum(static_cast<unsigned char>(c));
            });
            // and, for the decoder, varied: it finds the speed from the dots and dashes of
            // several letters.
            const std::set<char> kinds(head.begin(), head.end());
            const EmissionParams& p = a.slot_params[static_cast<std::size_t>(k)];
            if (letters < 8 || (decodable(p) && kinds.size() < 7) || has_control_bytes(text) || text.find_first_not_of(' ') > 8 ||
                text.find(station.call) == std::string::npos)
                continue;
            return Sample{family, freq, format_utc(at), k,
                          a.slot_params[static_cast<std::size_t>(k)], text};
        }
    }
    return std::nullopt;
}

unsigned sample_seed() {
    const char* env = std::getenv("ZENKA_DECODE_SEED");
    return env != nullptr ? static_cast<unsigned>(std::stoul(env)) : 1931u;
}

// Up to `per_family` samples from each family, drawn by the seed.
std::map<std::string, std::vector<Sample>> draw_samples(unsigned seed, std::size_t per_family) {
    std::map<std::string, std::vector<Station>> frequencies;
    const Catalogue catalogue = station_catalogue();
    for (auto block : {catalogue.low, catalogue.marine, catalogue.tail})
        for (const Rule& rule : block)
            if (const RuleFamily f = family_of_rule(rule); !f.family.empty())
                frequencies[f.family].push_back({test::first_frequency(rule), f.call});
    for (const IdentBeacon& b : ident_beacons())
        frequencies["Beacons"].push_back({b.freq, ""});
    for (const Ndb& b : ndb_table)
        frequencies["Beacons"].push_back({b.freq, std::string(b.call, strnlen(b.call, 4))});
    std::mt19937 draw(seed);
    std::map<std::string, std::vector<Sample>> out;
    for (auto& [family, freqs] : frequencies) {
        std::shuffle(freqs.begin(), freqs.end(), draw);
        for (std::size_t i = 0; i < freqs.size() && i < 40 && out[family].size() < per_family;
             ++i)
            if (auto s = find_slot(family, freqs[i])) out[family].push_back(*s);
    }
    return out;
}

std::vector<double> read_mono(const std::string& path, int& rate) {
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (f == nullptr) return {};
    std::vector<double> frames(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_double(f, frames.data(), info.frames);
    sf_close(f);
    std::vector<double> mono(static_cast<std::size_t>(info.frames));
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = frames[i * static_cast<std::size_t>(info.channels)];
    rate = info.samplerate;
    return mono;
}

// Power of `tone` Hz over samples [from, from + n).
double goertzel(const std::vector<double>& x, std::size_t from, std::size_t n, double tone,
                int rate) {
    const double w = 2 * std::numbers::pi * tone / rate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (std::size_t i = from; i < from + n; ++i) {
        const double s0 = x[i] + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

// The lengths in seconds of the marks of a keyed file: runs where the keying is down,
// judged every half millisecond or so from the level (spark: any sound; F1: the mark tone against
// the lower space tone; inverted keying: the tone's absence).
std::vector<double> marks_of(const std::string& path, const EmissionParams& p) {
    int rate = 0;
    const std::vector<double> x = read_mono(path, rate);
    if (x.empty()) return {};
    const auto hop = std::max<std::size_t>(1, static_cast<std::size_t>(rate / 2000));
    const std::size_t window = std::max<std::size_t>(hop * 2, static_cast<std::size_t>(
                                                                  6.0 * rate / p.ton));
    std::vector<double> level;
    for (std::size_t at = 0; at + window <= x.size(); at += hop) {
        if (p._f1) {
            level.push_back(goertzel(x, at, window, p.ton, rate) -
                            goertzel(x, at, window, p.ton * 2.0 / 3.0, rate));
        } else {
            double e = 0;
            for (std::size_t i = at; i < at + window; ++i)
                e += x[i] * x[i];
            level.push_back(e);
        }
    }
    const double top = *std::max_element(level.begin(), level.end());
    std::vector<double> marks;
    int run = 0;
    bool first = true; // a run cut by the file's start is not measured
    for (double v : level) {
        const bool down = p.bw ? v < top * 0.25 : v > top * 0.25;
        if (down) {
            ++run;
        } else {
            if (run > 0 && !first) marks.push_back(static_cast<double>(run * hop) / rate);
            if (run > 0 || !p.bw) first = false;
            run = 0;
        }
    }
    return marks;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The keyer's own dot and dash for these parameters, measured the same way.
std::pair<double, double> keyer_elements(const test::TempFolder& folder, const EmissionParams& p) {
    std::string options = " --wpm " + std::to_string(p.spd) + " --tone " + std::to_string(p.ton) +
                          " --strength 5 --seed 7 --at 2025-01-08T12:00:00Z";
    if (p.spark) options += " --spark";
    if (p.hand) options += " --hand";
    if (p.rto) options += " --bug " + std::to_string(p.rto);
    if (p._f1) options += " --f1";
    if (p.bw) options += " --inverted";
    const std::string file = (folder / "keyer.wav").string();
    const auto measure = [&](const std::string& text) {
        EXPECT_EQ(run(zenka("key" + options + " --out " + file + " '" + text + "'")).status, 0);
        return median(marks_of(file, p));
    };
    return {measure("EEEE EEEE EEEE EEEE"), measure("TTTT TTTT TTTT TTTT")};
}

// Renders the sample's channel; reads it back, or checks its timing.
void check_sample(const test::TempFolder& folder, const Sample& s) {
    // `zenka text` composes the same slot at that instant.
    const test::Ran text = run(zenka("text" + where(s) + " --json"), false);
    ASSERT_EQ(text.status, 0) << where(s);
    ASSERT_NE(text.out.find("\"channel\": " + std::to_string(s.channel) + ","), std::string::npos);
    ASSERT_NE(text.out.find("\"text\": \"" + s.text + "\""), std::string::npos)
        << where(s) << "\n" << s.text;
    const std::string wav = (folder / "station.wav").string();
    const test::Ran render = run(zenka("render" + where(s) + " --seconds 30 --channel " +
                                       std::to_string(s.channel) + " --out " + wav));
    ASSERT_EQ(render.status, 0) << where(s) << "\n" << render.out;
    const std::string sent = letters_and_figures(s.text);
    if (decodable(s.params)) {
        const std::string loud = (folder / "loud.wav").string();
        ASSERT_EQ(run("sox " + wav + " " + loud + " norm -1").status, 0);
        std::string heard = run("multimon-ng -q -c -a MORSE_CW -t wav " + loud).out;
        heard = letters_and_figures(std::regex_replace(heard, std::regex("<[A-Z]+>"), ""));
        std::cout << s.family << where(s) << ": heard " << heard.size() << " of " << sent.size()
                  << " letters and figures\n";
        // The decoder finds its speed in the first few letters; after them, what it heard
        // stands in the text as sent, up to the last letter, which the cut may have halved.
        ASSERT_GE(heard.size(), std::min<std::size_t>(12, sent.size() - 1)) << where(s);
        const std::string settled = heard.substr(4, heard.size() - 5);
        EXPECT_NE(sent.find(settled), std::string::npos)
            << where(s) << "\nsent:  " << sent << "\nheard: " << heard;
        return;
    }
    const auto [dot, dash] = keyer_elements(folder, s.params);
    std::vector<double> dots, dashes;
    for (double m : marks_of(wav, s.params))
        (m < (dot + dash) / 2 ? dots : dashes).push_back(m);
    std::cout << s.family << where(s) << ": timed " << dots.size() << " dots, " << dashes.size()
              << " dashes; median " << median(dots) * 1000 << " / " << median(dashes) * 1000
              << " ms, the keyer's " << dot * 1000 << " / " << dash * 1000 << " ms\n";
    ASSERT_GE(dots.size() + dashes.size(), 8u) << where(s);
    // Hand keying lengthens every element a little at random, a bug key its dashes.
    const double slack = s.params.hand ? 0.45 : 0.15;
    if (dots.size() >= 3) {
        EXPECT_GE(median(dots), dot * (1 - slack)) << where(s);
        EXPECT_LE(median(dots), dot * (1 + slack)) << where(s);
    }
    if (dashes.size() >= 3) {
        EXPECT_GE(median(dashes), dash * (1 - slack)) << where(s);
        EXPECT_LE(median(dashes), dash * (s.params.rto ? 2 : 1 + slack)) << where(s);
    }
}

TEST(FamilyDecode, ASampleOfEveryFamilyReadsBackOrKeepsTheKeyersTiming) {
    const unsigned seed = sample_seed();
    std::cout << "sample seed " << seed << " (ZENKA_DECODE_SEED)\n";
    test::TempFolder folder;
    const auto samples = draw_samples(seed, 2);
    for (const std::string family :
         {"Ships and coast stations (MF)", "500 kHz and the LF ship channels",
          "Weather and navigational warnings", "Naval", "Military", "Aeronautical", "Telecom",
          "Beacons"}) {
        const auto found = samples.find(family);
        ASSERT_TRUE(found != samples.end() && !found->second.empty())
            << "no station of \"" << family << "\" found on the air";
        for (const Sample& s : found->second)
            check_sample(folder, s);
    }
}

} // namespace
} // namespace zenka
